#include "upload_options.h"

#include "cli_support.h"
#include "connection_options.h"
#include "shell/app_error.h"
#include "shell/app_settings.h"
#include "shell/c_registry.h"
#include "shell/latin1.h"
#include "transfer/protected_locations.h"

#include <QCommandLineParser>

namespace tarnwick::cli {

namespace {

const QString kRestoreCalibration = QStringLiteral("restore-calibration");
const QString kChangePasswords = QStringLiteral("change-passwords");
const QString kOldMaster = QStringLiteral("old-master");
const QString kNewMaster = QStringLiteral("new-master");
const QString kNewUser = QStringLiteral("new-user");
const QString kYes = QStringLiteral("yes");
const QString kNo = QStringLiteral("no");
const QString kProtected = QStringLiteral("protected");

constexpr qsizetype kPasswordLength = 4;

CurrentConnection connectionOf(const SettingsRecord& record) {
    CurrentConnection connection;
    connection.SN = record.sn;
    connection.Port = record.port;
    connection.Addr = record.addr;
    connection.SL = record.sl;
    connection.DestSL = record.destSL;
    return connection;
}

// A new password as the unit will hold it: 4 characters of one byte each. The length
// messages are the main window's own.
QString newPassword(const QCommandLineParser& parser, const QString& option,
                    const QString& lengthMessage) {
    const QString password = requiredOption(parser, option);
    if (password.size() != kPasswordLength) {
        throw CliFailure(lengthMessage, kUsageError);
    }
    // Anything else would be stored as "?", a password nobody typed.
    if (fromSingleByte(toSingleByte(password)) != password) {
        throw CliFailure(QStringLiteral("--%1: only ISO-8859-1 characters can be stored in the "
                                        "unit")
                             .arg(option),
                         kUsageError);
    }
    return password;
}

void readPasswordOptions(const QCommandLineParser& parser, UploadOptions& options) {
    options.changePasswords = parser.isSet(kChangePasswords);
    if (!options.changePasswords) {
        for (const QString& option : {kOldMaster, kNewMaster, kNewUser}) {
            if (parser.isSet(option)) {
                throw CliFailure(QStringLiteral("--%1 goes with --change-passwords").arg(option),
                                 kUsageError);
            }
        }
        return;
    }
    options.oldMasterPassword = requiredOption(parser, kOldMaster);
    options.newMasterPassword = newPassword(
        parser, kNewMaster, QStringLiteral("The new Master Password must be 4 digits long."));
    options.newUserPassword = newPassword(
        parser, kNewUser, QStringLiteral("The new User Password must be 4 digits long."));
}

QString registeredProtectedLocationsPath(registry::RegistryStore& store) {
    cRegistry registry(store);
    registry.setClassKey(registry::HKEY_LOCAL_MACHINE);
    registry.setSectionKey(kAppSettingsKey);
    registry.setValueKey(kProtectedValue);
    return registryValueText(registry.Value());
}

// Refused here already, before the session is set up, with a hint at --protected for the
// empty setting.
QString protectedLocationsPath(const QCommandLineParser& parser,
                               registry::RegistryStore& registry) {
    const QString path = parser.isSet(kProtected) ? parser.value(kProtected)
                                                  : registeredProtectedLocationsPath(registry);
    if (path.isEmpty()) {
        throw CliFailure(QStringLiteral("no protected-locations file: the registry store has no "
                                        "Protected value; give one with --protected FILE"),
                         kUsageError);
    }
    if (const auto problem = protectedLocationsFileProblem(path)) {
        throw CliFailure(*problem, kUsageError);
    }
    return path;
}

} // namespace

UploadOptions readUploadOptions(const QStringList& arguments, registry::RegistryStore& registry) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addConnectionOptions(parser, QStringLiteral("Site letter to upload to (default: the file's)."));
    parser.addOptions({
        {kRestoreCalibration,
         QStringLiteral("Write the protected locations of blocks 6 to 23 from the file.")},
        {kChangePasswords, QStringLiteral("Set new master and user passwords.")},
        {kOldMaster, QStringLiteral("The unit's current master password."), QStringLiteral("X")},
        {kNewMaster, QStringLiteral("New master password, 4 characters."), QStringLiteral("Y")},
        {kNewUser, QStringLiteral("New user password, 4 characters."), QStringLiteral("Z")},
        {kYes, QStringLiteral("Go on without the new passwords if the old one is wrong.")},
        {kNo, QStringLiteral("Stop if the old master password is wrong.")},
        {kProtected, QStringLiteral("Protected-locations file (default: the registry's)."),
         QStringLiteral("FILE")},
        {QStringLiteral("dry-run"),
         QStringLiteral("Sign on and read the unit, list what would change, write nothing.")},
        {QStringLiteral("vocabulary"), QStringLiteral("Vocabulary file for the words listed."),
         QStringLiteral("FILE")},
    });
    if (!parser.parse(QStringList{QStringLiteral("upload")} + arguments)) {
        throw CliFailure(parser.errorText(), kUsageError);
    }
    if (parser.positionalArguments().size() != 1) {
        throw CliFailure(QStringLiteral("upload takes one settings file"), kUsageError);
    }
    if (parser.isSet(kYes) && parser.isSet(kNo)) {
        throw CliFailure(QStringLiteral("--yes and --no exclude each other"), kUsageError);
    }

    UploadOptions options;
    const SettingsRecord record = readSettingsRecord(parser.positionalArguments().first());
    options.image = record.image;
    options.connection = connectionFromOptions(parser, connectionOf(record));
    readPasswordOptions(parser, options);
    if (parser.isSet(kYes) || parser.isSet(kNo)) {
        options.continueWithoutPasswords = parser.isSet(kYes);
    }
    options.restoreCalibration = parser.isSet(kRestoreCalibration);
    options.protectedLocationsPath = protectedLocationsPath(parser, registry);
    options.dryRun = parser.isSet(QStringLiteral("dry-run"));
    options.vocabularyPath = vocabularyPath(parser.value(QStringLiteral("vocabulary")));
    return options;
}

} // namespace tarnwick::cli
