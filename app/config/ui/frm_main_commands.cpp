// The command bar's commands: settings files, transfers, help and the About box.

#include "config/config_changes.h"
#include "config/config_diff.h"
#include "config/settings_file.h"
#include "config/site_config_codec.h"
#include "config/ui/frm_compare.h"
#include "config/ui/local_options_tab.h"
#include "frm_main.h"
#include "shell/application_title.h"
#include "shell/file_dialog_text.h"
#include "shell/prompter.h"
#include "shell/trap_errors.h"
#include "shell/ui/frm_about.h"
#include "shell/ui/help_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QWhatsThis>

namespace tarnwick {

namespace {

const QString kCommandError = QStringLiteral("An error occurred.");
const QString kOpenError =
    QStringLiteral("Unable to load the Stavik settings. The file may be corrupt.");
const QString kSettingsFilter = QStringLiteral("Tarnwick Files (*.stv)|*.stv");
const QString kSettingsSuffix = QStringLiteral("stv");

} // namespace

void frmMain::connectCommands() {
    const MainCommands& c = m_commands;
    // Open and Download replace the window's contents: unsaved edits are offered a save first.
    connect(c.miOpen, &QAction::triggered, this, [this] {
        runCommand([this] {
            if (saveOrDiscardChanges())
                OpenSettingsFile();
        });
    });
    connect(c.miSave, &QAction::triggered, this, [this] { SaveSettings(false); });
    connect(c.miSaveAs, &QAction::triggered, this, [this] { SaveSettings(true); });
    connect(c.miCompare, &QAction::triggered, this, [this] { CompareWithFile(); });
    connect(c.miExit, &QAction::triggered, this, [this] { runCommand([this] { close(); }); });
    connect(c.miDownload, &QAction::triggered, this, [this] {
        runCommand([this] {
            if (saveOrDiscardChanges())
                m_services.showConnectionSettings(false);
        });
    });
    connect(c.miUpload, &QAction::triggered, this, [this] { runCommand([this] { upload(); }); });
    const auto help = [this](void (*routine)(QWidget*, const QString&)) {
        return [this, routine] {
            runCommand([this, routine] { routine(this, m_program.settings.HelpFile); });
        };
    };
    connect(c.miContents, &QAction::triggered, this, help(&HelpContents));
    connect(c.miIndex, &QAction::triggered, this, help(&HelpIndex));
    connect(c.miSearch, &QAction::triggered, this, help(&HelpSearch));
    connect(c.miWhatsThis, &QAction::triggered, this,
            [this] { runCommand([] { QWhatsThis::enterWhatsThisMode(); }); });
    connect(c.miAbout, &QAction::triggered, this, [this] { runCommand([this] { showAbout(); }); });
}

void frmMain::runCommand(const std::function<void()>& command) {
    trapErrors(m_services.errors, kCommandError, command);
}

// A failed check leaves the image as it was; the warnings only inform, since storing clamps.
void frmMain::upload() {
    if (!ValidatePasswords() || !ValidateLabels())
        return;
    WarnLimits();
    storeIntoImage();
    refreshTitle();
    m_services.showConnectionSettings(true);
}

void frmMain::showAbout() {
    auto* about = new frmAbout(
        SupportContacts{},
        AboutBoxServices{m_services.registry, m_services.prompter, m_services.errors}, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

// `given`, else the settings file the user picks in the Open dialog (none when cancelled).
std::optional<QString> frmMain::settingsFileToRead(const QString& given) {
    if (!given.isEmpty())
        return given;
    FileDialogOptions options;
    options.filter = kSettingsFilter;
    options.initialFolder = m_program.settings.SaveFileDir;
    return m_services.prompter.openFile(options);
}

// The Open command has offered to save edits before it calls this; the start-up window's
// open has none to lose.
bool frmMain::OpenSettingsFile(const QString& path) {
    bool loaded = false;
    trapErrors(m_services.errors, kOpenError, [&] {
        const auto chosen = settingsFileToRead(path);
        if (!chosen)
            return;
        const QString file = *chosen;
        const auto record = readSettingsFile(file);
        if (!record)
            return;
        // Decoded first: a file the window cannot show changes nothing.
        const SiteConfig config = decodeSiteConfig(record->image, record->destSL);
        m_program.image = record->image;
        m_program.lastModified = QFileInfo(file).lastModified();
        m_program.lastSynchronized = record->savedAtDateTime().value_or(QDateTime());
        CurrentConnection& connection = m_program.connection;
        connection.DestSL = record->destSL;
        connection.Addr = record->addr;
        connection.SN = record->sn;
        connection.Port = record->port;
        connection.SL = record->sl;
        m_program.currentFile = file;
        m_unsavedInImage = false; // what the image held is replaced
        showConfig(config);
        loaded = true;
    });
    return loaded;
}

// Save As writes the chosen file but leaves the current file as it was, so the title keeps
// naming the file that Save writes to.
bool frmMain::SaveSettings(bool askForName) {
    bool saved = false;
    trapErrors(m_services.errors, kCommandError, [&] {
        storeIntoImage();
        QString path = m_program.currentFile;
        if (askForName || path.isEmpty()) {
            FileDialogOptions options{kSettingsFilter, m_program.settings.SaveFileDir,
                                      m_localOptions->siteLabel(), true, kSettingsSuffix};
            const auto chosen = m_services.prompter.saveFile(options);
            if (!chosen)
                return;
            // A name without an extension would be hidden by the Open dialog's filter.
            path = withDefaultSuffix(*chosen, kSettingsSuffix);
        }
        writeSettingsFile(path, settingsRecordFor(m_program.connection, m_program.image,
                                                  QDateTime::currentDateTime()));
        m_changed = false;
        m_unsavedInImage = false;
        saved = true;
    });
    refreshTitle();
    return saved;
}

const SiteConfig& frmMain::windowConfig() {
    commitOpenEdits();
    gatherWidgets();
    return m_config;
}

void frmMain::CompareWithFile(const QString& path) {
    runCommand([&] {
        const auto chosen = settingsFileToRead(path);
        if (!chosen)
            return;
        const QString file = *chosen;
        const auto record = readSettingsFile(file);
        if (!record) {
            m_services.prompter.information(
                QStringLiteral("%1 is not a Tarnwick settings file, or it is damaged.")
                    .arg(QFileInfo(file).fileName()),
                kApplicationTitle);
            return;
        }
        const SiteConfig fileConfig = decodeSiteConfig(record->image, record->destSL);
        auto* compare = new frmCompare(file, this);
        compare->setAttribute(Qt::WA_DeleteOnClose);
        const auto refresh = [this, compare, fileConfig] {
            compare->showDifferences(diffConfigs(windowConfig(), fileConfig,
                                                 m_program.connection.DestSL,
                                                 m_program.vocabulary));
        };
        connect(compare, &frmCompare::takeRequested, compare,
                [this, fileConfig, refresh](const QStringList& paths) {
                    runCommand([&] {
                        takeFromFile(fileConfig, paths);
                        refresh();
                    });
                });
        refresh();
        compare->show();
    });
}

void frmMain::takeFromFile(const SiteConfig& file, const QStringList& paths) {
    const TakenFields taken = takeFields(windowConfig(), file, paths, m_program.connection.DestSL,
                                         m_program.vocabulary);
    // Unsaved until the user saves or uploads, whatever the image holds.
    m_changed = true;
    showConfig(taken.config);
    if (!taken.problems.empty()) {
        QStringList lines;
        for (const FieldProblem& problem : taken.problems)
            lines << problem.line();
        m_services.prompter.information(
            QStringLiteral("These values were not taken:\n") + lines.join(QLatin1Char('\n')),
            kApplicationTitle);
    }
}

} // namespace tarnwick
