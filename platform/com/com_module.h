#pragma once

#include <atomic>

namespace tarnwick::com {

// The object and lock counts of one component library (or host): a library may be unloaded
// when both are zero. Each library owns exactly one, so that its count covers just the
// objects whose code it holds. The counts are atomic: every object stays on the thread that
// created it, but counts may be read from anywhere.
class ComModule {
public:
    ComModule() = default;
    ComModule(const ComModule&) = delete;
    ComModule& operator=(const ComModule&) = delete;

    void objectCreated() noexcept { m_objects.fetch_add(1); }
    void objectDestroyed() noexcept { m_objects.fetch_sub(1); }
    // A class factory's LockServer: keeps the library loaded without any object.
    void lockServer(bool lock) noexcept { lock ? m_locks.fetch_add(1) : m_locks.fetch_sub(1); }

    long objectCount() const noexcept { return m_objects.load(); }
    long lockCount() const noexcept { return m_locks.load(); }
    bool canUnloadNow() const noexcept { return objectCount() == 0 && lockCount() == 0; }

private:
    std::atomic<long> m_objects{0};
    std::atomic<long> m_locks{0};
};

} // namespace tarnwick::com
