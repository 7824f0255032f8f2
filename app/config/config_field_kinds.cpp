#include "config_field_kinds.h"

#include "config/editing_rules.h"
#include "config/number_format.h"
#include "config/site_config_layout.h"
#include "config/site_config_lists.h"
#include "shell/latin1.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace tarnwick::fields {
namespace {

constexpr int kHighestLabelCode = 90;
constexpr int kLowestLabelCode = 32;
constexpr qsizetype kPhoneSlotLength = 16;
constexpr double kMaxDuration = 28.0;
constexpr int kMaxAlarmDelay = 126;

// Reads a field that the caller only looks at.
template <typename T> const T& peek(const Ref<T>& ref, const SiteConfig& config) {
    return ref(const_cast<SiteConfig&>(config));
}

ConfigField placed(Place place) {
    ConfigField f;
    f.path = std::move(place.path);
    f.tab = std::move(place.tab);
    f.caption = std::move(place.caption);
    return f;
}

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString quotedValue(const QJsonValue& value) {
    if (value.isString()) {
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    }
    if (value.isDouble()) {
        return QString::number(value.toDouble(), 'g', 15);
    }
    if (value.isBool()) {
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    }
    return value.isNull() ? QStringLiteral("null") : QStringLiteral("an object or list");
}

// A number as text, so that the editors' own rules judge its digits.
std::optional<QString> numberText(const QJsonValue& value) {
    if (value.isDouble()) {
        static const QRegularExpression trailingZeros(QStringLiteral("\\.?0+$"));
        const double x = value.toDouble();
        return std::isfinite(x) ? std::optional(QString::number(x, 'f', 6).remove(trailingZeros))
                                : std::nullopt;
    }
    if (value.isString()) {
        return value.toString().trimmed();
    }
    return std::nullopt;
}

QString rangeText(const NumberRange& range) {
    return QString::number(range.minimum, 'f', range.decimals) + QLatin1Char('-') +
           QString::number(range.maximum, 'f', range.decimals);
}

// The value of a number within `range` with at most its decimals; else the reason.
std::optional<QString> readNumber(const QJsonValue& value, const NumberRange& range, double& out) {
    const std::optional<QString> text = numberText(value);
    bool ok = false;
    const double x = text ? text->toDouble(&ok) : 0.0;
    if (!ok) {
        return QStringLiteral("%1 is not a number").arg(quotedValue(value));
    }
    if (x < range.minimum || x > range.maximum) {
        return QStringLiteral("%1 is outside %2").arg(*text, rangeText(range));
    }
    const std::optional<double> accepted = numberFromText(*text, range);
    if (!accepted) {
        return range.decimals == 0
                   ? QStringLiteral("%1 must be a whole number").arg(*text)
                   : QStringLiteral("%1 has more than %2 decimals").arg(*text).arg(range.decimals);
    }
    out = *accepted;
    return std::nullopt;
}

std::optional<QString> labelProblemOf(const QString& text) {
    if (text.size() > static_cast<qsizetype>(layout::kLabelLength)) {
        return QStringLiteral("\"%1\" is too long: at most 7 characters").arg(text);
    }
    for (const QChar c : text) {
        const int code = singleByteCode(c);
        if (code < kLowestLabelCode || code > kHighestLabelCode || c.unicode() > 0xFF) {
            return QStringLiteral("\"%1\" contains an illegal character: \"%2\"").arg(text, c);
        }
    }
    return std::nullopt;
}

std::optional<QString> notText(const QJsonValue& value) {
    return QStringLiteral("%1 is not a text").arg(quotedValue(value));
}

} // namespace

ConfigField flag(Place place, Ref<bool> ref) {
    ConfigField f = placed(std::move(place));
    f.text = [ref](const SiteConfig& c) { return onOff(peek(ref, c)); };
    f.json = [ref](const SiteConfig& c) { return QJsonValue(peek(ref, c)); };
    f.assign = [ref](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        if (v.isBool()) {
            ref(c) = v.toBool();
        } else if (v.toString() == QLatin1String("on") || v.toString() == QLatin1String("off")) {
            ref(c) = v.toString() == QLatin1String("on");
        } else {
            return QStringLiteral("%1 is not true, false, \"on\" or \"off\"").arg(quotedValue(v));
        }
        return std::nullopt;
    };
    return f;
}

ConfigField choice(Place place, Ref<std::uint8_t> ref, std::span<const QLatin1StringView> names) {
    ConfigField f = placed(std::move(place));
    const auto name = [names](std::uint8_t index) {
        return index < names.size() ? QString(names[index])
                                    : QStringLiteral("(invalid %1)").arg(index);
    };
    f.text = [ref, name](const SiteConfig& c) { return name(peek(ref, c)); };
    f.json = [ref, name](const SiteConfig& c) { return QJsonValue(name(peek(ref, c))); };
    f.assign = [ref, names](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        QStringList choices;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (v.toString() == names[i]) {
                ref(c) = static_cast<std::uint8_t>(i);
                return std::nullopt;
            }
            choices << QLatin1Char('"') + QString(names[i]) + QLatin1Char('"');
        }
        return QStringLiteral("%1 is not one of %2")
            .arg(quotedValue(v), choices.join(QStringLiteral(", ")));
    };
    return f;
}

