#pragma once

#include "com/dispatch.h"
#include "mask_enums.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace tarnwick::mask {

// The stored values of the masked control's own properties, with a new control's defaults
// (`Value` then starts as the host's display name of the control).
struct MaskSettings {
    static constexpr qsizetype kLongestFormat = 256;

    QString format = QStringLiteral("&&&&&&&&&&");
    QString promptChar = QStringLiteral("_");
    QString lookupTable;
    bool allowSpace = true;
    bool autoConvert = true;
    std::int16_t lookupMode = fenLookupNone;
    std::int16_t showLiterals = fenShowLiteralsAlways;
    std::int16_t clipMode = fenIncludeLiterals;
    std::int16_t cursorPosition = -1;
    std::int16_t dataProperty = fenValueProperty;
    std::int16_t highlightText = fenHighlightNone;
    std::int16_t imeMode = fenIMEDefault;
    std::int16_t imeStatus = fenIMENormal;
    std::int16_t tabAction = fenTabControl;
    // The contents as last known: given by a put, taken from the engine, or loaded.
    std::optional<QString> text;
    std::optional<QString> value;

    // The stored value of the enumeration property `id`; null for any other property.
    std::int16_t* enumValue(com::DispId id);
    const std::int16_t* enumValue(com::DispId id) const;

    // Error 380 unless every value obeys its put rule, as far as the control checks it
    // without the engine, and every text has a single-byte form (for saved data).
    void validate() const;

    friend bool operator==(const MaskSettings&, const MaskSettings&) = default;
};

// The enumeration that rules the property `id`; null for any other property.
const frame::FenEnumeration* maskEnumerationOf(com::DispId id);

// Error 380 "Invalid property value.": the answer to every refused value.
[[noreturn]] void refuseValue();

// The put rules the control applies before the engine sees a value; error 380 otherwise.
// A format of at most 256 characters.
void checkFormatLength(const QString& format);
// The prompt as stored: an empty one becomes a space; more than one character, or one
// without a single-byte form, or a null (which would end the engine's texts), is refused.
QString checkedPromptChar(const QString& prompt);

} // namespace tarnwick::mask
