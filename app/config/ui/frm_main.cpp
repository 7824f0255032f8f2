#include "frm_main.h"

#include "config/channel_table_model.h"
#include "config/editing_rules.h"
#include "config/main_window_text.h"
#include "config/site_config_codec.h"
#include "config/ui/channel_delegate.h"
#include "config/ui/communication_tabs.h"
#include "config/ui/grid_view.h"
#include "config/ui/local_options_tab.h"
#include "config/ui/main_status_bar.h"
#include "config/ui/ovin_labels_tab.h"
#include "config/ui/ovin_settings_tab.h"
#include "config/ui/window_geometry.h"
#include "config/vocabulary.h"
#include "help/popup_topics.h"
#include "shell/application_title.h"
#include "shell/prompter.h"
#include "shell/trap_errors.h"
#include "shell/ui/help_commands.h"
#include "shell/ui/whats_this.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

constexpr int kCommunication54Tab = 1;
constexpr int kCommunication56Tab = 2;
constexpr int kChannelColumnMinimum = 72;
const QString kLoadError = QStringLiteral("Unable to load ") + kApplicationTitle + QLatin1Char('.');
const QString kClosingError =
    QStringLiteral("An error occurred while closing ") + kApplicationTitle + QLatin1Char('.');
const QString kDownloadLoadError = QStringLiteral("Unable to show the downloaded Stavik settings.");

// The window's own caption for its message boxes.
void tell(Prompter& prompter, const QString& text) {
    prompter.information(text, kApplicationTitle);
}

} // namespace

frmMain::frmMain(ModTarnwick& program, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), m_program(program), m_services(std::move(services)) {
    setObjectName(QStringLiteral("frmMain"));
    m_commands = buildCommandBar(*this);
    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);
    buildTabs();
    connectCommands();
    applyLayout(false);
    applyLocalOvin(false);
    applyWhatsThis(*this, "frmMain",
                   help::loadPopupTopics(popupHelpSource(m_program.settings.HelpFile)));
    resize(1140, 660);
    restoreWindowGeometry(*this, m_services.registry);
    refreshTitle();

    trapErrors(m_services.errors, kLoadError, [this] {
        m_program.vocabulary = Vocabulary(readVocabularyFile(m_program.settings.VocabDat));
    });
}

frmMain::~frmMain() = default;

void frmMain::buildTabs() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabMain"));
    setCentralWidget(m_tabs);

    ErrorReporter& errors = m_services.errors;
    m_localOptions = new LocalOptionsTab(errors, m_tabs);
    m_communication54 = new Communication54Tab(errors, m_tabs);
    m_communication56 = new Communication56Tab(m_tabs);
    m_ovinSettings = new OvinSettingsTab(m_program.vocabulary, m_config.signOnMessage, m_tabs);
    m_ovinLabels = new OvinLabelsTab(m_program.vocabulary, m_config.ovin, errors, m_tabs);

    m_tabs->addTab(m_localOptions, QStringLiteral("Local Options"));
    m_tabs->addTab(m_communication54, QStringLiteral("Communication"));
    m_tabs->addTab(m_communication56, QStringLiteral("Communication"));
    m_tabs->addTab(makeChannelGrid(), QStringLiteral("Channel Settings"));
    m_tabs->addTab(m_ovinSettings, QStringLiteral("Ovin Settings"));
    m_tabs->addTab(m_ovinLabels, QStringLiteral("Ovin Labels"));

    connect(m_localOptions, &LocalOptionsTab::localOvinToggled, this, &frmMain::applyLocalOvin);
    connect(m_localOptions, &LocalOptionsTab::edited, this, &frmMain::refreshTitle);
    connect(m_communication54, &Communication54Tab::edited, this, &frmMain::refreshTitle);
    connect(m_communication56, &Communication56Tab::edited, this, &frmMain::refreshTitle);
    connect(m_channelModel, &ChannelTableModel::dataChanged, this, &frmMain::refreshTitle);
    connect(m_ovinSettings, &OvinSettingsTab::edited, this, &frmMain::refreshTitle);
    connect(m_ovinLabels, &OvinLabelsTab::edited, this, &frmMain::refreshTitle);
}

