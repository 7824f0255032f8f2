#include "main_window_text.h"

#include "config/site_config.h"
#include "config/site_config_lists.h"
#include "connections/site_letters.h"
#include "shell/application_title.h"

#include <QFileInfo>
#include <QLocale>
#include <array>

namespace tarnwick {

namespace {

constexpr std::size_t kFirstOvinOption = 4; // P-1 Ovin
constexpr std::size_t kFirstBraeOption = 7; // P-1 Brae
constexpr std::size_t kLastBraeOption = 8;  // P-2 Brae

struct OvinGridText {
    const char* item;
    const char* captionSuffix;
};
constexpr std::array<OvinGridText, kOvinGridCount> kOvinGridTexts{{
    {"Site Label", " - Site Label"},
    {"Chan Label", " - Channel Labels"},
    {"Units Label", " - Units Labels"},
    {"Status Msg", " - Status Messages"},
}};

QString dateText(const QDateTime& when) {
    return when.isValid() ? QLocale().toString(when, QLocale::ShortFormat) : QString();
}

} // namespace

QString siteEntryName(std::uint8_t destSL, std::size_t entry) {
    const auto site = static_cast<std::uint8_t>((destSL + entry) % kSiteEntryCount);
    return QStringLiteral("Site ") + IndexToSiteLetter(site);
}

QString localOptionCaption(std::uint8_t destSL, std::size_t option) {
    if (option >= kFirstOvinOption && option < kFirstBraeOption)
        return siteEntryName(destSL, option - kFirstOvinOption + 1) + QStringLiteral(" Ovin");
    if (option >= kFirstBraeOption && option <= kLastBraeOption)
        return siteEntryName(destSL, option - kFirstBraeOption + 1) + QStringLiteral(" Brae");
    return kLocalOptionCaptions.at(option);
}

QString ovinItemCaption(OvinGrid grid) {
    return QLatin1String(kOvinGridTexts.at(static_cast<std::size_t>(grid)).item);
}

QString ovinGridCaption(const QString& groupCaption, OvinGrid grid) {
    return groupCaption +
           QLatin1String(kOvinGridTexts.at(static_cast<std::size_t>(grid)).captionSuffix);
}

QString siteLetterPaneText(std::uint8_t destSL) {
    return siteEntryName(destSL, 0);
}

QString firmwarePaneText(std::uint8_t firmware) {
    return firmware >= kLayout56Firmware ? QStringLiteral("Firmware Ver: 5.6")
                                         : QStringLiteral("Firmware Ver: 5.4 / 5.5");
}

QString lastModifiedPaneText(const QDateTime& lastModified) {
    return QStringLiteral("Last Modified: ") + dateText(lastModified);
}

QString lastSynchronizedPaneText(const QDateTime& lastSynchronized) {
    return QStringLiteral("Last Synchronized: ") + dateText(lastSynchronized);
}

QString mainWindowTitle(const QString& currentFile) {
    if (currentFile.isEmpty())
        return kApplicationTitle + QStringLiteral("[*]");
    return QFileInfo(currentFile).fileName() + QStringLiteral("[*] - ") + kApplicationTitle;
}

} // namespace tarnwick
