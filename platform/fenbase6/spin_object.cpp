#include "spin_object.h"

namespace tarnwick::fenbase6 {

using com::Variant;
using com::VariantType;

namespace {

const QString kSource = QStringLiteral("Holm.FenSpin6");

constexpr std::int32_t kLongestDelay = 32767;
constexpr std::int32_t kLargestIncrement = 32767;
constexpr std::int32_t kDefaultDelay = 100;

const com::EnumInfo kVisibleEnum{QStringLiteral("fenVisibleConst"),
                                 {{QStringLiteral("fenNotShown"), SpinVisible::NotShown},
                                  {QStringLiteral("fenShowAlways"), SpinVisible::ShowAlways},
                                  {QStringLiteral("fenShowOnFocus"), SpinVisible::ShowOnFocus}}};
const com::EnumInfo kPositionEnum{QStringLiteral("fenSpinPosConst"),
                                  {{QStringLiteral("fenSpinPosInside"), SpinPos::Inside},
                                   {QStringLiteral("fenSpinPosOutside"), SpinPos::Outside}}};

const std::vector<PropertyDefinition>& spinProperties() {
    using namespace SpinDispIds;
    static const std::vector<PropertyDefinition> definitions{
        {"Visible", Visible, "fenVisibleConst", VariantType::Int16,
         Variant(SpinVisible::NotShown), inRange(SpinVisible::NotShown, SpinVisible::ShowOnFocus),
         &kVisibleEnum},
        {"Delay", Delay, "Long", VariantType::Int32, Variant(kDefaultDelay),
         inRange(0, kLongestDelay)},
        {"Enabled", Enabled, "Boolean", VariantType::Boolean, Variant(true), nullptr},
        {"Increment", Increment, "Integer", VariantType::Int16, Variant(std::int16_t{1}),
         inRange(0, kLargestIncrement)},
        {"Position", Position, "fenSpinPosConst", VariantType::Int16, Variant(SpinPos::Inside),
         inRange(SpinPos::Inside, SpinPos::Outside), &kPositionEnum},
        {"Wrap", Wrap, "Boolean", VariantType::Boolean, Variant(false), nullptr},
        {"SpinKeys", SpinKeys, "Boolean", VariantType::Boolean, Variant(false), nullptr},
    };
    return definitions;
}

} // namespace

SpinObject::SpinObject(com::ComModule* module) : SharedObject(spinProperties(), kSource, module) {}

const com::TypeInfo& SpinObject::typeInfo() {
    static const com::TypeInfo info(QStringLiteral("IFenSpin"), IFenSpin::kIid,
                                    memberRows(spinProperties()));
    return info;
}

} // namespace tarnwick::fenbase6
