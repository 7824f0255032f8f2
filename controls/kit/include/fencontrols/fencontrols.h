#pragma once

// The FenControls kit: the masked input and numeric input controls in a Qt program.
#include "fencontrols/control.h"
#include "fencontrols/error.h"
#include "fencontrols/masked_input.h"
#include "fencontrols/numeric_input.h"
#include "fencontrols/version.h"
