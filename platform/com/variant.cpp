#include "variant.h"

#include "com_error.h"

namespace tarnwick::com {

std::optional<VariantType> variantTypeFromTag(std::int32_t tag) {
    switch (tag) {
    case static_cast<std::int32_t>(VariantType::Empty):
    case static_cast<std::int32_t>(VariantType::Null):
    case static_cast<std::int32_t>(VariantType::Int16):
    case static_cast<std::int32_t>(VariantType::Int32):
    case static_cast<std::int32_t>(VariantType::Double):
    case static_cast<std::int32_t>(VariantType::String):
    case static_cast<std::int32_t>(VariantType::Object):
    case static_cast<std::int32_t>(VariantType::Error):
    case static_cast<std::int32_t>(VariantType::Boolean):
    case static_cast<std::int32_t>(VariantType::ByteArray):
        return static_cast<VariantType>(tag);
    default:
        return std::nullopt;
    }
}

Variant::Variant(VariantType type, Payload value) : m_type(type), m_value(std::move(value)) {}

Variant::Variant(std::int16_t value) : Variant(VariantType::Int16, std::int32_t{value}) {}

Variant::Variant(std::int32_t value) : Variant(VariantType::Int32, value) {}

Variant::Variant(double value) : Variant(VariantType::Double, value) {}

Variant::Variant(bool value) : Variant(VariantType::Boolean, std::int32_t{value ? -1 : 0}) {}

Variant::Variant(QString value) : Variant(VariantType::String, std::move(value)) {}

Variant::Variant(QByteArray bytes) : Variant(VariantType::ByteArray, std::move(bytes)) {}

Variant::Variant(ComPtr<IUnknown> object) : Variant(VariantType::Object, std::move(object)) {}

Variant Variant::null() {
    return Variant(VariantType::Null, std::monostate{});
}

Variant Variant::error(std::int32_t code) {
    return Variant(VariantType::Error, code);
}

Variant Variant::reference(Variant& target) {
    // A reference to a reference refers to the final target, so targets never chain.
    return Variant(VariantType::Empty, const_cast<Variant*>(&target.target()));
}

void Variant::assignThroughReference(const Variant& value) const {
    auto* const* referenced = std::get_if<Variant*>(&m_value);
    if (referenced == nullptr) {
        throw ComError::standard(ErrorNumber::InvalidArgument);
    }
    Variant& destination = **referenced;
    switch (destination.m_type) {
    case VariantType::Int16:
    case VariantType::Int32:
    case VariantType::Double:
    case VariantType::Boolean:
    case VariantType::String:
        destination = value.convertedTo(destination.m_type);
        break;
    default:
        destination = value.dereferenced();
        break;
    }
}

bool operator==(const Variant& left, const Variant& right) {
    const Variant& a = left.target();
    const Variant& b = right.target();
    return a.m_type == b.m_type && a.m_value == b.m_value;
}

} // namespace tarnwick::com
