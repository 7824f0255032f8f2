#pragma once

#include "frame/engine_link.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Text across the boundary to the mask engine, in the boundary's code page
// (fenbase6/engine_text_codec.h).
namespace tarnwick::mask {

// The form of `text` the engine takes; none when it cannot cross whole (a null would cut it
// short there), so that it is refused rather than reaching the engine changed.
std::optional<QByteArray> engineBytes(const QString& text);

// A text the engine holds, read in two steps: its length (`lengthMessage`), then the text
// into a buffer of that length plus one (`textMessage`). Empty without a window.
QString readEngineText(const frame::EngineLink& engine, fenbase6::MessageId lengthMessage,
                       fenbase6::MessageId textMessage);

// The selected text, which the engine copies into a 256-byte buffer: at most 255 bytes.
QString readSelectedText(const frame::EngineLink& engine);

} // namespace tarnwick::mask
