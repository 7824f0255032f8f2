#pragma once

#include "unknown.h"

#include <cstdint>

namespace tarnwick::com {

enum class SeekOrigin { Begin, Current, End };

// A sequence of bytes with a position, as objects save themselves into.
struct IStream : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x0000000C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

    // Reads up to `size` bytes at the position; answers how many it read (fewer at the end).
    // A device failure is thrown as ComError(STG_E_READFAULT).
    virtual std::int64_t Read(char* buffer, std::int64_t size) = 0;
    // Writes all `size` bytes at the position, growing the stream as needed; a failure is
    // thrown as ComError(STG_E_WRITEFAULT).
    virtual void Write(const char* data, std::int64_t size) = 0;
    // Moves the position and answers the new one. A position before the start is
    // ComError(STG_E_INVALIDFUNCTION); one past the end is allowed and a later write fills
    // the gap with zeros.
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
    virtual std::int64_t Size() const = 0;
};

// The position a Seek asks for; ComError(STG_E_INVALIDFUNCTION) when it lies before the start.
std::int64_t seekTarget(std::int64_t offset, SeekOrigin origin, std::int64_t current,
                        std::int64_t size);

} // namespace tarnwick::com
