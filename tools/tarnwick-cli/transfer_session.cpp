#include "transfer_session.h"

#include "connections/port_check.h"
#include "registry/registry_store.h"
#include "serial/serial_devices.h"
#include "shell/default_hive_dir.h"

#include <QCoreApplication>
#include <QTimer>
#include <optional>

namespace tarnwick::cli {

std::unique_ptr<registry::RegistryStore> openProgramRegistry() {
    return std::make_unique<registry::RegistryStore>(
        registry::userHiveDirFromEnvironment(),
        defaultHiveDir(QCoreApplication::applicationDirPath()));
}

TransferSession::TransferSession(const registry::RegistryStore& registry,
                                 const CurrentConnection& connection, const ConfigImage& image,
                                 const QString& protectedLocationsPath)
    : m_prompter(m_console, m_interrupts.pendingFd()), m_errors(m_console),
      m_host({.saveRecentConnection = {},
              .checkPortInUse =
                  [this](const QString& Port) {
                      return CheckPortInUse(Port, m_automation, m_prompter, m_errors);
                  },
              .mainWindow = {},
              .showStartWindow = {},
              .protectedLocationsPath = [this] { return m_protectedLocationsPath; }},
             m_errors, m_mainWindowActive),
      m_serial(registryDeviceResolver(registry)), m_view(m_console), m_connection(connection),
      m_image(image), m_protectedLocationsPath(protectedLocationsPath),
      m_engine(
          {m_scheduler, m_serial, m_view, m_prompter, m_host, m_connection, m_blocks, m_image}) {}

SessionResult TransferSession::run(const std::function<void(TransferEngine&)>& start) {
    std::optional<TransferOutcome> outcome;
    m_engine.setFinishedHandler([&outcome](const TransferOutcome& result) {
        outcome = result;
        QCoreApplication::exit(0);
    });
    int interruptedBy = 0;
    m_interrupts.setHandler([&](int signal) {
        interruptedBy = signal;
        m_prompter.confirmingCancel([this] { m_engine.requestCancel(); });
    });

    // A window would wait for the user to cancel a transfer whose step failed; here nobody
    // is left to do so, so the reported failure ends it.
    bool stalled = false;
    m_errors.setReportedHandler([&] {
        QTimer::singleShot(0, [&] {
            if (m_engine.stalled() && !stalled) {
                stalled = true;
                m_prompter.confirmingCancel([this] { m_engine.requestCancel(); });
            }
        });
    });

    start(m_engine);
    QCoreApplication::exec();
    m_errors.setReportedHandler({});
    if (stalled && outcome) {
        outcome->kind = TransferOutcome::Kind::Failed;
    }
    // A signal caught while a question was open ended the question only; take it now.
    QCoreApplication::processEvents();
    m_interrupts.setHandler({});
    m_console.endStatus();
    return {outcome.value_or(TransferOutcome{TransferOutcome::Kind::Failed, {}}), interruptedBy};
}

} // namespace tarnwick::cli
