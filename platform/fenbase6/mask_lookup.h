#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// The lookup table that restricts the "?" positions. Its text lists characters; "x-y" is the
// range from x to y; "\" makes the next character stand for itself (so "\-" is a minus); a
// "-" at the start or end of the table is itself. A reversed range or a trailing "\" make the
// table invalid.
namespace tarnwick::fenbase6 {

enum class MaskLookupMode { None = 0, Only = 1, Exclude = 2 };

class MaskLookupTable {
public:
    static std::optional<MaskLookupTable> parse(const QString& text);

    bool contains(QChar c) const;

private:
    // Inclusive ranges of UTF-16 units.
    std::vector<std::pair<char16_t, char16_t>> m_ranges;
};

// Whether `c` may stand in a "?" position under `mode`.
bool lookupAllows(MaskLookupMode mode, const MaskLookupTable& table, QChar c);

} // namespace tarnwick::fenbase6
