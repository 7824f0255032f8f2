#include "text_transfer.h"

#include <algorithm>

namespace tarnwick::fenbase6 {

QString textFromParam(LongParam param) {
    const auto* text = reinterpret_cast<const char*>(param);
    return text != nullptr ? QString::fromLatin1(text) : QString();
}

MessageResult copyTextToParam(const QString& text, LongParam param, std::size_t limit) {
    auto* buffer = reinterpret_cast<char*>(param);
    if (buffer == nullptr) {
        return 0;
    }
    const std::size_t count = std::min(static_cast<std::size_t>(text.size()), limit);
    for (std::size_t i = 0; i < count; ++i) {
        const char16_t c = text.at(static_cast<qsizetype>(i)).unicode();
        buffer[i] = c <= 0xFF ? static_cast<char>(static_cast<unsigned char>(c)) : '?';
    }
    buffer[count] = '\0';
    return static_cast<MessageResult>(count);
}

} // namespace tarnwick::fenbase6
