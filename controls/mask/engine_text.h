#pragma once

#include "frame/engine_link.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Text across the boundary to the mask engine, which takes single-byte ISO-8859-1.
namespace tarnwick::mask {

// The single-byte form of `text`; none when a character has no single-byte form, so that
// it is refused instead of reaching the engine as "?" (a keyword of the pattern language),
// or is a null, which would cut the text short there.
std::optional<QByteArray> singleByteText(const QString& text);

// A text the engine holds, read in two steps: its length (`lengthMessage`), then the text
// into a buffer of that length plus one (`textMessage`). Empty without a window.
QString readEngineText(const frame::EngineLink& engine, fenbase6::MessageId lengthMessage,
                       fenbase6::MessageId textMessage);

// The selected text, which the engine copies into a 256-byte buffer: at most 255
// characters.
QString readSelectedText(const frame::EngineLink& engine);

} // namespace tarnwick::mask
