#pragma once

#include "com/component_loader.h"
#include "com/com_error.h"
#include "com/connection_point.h"
#include "event_sink.h"
#include "host_site.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <memory>

class QWidget;

namespace tarnwick::hosting {

enum class PersistForm { Bag, Stream };

// One control in a host: the object, its site, its event connection and its window. Letting
// it go disconnects the events, destroys the window and takes the site away, in that order.
struct HostedControl {
    HostedControl() = default;
    ~HostedControl();
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    QString name;
    QString progId;
    com::Guid clsid;
    com::ComPtr<com::IUnknown> object;
    com::ComPtr<com::IDispatch> dispatch;
    com::ComPtr<HostSite> site;
    com::ComPtr<com::IConnectionPoint> eventPoint;
    std::uint32_t eventCookie = 0;
    QPointer<QWidget> window;
};

// What a host gives each control it creates.
struct HostingContext {
    std::function<bool()> userMode;
    com::ComPtr<com::IUnknown> font;
    EventSink::Handler onEvent; // may be empty: the events are then not connected
    QString errorSource;        // names the host in the errors it raises
};

// A new control of `progId` named `name`: created through `loader`, sited, set up as new,
// connected to `context.onEvent` and given its window (not yet shown) in `parent`.
// Failures are thrown as automation errors (429 when the class cannot be created).
std::unique_ptr<HostedControl> createHostedControl(com::ComponentLoader& loader,
                                                   const QString& progId, const QString& name,
                                                   QWidget* parent, const HostingContext& context);

// The control's interface `Interface`; error 438 when it has none.
template <typename Interface>
com::ComPtr<Interface> requiredInterface(const HostedControl& control, const QString& source) {
    auto found = control.object.template query<Interface>();
    if (!found) {
        throw com::ComError(com::ErrorNumber::MemberNotSupported,
                            QStringLiteral("%1 cannot do that (no such interface)").arg(control.name),
                            source);
    }
    return found;
}

// The control saved in `form`: the stream form's bytes, or the property bag as its text.
QByteArray saveControl(const HostedControl& control, PersistForm form, const QString& source);
// Loads bytes saved by saveControl into the control and resizes its window to its extent.
void loadControl(const HostedControl& control, PersistForm form, const QByteArray& bytes,
                 const QString& source);

} // namespace tarnwick::hosting
