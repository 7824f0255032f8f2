#include "mask_lookup.h"

#include <algorithm>

namespace tarnwick::fenbase6 {

std::optional<MaskLookupTable> MaskLookupTable::parse(const QString& text) {
    // Characters first, each marked when it came escaped, so a range dash is told apart.
    std::vector<std::pair<QChar, bool>> items;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\')) {
            if (++i >= text.size()) {
                return std::nullopt;
            }
            items.emplace_back(text.at(i), true);
        } else {
            items.emplace_back(text.at(i), false);
        }
    }
    MaskLookupTable table;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const char16_t first = items[i].first.unicode();
        const bool isRange =
            i + 2 < items.size() && items[i + 1].first == QLatin1Char('-') && !items[i + 1].second;
        if (!isRange) {
            table.m_ranges.emplace_back(first, first);
            continue;
        }
        const char16_t last = items[i + 2].first.unicode();
        if (last < first) {
            return std::nullopt;
        }
        table.m_ranges.emplace_back(first, last);
        i += 2;
    }
    return table;
}

bool MaskLookupTable::contains(QChar c) const {
    return std::any_of(m_ranges.begin(), m_ranges.end(), [c](const auto& range) {
        return c.unicode() >= range.first && c.unicode() <= range.second;
    });
}

bool lookupAllows(MaskLookupMode mode, const MaskLookupTable& table, QChar c) {
    switch (mode) {
    case MaskLookupMode::Only:
        return table.contains(c);
    case MaskLookupMode::Exclude:
        return !table.contains(c);
    default:
        return true;
    }
}

} // namespace tarnwick::fenbase6
