#pragma once

#include "com_module.h"
#include "com_ptr.h"

namespace tarnwick::com {

// A new object of one of the runtime's own classes (the standard font), counted in `module`;
// null for any other class. Readers of saved data start their ObjectCreator with it.
ComPtr<IUnknown> createStandardObject(const Guid& clsid, ComModule* module = nullptr);

} // namespace tarnwick::com
