#include "key_object.h"

#include "key_list.h"

namespace tarnwick::fenbase6 {

using com::Variant;
using com::VariantType;

namespace {

const QString kSource = QStringLiteral("Holm.FenKey6");

// Clear, next control and previous control belong to every control.
constexpr std::uint32_t kCommonActions = 0b111;

bool isKeyList(const Variant& value) {
    return parseKeyList(value.toString()).has_value();
}

PropertyDefinition keyList(const char* name, com::DispId id, const char* defaultList,
                     bool hidden = false) {
    return {name,          id,      "String", VariantType::String,
            Variant(QLatin1String(defaultList)), isKeyList, nullptr, hidden};
}

const std::vector<PropertyDefinition>& keyProperties() {
    using namespace KeyDispIds;
    static const std::vector<PropertyDefinition> definitions{
        keyList("Clear", Clear, "^{DELETE}"),
        keyList("NextCtrl", NextCtrl, "{ENTER}"),
        keyList("PrevCtrl", PrevCtrl, "+{ENTER}"),
        keyList("NextField", NextField, "{ENTER}"),
        keyList("PrevField", PrevField, "+{ENTER}"),
        keyList("Now", Now, "{F5}", true),
        keyList("ThreeZero", ThreeZero, "^0", true),
        keyList("DropDown", DropDown, "{F4},%{DOWN}", true),
    };
    return definitions;
}

com::DispId listOfAction(std::int32_t action) {
    return action == KeyAction::Clear ? KeyDispIds::Clear : action + 1;
}

} // namespace

KeyObject::KeyObject(com::ComModule* module)
    : SharedObject(keyProperties(), kSource, module), m_enabledActions(kCommonActions) {}

const com::TypeInfo& KeyObject::typeInfo() {
    static const com::TypeInfo info(QStringLiteral("IFenKey"), IFenKey::kIid,
                                    memberRows(keyProperties()));
    return info;
}

void KeyObject::SetEnabledActions(std::uint32_t mask) {
    m_enabledActions = mask | kCommonActions;
}

std::int32_t KeyObject::ActionForKey(std::int32_t keyCode, std::int32_t shift) const {
    for (std::int32_t action = 0; action < KeyAction::kCount; ++action) {
        if (IsKeyBound(keyCode, shift, action)) {
            return action;
        }
    }
    return KeyAction::None;
}

bool KeyObject::IsKeyBound(std::int32_t keyCode, std::int32_t shift,
                           std::int32_t action) const {
    if (action < 0 || action >= KeyAction::kCount ||
        (m_enabledActions & (1u << static_cast<unsigned>(action))) == 0) {
        return false;
    }
    return keyListHolds(properties().value(listOfAction(action)).toString(),
                        KeyStroke{keyCode, shift});
}

} // namespace tarnwick::fenbase6
