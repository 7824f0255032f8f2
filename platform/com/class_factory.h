#pragma once

#include "com_object.h"

#include <functional>

namespace tarnwick::com {

// Makes the objects of one class.
struct IClassFactory : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    // A new object's interface `iid` in `*object`: S_OK, CLASS_E_NOAGGREGATION with an
    // `outer` object (aggregation is not supported), E_NOINTERFACE when the object lacks
    // `iid`, E_FAIL (or the failure's status) when it cannot be made.
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) = 0;
    // Keeps the library loaded without objects (lock) until the matching unlock.
    virtual HRESULT LockServer(bool lock) = 0;
};

// A class factory over a function making one new object.
class ClassFactory : public ComObject<IClassFactory> {
public:
    using Creator = std::function<ComPtr<IUnknown>()>;

    ClassFactory(Creator create, ComModule& module);

    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** object) override;
    HRESULT LockServer(bool lock) override;

private:
    Creator m_create;
    ComModule& m_module;
};

} // namespace tarnwick::com
