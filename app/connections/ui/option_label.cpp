#include "option_label.h"

#include <QAbstractButton>
#include <QMouseEvent>

namespace tarnwick {

OptionLabel::OptionLabel(const QString& text, QAbstractButton& option, QWidget* parent)
    : QLabel(text, parent), m_option(option) {
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void OptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_option.isEnabled() &&
        rect().contains(event->position().toPoint())) {
        m_option.setFocus(Qt::MouseFocusReason);
        m_option.setChecked(true);
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace tarnwick
