#pragma once

#if defined(FENCONTROLS_BUILDING)
#define FENCONTROLS_EXPORT __attribute__((visibility("default")))
#else
#define FENCONTROLS_EXPORT
#endif
