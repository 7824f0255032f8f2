#include "variant_text.h"

#include "com/dispatch.h"
#include "com/type_info.h"

namespace tarnwick::fenhost {

using namespace com;

namespace {

std::optional<Variant> numberFrom(const QString& text) {
    bool ok = false;
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive) && text.size() <= 10) {
        const std::uint32_t bits = text.mid(2).toUInt(&ok, 16);
        return ok ? std::optional(Variant(static_cast<std::int32_t>(bits))) : std::nullopt;
    }
    const qlonglong integer = text.toLongLong(&ok);
    if (ok) {
        if (integer >= INT16_MIN && integer <= INT16_MAX) {
            return Variant(static_cast<std::int16_t>(integer));
        }
        if (integer >= INT32_MIN && integer <= INT32_MAX) {
            return Variant(static_cast<std::int32_t>(integer));
        }
    }
    const double real = text.toDouble(&ok);
    return ok ? std::optional(Variant(real)) : std::nullopt;
}

QString unquoted(QStringView text) {
    QString result = text.mid(1, text.size() - 2).toString();
    result.replace(QLatin1String("\"\""), QLatin1String("\""));
    return result;
}

} // namespace

Variant parseValue(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.size() >= 2 && trimmed.startsWith(u'"') && trimmed.endsWith(u'"')) {
        return Variant(unquoted(trimmed));
    }
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return Variant(true);
    }
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return Variant(false);
    }
    if (trimmed.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0) {
        return Variant::null();
    }
    if (trimmed.compare(QLatin1String("Empty"), Qt::CaseInsensitive) == 0) {
        return Variant();
    }
    if (trimmed.compare(QLatin1String("Nothing"), Qt::CaseInsensitive) == 0) {
        return Variant(ComPtr<IUnknown>());
    }
    if (auto number = numberFrom(trimmed)) {
        return *number;
    }
    return Variant(trimmed);
}

std::vector<Variant> parseArguments(QStringView text) {
    std::vector<Variant> values;
    if (text.trimmed().isEmpty()) {
        return values;
    }
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == u'"') {
            quoted = !quoted;
        } else if (i == text.size() || (text[i] == u',' && !quoted)) {
            values.push_back(parseValue(text.mid(start, i - start)));
            start = i + 1;
        }
    }
    return values;
}

QString formatValue(const Variant& value) {
    switch (value.type()) {
    case VariantType::Empty:
        return QStringLiteral("Empty");
    case VariantType::Null:
        return QStringLiteral("Null");
    case VariantType::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case VariantType::String:
        return u'"' + QString(value.toString()).replace(u'"', QLatin1String("\"\"")) + u'"';
    case VariantType::ByteArray:
        return QStringLiteral("Bytes(%1)").arg(QString::fromLatin1(value.toBytes().toHex(' ')));
    case VariantType::Error:
        return QStringLiteral("Error(%1)").arg(value.errorCode());
    case VariantType::Object: {
        const ComPtr<IUnknown> object = value.toObject();
        if (!object) {
            return QStringLiteral("Nothing");
        }
        const auto dispatch = object.query<IDispatch>();
        return dispatch ? u'<' + dispatch->GetTypeInfo().name() + u'>' : QStringLiteral("<object>");
    }
    case VariantType::Int16:
    case VariantType::Int32:
    case VariantType::Double:
        break;
    }
    return value.toString();
}

} // namespace tarnwick::fenhost
