// The exported functions of a control library, forwarding to its ControlLibrary.
#include "com/library_exports.h"

#include "control_library.h"
#include "message_box.h"

#include <QFileInfo>

using namespace tarnwick;
using namespace tarnwick::com;

namespace {

// Its address tells the library where its own file is.
const int kAnchor = 0;

QString libraryPath() {
    return libraryPathOf(&kAnchor);
}

} // namespace

TARNWICK_COM_EXPORT int DllStart() {
    return frame::thisControlLibrary().start(QFileInfo(libraryPath()).absolutePath()) ? 1 : 0;
}

TARNWICK_COM_EXPORT void DllStop() {
    frame::thisControlLibrary().stop();
}

TARNWICK_COM_EXPORT HRESULT DllGetClassObject(const Guid* clsid, const Guid* iid, void** object) {
    return frame::thisControlLibrary().getClassObject(clsid, iid, object);
}

TARNWICK_COM_EXPORT HRESULT DllCanUnloadNow() {
    return frame::thisControlLibrary().canUnloadNow();
}

TARNWICK_COM_EXPORT HRESULT DllRegisterServer() {
    return registerServer(frame::thisControlLibrary().registrationScript(libraryPath()));
}

TARNWICK_COM_EXPORT HRESULT DllUnregisterServer() {
    return unregisterServer(frame::thisControlLibrary().registrationScript(libraryPath()));
}

TARNWICK_COM_EXPORT void FenFrameSetMessageHook(frame::FrameMessageHook hook) {
    frame::setMessageBoxHook(hook == nullptr
                                 ? frame::MessageBoxHook()
                                 : [hook](QWidget*, const QString& text, const QString& caption,
                                          frame::MessageIcon) { hook(text, caption); });
}
