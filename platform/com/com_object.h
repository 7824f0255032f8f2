#pragma once

#include "com_module.h"
#include "com_ptr.h"

#include <atomic>
#include <utility>

namespace tarnwick::com {

// The implementation of IUnknown for a class implementing `Interfaces`: an atomic reference
// count that starts at one (the creator's reference, see makeObject) and a query that
// answers every listed interface and its parents. A class answering interfaces known only at
// run time (an event sink for a given events identity) overrides QueryInterface and falls
// back on this one.
//
// The object counts itself in the ComModule of the library holding its code, so that the
// library stays loaded while it lives; hosts pass no module.
template <typename First, typename... Rest> class ComObject : public First, public Rest... {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT QueryInterface(const Guid& iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = iid == IUnknown::kIid ? static_cast<void*>(unknown()) : findInterface(iid);
        if (*object == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    std::uint32_t AddRef() override { return m_references.fetch_add(1) + 1; }

    std::uint32_t Release() override {
        const std::uint32_t left = m_references.fetch_sub(1) - 1;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // The object's identity pointer.
    IUnknown* unknown() { return static_cast<First*>(this); }

protected:
    explicit ComObject(ComModule* module = nullptr) : m_module(module) {
        if (m_module != nullptr) {
            m_module->objectCreated();
        }
    }
    ~ComObject() override {
        if (m_module != nullptr) {
            m_module->objectDestroyed();
        }
    }

    ComModule* module() const { return m_module; }

private:
    // `self` as the interface `iid` when I or one of its parents is that interface.
    template <typename I> static void* castTo(I* self, const Guid& iid) {
        if (iid == I::kIid) {
            return static_cast<void*>(self);
        }
        if constexpr (requires { typename I::Base; }) {
            return castTo<typename I::Base>(self, iid);
        } else {
            return nullptr;
        }
    }

    void* findInterface(const Guid& iid) {
        void* found = castTo<First>(this, iid);
        ((found = found != nullptr ? found : castTo<Rest>(this, iid)), ...);
        return found;
    }

    std::atomic<std::uint32_t> m_references{1};
    ComModule* const m_module;
};

// Creates an object of class T (derived from ComObject) holding its first reference.
template <typename T, typename... Args> ComPtr<T> makeObject(Args&&... args) {
    return ComPtr<T>::adopt(new T(std::forward<Args>(args)...));
}

// The same, handed out through its identity pointer (what factories and creators answer).
template <typename T, typename... Args> ComPtr<IUnknown> makeUnknown(Args&&... args) {
    return ComPtr<IUnknown>::adopt((new T(std::forward<Args>(args)...))->unknown());
}

} // namespace tarnwick::com