QWidget* frmMain::makeChannelGrid() {
    auto* page = new QWidget(m_tabs);
    m_channelGrid = new QTableView(page);
    configureGrid(*m_channelGrid, "grdChanSettings");
    m_channelModel = new ChannelTableModel(m_config.channels, m_channelGrid);
    m_channelGrid->setModel(m_channelModel);
    m_channelGrid->setItemDelegate(new ChannelDelegate(m_services.errors, m_channelGrid));
    fitGridColumns(*m_channelGrid, kChannelColumnMinimum);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_channelGrid);
    return page;
}

void frmMain::setInUse(bool inUse) {
    setEnabled(inUse);
}

void frmMain::showMainWindow() {
    show();
    raise();
    activateWindow();
}

// The download replaces the window's contents without asking here: the Download command
// offered to save edits before it began, and by the time the blocks arrive a "no" could only
// throw the unit's settings away.
void frmMain::LoadArray() {
    trapErrors(m_services.errors, kDownloadLoadError, [this] {
        const ConfigImage image = imageFromBlocks(m_program.blockBuffer);
        // Decoded before anything changes, so that a refusal leaves image and window matching.
        const SiteConfig config = decodeSiteConfig(image, m_program.connection.DestSL);
        m_program.image = image;
        const QDateTime now = QDateTime::currentDateTime();
        m_program.lastModified = now;
        m_program.lastSynchronized = now;
        m_program.currentFile.clear();
        m_changed = true;
        m_unsavedInImage = false;
        showConfig(config);
    });
}

void frmMain::stampSynchronized(const QDateTime& syncTime) {
    m_program.lastSynchronized = syncTime;
    m_statusBar->setLastSynchronized(lastSynchronizedPaneText(syncTime));
    m_syncDateChanged = true;
}

PasswordChange frmMain::passwordChange() const {
    return m_localOptions->passwordChange();
}

void frmMain::LoadValues() {
    showConfig(decodeSiteConfig(m_program.image, m_program.connection.DestSL));
}

void frmMain::showConfig(const SiteConfig& config) {
    m_loading = true;
    m_config = config; // in place: the grids' tables are parts of it
    applyLayout(config.usesLayout56());
    m_localOptions->load(m_config);
    if (config.usesLayout56())
        m_communication56->load(m_config);
    else
        m_communication54->load(m_config);
    m_channelModel->refresh();
    fitGridColumns(*m_channelGrid, kChannelColumnMinimum);
    m_ovinSettings->load(m_config);
    m_ovinLabels->refresh();
    nameSites();
    showStatusPanes();
    m_loading = false;
    refreshTitle();
}

void frmMain::gatherWidgets() {
    m_localOptions->store(m_config);
    if (m_config.usesLayout56())
        m_communication56->store(m_config);
    else
        m_communication54->store(m_config);
    m_ovinSettings->store(m_config);
}

void frmMain::commitOpenEdits() {
    commitOpenEdit(*m_channelGrid);
    commitOpenEdit(m_ovinSettings->signOnGrid());
    for (QTableView* grid : m_ovinLabels->grids())
        commitOpenEdit(*grid);
}

void frmMain::StoreValues(ConfigImage& image) {
    commitOpenEdits();
    gatherWidgets();
    encodeSiteConfig(m_config, m_program.connection.DestSL, image);
}

void frmMain::storeIntoImage() {
    const ConfigImage before = m_program.image;
    StoreValues(m_program.image);
    if (m_program.image != before)
        m_unsavedInImage = true;
}

