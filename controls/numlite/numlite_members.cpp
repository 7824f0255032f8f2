#include "numlite_members.h"

#include "frame/common_members.h"
#include "numlite_enums.h"
#include "numlite_ids.h"

namespace tarnwick::numlite {

using namespace com;
using frame::methodRow;
using frame::parameterRow;
using frame::propertyRow;

namespace {

MemberInfo enumRow(const char* name, DispId id, const frame::FenEnumeration& enumeration,
                   std::uint8_t access = Access::GetPut) {
    MemberInfo row = propertyRow(name, id, "", VariantType::Int32, access, &enumeration.info);
    row.typeName = enumeration.info.name;
    return row;
}

std::vector<MemberInfo> ownMembers() {
    using namespace NumLiteDispIds;
    return {
        enumRow("ClearAction", ClearAction, NumLiteEnums::clearAction()),
        enumRow("CurrentPosition", CurrentPosition, NumLiteEnums::currentPosition(), Access::Get),
        propertyRow("DecimalPlaces", DecimalPlaces, "Integer", VariantType::Int16, Access::GetPut),
        propertyRow("Decimal", Decimal, "Double", VariantType::Double, Access::Get),
        propertyRow("DecimalPoint", DecimalPoint, "String", VariantType::String, Access::GetPut),
        propertyRow("HighlightText", HighlightText, "Boolean", VariantType::Boolean,
                    Access::GetPut),
        propertyRow("IntegerPlaces", IntegerPlaces, "Integer", VariantType::Int16, Access::GetPut),
        propertyRow("Integer", Integer, "Double", VariantType::Double, Access::Get),
        propertyRow("MaxValue", MaxValue, "Variant", VariantType::Empty, Access::GetPut),
        enumRow("MinusSign", MinusSign, NumLiteEnums::minusSign()),
        propertyRow("MinValue", MinValue, "Variant", VariantType::Empty, Access::GetPut),
        propertyRow("NegativeColor", NegativeColor, "OLE_COLOR", VariantType::Int32,
                    Access::GetPut),
        propertyRow("SelLength", SelLength, "Long", VariantType::Int32, Access::GetPut),
        propertyRow("SelStart", SelStart, "Long", VariantType::Int32, Access::GetPut),
        propertyRow("SelText", SelText, "String", VariantType::String, Access::GetPut),
        propertyRow("Spin", Spin, "IFenSpin", VariantType::Object, Access::GetPutRef),
        propertyRow("Text", Text, "String", VariantType::String, Access::GetPut),
        propertyRow("Value", Value, "Variant", VariantType::Empty, Access::GetPut),
        propertyRow("ValueIsNull", ValueIsNull, "Boolean", VariantType::Boolean, Access::Get),
        propertyRow("DataBind", DataBind, "String", VariantType::String, Access::GetPut, nullptr,
                    true),
        methodRow("ClearControl", ClearControl),
    };
}

std::vector<MemberInfo> ownEvents() {
    using namespace NumLiteEventIds;
    return {
        methodRow("Change", Change),
        methodRow("EditModeChange", EditModeChange),
        methodRow("DBError", DBError, {parameterRow("ErrorCode", "Integer", true)}),
        methodRow("InvalidInput", InvalidInput),
        methodRow("InvalidRange", InvalidRange, {parameterRow("Restore", "Boolean", true)}),
        methodRow("SpinUp", SpinUp),
        methodRow("SpinDown", SpinDown),
    };
}

} // namespace

const TypeInfo& numLiteInterface() {
    static const TypeInfo info(QStringLiteral("IFenNumLite"), IFenNumLite::kIid,
                               frame::joined(frame::commonMembers(), ownMembers()));
    return info;
}

const TypeInfo& numLiteEvents() {
    static const TypeInfo info(QStringLiteral("IFenNumLiteEvents"), kNumLiteEventsIid,
                               frame::joined(frame::commonEvents(), ownEvents()));
    return info;
}

} // namespace tarnwick::numlite
