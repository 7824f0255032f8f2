#pragma once

#include "com/com_object.h"
#include "frame/control_interfaces.h"
#include "page_binding.h"
#include "property_page_window.h"

#include <QPointer>

namespace tarnwick::frame {

// A property page of a control library, described by its fields: it shows the first
// selected control's values and writes every value to each selected control on apply.
class PropertyPage : public com::ComObject<IPropertyPage> {
public:
    PropertyPage(const PageDescription& page, const fenbase6::FenBase6Api& api,
                 com::ComModule* module);
    ~PropertyPage() override;

    QString GetTitle() const override { return m_page.title; }
    void SetObjects(const std::vector<com::ComPtr<com::IUnknown>>& objects) override;
    QWidget* Activate(QWidget* parent) override;
    void Deactivate() override;
    bool Apply() override;

private:
    const PageDescription& m_page;
    const fenbase6::FenBase6Api& m_api;
    PageBinding m_binding;
    QPointer<PropertyPageWindow> m_window;
};

} // namespace tarnwick::frame
