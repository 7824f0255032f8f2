#pragma once

#include "com/com_object.h"
#include "frame/control_interfaces.h"
#include "frame/ui/page_binding.h"

#include <QPointer>
#include <QWidget>

class QComboBox;

namespace tarnwick::mask {

// The window of the Format page: the format in an editable list of the sample formats
// ("cboFormat", at most 255 characters), the example, and the keyword help ("lstKeywords").
class FormatPageWindow : public QWidget {
public:
    explicit FormatPageWindow(QWidget* parent);

    void showFormat(const QString& format);
    QString format() const;
    // A refused format: the message box, then the whole text selected and the focus on it.
    void reportRefusal();

private:
    QComboBox* m_format;
};

// The Format page: shows the first selected control's Format and puts the list's text to
// every selected control on apply; a refusal keeps the page open with the old format in force.
class FormatPage : public com::ComObject<frame::IPropertyPage> {
public:
    explicit FormatPage(com::ComModule* module) : ComObject(module) {}
    ~FormatPage() override;

    QString GetTitle() const override;
    void SetObjects(const std::vector<com::ComPtr<com::IUnknown>>& objects) override;
    QWidget* Activate(QWidget* parent) override;
    void Deactivate() override;
    bool Apply() override;

private:
    void showValue();

    frame::PageBinding m_binding;
    QPointer<FormatPageWindow> m_window;
};

} // namespace tarnwick::mask
