#include "common_members.h"

#include "common_dispids.h"
#include "fen_enums.h"

namespace tarnwick::frame {

using namespace com;

MemberInfo propertyRow(const char* name, DispId id, const char* typeName, VariantType type,
                       std::uint8_t access, const EnumInfo* enumeration, bool hidden) {
    return {QLatin1String(name),
            id,
            MemberKind::Property,
            QLatin1String(typeName),
            type,
            access,
            hidden,
            {},
            enumeration};
}

MemberInfo methodRow(const char* name, DispId id, std::vector<ParameterInfo> parameters) {
    return {QLatin1String(name), id,    MemberKind::Method,    {},     VariantType::Empty,
            Access::Method,      false, std::move(parameters), nullptr};
}

ParameterInfo parameterRow(const char* name, const char* typeName, bool byReference) {
    return {QLatin1String(name), QLatin1String(typeName), byReference, false};
}

namespace {

MemberInfo enumRow(const char* name, DispId id, const FenEnumeration& enumeration,
                   std::uint8_t access = Access::GetPut) {
    MemberInfo row = propertyRow(name, id, "", VariantType::Int32, access, &enumeration.info);
    row.typeName = enumeration.info.name;
    return row;
}

MemberInfo booleanRow(const char* name, DispId id) {
    return propertyRow(name, id, "Boolean", VariantType::Boolean, Access::GetPut);
}

MemberInfo marginRow(const char* name, DispId id) {
    return propertyRow(name, id, "Integer", VariantType::Int16, Access::GetPut);
}

MemberInfo colourRow(const char* name, DispId id) {
    return propertyRow(name, id, "OLE_COLOR", VariantType::Int32, Access::GetPut);
}

MemberInfo objectRow(const char* name, DispId id, const char* typeName, std::uint8_t access) {
    return propertyRow(name, id, typeName, VariantType::Object, access);
}

std::vector<ParameterInfo> mouseParameters() {
    return {parameterRow("Button", "Integer"), parameterRow("Shift", "Integer"),
            parameterRow("X", "Single"), parameterRow("Y", "Single")};
}

} // namespace

std::vector<MemberInfo> commonMembers() {
    using namespace CommonDispIds;
    return {
        enumRow("AlignHorizontal", AlignHorizontal, FenEnums::alignH()),
        enumRow("AlignVertical", AlignVertical, FenEnums::alignV()),
        enumRow("Appearance", Appearance, FenEnums::appearance()),
        enumRow("BorderStyle", BorderStyle, FenEnums::borderStyle()),
        colourRow("BackColor", BackColor),
        colourRow("ForeColor", ForeColor),
        booleanRow("Enabled", Enabled),
        booleanRow("ReadOnly", ReadOnly),
        booleanRow("ErrorBeep", ErrorBeep),
        booleanRow("ShowContextMenu", ShowContextMenu),
        marginRow("MarginBottom", MarginBottom),
        marginRow("MarginLeft", MarginLeft),
        marginRow("MarginRight", MarginRight),
        marginRow("MarginTop", MarginTop),
        enumRow("MousePointer", MousePointer, FenEnums::mousePointer()),
        objectRow("MouseIcon", MouseIcon, "IPictureDisp", Access::GetPutPutRef),
        enumRow("MoveOnLRKey", MoveOnLRKey, FenEnums::moveOnLRKey()),
        enumRow("OLEDragMode", OLEDragMode, FenEnums::oleDragMode()),
        enumRow("OLEDropMode", OLEDropMode, FenEnums::oleDropMode()),
        enumRow("EditMode", EditMode, FenEnums::editMode()),
        enumRow("EditModeStatus", EditModeStatus, FenEnums::editModeStatus(), Access::Get),
        objectRow("Font", Font, "IFontDisp", Access::GetPutRef),
        propertyRow("hWnd", hWnd, "OLE_HANDLE", VariantType::Int32, Access::Get),
        propertyRow("Version", Version, "String", VariantType::String, Access::Get),
        objectRow("Caption", Caption, "IFenCaptionDisp", Access::GetPutRef),
        objectRow("Key", Key, "IFenKey", Access::GetPutRef),
        methodRow("Refresh", Refresh),
        methodRow("AboutBox", AboutBox),
        methodRow("OLEDrag", OLEDrag),
    };
}

std::vector<MemberInfo> commonEvents() {
    using namespace CommonEventIds;
    const std::vector<ParameterInfo> keyParameters{parameterRow("KeyCode", "Integer", true),
                                                   parameterRow("Shift", "Integer")};
    std::vector<ParameterInfo> dragOver{parameterRow("Data", "DataObject"),
                                        parameterRow("Effect", "Long", true)};
    std::vector<ParameterInfo> dragDrop = dragOver;
    for (const ParameterInfo& p : mouseParameters()) {
        dragOver.push_back(p);
        dragDrop.push_back(p);
    }
    dragOver.push_back(parameterRow("State", "Integer"));
    return {
        methodRow("Click", Click),
        methodRow("DblClick", DblClick),
        methodRow("KeyDown", KeyDown, keyParameters),
        methodRow("KeyPress", KeyPress, {parameterRow("KeyAscii", "Integer", true)}),
        methodRow("KeyUp", KeyUp, keyParameters),
        methodRow("MouseDown", MouseDown, mouseParameters()),
        methodRow("MouseMove", MouseMove, mouseParameters()),
        methodRow("MouseUp", MouseUp, mouseParameters()),
        methodRow("MouseEnter", MouseEnter),
        methodRow("MouseExit", MouseExit),
        methodRow("KeyExit", KeyExit, {parameterRow("Action", "fenKeyExitConst", true)}),
        methodRow(
            "OLEStartDrag", OLEStartDrag,
            {parameterRow("Data", "DataObject"), parameterRow("AllowedEffects", "Long", true)}),
        methodRow("OLEGiveFeedback", OLEGiveFeedback,
                  {parameterRow("Effect", "Long", true),
                   parameterRow("DefaultCursors", "Boolean", true)}),
        methodRow(
            "OLESetData", OLESetData,
            {parameterRow("Data", "DataObject"), parameterRow("DataFormat", "Integer", true)}),
        methodRow("OLECompleteDrag", OLECompleteDrag, {parameterRow("Effect", "Long", true)}),
        methodRow("OLEDragOver", OLEDragOver, dragOver),
        methodRow("OLEDragDrop", OLEDragDrop, dragDrop),
    };
}

std::vector<MemberInfo> joined(std::vector<MemberInfo> first,
                               const std::vector<MemberInfo>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace tarnwick::frame
