#include "class_factory.h"

#include "com_error.h"

namespace tarnwick::com {

ClassFactory::ClassFactory(Creator create, ComModule& module)
    : ComObject(&module), m_create(std::move(create)), m_module(module) {}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, const Guid& iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    try {
        const ComPtr<IUnknown> created = m_create();
        return created ? created->QueryInterface(iid, object) : E_FAIL;
    } catch (const ComError& error) {
        return error.number() < 0 ? error.number() : E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ClassFactory::LockServer(bool lock) {
    m_module.lockServer(lock);
    return S_OK;
}

} // namespace tarnwick::com
