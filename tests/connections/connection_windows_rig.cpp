#include "connection_windows_rig.h"

#include "connections/connection_file.h"
#include "registry/registry_types.h"
#include "serial/serial_devices.h"
#include "shell/app_error.h"
#include "sim/simulated_serial_control.h"
#include "sim/unit_memory.h"
#include "transfer/ui/frm_progress.h"

#include <QApplication>
#include <QDir>

namespace tarnwick::test {

namespace {

class KiterWithUnit final : public AutomationObject {
public:
    explicit KiterWithUnit(QString unit) : m_unit(std::move(unit)) {}
    QVariant call(const QString& method, const QVariantList&) override {
        return method == QStringLiteral("FindDevice") ? QVariant(m_unit) : QVariant();
    }

private:
    QString m_unit;
};

void setRegistryString(registry::RegistryStore& store, const QString& keyPath, const QString& name,
                       const QString& text) {
    registry::KeyHandle key;
    ASSERT_EQ(store.createKey(registry::HKEY_LOCAL_MACHINE, keyPath, registry::KEY_ALL_ACCESS, key),
              registry::ERROR_SUCCESS);
    ASSERT_EQ(store.setValue(key, name, registry::REG_SZ, registry::singleByteStringData(text)),
              registry::ERROR_SUCCESS);
}

} // namespace

std::unique_ptr<AutomationObject> FakeKiter::create(const QString&) {
    if (!unitOnPort) {
        throw AppError::standard(ErrorNumber::CannotCreateObject);
    }
    return std::make_unique<KiterWithUnit>(*unitOnPort);
}

ConfigImage variedMemory() {
    ConfigImage memory{};
    for (std::size_t i = 0; i < memory.size(); ++i) {
        memory[i] = static_cast<std::uint8_t>((i * 29 + 7) & 0xFF);
    }
    memory[sim::kFirmwareByte] = 56;
    return memory;
}

ConnectionRig::ConnectionRig(sim::UnitSetup unitSetup)
    : connDir(dir.path() + QStringLiteral("/Connections/")),
      registry(dir.path() + QStringLiteral("/registry")), unit(clock, std::move(unitSetup)),
      services{registry, prompter, errors, clock, automation, [this] {
                   ++serialControlsMade;
                   return std::make_unique<sim::SimulatedSerialControl>(clock, unit);
               }} {
    QDir().mkpath(connDir);
    mod.settings.SaveConnDir = connDir;
}

ConnectionRig::~ConnectionRig() {
    // Every window this rig opened reaches into it; none may outlive it. Deleting one may
    // take other top-level widgets with it (its list pop-ups), so each is looked at only while
    // it still exists.
    QList<QPointer<QWidget>> topLevel;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        topLevel << widget;
    }
    for (const QPointer<QWidget>& widget : topLevel) {
        if (qobject_cast<frmConnSettings*>(widget) || qobject_cast<frmConnWiz*>(widget) ||
            qobject_cast<frmProgress*>(widget)) {
            delete widget.data();
        }
    }
}

void ConnectionRig::addSerialPort(const QString& path) {
    setRegistryString(registry, kSerialPortsKey, path, path);
}

void ConnectionRig::addModem(const QString& name, const QString& path) {
    setRegistryString(registry, kModemsKey, name, path);
}

void ConnectionRig::saveConnection(const QString& name, const ConnectionProfile& profile) const {
    WriteConnectionFile(connDir + name + QStringLiteral(".tlc"), profile);
}

frmConnSettings* ConnectionRig::openSettings(bool upload) {
    auto* window = new frmConnSettings(context);
    upload ? window->SetUpload() : window->SetDownload();
    return window;
}

frmConnWiz* ConnectionRig::openWizard(bool upload) {
    auto* window = new frmConnWiz(context);
    window->show();
    window->SetMode(upload);
    return window;
}

void ConnectionRig::deliverDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList ConnectionRig::promptTexts() const {
    QStringList texts;
    for (const PromptCall& call : prompter.calls) {
        texts << call.text;
    }
    return texts;
}

QStringList ConnectionRig::reportedMessages() const {
    QStringList messages;
    for (const ErrorReport& report : errors.reports) {
        messages << report.friendlyMessage;
    }
    return messages;
}

} // namespace tarnwick::test
