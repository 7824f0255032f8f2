#pragma once

#include "unknown.h"
#include "variant.h"

#include <cstdint>
#include <span>

namespace tarnwick::com {

class TypeInfo;

using DispId = std::int32_t;

// Dispatch identities with a fixed meaning.
namespace DispIds {
constexpr DispId Value = 0; // the default member
constexpr DispId Unknown = -1;
} // namespace DispIds

// How a member is called; the values are the classic flags, so sets of them fit a bit mask.
enum class InvokeKind : std::uint8_t {
    Method = 1,
    Get = 2,
    Put = 4,
    PutRef = 8, // assignment of an object reference
};

constexpr std::uint8_t invokeFlag(InvokeKind kind) {
    return static_cast<std::uint8_t>(kind);
}

// Late-bound access by dispatch identity. Event sinks implement it as well: an event is a
// method call on the sink.
struct IDispatch : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    // The members this object answers (its type information).
    virtual const TypeInfo& GetTypeInfo() const = 0;

    // Calls member `id`. `args` are in declaration order; for a Put or PutRef the new value
    // is the last one. Answers the result (Empty when there is none). Failures are thrown as
    // ComError with the automation number, description and source.
    virtual Variant Invoke(DispId id, InvokeKind kind, std::span<const Variant> args) = 0;
};

} // namespace tarnwick::com
