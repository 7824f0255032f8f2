#pragma once

#include "control_host.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QComboBox;
class QPlainTextEdit;

namespace tarnwick::fenhost {

class PropertyBrowser;
class PropertyFrame;

// fenhost's window: the form with its controls, a list to pick one, its property browser,
// the event log, design and run mode, saving and loading, and the control's property pages
// through its verb ("&Properties").
class HostWindow : public QMainWindow {
public:
    explicit HostWindow(const registry::RegistryStore& store, QWidget* parent = nullptr);
    ~HostWindow() override;

    ControlHost& host() { return *m_host; }
    // A new control of class `progId`, named after its class ("FenFrameTest1"), selected.
    HostedControl& insertControl(const QString& progId);
    HostedControl* selectedControl();
    // The selected control's property pages, not yet shown.
    std::unique_ptr<PropertyFrame> propertyPages();

private:
    void buildMenus();
    void select(int index);
    void appendLog(const QString& line);
    void showError(const QString& message);
    void insertFromDialog();
    void openPropertyPages();
    void saveSelected(PersistForm form);
    void loadSelected(PersistForm form);
    template <typename Action> void guarded(Action&& action);

    const registry::RegistryStore& m_store;
    QWidget* m_form;
    QComboBox* m_controls;
    PropertyBrowser* m_browser;
    QPlainTextEdit* m_log;
    QAction* m_verb;
    std::unique_ptr<ControlHost> m_host;
};

} // namespace tarnwick::fenhost
