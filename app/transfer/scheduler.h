#pragma once

#include <chrono>
#include <functional>

namespace tarnwick {

// Timers for the transfer engine. The program runs them on Qt's event loop; tests run them on
// a virtual clock so that a two-minute transfer finishes in milliseconds.
class Scheduler {
public:
    using TimerId = int;
    using Duration = std::chrono::milliseconds;

    virtual ~Scheduler() = default;

    // Milliseconds since an arbitrary fixed start.
    virtual Duration now() const = 0;
    // Calls `action` once, `delay` from now, unless cancelled first. Never calls it from
    // inside this function, even for a zero delay.
    virtual TimerId singleShot(Duration delay, std::function<void()> action) = 0;
    // Cancelling a timer that has fired or was cancelled already does nothing.
    virtual void cancel(TimerId id) = 0;
};

} // namespace tarnwick
