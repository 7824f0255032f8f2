#include "fen_enums.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace tarnwick::frame {

FenEnumeration
makeFenEnumeration(const char* name,
                   std::initializer_list<std::pair<const char*, std::int32_t>> members,
                   const char* pageText) {
    FenEnumeration result{{QLatin1String(name), {}}, QLatin1String(pageText)};
    for (const auto& [memberName, value] : members) {
        result.info.members.push_back({QLatin1String(memberName), value});
    }
    return result;
}

bool FenEnumeration::contains(std::int32_t value) const {
    return std::any_of(info.members.begin(), info.members.end(),
                       [value](const com::EnumInfo::Member& m) { return m.value == value; });
}

QStringList FenEnumeration::pageEntries() const {
    return pageText.isEmpty() ? QStringList() : pageText.split(QLatin1Char(','));
}

namespace FenEnums {

const FenEnumeration& alignH() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenAlignHConst", {{"fenAlignHLeft", 0}, {"fenAlignHRight", 1}, {"fenAlignHCenter", 2}},
        "0 - Left,1 - Right,2 - Center");
    return e;
}

const FenEnumeration& alignV() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenAlignVConst", {{"fenAlignVTop", 0}, {"fenAlignVBottom", 1}, {"fenAlignVCenter", 2}},
        "0 - Top,1 - Bottom,2 - Center");
    return e;
}

const FenEnumeration& appearance() {
    static const FenEnumeration e =
        makeFenEnumeration("fenAppearanceConst", {{"fenFlat", 0}, {"fen3D", 1}}, "0 - Flat,1 - 3D");
    return e;
}

const FenEnumeration& borderStyle() {
    static const FenEnumeration e =
        makeFenEnumeration("fenBorderStyleConst", {{"fenNoBorder", 0}, {"fenFixedSingle", 1}},
                           "0 - None,1 - Fixed Single");
    return e;
}

const FenEnumeration& mousePointer() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenMousePointerConst",
        {{"fenDefault", 0},
         {"fenArrow", 1},
         {"fenCross", 2},
         {"fenIBeam", 3},
         {"fenIcon", 4},
         {"fenSize", 5},
         {"fenSizeNESW", 6},
         {"fenSizeNS", 7},
         {"fenSizeNWSE", 8},
         {"fenSizeEW", 9},
         {"fenUpArrow", 10},
         {"fenHourglass", 11},
         {"fenNoDrop", 12},
         {"fenArrowHourglass", 13},
         {"fenArrowQuestion", 14},
         {"fenSizeAll", 15},
         {"fenCustom", 99}},
        "0 - Default,1 - Arrow,2 - Cross,3 - I-Beam,4 - Icon,5 - Size,6 - Size NE SW,"
        "7 - Size NS,8 - Size NWSE,9 - Size EW,10 - Up Arrow,11 - Hourglass,12 - No Drop,"
        "13 - Arrow and Hourglass,14 - Arrow and Question,15 - Size All,99 - Custom");
    return e;
}

const FenEnumeration& moveOnLRKey() {
    static const FenEnumeration e = makeFenEnumeration("fenMoveOnLRKeyConst",
                                                       {{"fenMoveOnLRKeyNone", 0},
                                                        {"fenMoveOnLRKeyLeft", 1},
                                                        {"fenMoveOnLRKeyRight", 2},
                                                        {"fenMoveOnLRKeyBoth", 3}},
                                                       "0 - None,1 - Left,2 - Right,3 - Both");
    return e;
}

const FenEnumeration& oleDragMode() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenOLEDragModeConst", {{"fenOLEDragManual", 0}, {"fenOLEDragAutomatic", 1}},
        "0 - Manual,1 - Automatic");
    return e;
}

const FenEnumeration& oleDropMode() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenOLEDropModeConst",
        {{"fenOLEDropNone", 0}, {"fenOLEDropManual", 1}, {"fenOLEDropAutomatic", 2}},
        "0 - None,1 - Manual,2 - Automatic");
    return e;
}

const FenEnumeration& editMode() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenEditModeConst",
        {{"fenInsert", 0}, {"fenOverwrite", 1}, {"fenInsertFixed", 2}, {"fenOverwriteFixed", 3}},
        "0 - Insert,1 - Overwrite,2 - Insert Fixed,3 - Overwrite Fixed");
    return e;
}

const FenEnumeration& editModeStatus() {
    static const FenEnumeration e = makeFenEnumeration(
        "fenEditModeStatusConst", {{"fenStatusInsert", 0}, {"fenStatusOverwrite", 1}});
    return e;
}

} // namespace FenEnums

} // namespace tarnwick::frame
