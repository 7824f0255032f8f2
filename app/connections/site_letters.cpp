#include "site_letters.h"

namespace tarnwick {

std::uint8_t SiteLetterToIndex(const QString& letter) {
    if (letter.size() == 1 && letter[0] >= QLatin1Char('A') && letter[0] <= QLatin1Char('D')) {
        return static_cast<std::uint8_t>(letter[0].unicode() - u'A');
    }
    return 0;
}

QString IndexToSiteLetter(std::uint8_t index) {
    return index <= 3 ? QString(QChar(u'A' + index)) : QString();
}

} // namespace tarnwick
