#include "property_bag_text.h"

#include "com_error.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace tarnwick::com {

namespace {

const QString kName = QStringLiteral("name");
const QString kType = QStringLiteral("type");
const QString kValue = QStringLiteral("value");
const QString kObject = QStringLiteral("object");
const QString kProperties = QStringLiteral("properties");

constexpr std::array<std::pair<VariantType, const char*>, 9> kTypeNames{{
    {VariantType::Empty, "Empty"},
    {VariantType::Null, "Null"},
    {VariantType::Int16, "Int16"},
    {VariantType::Int32, "Int32"},
    {VariantType::Double, "Double"},
    {VariantType::Boolean, "Boolean"},
    {VariantType::String, "String"},
    {VariantType::ByteArray, "ByteArray"},
    {VariantType::Error, "Error"},
}};

[[noreturn]] void damaged(const QString& problem) {
    throw ComError(STG_E_READFAULT,
                   QStringLiteral("The property bag text is damaged: %1").arg(problem));
}

QString typeName(VariantType type) {
    for (const auto& [known, name] : kTypeNames) {
        if (known == type) {
            return QLatin1String(name);
        }
    }
    throw ComError::standard(ErrorNumber::TypeMismatch); // objects are entries of their own
}

VariantType typeFromName(const QString& name) {
    for (const auto& [type, known] : kTypeNames) {
        if (name == QLatin1String(known)) {
            return type;
        }
    }
    damaged(QStringLiteral("unknown type \"%1\"").arg(name));
}

QJsonValue doubleToJson(double value) {
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    }
    return value;
}

double doubleFromJson(const QJsonValue& json) {
    if (json.isDouble()) {
        return json.toDouble();
    }
    const QString text = json.toString();
    if (text == QLatin1String("NaN")) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (text == QLatin1String("Infinity") || text == QLatin1String("-Infinity")) {
        const double infinity = std::numeric_limits<double>::infinity();
        return text.startsWith(QLatin1Char('-')) ? -infinity : infinity;
    }
    damaged(QStringLiteral("a Double value is no number"));
}

QJsonValue valueToJson(const Variant& value) {
    switch (value.type()) {
    case VariantType::Int16:
    case VariantType::Int32:
        return value.toInt32();
    case VariantType::Boolean:
        return value.toBool();
    case VariantType::Error:
        return value.errorCode();
    case VariantType::Double:
        return doubleToJson(value.toDouble());
    case VariantType::String:
        return value.toString();
    case VariantType::ByteArray:
        return QString::fromLatin1(value.toBytes().toBase64());
    default:
        return QJsonValue::Null;
    }
}

// A JSON number that must be a whole number within [low, high].
std::int32_t integerFromJson(const QJsonValue& json, std::int32_t low, std::int32_t high) {
    const double number = json.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!json.isDouble() || !(number >= low && number <= high) || number != std::floor(number)) {
        damaged(QStringLiteral("an integer value is out of range"));
    }
    return static_cast<std::int32_t>(number);
}

Variant valueFromJson(VariantType type, const QJsonValue& json) {
    constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
    switch (type) {
    case VariantType::Empty:
        return {};
    case VariantType::Null:
        return Variant::null();
    case VariantType::Int16:
        return Variant(static_cast<std::int16_t>(integerFromJson(json, -32768, 32767)));
    case VariantType::Int32:
        return Variant(integerFromJson(json, kInt32Min, kInt32Max));
    case VariantType::Error:
        return Variant::error(integerFromJson(json, kInt32Min, kInt32Max));
    case VariantType::Double:
        return Variant(doubleFromJson(json));
    case VariantType::Boolean:
        if (!json.isBool()) {
            damaged(QStringLiteral("a Boolean value is neither true nor false"));
        }
        return Variant(json.toBool());
    case VariantType::String:
        if (!json.isString()) {
            damaged(QStringLiteral("a String value is no text"));
        }
        return Variant(json.toString());
    case VariantType::ByteArray: {
        const auto decoded = QByteArray::fromBase64Encoding(
            json.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!json.isString() || !decoded) {
            damaged(QStringLiteral("a ByteArray value is no base64 text"));
        }
        return Variant(*decoded);
    }
    case VariantType::Object:
        break;
    }
    damaged(QStringLiteral("unexpected value type"));
}

QJsonArray entriesToJson(const PropertyBag& bag) {
    QJsonArray entries;
    for (const PropertyBag::Entry& entry : bag.entries()) {
        QJsonObject json;
        json.insert(kName, entry.name);
        if (entry.isObject) {
            if (entry.clsid.isNull()) {
                json.insert(kObject, QJsonValue::Null);
            } else {
                json.insert(kObject, entry.clsid.toString());
                json.insert(kProperties,
                            entry.nested ? entriesToJson(*entry.nested) : QJsonArray());
            }
        } else {
            json.insert(kType, typeName(entry.value.type()));
            json.insert(kValue, valueToJson(entry.value));
        }
        entries.append(json);
    }
    return entries;
}

ComPtr<PropertyBag> bagFromJson(const QJsonArray& entries) {
    auto bag = makeObject<PropertyBag>();
    for (const QJsonValue& item : entries) {
        const QJsonObject json = item.toObject();
        if (!item.isObject() || !json.value(kName).isString()) {
            damaged(QStringLiteral("an entry has no name"));
        }
        PropertyBag::Entry entry;
        entry.name = json.value(kName).toString();
        if (json.contains(kObject)) {
            entry.isObject = true;
            const QJsonValue clsid = json.value(kObject);
            if (!clsid.isNull()) {
                const auto parsed = Guid::fromString(clsid.toString());
                if (!parsed || parsed->isNull() || !json.value(kProperties).isArray()) {
                    damaged(QStringLiteral("object \"%1\" has no class or values").arg(entry.name));
                }
                entry.clsid = *parsed;
                entry.nested = bagFromJson(json.value(kProperties).toArray());
            }
        } else {
            entry.value =
                valueFromJson(typeFromName(json.value(kType).toString()), json.value(kValue));
        }
        bag->store(std::move(entry));
    }
    return bag;
}

} // namespace

QByteArray propertyBagToText(const PropertyBag& bag) {
    return QJsonDocument(entriesToJson(bag)).toJson(QJsonDocument::Indented);
}

ComPtr<PropertyBag> propertyBagFromText(const QByteArray& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        damaged(error.error != QJsonParseError::NoError ? error.errorString()
                                                        : QStringLiteral("no array of entries"));
    }
    return bagFromJson(document.array());
}

} // namespace tarnwick::com
