#pragma once

#include "control_host.h"
#include "frame/control_interfaces.h"

#include <QDialog>
#include <vector>

class QTabWidget;

namespace tarnwick::fenhost {

// The property pages of one control in a dialog: a tab per page, with OK, Cancel and Apply.
// OK and Apply apply every page; a page that refuses keeps the dialog open.
class PropertyFrame : public QDialog {
public:
    PropertyFrame(ControlHost& host, const HostedControl& control, QWidget* parent);
    ~PropertyFrame() override;

    QTabWidget* tabs() const { return m_tabs; }
    bool applyAll();

private:
    QTabWidget* m_tabs;
    std::vector<com::ComPtr<frame::IPropertyPage>> m_pages;
};

} // namespace tarnwick::fenhost
