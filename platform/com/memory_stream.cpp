#include "memory_stream.h"

#include "com_error.h"

#include <algorithm>
#include <limits>

namespace tarnwick::com {

MemoryStream::MemoryStream(QByteArray bytes, ComModule* module)
    : ComObject(module), m_bytes(std::move(bytes)) {}

std::int64_t MemoryStream::Read(char* buffer, std::int64_t size) {
    const std::int64_t available = std::max<std::int64_t>(0, m_bytes.size() - m_position);
    const std::int64_t count = std::clamp<std::int64_t>(size, 0, available);
    std::copy_n(m_bytes.constData() + m_position, count, buffer);
    m_position += count;
    return count;
}

void MemoryStream::Write(const char* data, std::int64_t size) {
    if (size <= 0) {
        return;
    }
    if (size > std::numeric_limits<qsizetype>::max() - m_position) {
        throw ComError::standard(STG_E_WRITEFAULT);
    }
    const std::int64_t end = m_position + size;
    if (end > m_bytes.size()) {
        m_bytes.resize(end, '\0');
    }
    std::copy_n(data, size, m_bytes.data() + m_position);
    m_position = end;
}

std::int64_t MemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    m_position = seekTarget(offset, origin, m_position, m_bytes.size());
    return m_position;
}

} // namespace tarnwick::com
