#include "format_page.h"

#include "frame/message_box.h"
#include "mask/format_keywords.h"
#include "mask/sample_formats.h"
#include "mask_pages.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace tarnwick::mask {

using namespace com;

FormatPageWindow::FormatPageWindow(QWidget* parent)
    : QWidget(parent), m_format(new QComboBox(this)) {
    setObjectName(QStringLiteral("Format"));
    m_format->setObjectName(QStringLiteral("cboFormat"));
    m_format->setEditable(true);
    m_format->setInsertPolicy(QComboBox::NoInsert);
    m_format->addItems(sampleFormats());
    m_format->lineEdit()->setMaxLength(formatPageFields().fields.front().maxLength);

    auto* example = new QLabel(QLatin1String(kFormatExample), this);
    example->setObjectName(QStringLiteral("lblExample"));
    example->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* keywords = new QListWidget(this);
    keywords->setObjectName(QStringLiteral("lstKeywords"));
    keywords->setSelectionMode(QAbstractItemView::NoSelection);
    keywords->addItems(formatKeywordHelp());

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Format"), m_format);
    layout->addRow(QStringLiteral("Example"), example);
    layout->addRow(QStringLiteral("Keywords"), keywords);
}

void FormatPageWindow::showFormat(const QString& format) {
    m_format->setEditText(format);
}

QString FormatPageWindow::format() const {
    return m_format->currentText();
}

void FormatPageWindow::reportRefusal() {
    const frame::PageField& field = formatPageFields().fields.front();
    frame::showMessageBox(this, field.refusalText, QStringLiteral("Property Error"),
                          frame::MessageIcon::Error);
    m_format->lineEdit()->selectAll();
    m_format->setFocus();
}

FormatPage::~FormatPage() {
    Deactivate();
}

QString FormatPage::GetTitle() const {
    return formatPageFields().title;
}

void FormatPage::SetObjects(const std::vector<ComPtr<IUnknown>>& objects) {
    m_binding.setObjects(objects);
    showValue();
}

QWidget* FormatPage::Activate(QWidget* parent) {
    Deactivate();
    m_window = new FormatPageWindow(parent);
    showValue();
    return m_window;
}

void FormatPage::Deactivate() {
    delete m_window.data();
}

void FormatPage::showValue() {
    if (m_window && m_binding.hasObjects()) {
        const Variant format = m_binding.read(formatPageFields()).front();
        m_window->showFormat(format.isNull() ? QString() : format.toString());
    }
}

bool FormatPage::Apply() {
    if (!m_window) {
        return true;
    }
    if (m_binding.apply(formatPageFields(), {Variant(m_window->format())})) {
        m_window->reportRefusal();
        return false;
    }
    return true;
}

} // namespace tarnwick::mask
