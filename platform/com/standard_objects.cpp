#include "standard_objects.h"

#include "std_font.h"

namespace tarnwick::com {

ComPtr<IUnknown> createStandardObject(const Guid& clsid, ComModule* module) {
    if (clsid == kStdFontClsid) {
        return makeUnknown<StdFont>(FontDescription{}, module);
    }
    return {};
}

} // namespace tarnwick::com
