#include "mask_pattern_parser.h"

namespace tarnwick::fenbase6 {

namespace {

constexpr int kMaxFurtherSections = 2;
const QChar kEscape = QLatin1Char('\\');
const QChar kDoubleByteMark = QLatin1Char('^');

// Splits at the ";" that are not escaped.
QStringList splitSections(const QString& text) {
    QStringList parts(QString{});
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(';')) {
            parts.append(QString{});
            continue;
        }
        parts.last().append(c);
        if (c == kEscape && i + 1 < text.size()) {
            parts.last().append(text.at(++i));
        }
    }
    return parts;
}

bool isValidSection(const QString& section) {
    if (section.isEmpty()) {
        return true;
    }
    if (section.size() < 2 || !section.startsWith(QLatin1Char('{')) ||
        !section.endsWith(QLatin1Char('}'))) {
        return false;
    }
    for (qsizetype i = 1; i + 1 < section.size(); ++i) {
        if (section.at(i) == kEscape) {
            ++i; // an escape may not swallow the closing brace
            if (i + 1 >= section.size()) {
                return false;
            }
        } else if (section.at(i) == QLatin1Char('}')) {
            return false;
        }
    }
    return true;
}

MaskPosition literalPosition(QChar c) {
    MaskPosition position;
    position.isLiteral = true;
    position.literal = c;
    return position;
}

MaskPosition slotPosition(MaskKeyword keyword, bool doubleByte) {
    MaskPosition position;
    position.slot = MaskSlotClass{keyword, doubleByte};
    return position;
}

std::optional<std::vector<MaskPosition>> parseBody(const QString& body) {
    std::vector<MaskPosition> positions;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (c.unicode() < 0x20 || (i + 1 < body.size() && body.at(i + 1).unicode() < 0x20)) {
            return std::nullopt; // control characters cannot be shown
        }
        if (c == kEscape || c == kDoubleByteMark) {
            if (++i >= body.size()) {
                return std::nullopt;
            }
            if (c == kEscape) {
                positions.push_back(literalPosition(body.at(i)));
                continue;
            }
            const std::optional<MaskKeyword> keyword = doubleByteKeyword(body.at(i));
            if (!keyword) {
                return std::nullopt;
            }
            positions.push_back(slotPosition(*keyword, true));
        } else if (const auto single = singleByteKeyword(c)) {
            positions.push_back(slotPosition(*single, false));
        } else if (c == QLatin1Char('Z') || c == QLatin1Char('J')) {
            positions.push_back(slotPosition(*doubleByteKeyword(c), true));
        } else {
            positions.push_back(literalPosition(c));
        }
    }
    return positions;
}

} // namespace

std::optional<MaskPattern> parseMaskPattern(const QString& text) {
    QStringList sections = splitSections(text);
    if (sections.size() > kMaxFurtherSections + 1) {
        return std::nullopt;
    }
    std::optional<std::vector<MaskPosition>> positions = parseBody(sections.takeFirst());
    if (!positions || positions->empty() || positions->size() > kMaxMaskPositions) {
        return std::nullopt;
    }
    for (const QString& section : sections) {
        if (!isValidSection(section)) {
            return std::nullopt;
        }
    }
    MaskPattern pattern;
    bool inField = false;
    for (MaskPosition& position : *positions) {
        if (position.isLiteral) {
            inField = false;
            continue;
        }
        if (!inField) {
            ++pattern.fieldCount;
            inField = true;
        }
        position.field = pattern.fieldCount - 1;
    }
    if (pattern.fieldCount == 0) {
        return std::nullopt;
    }
    pattern.positions = std::move(*positions);
    pattern.sections = std::move(sections);
    return pattern;
}

} // namespace tarnwick::fenbase6
