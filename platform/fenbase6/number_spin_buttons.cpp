#include "number_spin_buttons.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <qdrawutil.h>

namespace tarnwick::fenbase6 {

namespace {

QRect upperHalf(const QRect& strip) {
    return QRect(strip.left(), strip.top(), strip.width(), strip.height() / 2);
}

QRect lowerHalf(const QRect& strip) {
    const int top = strip.top() + strip.height() / 2;
    return QRect(strip.left(), top, strip.width(), strip.bottom() - top + 1);
}

void drawArrow(QPainter& painter, const QRect& button, bool up, const QColor& colour) {
    const QPoint centre = button.center();
    const int half = std::max(1, std::min(button.width(), button.height()) / 4);
    const int tip = up ? -half / 2 - 1 : half / 2 + 1;
    const int base = up ? half / 2 : -half / 2;
    QPolygon arrow;
    arrow << QPoint(centre.x() - half, centre.y() + base)
          << QPoint(centre.x() + half, centre.y() + base) << QPoint(centre.x(), centre.y() + tip);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(arrow);
}

} // namespace

void NumberSpinButtons::setLayout(unsigned long word) {
    if (word == 0) {
        m_layout = Layout::None;
    } else {
        m_layout =
            word == static_cast<unsigned long>(Layout::Outside) ? Layout::Outside : Layout::Inside;
    }
}

QRect NumberSpinButtons::strip(const QRect& bounds, int border) const {
    if (m_layout == Layout::None) {
        return {};
    }
    const int inset = m_layout == Layout::Inside ? border : 0;
    return QRect(bounds.right() - inset - kStripWidth + 1, bounds.top() + inset, kStripWidth,
                 bounds.height() - 2 * inset);
}

NumberSpinButtons::Part NumberSpinButtons::partAt(const QPoint& point, const QRect& strip) const {
    if (!strip.contains(point)) {
        return Part::None;
    }
    return upperHalf(strip).contains(point) ? Part::Up : Part::Down;
}

void NumberSpinButtons::paint(QPainter& painter, const QRect& strip, const QPalette& palette,
                              Part pressed, bool active) const {
    const QColor arrow =
        palette.color(active ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    for (const Part part : {Part::Up, Part::Down}) {
        const QRect button = part == Part::Up ? upperHalf(strip) : lowerHalf(strip);
        const QBrush face = palette.brush(QPalette::Button);
        qDrawWinButton(&painter, button, palette, part == pressed, &face);
        drawArrow(painter, button.adjusted(2, 2, -2, -2), part == Part::Up, arrow);
    }
}

} // namespace tarnwick::fenbase6
