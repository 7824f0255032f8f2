// The exported functions of libfenbase6.so: the boundary table the control libraries load,
// and the component-library functions serving the Caption, Key and Spin classes.
#include "caption_object.h"
#include "com/component_server.h"
#include "com/library_exports.h"
#include "engine_classes.h"
#include "fenbase6_api.h"
#include "key_object.h"
#include "spin_object.h"

using namespace tarnwick;
using namespace tarnwick::fenbase6;

namespace {

// Its address tells the library where its own file is.
const int kAnchor = 0;

template <typename T> com::ComponentServer::ServedClass servedClass(const com::Guid& clsid,
                                                                    const char* description,
                                                                    const char* progId) {
    const QString versionDependent = QLatin1String(progId);
    return {com::ClassRegistration{clsid, QLatin1String(description), versionDependent,
                                   versionDependent.section(QLatin1Char('.'), 0, 1)},
            [](com::ComModule& module) { return com::makeUnknown<T>(&module); }};
}

com::ComponentServer& server() {
    static com::ComponentServer instance(
        {servedClass<CaptionObject>(kCaptionClsid, "Fen Caption", kCaptionProgId),
         servedClass<KeyObject>(kKeyClsid, "Fen Key", kKeyProgId),
         servedClass<SpinObject>(kSpinClsid, "Fen Spin", kSpinProgId)});
    return instance;
}

com::IUnknown* createObject(const com::Guid& clsid) {
    void* answered = nullptr;
    if (com::failed(server().getClassObject(&clsid, &com::IClassFactory::kIid, &answered))) {
        return nullptr;
    }
    const auto factory =
        com::ComPtr<com::IClassFactory>::adopt(static_cast<com::IClassFactory*>(answered));
    void* object = nullptr;
    if (com::failed(factory->CreateInstance(nullptr, com::IUnknown::kIid, &object))) {
        return nullptr;
    }
    return static_cast<com::IUnknown*>(object);
}

bool canUnloadNow() {
    return server().module().canUnloadNow();
}

const FenBase6Api kApi{kFenBase6ApiVersion, createEngineOfClass, createObject, canUnloadNow};

} // namespace

extern "C" const FenBase6Api* FenBase6GetApi(std::int32_t version) {
    return version == kFenBase6ApiVersion ? &kApi : nullptr;
}

TARNWICK_COM_EXPORT com::HRESULT DllGetClassObject(const com::Guid* clsid, const com::Guid* iid,
                                                   void** object) {
    return server().getClassObject(clsid, iid, object);
}

TARNWICK_COM_EXPORT com::HRESULT DllCanUnloadNow() {
    return server().canUnloadNow();
}

TARNWICK_COM_EXPORT com::HRESULT DllRegisterServer() {
    return com::registerServer(server().registrationScript(com::libraryPathOf(&kAnchor)));
}

TARNWICK_COM_EXPORT com::HRESULT DllUnregisterServer() {
    return com::unregisterServer(server().registrationScript(com::libraryPathOf(&kAnchor)));
}
