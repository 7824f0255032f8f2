#include "engine_text.h"

#include "fenbase6/engine_text_codec.h"

#include <algorithm>
#include <cstring>

namespace tarnwick::mask {

using namespace fenbase6;

namespace {

// More than any pattern can hold; an answer beyond it is not a length.
constexpr MessageResult kLongestText = 0xFFFF;
constexpr qsizetype kSelectionBufferSize = 256;

QString textOfBuffer(const QByteArray& buffer) {
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return EngineText::decode(buffer.constData(), end - buffer.begin());
}

} // namespace

std::optional<QByteArray> engineBytes(const QString& text) {
    return EngineText::encode(text);
}

QString readEngineText(const frame::EngineLink& engine, MessageId lengthMessage,
                       MessageId textMessage) {
    const MessageResult length = engine.send(lengthMessage);
    if (length <= 0 || length > kLongestText) {
        return {};
    }
    // The null is the buffer's own, so a short answer still ends inside it.
    QByteArray buffer(static_cast<qsizetype>(length) + 1, '\0');
    engine.send(textMessage, 0, reinterpret_cast<LongParam>(buffer.data()));
    buffer[buffer.size() - 1] = '\0';
    return textOfBuffer(buffer);
}

QString readSelectedText(const frame::EngineLink& engine) {
    if (!engine.hasWindow()) {
        return {};
    }
    QByteArray buffer(kSelectionBufferSize, '\0');
    engine.send(Msg::GetSelText, 0, reinterpret_cast<LongParam>(buffer.data()));
    buffer[kSelectionBufferSize - 1] = '\0';
    return textOfBuffer(buffer);
}

} // namespace tarnwick::mask
