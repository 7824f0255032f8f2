#pragma once

#include "com_object.h"
#include "stream.h"

#include <QByteArray>

namespace tarnwick::com {

// A stream over bytes in memory, starting at position 0.
class MemoryStream : public ComObject<IStream> {
public:
    explicit MemoryStream(QByteArray bytes = {}, ComModule* module = nullptr);

    std::int64_t Read(char* buffer, std::int64_t size) override;
    void Write(const char* data, std::int64_t size) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() const override { return m_bytes.size(); }

    const QByteArray& bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    std::int64_t m_position = 0;
};

} // namespace tarnwick::com
