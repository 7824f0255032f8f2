#pragma once

#include <QLabel>

class QAbstractButton;

namespace tarnwick {

// The text of an option button, too long for the button's own one line: it wraps, and a
// click on it chooses the option as a click on the button would.
class OptionLabel final : public QLabel {
    Q_OBJECT

public:
    OptionLabel(const QString& text, QAbstractButton& option, QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QAbstractButton& m_option;
};

} // namespace tarnwick
