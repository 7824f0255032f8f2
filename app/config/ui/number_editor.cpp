#include "number_editor.h"

namespace tarnwick {

NumberValidator::NumberValidator(const NumberRange& range, QObject* parent)
    : QValidator(parent), m_range(range) {}

QValidator::State NumberValidator::validate(QString& input, int&) const {
    switch (classifyNumberText(input, m_range)) {
    case NumberInput::Acceptable:
        return Acceptable;
    case NumberInput::Intermediate:
        return Intermediate;
    case NumberInput::Invalid:
        break;
    }
    return Invalid;
}

NumberEditor::NumberEditor(const NumberRange& range, const QString& nullText, QWidget* parent)
    : QLineEdit(parent), m_range(range) {
    setValidator(new NumberValidator(range, this));
    setPlaceholderText(nullText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace tarnwick
