#pragma once

#include "com/persist.h"
#include "com/stream_io.h"
#include "com/type_info.h"

#include <functional>
#include <vector>

namespace tarnwick::fenbase6 {

// One plain property of a shared object: its automation row, default and put rule.
struct PropertyDefinition {
    const char* name;
    com::DispId id;
    const char* typeName;
    com::VariantType type; // Int16, Int32, Boolean or String
    com::Variant defaultValue;
    // Whether a value, already converted to `type`, may be stored; null accepts every value.
    std::function<bool(const com::Variant&)> accepts;
    const com::EnumInfo* enumeration = nullptr;
    bool hidden = false;
};

// The values of an object's plain properties, in the order of their definitions: automation rows,
// checked puts and both persistence forms. In a stream the values follow one another in that
// order (2-byte integers and booleans, 4-byte integers, counted UTF-16 strings); in a property
// bag each is stored under its name. Loaded values pass the put rules as well.
class PropertyTable {
public:
    explicit PropertyTable(const std::vector<PropertyDefinition>& definitions);

    const std::vector<PropertyDefinition>& definitions() const { return m_definitions; }
    const com::Variant& value(com::DispId id) const;

    // `value` converted to the type of property `id` and checked against its rule: the
    // conversion's error (13, 6), or 380 "Invalid property value." when the rule refuses it.
    com::Variant checked(com::DispId id, const com::Variant& value) const;
    // Stores a value that checked() answered.
    void set(com::DispId id, com::Variant value);
    void resetToDefaults();

    void save(com::StreamWriter& writer) const;
    // Reads every value before storing any, so a refused one leaves the table as it was.
    void load(com::StreamReader& reader);
    void save(com::IPropertyBag& bag) const;
    // Values missing from the bag take their defaults.
    void load(com::IPropertyBag& bag);

private:
    std::size_t indexOf(com::DispId id) const;

    const std::vector<PropertyDefinition>& m_definitions;
    std::vector<com::Variant> m_values;
};

// The automation rows (get and put) of `definitions`, with any further rows, ordered by dispatch
// identity.
std::vector<com::MemberInfo> memberRows(const std::vector<PropertyDefinition>& definitions,
                                        std::vector<com::MemberInfo> further = {});

// Put rules of the tables.
std::function<bool(const com::Variant&)> inRange(std::int32_t lowest, std::int32_t highest);
bool isValidColour(const com::Variant& value);

} // namespace tarnwick::fenbase6
