#pragma once

#include <QString>

namespace tarnwick::regtool {

// Which of a component library's exported self-registration functions to call.
enum class Registration { Register, Unregister };

// Loads the library at `path` and calls its exported `DllRegisterServer` or
// `DllUnregisterServer` (extern "C" long (), 0 for success). Throws RegtoolFailure when the
// library cannot be loaded, lacks the function, or the function answers a failure.
void runRegistration(const QString& path, Registration what);

} // namespace tarnwick::regtool
