#include "mask_type_info.h"

#include "frame/common_members.h"
#include "mask_enums.h"
#include "mask_ids.h"

namespace tarnwick::mask {

using namespace com;
using frame::FenEnumeration;
using frame::methodRow;
using frame::parameterRow;
using frame::propertyRow;

namespace {

MemberInfo enumRow(const char* name, DispId id, const FenEnumeration& enumeration) {
    MemberInfo row =
        propertyRow(name, id, "", VariantType::Int32, Access::GetPut, &enumeration.info);
    row.typeName = enumeration.info.name;
    return row;
}

MemberInfo stringRow(const char* name, DispId id, std::uint8_t access = Access::GetPut,
                     bool hidden = false) {
    return propertyRow(name, id, "String", VariantType::String, access, nullptr, hidden);
}

MemberInfo booleanRow(const char* name, DispId id, std::uint8_t access = Access::GetPut) {
    return propertyRow(name, id, "Boolean", VariantType::Boolean, access);
}

std::vector<MemberInfo> ownMembers() {
    using namespace MaskDispIds;
    return {
        enumRow("ClipMode", ClipMode, MaskEnums::clipMode()),
        enumRow("IMEMode", IMEMode, MaskEnums::imeMode()),
        enumRow("ShowLiterals", ShowLiterals, MaskEnums::showLiterals()),
        booleanRow("AllowSpace", AllowSpace),
        booleanRow("AutoConvert", AutoConvert),
        propertyRow("CurrentField", CurrentField, "Integer", VariantType::Int16, Access::Get),
        propertyRow("CursorPosition", CursorPosition, "Integer", VariantType::Int16,
                    Access::GetPut),
        enumRow("DataProperty", DataProperty, MaskEnums::dataProperty()),
        stringRow("DisplayText", DisplayText, Access::Get),
        stringRow("Format", Format),
        enumRow("HighlightText", HighlightText, MaskEnums::highlightText()),
        enumRow("IMEStatus", IMEStatus, MaskEnums::imeStatus()),
        enumRow("LookupMode", LookupMode, MaskEnums::lookupMode()),
        stringRow("LookupTable", LookupTable),
        stringRow("PromptChar", PromptChar),
        propertyRow("SelLength", SelLength, "Long", VariantType::Int32, Access::GetPut),
        propertyRow("SelStart", SelStart, "Long", VariantType::Int32, Access::GetPut),
        stringRow("SelText", SelText),
        enumRow("TabAction", TabAction, MaskEnums::tabAction()),
        stringRow("Text", Text),
        stringRow("Value", Value),
        booleanRow("ValueIsFull", ValueIsFull, Access::Get),
        stringRow("DataBind", DataBind, Access::GetPut, true),
        methodRow("ClearControl", ClearControl),
    };
}

} // namespace

const TypeInfo& fenMaskTypeInfo() {
    static const TypeInfo info(QStringLiteral("IFenMask"), IFenMask::kIid,
                               frame::joined(frame::commonMembers(), ownMembers()));
    return info;
}

const TypeInfo& fenMaskEventsInfo() {
    using namespace MaskEventIds;
    static const TypeInfo info(
        QStringLiteral("IFenMaskEvents"), kFenMaskEventsIid,
        frame::joined(frame::commonEvents(),
                      {methodRow("Change", Change), methodRow("EditModeChange", EditModeChange),
                       methodRow("DBError", DBError, {parameterRow("ErrorCode", "Integer", true)}),
                       methodRow("InvalidInput", InvalidInput)}));
    return info;
}

} // namespace tarnwick::mask
