#include "format_keywords.h"

namespace tarnwick::mask {

namespace {

struct KeywordLine {
    const char* sbcs; // null: not a single-byte keyword
    const char* dbcs; // null: not a double-byte keyword
    const char* meaning;
};

constexpr KeywordLine kKeywords[] = {
    {"&, &&", "^&", "Any Character"},
    {"?, ??", "^?", "Any Character (Reference Lookup Table)"},
    {"A", "^A", "Upper-case letter (A-Z)"},
    {"a", "^a", "Lower-case letter (a-z)"},
    {"9", "^9", "Digit (0-9)"},
    {"#", "^#", "0-9, +-$%\\,."},
    {"@", "^@", "Symbols"},
    {"B", "^B", "Binary digit (0 or 1)"},
    {"X", "^X", "Hexadecimal digit (0-9, A-F, a-f)"},
    {"K", "^K", "Katakana"},
    {"H", nullptr, "Any single-byte character"},
    {nullptr, "Z", "Any double-byte character"},
    {nullptr, "J", "Hiragana"},
};

QString line(const char* keyword, const char* meaning) {
    return QStringLiteral("%1\t%2").arg(QLatin1String(keyword), QLatin1String(meaning));
}

} // namespace

QStringList formatKeywordHelp() {
    QStringList lines{QStringLiteral("(SBCS)")};
    for (const KeywordLine& k : kKeywords) {
        if (k.sbcs != nullptr) {
            lines.append(line(k.sbcs, k.meaning));
        }
    }
    lines.append(QStringLiteral("(DBCS)"));
    for (const KeywordLine& k : kKeywords) {
        if (k.dbcs != nullptr) {
            lines.append(line(k.dbcs, k.meaning));
        }
    }
    return lines;
}

} // namespace tarnwick::mask
