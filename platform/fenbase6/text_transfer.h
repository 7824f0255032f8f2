#pragma once

#include "engine_messages.h"

#include <QString>
#include <cstddef>

// Text crossing the message boundary: null-terminated single-byte ISO-8859-1 addressed by a
// long parameter. Characters beyond ISO-8859-1 become "?".
namespace tarnwick::fenbase6 {

// The text at `param` (a `const char*`); empty for a null address.
QString textFromParam(LongParam param);

// Copies at most `limit` characters of `text` and a null into the buffer at `param` (a
// `char*` of at least limit + 1 bytes). Answers the characters copied; nothing is written to
// a null address.
MessageResult copyTextToParam(const QString& text, LongParam param, std::size_t limit);

} // namespace tarnwick::fenbase6
