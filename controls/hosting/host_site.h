#pragma once

#include "com/ambient.h"
#include "com/com_object.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace tarnwick::hosting {

// The place of one control on a host's form: the ambient properties (user mode from the
// host's mode, the control's name as its display name, the form's font and colours) and the
// form's coordinates, in pixels, for the mouse events.
class HostSite : public com::ComObject<com::IControlSite> {
public:
    HostSite(QString name, std::function<bool()> userMode, com::ComPtr<com::IUnknown> font);

    // The control's window, once it has one.
    void setWindow(QWidget* window) { m_window = window; }

    com::Variant GetAmbientProperty(com::DispId id) override;
    QPointF TransformCoords(const QPointF& himetric) override;

private:
    QString m_name;
    std::function<bool()> m_userMode;
    com::ComPtr<com::IUnknown> m_font;
    QPointer<QWidget> m_window;
};

} // namespace tarnwick::hosting