ConfigField byteValue(Place place, Ref<std::uint8_t> ref) {
    ConfigField f = placed(std::move(place));
    f.text = [ref](const SiteConfig& c) { return QString::number(peek(ref, c)); };
    f.json = [ref](const SiteConfig& c) { return QJsonValue(peek(ref, c)); };
    f.assign = [ref](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        double x = 0.0;
        if (auto bad = readNumber(v, {0, 0.0, std::numeric_limits<std::uint8_t>::max()}, x)) {
            return bad;
        }
        ref(c) = static_cast<std::uint8_t>(x);
        return std::nullopt;
    };
    return f;
}

ConfigField alarmDelay(Place place, Ref<int> ref) {
    ConfigField f = placed(std::move(place));
    f.text = [ref](const SiteConfig& c) { return QString::number(peek(ref, c)); };
    f.json = [ref](const SiteConfig& c) { return QJsonValue(peek(ref, c)); };
    f.assign = [ref](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        double x = 0.0;
        if (auto bad = readNumber(v, {0, 0.0, double(kMaxAlarmDelay)}, x)) {
            return *bad + QStringLiteral(" (alarm delays are 0-126 seconds)");
        }
        ref(c) = static_cast<int>(x);
        return std::nullopt;
    };
    return f;
}

ConfigField duration(Place place, Ref<double> ref) {
    ConfigField f = placed(std::move(place));
    f.text = [ref](const SiteConfig& c) { return QString::number(peek(ref, c), 'f', 1); };
    f.json = [ref](const SiteConfig& c) { return QJsonValue(peek(ref, c)); };
    f.assign = [ref](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        double x = 0.0;
        if (auto bad = readNumber(v, {1, 0.0, kMaxDuration}, x)) {
            return *bad + QStringLiteral(" (command durations are 0-28 seconds, one decimal)");
        }
        ref(c) = x;
        return std::nullopt;
    };
    return f;
}

namespace {

// A text shown and exported as it stands; `problem` names what is wrong with a new text, and
// `stored` is the form kept.
ConfigField textField(Place place, Ref<QString> ref,
                      std::function<std::optional<QString>(const QString&)> problem,
                      std::function<QString(const QString&)> stored) {
    ConfigField f = placed(std::move(place));
    f.quoted = true;
    f.text = [ref](const SiteConfig& c) { return peek(ref, c); };
    f.json = [ref](const SiteConfig& c) { return QJsonValue(peek(ref, c)); };
    f.assign = [ref, problem = std::move(problem), stored = std::move(stored)](
                   SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        if (!v.isString()) {
            return notText(v);
        }
        if (auto bad = problem(v.toString())) {
            return bad;
        }
        ref(c) = stored(v.toString());
        return std::nullopt;
    };
    return f;
}

} // namespace

ConfigField label(Place place, Ref<QString> ref) {
    return textField(std::move(place), std::move(ref), labelProblemOf,
                     [](const QString& text) { return text; });
}

ConfigField phoneNumber(Place place, Ref<QString> ref) {
    const auto problem = [](const QString& number) -> std::optional<QString> {
        if (number.size() > kPhoneSlotLength) {
            return QStringLiteral("\"%1\" is too long: at most 16 digits and spaces").arg(number);
        }
        for (const QChar ch : number) {
            if (!(ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) && ch != QLatin1Char(' ')) {
                return QStringLiteral("\"%1\" may hold only digits and spaces").arg(number);
            }
        }
        return std::nullopt;
    };
    return textField(std::move(place), std::move(ref), problem,
                     [](const QString& number) { return number.trimmed(); });
}

