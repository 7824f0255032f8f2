#pragma once

#include "com_object.h"
#include "stream.h"

#include <QFile>

namespace tarnwick::com {

// A stream over a file.
class FileStream : public ComObject<IStream> {
public:
    enum class Mode {
        Read,   // an existing file, read only
        Create, // a new or emptied file, read and write
    };

    // Opens `path`: error 53 when a file to read does not exist, 75 when it cannot be opened.
    static ComPtr<FileStream> open(const QString& path, Mode mode, ComModule* module = nullptr);

    std::int64_t Read(char* buffer, std::int64_t size) override;
    void Write(const char* data, std::int64_t size) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() const override { return m_file.size(); }

    explicit FileStream(const QString& path, ComModule* module);

private:
    QFile m_file;
};

} // namespace tarnwick::com
