#pragma once

#include "frame/ui/page_binding.h"
#include "frame/ui/property_page.h"

#include <QPointer>

namespace tarnwick::numlite {

// The General page: lists, the places, the decimal point and the check boxes.
const frame::PageDescription& generalPage();
// The Button page's fields: the Spin object's settings.
const frame::PageDescription& buttonPage();

// The Button page: the fields of the selected controls' Spin objects, in a frame titled
// "Spin Button Settings".
class SpinButtonPage : public frame::PropertyPage {
public:
    SpinButtonPage(const fenbase6::FenBase6Api& api, com::ComModule* module);
    ~SpinButtonPage() override;

    void SetObjects(const std::vector<com::ComPtr<com::IUnknown>>& objects) override;
    QWidget* Activate(QWidget* parent) override;
    void Deactivate() override;

private:
    QPointer<QWidget> m_container; // the frame and the page window inside it
};

} // namespace tarnwick::numlite
