#pragma once

#include "com/type_info.h"

namespace tarnwick::mask {

// The member table of IFenMask (the common members and the control's own) and the event
// table of IFenMaskEvents.
const com::TypeInfo& fenMaskTypeInfo();
const com::TypeInfo& fenMaskEventsInfo();

} // namespace tarnwick::mask
