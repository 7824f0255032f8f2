#pragma once

#include "persist.h"

#include <cstdint>

namespace tarnwick::com {

// What every saved control starts with: `_Version`, `_ExtentX` and `_ExtentY` (32-bit each;
// the extent is the control's size in HIMETRIC units, 0.01 mm).
struct PersistHeader {
    std::int32_t version = 0;
    std::int32_t extentX = 0;
    std::int32_t extentY = 0;

    void save(IStream& stream) const;
    void load(IStream& stream);
    void save(IPropertyBag& bag) const;
    // Takes the values the bag holds and keeps the others as they are.
    void load(IPropertyBag& bag);

    friend bool operator==(const PersistHeader&, const PersistHeader&) = default;
};

} // namespace tarnwick::com
