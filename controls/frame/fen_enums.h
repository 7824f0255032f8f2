#pragma once

#include "com/type_info.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <utility>

// The enumerations shared by the input controls. Values are fixed: they are persisted and
// passed to the edit engines as they are.
namespace tarnwick::frame {

enum fenAlignHConst : std::int16_t { fenAlignHLeft = 0, fenAlignHRight = 1, fenAlignHCenter = 2 };
enum fenAlignVConst : std::int16_t { fenAlignVTop = 0, fenAlignVBottom = 1, fenAlignVCenter = 2 };
enum fenAppearanceConst : std::int16_t { fenFlat = 0, fen3D = 1 };
enum fenBorderStyleConst : std::int16_t { fenNoBorder = 0, fenFixedSingle = 1 };
enum fenMousePointerConst : std::int16_t {
    fenDefault = 0,
    fenArrow = 1,
    fenCross = 2,
    fenIBeam = 3,
    fenIcon = 4,
    fenSize = 5,
    fenSizeNESW = 6,
    fenSizeNS = 7,
    fenSizeNWSE = 8,
    fenSizeEW = 9,
    fenUpArrow = 10,
    fenHourglass = 11,
    fenNoDrop = 12,
    fenArrowHourglass = 13,
    fenArrowQuestion = 14,
    fenSizeAll = 15,
    fenCustom = 99,
};
enum fenMoveOnLRKeyConst : std::int16_t {
    fenMoveOnLRKeyNone = 0,
    fenMoveOnLRKeyLeft = 1,
    fenMoveOnLRKeyRight = 2,
    fenMoveOnLRKeyBoth = 3,
};
enum fenOLEDragModeConst : std::int16_t { fenOLEDragManual = 0, fenOLEDragAutomatic = 1 };
enum fenOLEDropModeConst : std::int16_t {
    fenOLEDropNone = 0,
    fenOLEDropManual = 1,
    fenOLEDropAutomatic = 2,
};
enum fenOLEDragOverConst : std::int16_t { fenEnter = 0, fenLeave = 1, fenOver = 2 };
enum fenEditModeConst : std::int16_t {
    fenInsert = 0,
    fenOverwrite = 1,
    fenInsertFixed = 2,
    fenOverwriteFixed = 3,
};
enum fenEditModeStatusConst : std::int16_t { fenStatusInsert = 0, fenStatusOverwrite = 1 };
enum fenKeyExitConst : std::int16_t {
    fenTabKey = 0,
    fenShiftTabKey = 1,
    fenNextCtrlKey = 2,
    fenPrevCtrlKey = 3,
    fenRightKey = 4,
    fenLeftKey = 5,
    fenCtrlRightKey = 6,
    fenCtrlLeftKey = 7,
};
enum fenCaptPosConst : std::int16_t {
    fenCaptPosLeft = 0,
    fenCaptPosTop = 1,
    fenCaptPosRight = 2,
    fenCaptPosBottom = 3,
};

// An enumeration as hosts list it, with the text its drop-down shows on the property pages
// (empty for those no page offers).
struct FenEnumeration {
    com::EnumInfo info;
    QString pageText;

    bool contains(std::int32_t value) const;
    // One drop-down entry per member: the page text split at its commas.
    QStringList pageEntries() const;
};

// An enumeration from its members (name and value) and its page text.
FenEnumeration
makeFenEnumeration(const char* name,
                   std::initializer_list<std::pair<const char*, std::int32_t>> members,
                   const char* pageText = "");

// The shared enumerations by name.
namespace FenEnums {
const FenEnumeration& alignH();
const FenEnumeration& alignV();
const FenEnumeration& appearance();
const FenEnumeration& borderStyle();
const FenEnumeration& mousePointer();
const FenEnumeration& moveOnLRKey();
const FenEnumeration& oleDragMode();
const FenEnumeration& oleDropMode();
const FenEnumeration& editMode();
const FenEnumeration& editModeStatus();
} // namespace FenEnums

} // namespace tarnwick::frame
