#include "caption_painter.h"

#include "fen_objects.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace tarnwick::fenbase6 {

namespace {

int alignmentFlags(const CaptionLook& look) {
    int flags = 0;
    switch (look.alignHorizontal) {
    case CaptAlignH::Right:
        flags |= Qt::AlignRight;
        break;
    case CaptAlignH::Center:
        flags |= Qt::AlignHCenter;
        break;
    case CaptAlignH::Justify:
        flags |= Qt::AlignJustify;
        break;
    default:
        flags |= Qt::AlignLeft;
        break;
    }
    switch (look.alignVertical) {
    case CaptAlignV::Bottom:
        flags |= Qt::AlignBottom;
        break;
    case CaptAlignV::Center:
        flags |= Qt::AlignVCenter;
        break;
    default:
        flags |= Qt::AlignTop;
        break;
    }
    return look.wordWrap ? flags | Qt::TextWordWrap : flags | Qt::TextSingleLine;
}

void drawTextAt(QPainter& painter, const QRect& area, QPoint offset, const QColor& colour,
                int flags, const QString& text) {
    painter.setPen(colour);
    painter.drawText(area.translated(offset), flags, text);
}

} // namespace

void paintCaption(QPainter& painter, const CaptionLook& look, const QRect& area) {
    if (area.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, look.back);
    painter.setFont(look.font);
    const QPalette palette = QGuiApplication::palette();
    const int flags = alignmentFlags(look);
    const QPoint belowRight(1, 1);
    const QPoint aboveLeft(-1, -1);
    switch (look.font3D) {
    case Font3D::Inset:
        drawTextAt(painter, area, belowRight, palette.color(QPalette::Light), flags, look.text);
        break;
    case Font3D::InsetLite:
        drawTextAt(painter, area, belowRight, palette.color(QPalette::Midlight), flags,
                   look.text);
        break;
    case Font3D::Raised:
        drawTextAt(painter, area, aboveLeft, palette.color(QPalette::Light), flags, look.text);
        drawTextAt(painter, area, belowRight, palette.color(QPalette::Dark), flags, look.text);
        break;
    case Font3D::RaisedLite:
        drawTextAt(painter, area, aboveLeft, palette.color(QPalette::Midlight), flags,
                   look.text);
        break;
    default:
        break;
    }
    const QColor text =
        look.enabled ? look.fore : palette.color(QPalette::Disabled, QPalette::WindowText);
    drawTextAt(painter, area, QPoint(0, 0), text, flags, look.text);
    painter.restore();
}

} // namespace tarnwick::fenbase6
