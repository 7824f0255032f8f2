#pragma once

#include "com/type_info.h"

namespace tarnwick::numlite {

// The member table of IFenNumLite (the common members and the numeric control's own).
const com::TypeInfo& numLiteInterface();
// The event table of IFenNumLiteEvents.
const com::TypeInfo& numLiteEvents();

} // namespace tarnwick::numlite
