#pragma once

#include "config/number_format.h"

#include <QLineEdit>
#include <QValidator>
#include <optional>

namespace tarnwick {

// Refuses every keystroke that would leave a text no value of the range can come from.
class NumberValidator final : public QValidator {
    Q_OBJECT

public:
    explicit NumberValidator(const NumberRange& range, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

private:
    NumberRange m_range;
};

// A cell editor for one number: typing is limited to the range, and the value is taken only
// when the text is complete.
class NumberEditor final : public QLineEdit {
    Q_OBJECT

public:
    // `nullText` is shown while the box is empty.
    NumberEditor(const NumberRange& range, const QString& nullText, QWidget* parent = nullptr);

    std::optional<double> value() const { return numberFromText(text(), m_range); }

private:
    NumberRange m_range;
};

} // namespace tarnwick
