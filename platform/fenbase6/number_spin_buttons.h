#pragma once

#include <QPalette>
#include <QRect>

class QPainter;

namespace tarnwick::fenbase6 {

// The number engine's two spin buttons, stacked at the right of the field: up on top, down
// below. Inside, they sit within the field's border; outside, beside it, and the border
// surrounds the text alone. Their strip is kept whether or not they show just now, so the
// text does not move when they appear on focus.
class NumberSpinButtons {
public:
    enum class Part { None, Up, Down };
    enum class Layout { None = 0, Inside = 1, Outside = 7 };

    static constexpr int kStripWidth = 15;

    // Word of the layout message: 0 none, 7 outside, any other inside.
    void setLayout(unsigned long word);
    Layout layout() const { return m_layout; }
    void setShowOnFocus(bool onFocus) { m_showOnFocus = onFocus; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }

    int stripWidth() const { return m_layout == Layout::None ? 0 : kStripWidth; }
    bool shown(bool hasFocus) const {
        return m_layout != Layout::None && (!m_showOnFocus || hasFocus);
    }
    // The strip in a field of `bounds` whose border is `border` pixels wide.
    QRect strip(const QRect& bounds, int border) const;
    Part partAt(const QPoint& point, const QRect& strip) const;
    // `active`: whether the buttons take input now (drawn greyed when not).
    void paint(QPainter& painter, const QRect& strip, const QPalette& palette, Part pressed,
               bool active) const;

private:
    Layout m_layout = Layout::None;
    bool m_showOnFocus = false;
    bool m_enabled = true;
};

} // namespace tarnwick::fenbase6