ConfigField word(Place place, Ref<WordCode> ref, std::shared_ptr<const Vocabulary> vocabulary) {
    ConfigField f = placed(std::move(place));
    f.quoted = true;
    // A code without a word of its own, or sharing its word with an earlier code, is shown
    // with its number so that two different cells never read the same.
    f.text = [ref, vocabulary](const SiteConfig& c) {
        const WordCode code = peek(ref, c);
        const QString text = vocabulary->codeToText(code);
        if (code != kEmptyWordCode && vocabulary->textToCode(text, -1) != code) {
            return text.isEmpty() ? QStringLiteral("(code %1)").arg(code)
                                  : QStringLiteral("%1 (code %2)").arg(text).arg(code);
        }
        return text;
    };
    f.json = [ref, vocabulary](const SiteConfig& c) {
        const WordCode code = peek(ref, c);
        return QJsonValue(QJsonObject{{QStringLiteral("code"), code},
                                      {QStringLiteral("word"), vocabulary->codeToText(code)}});
    };
    f.assign = [ref, vocabulary](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        const QJsonObject pair = v.toObject();
        // Only "code" and "word", at least one of them.
        const bool isPair = v.isObject() && !pair.isEmpty() &&
                            pair.size() == int(pair.contains(QStringLiteral("code"))) +
                                               int(pair.contains(QStringLiteral("word")));
        const QJsonValue codeValue = isPair ? pair.value(QStringLiteral("code")) : v;
        const QJsonValue wordValue = isPair ? pair.value(QStringLiteral("word")) : v;
        if (!codeValue.isDouble() && !wordValue.isString()) {
            return QStringLiteral("%1 is not a word, a word code or {\"code\", \"word\"}")
                .arg(quotedValue(v));
        }
        std::optional<WordCode> code;
        if (codeValue.isDouble()) {
            double x = 0.0;
            if (auto bad = readNumber(codeValue, {0, 0.0, double(kMaxWordCode)}, x)) {
                return QStringLiteral("word code ") + *bad;
            }
            code = static_cast<WordCode>(x);
        }
        if (wordValue.isString()) {
            const QString text = wordValue.toString();
            if (code) {
                if (vocabulary->codeToText(*code) != text) {
                    return QStringLiteral("code %1 is not the word \"%2\"").arg(*code).arg(text);
                }
            } else if (text.isEmpty()) {
                code = kEmptyWordCode;
            } else {
                const int found = vocabulary->textToCode(text, -1);
                if (found < 0) {
                    return QStringLiteral("\"%1\" is not a word of the vocabulary").arg(text);
                }
                code = static_cast<WordCode>(found);
            }
        }
        ref(c) = *code;
        return std::nullopt;
    };
    return f;
}

ConfigField limit(Place place, std::size_t channel, bool high) {
    ConfigField f = placed(std::move(place));
    const auto value = [channel, high](SiteConfig& c) -> double& {
        return high ? c.channels[channel].highLimit : c.channels[channel].lowLimit;
    };
    f.text = [value, channel](const SiteConfig& c) {
        return QString::number(value(const_cast<SiteConfig&>(c)), 'f',
                               c.channels[channel].decimals);
    };
    f.json = [value](const SiteConfig& c) { return QJsonValue(value(const_cast<SiteConfig&>(c))); };
    f.assign = [value, channel](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        const LimitFormat format = limitFormat(c.channels[channel].decimals);
        double x = 0.0;
        if (auto bad = readNumber(v, format.range, x)) {
            return *bad + QStringLiteral(" (Decimal Point %1)")
                              .arg(QString(kDecimalPointNames[c.channels[channel].decimals]));
        }
        value(c) = x;
        return std::nullopt;
    };
    return f;
}

namespace {

void moveDecimalPoint(ChannelSettings& channel, std::uint8_t to) {
    channel.lowLimit = rescaleLimit(channel.lowLimit, channel.decimals, to);
    channel.highLimit = rescaleLimit(channel.highLimit, channel.decimals, to);
    channel.decimals = to;
}

} // namespace

ConfigField decimalPoint(Place place, std::size_t channel) {
    ConfigField f = choice(
        std::move(place),
        [channel](SiteConfig& c) -> std::uint8_t& { return c.channels[channel].decimals; },
        kDecimalPointNames);
    f.assign = [channel](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        const std::optional<std::uint8_t> to = decimalsFromText(v.toString());
        if (!to) {
            return QStringLiteral("%1 is not one of \"None\", \"000.0\", \"00.00\", \"0.000\"")
                .arg(quotedValue(v));
        }
        moveDecimalPoint(c.channels[channel], *to);
        return std::nullopt;
    };
    return f;
}

ConfigField decimals(Place place, std::size_t channel) {
    ConfigField f = placed(std::move(place));
    f.listed = false;
    f.text = [channel](const SiteConfig& c) {
        return QString::number(c.channels[channel].decimals);
    };
    f.json = [channel](const SiteConfig& c) { return QJsonValue(c.channels[channel].decimals); };
    f.assign = [channel](SiteConfig& c, const QJsonValue& v) -> std::optional<QString> {
        double x = 0.0;
        if (auto bad = readNumber(v, {0, 0.0, double(kDecimalPointNames.size() - 1)}, x)) {
            return bad;
        }
        moveDecimalPoint(c.channels[channel], static_cast<std::uint8_t>(x));
        return std::nullopt;
    };
    return f;
}

ConfigField echo(Place place, std::function<QJsonValue(const SiteConfig&)> json) {
    ConfigField f = placed(std::move(place));
    f.listed = false;
    f.text = [json](const SiteConfig& c) { return json(c).toVariant().toString(); };
    f.json = json;
    f.assign = [json](const SiteConfig& c, const QJsonValue&) -> std::optional<QString> {
        return QStringLiteral("read only: this file has %1 here").arg(quotedValue(json(c)));
    };
    return f;
}

} // namespace tarnwick::fields
