#include "property_page_window.h"

#include "frame/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarnwick::frame {

using namespace com;

// The widget of one field; exactly one of the pointers is set.
struct PropertyPageWindow::Editor {
    QComboBox* list = nullptr;
    std::unique_ptr<NumberField> number;
    QCheckBox* check = nullptr;
    QLineEdit* text = nullptr;

    QWidget* widget() const {
        if (list != nullptr) {
            return list;
        }
        if (number) {
            return number->widget();
        }
        return check != nullptr ? static_cast<QWidget*>(check) : text;
    }
};

namespace {

const QString kRefusalCaption = QStringLiteral("Property Error");

QString prefixFor(PageField::Kind kind) {
    switch (kind) {
    case PageField::Kind::List:
        return QStringLiteral("cbo");
    case PageField::Kind::Check:
        return QStringLiteral("chk");
    case PageField::Kind::Number:
    case PageField::Kind::Text:
        break;
    }
    return QStringLiteral("txt");
}

} // namespace

PropertyPageWindow::PropertyPageWindow(const PageDescription& page,
                                       const fenbase6::FenBase6Api& api, QWidget* parent)
    : QWidget(parent), m_page(page) {
    setObjectName(page.title);
    auto* layout = new QFormLayout(this);
    for (const PageField& field : page.fields) {
        auto editor = std::make_unique<Editor>();
        switch (field.kind) {
        case PageField::Kind::List:
            editor->list = new QComboBox(this);
            editor->list->addItems(field.enumeration->pageEntries());
            break;
        case PageField::Kind::Number:
            editor->number = std::make_unique<NumberField>(api, this, field.minimum, field.maximum);
            break;
        case PageField::Kind::Check:
            editor->check = new QCheckBox(field.label, this);
            break;
        case PageField::Kind::Text:
            editor->text = new QLineEdit(this);
            if (field.maxLength > 0) {
                editor->text->setMaxLength(field.maxLength);
            }
            break;
        }
        QWidget* widget = editor->widget();
        widget->setObjectName(prefixFor(field.kind) + field.property);
        if (field.kind == PageField::Kind::Check) {
            layout->addRow(widget);
        } else {
            layout->addRow(field.label, widget);
        }
        m_editors.push_back(std::move(editor));
    }
}

PropertyPageWindow::~PropertyPageWindow() = default;

void PropertyPageWindow::showValues(const std::vector<Variant>& values) {
    for (std::size_t i = 0; i < m_editors.size(); ++i) {
        const PageField& field = m_page.fields[i];
        Editor& editor = *m_editors[i];
        const Variant& value = values[i];
        switch (field.kind) {
        case PageField::Kind::List: {
            const auto& members = field.enumeration->info.members;
            const std::int32_t number = value.toInt32();
            for (std::size_t m = 0; m < members.size(); ++m) {
                if (members[m].value == number) {
                    editor.list->setCurrentIndex(static_cast<int>(m));
                }
            }
            break;
        }
        case PageField::Kind::Number:
            editor.number->setValue(value);
            break;
        case PageField::Kind::Check:
            editor.check->setChecked(value.toBool());
            break;
        case PageField::Kind::Text:
            editor.text->setText(value.isNull() ? QString() : value.toString());
            break;
        }
    }
}

std::vector<Variant> PropertyPageWindow::values() const {
    std::vector<Variant> values;
    for (std::size_t i = 0; i < m_editors.size(); ++i) {
        const PageField& field = m_page.fields[i];
        const Editor& editor = *m_editors[i];
        switch (field.kind) {
        case PageField::Kind::List: {
            const auto index = static_cast<std::size_t>(editor.list->currentIndex());
            const auto& members = field.enumeration->info.members;
            values.push_back(index < members.size() ? Variant(members[index].value) : Variant());
            break;
        }
        case PageField::Kind::Number:
            values.push_back(editor.number->value());
            break;
        case PageField::Kind::Check:
            values.push_back(Variant(editor.check->isChecked()));
            break;
        case PageField::Kind::Text:
            values.push_back(Variant(editor.text->text()));
            break;
        }
    }
    return values;
}

void PropertyPageWindow::reportRefusal(std::size_t field) {
    showMessageBox(this, m_page.fields[field].refusalText, kRefusalCaption, MessageIcon::Error);
    Editor& editor = *m_editors[field];
    if (editor.number) {
        editor.number->selectAll();
    } else if (editor.text != nullptr) {
        editor.text->selectAll();
    }
    editor.widget()->setFocus();
}

} // namespace tarnwick::frame
