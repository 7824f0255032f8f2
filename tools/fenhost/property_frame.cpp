#include "property_frame.h"

#include "com/com_error.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarnwick::fenhost {

using namespace com;

PropertyFrame::PropertyFrame(ControlHost& host, const HostedControl& control, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmPropertyPages"));
    setWindowTitle(QStringLiteral("%1 Properties").arg(control.name));
    const auto specify = control.object.query<frame::ISpecifyPropertyPages>();
    if (!specify) {
        throw ComError(ErrorNumber::MemberNotSupported,
                       QStringLiteral("%1 has no property pages").arg(control.name));
    }
    for (const Guid& clsid : specify->GetPages()) {
        auto page = host.loader().createObject(clsid.toString()).query<frame::IPropertyPage>();
        if (!page) {
            throw ComError(ErrorNumber::CannotCreateObject,
                           QStringLiteral("Class %1 is no property page").arg(clsid.toString()));
        }
        page->SetObjects({control.object});
        m_tabs->addTab(page->Activate(m_tabs), page->GetTitle());
        m_pages.push_back(std::move(page));
    }
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (applyAll()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            [this] { applyAll(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

PropertyFrame::~PropertyFrame() {
    for (const auto& page : m_pages) {
        page->Deactivate();
    }
}

bool PropertyFrame::applyAll() {
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        if (!m_pages[i]->Apply()) {
            m_tabs->setCurrentIndex(static_cast<int>(i));
            return false;
        }
    }
    return true;
}

} // namespace tarnwick::fenhost
