#pragma once

#include "com_result.h"
#include "guid.h"

#include <cstdint>

namespace tarnwick::com {

// The root of every interface: reference counting and query by interface identity.
//
// Interfaces are abstract C++ classes compiled from these headers into every host and
// component library, so both sides of a library boundary agree on their layout. Each
// interface names its identity `kIid` and its parent interface `Base`; an object answers a
// query for any interface it implements and for all of their parents.
struct IUnknown {
    static constexpr Guid kIid{
        0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    // Stores the interface `iid` of this object in `*object` (with a reference added) and
    // answers S_OK, or stores null and answers E_NOINTERFACE. Asking for IUnknown always
    // gives the same pointer for the same object.
    virtual HRESULT QueryInterface(const Guid& iid, void** object) = 0;
    virtual std::uint32_t AddRef() = 0;
    // Drops a reference; the object deletes itself when none remain. Answers the count left.
    virtual std::uint32_t Release() = 0;

protected:
    // Objects end through Release, never through delete by a holder.
    virtual ~IUnknown() = default;
};

} // namespace tarnwick::com