// Edits already stored into the image count until a file holds them: comparing the window
// with the image alone would lose them after a cancelled save or upload.
bool frmMain::HasChanges() {
    if (m_changed || m_unsavedInImage)
        return true;
    ConfigImage scratch = m_program.image;
    StoreValues(scratch);
    return scratch != m_program.image;
}

bool frmMain::ValidatePasswords() {
    if (const auto problem = passwordProblem(m_localOptions->passwordEntry())) {
        tell(m_services.prompter, *problem);
        return false;
    }
    return true;
}

bool frmMain::ValidateLabels() {
    commitOpenEdit(*m_channelGrid);
    if (const auto problem = labelProblem(m_localOptions->siteLabel(), m_config.channels)) {
        tell(m_services.prompter, *problem);
        return false;
    }
    return true;
}

void frmMain::WarnLimits() {
    commitOpenEdit(*m_channelGrid);
    for (const QString& warning : limitWarnings(m_config.channels))
        tell(m_services.prompter, warning);
}

void frmMain::applyLayout(bool layout56) {
    m_localOptions->showTwoPorts(layout56);
    m_tabs->setTabVisible(kCommunication54Tab, !layout56);
    m_tabs->setTabVisible(kCommunication56Tab, layout56);
}

void frmMain::applyLocalOvin(bool on) {
    const OvinTabsState state = ovinTabsFor(on, m_tabs->currentIndex());
    if (state.selectTab)
        m_tabs->setCurrentIndex(*state.selectTab);
    m_tabs->setTabEnabled(kOvinSettingsTab, state.enabled);
    m_tabs->setTabEnabled(kOvinLabelsTab, state.enabled);
}

void frmMain::nameSites() {
    const std::uint8_t destSL = m_program.connection.DestSL;
    m_localOptions->nameSites(destSL);
    m_communication54->nameSites(destSL);
    m_communication56->nameSites(destSL);
    m_ovinLabels->nameSites(destSL);
}

void frmMain::showStatusPanes() {
    m_statusBar->setSiteLetter(siteLetterPaneText(m_program.connection.DestSL));
    m_statusBar->setFirmware(firmwarePaneText(m_config.firmware));
    m_statusBar->setLastModified(lastModifiedPaneText(m_program.lastModified));
    m_statusBar->setLastSynchronized(lastSynchronizedPaneText(m_program.lastSynchronized));
    m_statusBar->setStatus(QStringLiteral("Ready"));
}

// The title names the file Save writes to and marks edits not yet in it. An open cell
// edit counts once it is committed.
void frmMain::refreshTitle() {
    if (m_loading)
        return;
    setWindowTitle(mainWindowTitle(m_program.currentFile));
    bool modified = m_changed || m_unsavedInImage;
    if (!modified) {
        gatherWidgets();
        ConfigImage scratch = m_program.image;
        try {
            encodeSiteConfig(m_config, m_program.connection.DestSL, scratch);
            modified = scratch != m_program.image;
        } catch (const AppError&) {
            modified = true; // a value that cannot be stored is certainly not saved
        }
    }
    setWindowModified(modified);
}

bool frmMain::confirmClose() {
    return saveOrDiscardChanges();
}

bool frmMain::saveOrDiscardChanges() {
    if (!m_program.mainWindowActive || !HasChanges())
        return true;
    switch (m_services.prompter.askYesNoCancel(QStringLiteral("Do you want to save changes?"),
                                               kApplicationTitle)) {
    case Prompter::Answer::Yes:
        return SaveSettings(false);
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        break;
    }
    return false;
}

void frmMain::unloadOtherWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    bool closing = false;
    const bool asked =
        trapErrors(m_services.errors, kClosingError, [&] { closing = confirmClose(); });
    if (!asked || !closing) {
        event->ignore();
        return;
    }
    saveWindowGeometry(*this, m_services.registry);
    trapErrors(m_services.errors, kClosingError, [this] { unloadOtherWindows(); });
    event->accept();
}

} // namespace tarnwick
