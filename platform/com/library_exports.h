#pragma once

#include "com_result.h"
#include "guid.h"

// The functions a component library exports with C linkage, found by name after loading:
//
//   int  DllStart(void)
//       Optional. Called by a loader right after it loads the library, before anything else:
//       the library's start (loading what it needs). Non-zero accepts the load; 0 refuses it,
//       that loader unloads the library again and creating its objects fails (error 429).
//       Several loaders in one process each call it, so a library starts on the first call.
//   void DllStop(void)
//       Optional. Called once for each accepted DllStart, just before that loader unloads the
//       library; the library stops on the last.
//   long DllGetClassObject(const Guid* clsid, const Guid* iid, void** object)
//       The class factory of `clsid`, as interface `iid`: S_OK, CLASS_E_CLASSNOTAVAILABLE.
//   long DllCanUnloadNow(void)
//       S_OK when no objects or locks of the library remain, else S_FALSE.
//   long DllRegisterServer(void), long DllUnregisterServer(void)
//       Write or remove the library's registry entries in the registry store of the
//       environment (TARNWICK_REGISTRY_DIR); S_OK or a failure status. Registration tools
//       call them without DllStart.
//
// A library builds its own code with hidden symbols (the runtime's already are) and marks
// these with TARNWICK_COM_EXPORT, so that its copy of everything stays its own.
#define TARNWICK_COM_EXPORT extern "C" __attribute__((visibility("default")))

namespace tarnwick::com {

using DllStartFunction = int (*)();
using DllStopFunction = void (*)();
using DllGetClassObjectFunction = HRESULT (*)(const Guid* clsid, const Guid* iid, void** object);
using DllCanUnloadNowFunction = HRESULT (*)();

inline constexpr char kDllStart[] = "DllStart";
inline constexpr char kDllStop[] = "DllStop";
inline constexpr char kDllGetClassObject[] = "DllGetClassObject";
inline constexpr char kDllCanUnloadNow[] = "DllCanUnloadNow";

} // namespace tarnwick::com
