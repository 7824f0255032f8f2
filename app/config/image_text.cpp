#include "image_text.h"

#include "config/site_config_layout.h"
#include "shell/app_error.h"
#include "shell/latin1.h"

#include <span>

namespace tarnwick {

namespace {

constexpr std::size_t kPhoneSlotSize = 16;
constexpr std::size_t kPhoneDigitsRead = 15;
constexpr std::uint8_t kPhoneSpace = 32;

// Trims spaces only: other blanks are part of the stored text and must survive a round
// trip.
QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text[last - 1] == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

} // namespace

QString readLabel(const ConfigImage& image, std::size_t offset) {
    return trimSpaces(
        fromSingleByte(std::span<const std::uint8_t>(image).subspan(offset, layout::kLabelLength)));
}

void writeLabel(ConfigImage& image, std::size_t offset, const QString& text) {
    const QByteArray bytes = toSingleByte(text);
    for (std::size_t i = 0; i < layout::kLabelLength; ++i) {
        const auto at = static_cast<qsizetype>(i);
        image[offset + i] = at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : ' ';
    }
}

QString readPhoneNumber(const ConfigImage& image, std::size_t offset) {
    QString number;
    for (std::size_t i = 0; i < kPhoneDigitsRead; ++i) {
        const std::uint8_t b = image[offset + i];
        if (b < 10) {
            number.append(QChar(u'0' + b));
        }
    }
    return number;
}

void writePhoneNumber(ConfigImage& image, std::size_t offset, const QString& number) {
    for (std::size_t i = 0; i < kPhoneSlotSize; ++i) {
        const auto at = static_cast<qsizetype>(i);
        const QChar c = at < number.size() ? number[at] : QLatin1Char(' ');
        if (c == QLatin1Char(' ')) {
            image[offset + i] = kPhoneSpace;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            image[offset + i] = static_cast<std::uint8_t>(c.unicode() - u'0');
        } else {
            throw AppError::standard(ErrorNumber::TypeMismatch,
                                     QStringLiteral("phone number \"%1\"").arg(number));
        }
    }
}

} // namespace tarnwick
