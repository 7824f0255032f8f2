// The conversion rules documented with Variant.
#include "com_error.h"
#include "dispatch.h"
#include "variant.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace tarnwick::com {

namespace {

[[noreturn]] void throwError(long number) {
    throw ComError::standard(number);
}

// The default member of an object, read as a property (error 13 without dispatch).
Variant defaultMemberOf(const ComPtr<IUnknown>& object) {
    if (!object) {
        throwError(ErrorNumber::ObjectNotSet);
    }
    const ComPtr<IDispatch> dispatch = object.query<IDispatch>();
    if (!dispatch) {
        throwError(ErrorNumber::TypeMismatch);
    }
    return dispatch->Invoke(DispIds::Value, InvokeKind::Get, {});
}

std::optional<double> numberFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return -1.0;
    }
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return 0.0;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

template <typename Integer> Integer roundedInto(double value) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Integer>::max()))) {
        throwError(ErrorNumber::Overflow);
    }
    return static_cast<Integer>(rounded);
}

QString doubleText(double value) {
    return QString::number(value, 'g', 15).toUpper();
}

} // namespace

double Variant::numberForConversion() const {
    const Variant& value = target();
    switch (value.m_type) {
    case VariantType::Empty:
        return 0.0;
    case VariantType::Int16:
    case VariantType::Int32:
    case VariantType::Boolean:
        return value.storedInteger();
    case VariantType::Double:
        return std::get<double>(value.m_value);
    case VariantType::String:
        if (const auto number = numberFromText(std::get<QString>(value.m_value))) {
            return *number;
        }
        throwError(ErrorNumber::TypeMismatch);
    case VariantType::Null:
        throwError(ErrorNumber::InvalidUseOfNull);
    case VariantType::Object:
        return defaultMemberOf(std::get<ComPtr<IUnknown>>(value.m_value)).numberForConversion();
    case VariantType::Error:
    case VariantType::ByteArray:
        break;
    }
    throwError(ErrorNumber::TypeMismatch);
}

std::int16_t Variant::toInt16() const {
    return roundedInto<std::int16_t>(numberForConversion());
}

std::int32_t Variant::toInt32() const {
    return roundedInto<std::int32_t>(numberForConversion());
}

double Variant::toDouble() const {
    return numberForConversion();
}

bool Variant::toBool() const {
    return numberForConversion() != 0.0;
}

QString Variant::toString() const {
    const Variant& value = target();
    switch (value.m_type) {
    case VariantType::Empty:
        return {};
    case VariantType::Int16:
    case VariantType::Int32:
        return QString::number(value.storedInteger());
    case VariantType::Boolean:
        return value.storedInteger() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case VariantType::Double:
        return doubleText(std::get<double>(value.m_value));
    case VariantType::String:
        return std::get<QString>(value.m_value);
    case VariantType::Null:
        throwError(ErrorNumber::InvalidUseOfNull);
    case VariantType::Object:
        return defaultMemberOf(std::get<ComPtr<IUnknown>>(value.m_value)).toString();
    case VariantType::Error:
    case VariantType::ByteArray:
        break;
    }
    throwError(ErrorNumber::TypeMismatch);
}

QByteArray Variant::toBytes() const {
    const Variant& value = target();
    if (value.m_type == VariantType::Null) {
        throwError(ErrorNumber::InvalidUseOfNull);
    }
    if (value.m_type != VariantType::ByteArray) {
        throwError(ErrorNumber::TypeMismatch);
    }
    return std::get<QByteArray>(value.m_value);
}

ComPtr<IUnknown> Variant::toObject() const {
    const Variant& value = target();
    if (value.m_type != VariantType::Object) {
        throwError(value.m_type == VariantType::Null ? ErrorNumber::InvalidUseOfNull
                                                     : ErrorNumber::TypeMismatch);
    }
    return std::get<ComPtr<IUnknown>>(value.m_value);
}

std::int32_t Variant::errorCode() const {
    const Variant& value = target();
    if (value.m_type != VariantType::Error) {
        throwError(ErrorNumber::TypeMismatch);
    }
    return value.storedInteger();
}

Variant Variant::convertedTo(VariantType type) const {
    const Variant& value = target();
    if (value.m_type == type) {
        return value;
    }
    if (value.m_type == VariantType::Null && type != VariantType::Empty) {
        throwError(ErrorNumber::InvalidUseOfNull);
    }
    switch (type) {
    case VariantType::Empty:
        return {};
    case VariantType::Null:
        return null();
    case VariantType::Int16:
        return Variant(value.toInt16());
    case VariantType::Int32:
        return Variant(value.toInt32());
    case VariantType::Double:
        return Variant(value.toDouble());
    case VariantType::Boolean:
        return Variant(value.toBool());
    case VariantType::String:
        return Variant(value.toString());
    case VariantType::Object:
        return Variant(value.toObject());
    case VariantType::ByteArray:
        return Variant(value.toBytes());
    case VariantType::Error:
        return error(value.errorCode());
    }
    throwError(ErrorNumber::TypeMismatch);
}

} // namespace tarnwick::com
