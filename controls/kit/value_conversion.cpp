#include "value_conversion.h"

#include <limits>

namespace tarnwick::kit {

using namespace com;

namespace {

Variant integer(qlonglong value) {
    if (value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max()) {
        return Variant(static_cast<std::int16_t>(value));
    }
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        return Variant(static_cast<std::int32_t>(value));
    }
    return Variant(static_cast<double>(value));
}

} // namespace

Variant toVariant(const QVariant& value) {
    if (!value.isValid()) {
        return {};
    }
    switch (value.metaType().id()) {
    case QMetaType::Nullptr:
        return Variant::null();
    case QMetaType::Bool:
        return Variant(value.toBool());
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return integer(value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return value.toULongLong() <= static_cast<qulonglong>(std::numeric_limits<qint64>::max())
                   ? integer(value.toLongLong())
                   : Variant(value.toDouble());
    case QMetaType::Double:
    case QMetaType::Float:
        return Variant(value.toDouble());
    case QMetaType::QByteArray:
        return Variant(value.toByteArray());
    default:
        return Variant(value.toString());
    }
}

QVariant toQVariant(const Variant& value) {
    const Variant& target = value.dereferenced();
    switch (target.type()) {
    case VariantType::Null:
        return QVariant::fromValue(nullptr);
    case VariantType::Int16:
    case VariantType::Int32:
        return QVariant(target.toInt32());
    case VariantType::Double:
        return QVariant(target.toDouble());
    case VariantType::String:
        return QVariant(target.toString());
    case VariantType::Boolean:
        return QVariant(target.toBool());
    case VariantType::ByteArray:
        return QVariant(target.toBytes());
    case VariantType::Error:
        return QVariant(target.errorCode());
    case VariantType::Empty:
    case VariantType::Object:
        break;
    }
    return {};
}

} // namespace tarnwick::kit
