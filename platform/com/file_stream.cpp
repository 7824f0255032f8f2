#include "file_stream.h"

#include "com_error.h"

namespace tarnwick::com {

FileStream::FileStream(const QString& path, ComModule* module) : ComObject(module), m_file(path) {}

ComPtr<FileStream> FileStream::open(const QString& path, Mode mode, ComModule* module) {
    auto stream = makeObject<FileStream>(path, module);
    const QIODevice::OpenMode openMode =
        mode == Mode::Read ? QIODevice::ReadOnly : QIODevice::ReadWrite | QIODevice::Truncate;
    if (!stream->m_file.open(openMode)) {
        throw ComError::standard(mode == Mode::Read && !QFile::exists(path)
                                     ? ErrorNumber::FileNotFound
                                     : ErrorNumber::PathFileAccess);
    }
    return stream;
}

std::int64_t FileStream::Read(char* buffer, std::int64_t size) {
    const std::int64_t count = m_file.read(buffer, size);
    if (count < 0) {
        throw ComError::standard(STG_E_READFAULT);
    }
    return count;
}

void FileStream::Write(const char* data, std::int64_t size) {
    if (size > 0 && m_file.write(data, size) != size) {
        throw ComError::standard(STG_E_WRITEFAULT);
    }
}

std::int64_t FileStream::Seek(std::int64_t offset, SeekOrigin origin) {
    const std::int64_t target = seekTarget(offset, origin, m_file.pos(), m_file.size());
    if (!m_file.seek(target)) {
        throw ComError::standard(STG_E_INVALIDFUNCTION);
    }
    return target;
}

} // namespace tarnwick::com
