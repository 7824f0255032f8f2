#pragma once

#include "engine_messages.h"

#include <QString>
#include <cstddef>

// Text crossing the message boundary: null-terminated bytes in the boundary's code page
// (engine_text_codec.h) addressed by a long parameter.
namespace tarnwick::fenbase6 {

// The text at `param` (a `const char*`); empty for a null address.
QString textFromParam(LongParam param);

// The length of `text` as it crosses the boundary, in bytes.
MessageResult crossingLength(const QString& text);

// Copies as much of `text` as fits whole into `limit` bytes, and a null, into the buffer at
// `param` (a `char*` of at least limit + 1 bytes). Answers the bytes copied; nothing is
// written to a null address.
MessageResult copyTextToParam(const QString& text, LongParam param, std::size_t limit);

} // namespace tarnwick::fenbase6
