#pragma once

#include "automation/dbus_automation.h"
#include "cli_console.h"
#include "cli_error_reporter.h"
#include "cli_progress_view.h"
#include "cli_prompter.h"
#include "interrupt_notifier.h"
#include "serial/qt_serial_control.h"
#include "transfer/program_transfer_host.h"
#include "transfer/qt_scheduler.h"
#include "transfer/transfer_engine.h"

#include <functional>
#include <memory>

namespace tarnwick::registry {
class RegistryStore;
}

namespace tarnwick::cli {

// How a transfer run from the command line ended.
struct SessionResult {
    TransferOutcome outcome;
    int interruptedBy = 0; // the signal (SIGINT, SIGTERM) that stopped it, 0 when none
};

// The program's registry store: the user's hive over the default hive shipped with it.
std::unique_ptr<registry::RegistryStore> openProgramRegistry();

// One transfer with a unit, run from the command line: the engine between the serial device
// (modem names looked up in `registry`) and stderr, with the program's port check. SIGINT and
// SIGTERM are the Cancel button, confirmed without asking. The command line leaves the
// program's recent connection alone and has no window to hand over to. Needs a
// QCoreApplication; `registry` must outlive the session.
class TransferSession {
public:
    // `image` is what an upload writes, `protectedLocationsPath` the file of the locations it
    // keeps at the unit's values.
    TransferSession(const registry::RegistryStore& registry, const CurrentConnection& connection,
                    const ConfigImage& image = {}, const QString& protectedLocationsPath = {});
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    CliConsole& console() { return m_console; }
    CliPrompter& prompter() { return m_prompter; }
    const TransferEngine& engine() const { return m_engine; }
    // The unit's memory as read, read-backs included.
    const BlockBuffer& blocks() const { return m_blocks; }

    // Starts the transfer with `start` and runs the event loop until it has ended.
    SessionResult run(const std::function<void(TransferEngine&)>& start);

private:
    InterruptNotifier m_interrupts;
    CliConsole m_console;
    CliPrompter m_prompter;
    CliErrorReporter m_errors;
    DBusAutomationFactory m_automation;
    bool m_mainWindowActive = false;
    ProgramTransferHost m_host;
    QtSerialControl m_serial;
    QtScheduler m_scheduler;
    CliProgressView m_view;
    const CurrentConnection m_connection;
    const ConfigImage m_image;
    const QString m_protectedLocationsPath;
    BlockBuffer m_blocks{};
    TransferEngine m_engine;
};

} // namespace tarnwick::cli
