#include "fenbase6/number_text.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace tarnwick::fenbase6;

// Whatever is typed into a number field, reading it never fails unsafely, and a number read
// shows as text that reads back as the same number rounded to the places shown, in every
// minus-sign mode. The first byte chooses the places, the minus-sign mode and the decimal point.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static constexpr char kPoints[] = {'.', ',', '\'', 'x'};
    NumberFormat format;
    format.decimalPlaces = data[0] % 15;
    format.minusSign = static_cast<MinusSign>((data[0] / 15) % 3);
    format.decimalPoint = QLatin1Char(kPoints[(data[0] / 45) % 4]);
    const QString typed = QString::fromLatin1(reinterpret_cast<const char*>(data + 1),
                                              static_cast<qsizetype>(size - 1));

    isTypedNumberPrefix(typed, format, data[0] % 16);
    const ParsedNumber parsed = parseNumber(typed, format);
    if (parsed.kind != ParsedNumber::Kind::Number) {
        return 0;
    }
    const DecimalNumber shownValue = parsed.value.rounded(format.decimalPlaces);
    const ParsedNumber reread = parseNumber(formatNumber(parsed.value, format), format);
    if (reread.kind != ParsedNumber::Kind::Number || reread.value != shownValue) {
        std::abort();
    }
    const auto plain =
        DecimalNumber::fromPlainText(parsed.value.toPlainText(DecimalNumber::kScale));
    if (!plain || *plain != parsed.value) {
        std::abort();
    }
    return 0;
}
