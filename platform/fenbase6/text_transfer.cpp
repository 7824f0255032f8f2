#include "text_transfer.h"

#include "engine_text_codec.h"

#include <cstring>

namespace tarnwick::fenbase6 {

QString textFromParam(LongParam param) {
    return EngineText::decode(reinterpret_cast<const char*>(param));
}

MessageResult crossingLength(const QString& text) {
    return static_cast<MessageResult>(text.toUtf8().size());
}

MessageResult copyTextToParam(const QString& text, LongParam param, std::size_t limit) {
    auto* buffer = reinterpret_cast<char*>(param);
    if (buffer == nullptr) {
        return 0;
    }
    const QByteArray bytes = text.toUtf8();
    const qsizetype count = EngineText::fittingLength(
        bytes, static_cast<qsizetype>(std::min<std::size_t>(limit, 0x7FFFFFFF)));
    std::memcpy(buffer, bytes.constData(), static_cast<std::size_t>(count));
    buffer[count] = '\0';
    return static_cast<MessageResult>(count);
}

} // namespace tarnwick::fenbase6
