#pragma once

#include <QString>
#include <cstdint>

namespace tarnwick {

namespace registry {
class RegistryStore;
}

// The application's key under HKEY_LOCAL_MACHINE and the names of its values.
inline const QString kAppSettingsKey =
    QStringLiteral("SOFTWARE\\Corvane Technology\\Tarnwick\\2.0");
inline const QString kSaveFileDirValue = QStringLiteral("SaveFileDir");
inline const QString kSaveConnDirValue = QStringLiteral("SaveConnDir");
inline const QString kLastConnSNValue = QStringLiteral("LastConnSN");
inline const QString kLastConnSLValue = QStringLiteral("LastConnSL");
inline const QString kLastConnPortValue = QStringLiteral("LastConnPort");
inline const QString kLastConnAddrValue = QStringLiteral("LastConnAddr");
inline const QString kVocabDatValue = QStringLiteral("VocabDat");
inline const QString kHelpFileValue = QStringLiteral("HelpFile");
inline const QString kProtectedValue = QStringLiteral("Protected");

// The most recent connection: what the settings dialog offers first. Never the password.
struct RecentConnection {
    QString SN;
    std::uint8_t SL = 0; // site letter index
    QString Port;
    QString Addr;

    bool operator==(const RecentConnection&) const = default;
};

// The program-wide settings, read once at start-up.
struct AppSettings {
    QString SaveFileDir; // starting folder of the settings-file dialogs
    QString SaveConnDir; // folder of connection files, a prefix ending in a separator
    tarnwick::RecentConnection RecentConnection;
    QString VocabDat;  // vocabulary file
    QString HelpFile;  // help collection
    QString Protected; // protected-locations file

    bool operator==(const AppSettings&) const = default;
};

// Reads the nine values of the application's key; a missing value reads as empty text, or 0
// for the site letter. A stored site letter above 255 (or below 0) fails with AppError 6
// (overflow), one that is no number with 13 (type mismatch). The two folders are created
// when missing, so their dialogs can start there.
AppSettings LoadAppSettings(registry::RegistryStore& store);

} // namespace tarnwick
