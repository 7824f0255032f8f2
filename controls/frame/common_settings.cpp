#include "common_settings.h"

#include "com/com_error.h"
#include "common_dispids.h"

namespace tarnwick::frame {

using namespace com;

namespace {

[[noreturn]] void refuse() {
    throw ComError::standard(ErrorNumber::InvalidPropertyValue);
}

} // namespace

std::int16_t* CommonSettings::shortValue(DispId id) {
    using namespace CommonDispIds;
    switch (id) {
    case AlignHorizontal:
        return &alignHorizontal;
    case AlignVertical:
        return &alignVertical;
    case Appearance:
        return &appearance;
    case BorderStyle:
        return &borderStyle;
    case MarginBottom:
        return &marginBottom;
    case MarginLeft:
        return &marginLeft;
    case MarginRight:
        return &marginRight;
    case MarginTop:
        return &marginTop;
    case MousePointer:
        return &mousePointer;
    case MoveOnLRKey:
        return &moveOnLRKey;
    case OLEDragMode:
        return &oleDragMode;
    case OLEDropMode:
        return &oleDropMode;
    case EditMode:
        return &editMode;
    default:
        return nullptr;
    }
}

const std::int16_t* CommonSettings::shortValue(DispId id) const {
    return const_cast<CommonSettings*>(this)->shortValue(id);
}

const FenEnumeration* enumerationOf(DispId id) {
    using namespace CommonDispIds;
    switch (id) {
    case AlignHorizontal:
        return &FenEnums::alignH();
    case AlignVertical:
        return &FenEnums::alignV();
    case Appearance:
        return &FenEnums::appearance();
    case BorderStyle:
        return &FenEnums::borderStyle();
    case MousePointer:
        return &FenEnums::mousePointer();
    case MoveOnLRKey:
        return &FenEnums::moveOnLRKey();
    case OLEDragMode:
        return &FenEnums::oleDragMode();
    case OLEDropMode:
        return &FenEnums::oleDropMode();
    case EditMode:
        return &FenEnums::editMode();
    default:
        return nullptr;
    }
}

void CommonSettings::validate() const {
    using namespace CommonDispIds;
    for (const DispId id :
         {AlignHorizontal, AlignVertical, Appearance, BorderStyle, MarginBottom, MarginLeft,
          MarginRight, MarginTop, MousePointer, MoveOnLRKey, OLEDragMode, OLEDropMode, EditMode}) {
        const std::int16_t value = *shortValue(id);
        const FenEnumeration* enumeration = enumerationOf(id);
        if (enumeration != nullptr ? !enumeration->contains(value) : value < 0) {
            refuse();
        }
    }
}

std::int16_t checkedEnumValue(const Variant& value, const FenEnumeration& enumeration) {
    const std::int32_t number = value.toInt32();
    if (!enumeration.contains(number)) {
        refuse();
    }
    return static_cast<std::int16_t>(number);
}

std::int16_t checkedMargin(const Variant& value) {
    const std::int16_t margin = value.toInt16();
    if (margin < 0) {
        refuse();
    }
    return margin;
}

} // namespace tarnwick::frame
