#include "property_table.h"

#include "com/com_error.h"
#include "ole_color.h"

#include <algorithm>

namespace tarnwick::fenbase6 {

using com::Variant;
using com::VariantType;

namespace {

Variant readValue(com::StreamReader& reader, VariantType type) {
    switch (type) {
    case VariantType::Int16:
        return Variant(reader.readInt16());
    case VariantType::Int32:
        return Variant(reader.readInt32());
    case VariantType::Boolean:
        return Variant(reader.readBool());
    default:
        return Variant(reader.readString().value_or(QString()));
    }
}

void writeValue(com::StreamWriter& writer, const Variant& value) {
    switch (value.type()) {
    case VariantType::Int16:
        writer.writeInt16(value.toInt16());
        break;
    case VariantType::Int32:
        writer.writeInt32(value.toInt32());
        break;
    case VariantType::Boolean:
        writer.writeBool(value.toBool());
        break;
    default:
        writer.writeString(value.toString());
        break;
    }
}

} // namespace

PropertyTable::PropertyTable(const std::vector<PropertyDefinition>& definitions) : m_definitions(definitions) {
    resetToDefaults();
}

std::size_t PropertyTable::indexOf(com::DispId id) const {
    for (std::size_t i = 0; i < m_definitions.size(); ++i) {
        if (m_definitions[i].id == id) {
            return i;
        }
    }
    throw com::ComError::standard(com::ErrorNumber::MemberNotSupported);
}

const Variant& PropertyTable::value(com::DispId id) const {
    return m_values[indexOf(id)];
}

Variant PropertyTable::checked(com::DispId id, const Variant& value) const {
    const PropertyDefinition& definition = m_definitions[indexOf(id)];
    Variant converted = value.convertedTo(definition.type);
    if (definition.accepts && !definition.accepts(converted)) {
        throw com::ComError::standard(com::ErrorNumber::InvalidPropertyValue);
    }
    return converted;
}

void PropertyTable::set(com::DispId id, Variant value) {
    m_values[indexOf(id)] = std::move(value);
}

void PropertyTable::resetToDefaults() {
    m_values.clear();
    for (const PropertyDefinition& definition : m_definitions) {
        m_values.push_back(definition.defaultValue);
    }
}

void PropertyTable::save(com::StreamWriter& writer) const {
    for (const Variant& value : m_values) {
        writeValue(writer, value);
    }
}

void PropertyTable::load(com::StreamReader& reader) {
    std::vector<Variant> loaded;
    for (const PropertyDefinition& definition : m_definitions) {
        loaded.push_back(checked(definition.id, readValue(reader, definition.type)));
    }
    m_values = std::move(loaded);
}

void PropertyTable::save(com::IPropertyBag& bag) const {
    for (std::size_t i = 0; i < m_definitions.size(); ++i) {
        bag.Write(QLatin1String(m_definitions[i].name), m_values[i]);
    }
}

void PropertyTable::load(com::IPropertyBag& bag) {
    std::vector<Variant> loaded;
    for (const PropertyDefinition& definition : m_definitions) {
        const std::optional<Variant> stored = bag.Read(QLatin1String(definition.name));
        loaded.push_back(stored ? checked(definition.id, *stored) : definition.defaultValue);
    }
    m_values = std::move(loaded);
}

std::vector<com::MemberInfo> memberRows(const std::vector<PropertyDefinition>& definitions,
                                        std::vector<com::MemberInfo> further) {
    std::vector<com::MemberInfo> rows = std::move(further);
    for (const PropertyDefinition& definition : definitions) {
        rows.push_back({QLatin1String(definition.name), definition.id, com::MemberKind::Property,
                        QLatin1String(definition.typeName), definition.type, com::Access::GetPut,
                        definition.hidden, {}, definition.enumeration});
    }
    std::sort(rows.begin(), rows.end(),
              [](const com::MemberInfo& a, const com::MemberInfo& b) { return a.id < b.id; });
    return rows;
}

std::function<bool(const Variant&)> inRange(std::int32_t lowest, std::int32_t highest) {
    return [lowest, highest](const Variant& value) {
        const std::int32_t number = value.toInt32();
        return number >= lowest && number <= highest;
    };
}

bool isValidColour(const Variant& value) {
    return OleColor::isValid(static_cast<std::uint32_t>(value.toInt32()));
}

} // namespace tarnwick::fenbase6
