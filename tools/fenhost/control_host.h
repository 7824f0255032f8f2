#pragma once

#include "com/component_loader.h"
#include "hosted_control.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace tarnwick::fenhost {

using hosting::HostedControl;
using hosting::PersistForm;

// fenhost's container: it creates controls by ProgID through the registry store, sites them
// on its form (one below the other) with their events logged, switches them between design
// and run mode, and saves and loads them in both persistence forms. Failures are thrown as
// automation errors.
class ControlHost {
public:
    // Receives each event as one line of text: "Text1.KeyDown(KeyCode=65, Shift=0)".
    using Log = std::function<void(const QString& line)>;

    ControlHost(const registry::RegistryStore& store, QWidget* form, Log eventLog);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // A new control named `name` (which must be new): created, sited, set up as new, given its
    // window on the form and connected to the event log.
    HostedControl& create(const QString& progId, const QString& name);
    // The control named `name` (error 5 when there is none).
    HostedControl& control(const QString& name);
    const std::vector<std::unique_ptr<HostedControl>>& controls() const { return m_controls; }

    bool userMode() const { return m_userMode; }
    // Tells every control that the host's user mode changed.
    void setUserMode(bool run);

    void save(HostedControl& control, PersistForm form, const QString& file) const;
    void load(HostedControl& control, PersistForm form, const QString& file) const;

    com::ComponentLoader& loader() { return m_loader; }

private:
    QPoint nextPosition() const;

    com::ComponentLoader m_loader;
    QWidget* m_form;
    Log m_eventLog;
    com::ComPtr<com::IUnknown> m_font;
    bool m_userMode = true;
    std::vector<std::unique_ptr<HostedControl>> m_controls;
};

} // namespace tarnwick::fenhost
