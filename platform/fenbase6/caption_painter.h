#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;

namespace tarnwick::fenbase6 {

// Everything that decides how a caption looks.
struct CaptionLook {
    QString text;
    std::int16_t alignHorizontal = 0; // fenCaptAlignHConst
    std::int16_t alignVertical = 0;   // fenCaptAlignVConst
    QColor back;
    QColor fore;
    QFont font;
    std::int16_t font3D = 0; // fenFont3DConst
    bool wordWrap = false;
    bool enabled = true;
};

// Fills `area` with the background and draws the text in it, clipped to it. The 3-D effects
// add a light copy of the text (inset: below right; raised: above left, with a dark copy below
// right; the "lite" kinds without the dark copy and in a softer light). A disabled caption
// draws its text in the palette's disabled text colour.
void paintCaption(QPainter& painter, const CaptionLook& look, const QRect& area);

} // namespace tarnwick::fenbase6
