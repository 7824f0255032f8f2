#pragma once

#include "com/guid.h"
#include "com/unknown.h"
#include "fen_engine.h"
#include "fen_objects.h"

#include <cstdint>

class QWidget;

// The boundary of the shared base library libfenbase6.so. Control libraries load it at run
// time (dlopen: from their own folder, else by bare name), never link it, and reach everything
// through the table FenBase6GetApi answers:
//
//   using namespace tarnwick::fenbase6;
//   auto get = reinterpret_cast<FenBase6GetApiFunction>(library.resolve(kFenBase6GetApi));
//   const FenBase6Api* api = get ? get(kFenBase6ApiVersion) : nullptr;
//   FenEngine* engine = api->createEngine(kMaskEngineClass, parent);
//   auto caption = com::ComPtr<com::IUnknown>::adopt(api->createObject(kCaptionClsid));
//
// The library is also an ordinary component library (DllGetClassObject, DllCanUnloadNow,
// DllRegisterServer, DllUnregisterServer) serving the Caption, Key and Spin classes. The
// objects and engines it makes keep their code in it, so a control library unloads it only
// when canUnloadNow() says so and none of its engine widgets remain.
//
// Everything crossing the boundary is declared in these headers (engine_messages.h,
// fen_engine.h, fen_objects.h, virtual_keys.h, ole_color.h) and in platform/com; both sides
// compile them with the same compiler, so C++ types may cross.
namespace tarnwick::fenbase6 {

inline constexpr std::int32_t kFenBase6ApiVersion = 1;
inline constexpr char kFenBase6LibraryName[] = "libfenbase6.so";
inline constexpr char kFenBase6GetApi[] = "FenBase6GetApi";

struct FenBase6Api {
    std::int32_t version;
    // A new engine of the registered window class `className` (kMaskEngineClass,
    // kNumberEngineClass) as a child of `parent` (may be null: a top-level, hidden window);
    // null for an unknown class. The widget is owned by its parent, or by the caller.
    FenEngine* (*createEngine)(const char* className, QWidget* parent);
    // A new Caption, Key or Spin object (kCaptionClsid, kKeyClsid, kSpinClsid) set up as new
    // (defaults), holding its first reference for the caller; null for any other class.
    com::IUnknown* (*createObject)(const com::Guid& clsid);
    // Whether no object of the library is alive and no lock is held.
    bool (*canUnloadNow)();
};

using FenBase6GetApiFunction = const FenBase6Api* (*)(std::int32_t version);

} // namespace tarnwick::fenbase6

// The table for interface version `version`; null for a version the library does not have.
extern "C" __attribute__((visibility("default"))) const tarnwick::fenbase6::FenBase6Api*
FenBase6GetApi(std::int32_t version);
