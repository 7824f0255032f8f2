#pragma once

#include "shell/app_error.h"

namespace tarnwick::testing {

// The number of the AppError `action` raises, 0 when it raises none.
template <typename Action> int errorNumberOf(Action&& action) {
    try {
        action();
    } catch (const AppError& e) {
        return e.number();
    }
    return 0;
}

} // namespace tarnwick::testing
