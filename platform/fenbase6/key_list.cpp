#include "key_list.h"

#include "virtual_keys.h"

#include <QList>

#include <algorithm>
#include <array>

namespace tarnwick::fenbase6 {

namespace {

constexpr int kFunctionKeys = 24;
constexpr int kNumpadKeys = 10;
constexpr int kHighestKeyCode = 254;

struct NamedKey {
    const char* name;
    std::int32_t code;
};

constexpr std::array<NamedKey, 24> kNamedKeys{{
    {"BACKSPACE", VirtualKey::Back}, {"BS", VirtualKey::Back},
    {"TAB", VirtualKey::Tab},        {"ENTER", VirtualKey::Return},
    {"ESC", VirtualKey::Escape},     {"SPACE", VirtualKey::Space},
    {"PGUP", VirtualKey::Prior},     {"PGDN", VirtualKey::Next},
    {"END", VirtualKey::End},        {"HOME", VirtualKey::Home},
    {"LEFT", VirtualKey::Left},      {"UP", VirtualKey::Up},
    {"RIGHT", VirtualKey::Right},    {"DOWN", VirtualKey::Down},
    {"INSERT", VirtualKey::Insert},  {"INS", VirtualKey::Insert},
    {"DELETE", VirtualKey::Delete},  {"DEL", VirtualKey::Delete},
    {"MULTIPLY", VirtualKey::Multiply}, {"ADD", VirtualKey::Add},
    {"SUBTRACT", VirtualKey::Subtract}, {"DECIMAL", VirtualKey::Decimal},
    {"DIVIDE", VirtualKey::Divide},  {"CLEAR", VirtualKey::Clear},
}};

// A number of one to three decimal digits; none for anything else.
std::optional<int> smallNumber(QStringView digits) {
    if (digits.isEmpty() || digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); })) {
        return std::nullopt;
    }
    return digits.toInt();
}

std::optional<std::int32_t> numberedKey(QStringView name, QLatin1StringView prefix, int first,
                                        int count, std::int32_t base) {
    if (!name.startsWith(prefix)) {
        return std::nullopt;
    }
    const std::optional<int> number = smallNumber(name.mid(prefix.size()));
    if (!number || *number < first || *number >= first + count) {
        return std::nullopt;
    }
    return base + (*number - first);
}

std::optional<std::int32_t> namedKeyCode(QStringView braced) {
    const QString name = braced.toString().toUpper();
    for (const NamedKey& key : kNamedKeys) {
        if (name == QLatin1String(key.name)) {
            return key.code;
        }
    }
    if (const auto code = numberedKey(name, QLatin1StringView("#"), 1, kHighestKeyCode, 1)) {
        return code;
    }
    if (const auto code = numberedKey(name, QLatin1StringView("NUMPAD"), 0, kNumpadKeys,
                                      VirtualKey::Numpad0)) {
        return code;
    }
    return numberedKey(name, QLatin1StringView("F"), 1, kFunctionKeys, VirtualKey::F1);
}

std::optional<std::int32_t> plainKeyCode(QChar c) {
    const QChar upper = c.toUpper();
    if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z')) {
        return VirtualKey::LetterA + (upper.unicode() - u'A');
    }
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        return VirtualKey::Digit0 + (c.unicode() - u'0');
    }
    return std::nullopt;
}

std::optional<KeyStroke> parseEntry(QStringView entry) {
    KeyStroke stroke;
    qsizetype at = 0;
    for (; at < entry.size(); ++at) {
        const char16_t c = entry.at(at).unicode();
        const std::int32_t flag = c == u'+' ? 1 : c == u'^' ? 2 : c == u'%' ? 4 : 0;
        if (flag == 0) {
            break;
        }
        if ((stroke.shift & flag) != 0) {
            return std::nullopt;
        }
        stroke.shift |= flag;
    }
    const QStringView key = entry.mid(at);
    std::optional<std::int32_t> code;
    if (key.size() == 1) {
        code = plainKeyCode(key.front());
    } else if (key.size() > 2 && key.startsWith(u'{') && key.endsWith(u'}')) {
        code = namedKeyCode(key.mid(1, key.size() - 2));
    }
    if (!code) {
        return std::nullopt;
    }
    stroke.keyCode = *code;
    return stroke;
}

} // namespace

std::optional<std::vector<KeyStroke>> parseKeyList(const QString& list) {
    std::vector<KeyStroke> strokes;
    if (list.trimmed().isEmpty()) {
        return strokes;
    }
    for (const QStringView entry : QStringView(list).split(u',')) {
        const std::optional<KeyStroke> stroke = parseEntry(entry.trimmed());
        if (!stroke) {
            return std::nullopt;
        }
        strokes.push_back(*stroke);
    }
    return strokes;
}

bool keyListHolds(const QString& list, const KeyStroke& stroke) {
    const auto strokes = parseKeyList(list);
    return strokes && std::find(strokes->begin(), strokes->end(), stroke) != strokes->end();
}

} // namespace tarnwick::fenbase6
