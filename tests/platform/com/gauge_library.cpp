// The gauge as a component library, with the exported functions hosts look for.
// GAUGE_START_ANSWER is what its start answers (0 refuses the load).
#include "com/component_server.h"
#include "com/library_exports.h"
#include "gauge.h"

using namespace tarnwick::com;

namespace {

// Its address tells the library where its own file is.
const int kAnchor = 0;

ComponentServer& server() {
    static ComponentServer instance(
        {{ClassRegistration{test::kGaugeClsid, QStringLiteral("Test Gauge"),
                            QStringLiteral("Tarnwick.TestGauge.1"),
                            QStringLiteral("Tarnwick.TestGauge")},
          [](ComModule& module) { return makeUnknown<test::Gauge>(&module); }}});
    return instance;
}

} // namespace

TARNWICK_COM_EXPORT int DllStart() {
    return GAUGE_START_ANSWER;
}

TARNWICK_COM_EXPORT HRESULT DllGetClassObject(const Guid* clsid, const Guid* iid, void** object) {
    return server().getClassObject(clsid, iid, object);
}

TARNWICK_COM_EXPORT HRESULT DllCanUnloadNow() {
    return server().canUnloadNow();
}

TARNWICK_COM_EXPORT HRESULT DllRegisterServer() {
    return registerServer(server().registrationScript(libraryPathOf(&kAnchor)));
}

TARNWICK_COM_EXPORT HRESULT DllUnregisterServer() {
    return unregisterServer(server().registrationScript(libraryPathOf(&kAnchor)));
}
