#include "program_rig.h"

#include "config/settings_file.h"
#include "connections/ui/frm_conn_settings.h"
#include "connections/ui/frm_conn_wiz.h"
#include "registry/registry_types.h"
#include "serial/serial_devices.h"
#include "shell/app_error.h"
#include "shell/app_settings.h"
#include "shell/default_hive_dir.h"
#include "shell/ui/frm_splash.h"
#include "sim/simulated_serial_control.h"
#include "transfer/ui/frm_progress.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tarnwick::test {

using namespace std::chrono_literals;

namespace {

void choose(QWidget* window, const char* list, const QString& text) {
    if (auto* box = child<QComboBox>(window, list))
        box->setCurrentIndex(box->findText(text));
}

void putValue(registry::RegistryStore& store, const QString& keyPath, const QString& name,
              registry::ValueType type, const QByteArray& data) {
    registry::KeyHandle key;
    ASSERT_EQ(store.createKey(registry::HKEY_LOCAL_MACHINE, keyPath, registry::KEY_ALL_ACCESS, key),
              registry::ERROR_SUCCESS);
    ASSERT_EQ(store.setValue(key, name, type, data), registry::ERROR_SUCCESS);
}

} // namespace

sim::UnitSetup sampleUnit() {
    sim::UnitSetup setup;
    setup.memory = readSettingsFile(kSampleFile)->image;
    setup.serialNumber = kUnitSerialNumber;
    setup.password = kUnitPassword;
    return setup;
}

std::unique_ptr<AutomationObject> NoKiter::create(const QString&) {
    throw AppError::standard(ErrorNumber::CannotCreateObject);
}

ProgramRig::ProgramRig(sim::UnitSetup unitSetup)
    : settingsDir(dir.filePath(QStringLiteral("Settings"))),
      connDir(dir.filePath(QStringLiteral("Connections")) + QLatin1Char('/')),
      // Beneath the test's own hive lies the build tree's default one, as for the program
      // run from the build tree.
      registry(dir.filePath(QStringLiteral("registry")),
               defaultHiveDir(QStringLiteral(TARNWICK_BINARY_DIR))),
      unit(clock, std::move(unitSetup)), services{registry,
                                                  prompter,
                                                  errors,
                                                  clock,
                                                  automation,
                                                  [this] {
                   return std::make_unique<sim::SimulatedSerialControl>(clock, unit); }} {
    setAppString(kSaveFileDirValue, settingsDir + QLatin1Char('/'));
    setAppString(kSaveConnDirValue, connDir);
    putValue(registry, kSerialPortsKey, QStringLiteral("Bench unit"), registry::REG_SZ,
             registry::singleByteStringData(kUnitPort));
}

ProgramRig::~ProgramRig() {
    program.reset();
}

void ProgramRig::setAppString(const QString& name, const QString& text) {
    putValue(registry, kAppSettingsKey, name, registry::REG_SZ,
             registry::singleByteStringData(text));
}

void ProgramRig::setAppNumber(const QString& name, quint32 value) {
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    putValue(registry, kAppSettingsKey, name, registry::REG_DWORD, data);
}

void ProgramRig::start(const QString& commandLine) {
    program = std::make_unique<TarnwickApplication>(mod, services, commandLine);
    program->start();
    frmSplash* splash = program->splashWindow();
    ASSERT_NE(splash, nullptr);
    const QPointer<QWidget> watched(child<QWidget>(splash, "lblLoading"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watched.isNull() || watched->isHidden(); }, 5000))
        << "the start-up loading never ran";
}

QStringList ProgramRig::visibleWindows() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName();
    }
    names.sort();
    return names;
}

bool ProgramRig::runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    constexpr auto kStep = 50ms;
    for (auto passed = 0ms; passed <= limit; passed += kStep) {
        QCoreApplication::processEvents();
        if (done())
            return true;
        clock.advance(kStep);
    }
    return done();
}

bool ProgramRig::runUntilTransferEnded() {
    return runUntil([] { return visible<frmProgress>() == nullptr; }, 400s);
}

frmConnWiz* ProgramRig::openWizardFromTheSplash() {
    click(visible<frmSplash>(), "cmdDownLoad");
    frmConnSettings* settings = visible<frmConnSettings>();
    if (settings == nullptr)
        return nullptr;
    child<QRadioButton>(settings, "optConn", 2)->click();
    click(settings, "cmdOK");
    return visible<frmConnWiz>();
}

void ProgramRig::connectWithTheWizard(frmConnWiz* wizard) {
    click(wizard, "cmdNext");
    QTest::keyClicks(child<QLineEdit>(wizard, "txtSN"), kUnitSerialNumber);
    choose(wizard, "cboSL", QStringLiteral("A"));
    QTest::keyClicks(child<QLineEdit>(wizard, "txtPW"), kUnitPassword);
    click(wizard, "cmdNext");
    choose(wizard, "cboComPort", kUnitPort);
    click(wizard, "cmdNext");
    click(wizard, "cmdFinish");
}

void ProgramRig::deliverDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList ProgramRig::promptTexts() const {
    QStringList texts;
    for (const PromptCall& call : prompter.calls)
        texts << call.text;
    return texts;
}

QStringList ProgramRig::reportedMessages() const {
    QStringList messages;
    for (const ErrorReport& report : errors.reports)
        messages << report.friendlyMessage;
    return messages;
}

void click(const QWidget* window, const char* button) {
    if (auto* target = child<QPushButton>(window, button))
        QTest::mouseClick(target, Qt::LeftButton);
}

} // namespace tarnwick::test
