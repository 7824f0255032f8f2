#pragma once

#include "unknown.h"

#include <concepts>
#include <cstddef>
#include <utility>

namespace tarnwick::com {

// Owns one reference to an interface: added on copy, dropped on destruction.
template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Adds a reference to `pointer`; use adopt() for a reference the caller already owns.
    ComPtr(T* pointer) : m_pointer(pointer) { addRef(); }
    ComPtr(const ComPtr& other) : m_pointer(other.m_pointer) { addRef(); }
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    template <typename U>
    requires std::convertible_to<U*, T*> ComPtr(const ComPtr<U>& other) : m_pointer(other.get()) {
        addRef();
    }
    ~ComPtr() { release(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(m_pointer, other.m_pointer);
        return *this;
    }

    // Takes over a reference the caller owns (a freshly created object, an out-parameter).
    static ComPtr adopt(T* pointer) {
        ComPtr result;
        result.m_pointer = pointer;
        return result;
    }

    T* get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    T& operator*() const { return *m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }

    void reset() { ComPtr().swap(*this); }
    // Gives up the reference without dropping it.
    T* detach() { return std::exchange(m_pointer, nullptr); }
    void swap(ComPtr& other) noexcept { std::swap(m_pointer, other.m_pointer); }

    // The interface U of the same object, or null when it has none.
    template <typename U> ComPtr<U> query() const {
        void* result = nullptr;
        if (m_pointer == nullptr || failed(m_pointer->QueryInterface(U::kIid, &result))) {
            return {};
        }
        return ComPtr<U>::adopt(static_cast<U*>(result));
    }

    template <typename U> bool operator==(const ComPtr<U>& other) const {
        return m_pointer == other.get();
    }
    bool operator==(std::nullptr_t) const { return m_pointer == nullptr; }

private:
    void addRef() const {
        if (m_pointer != nullptr) {
            m_pointer->AddRef();
        }
    }
    void release() {
        if (T* pointer = std::exchange(m_pointer, nullptr)) {
            pointer->Release();
        }
    }

    T* m_pointer = nullptr;
};

// The interface T of `object`, or null when it has none (or `object` is null).
template <typename T> ComPtr<T> queryInterface(IUnknown* object) {
    return ComPtr<IUnknown>(object).query<T>();
}

// Whether two interface pointers belong to the same object (compared through IUnknown).
bool isSameObject(IUnknown* first, IUnknown* second);

} // namespace tarnwick::com
