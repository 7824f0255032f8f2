// Sign-on: opening the link, identify, the firmware check, and the upload's maintenance watch.
#include "serial/serial_control.h"
#include "transfer/transfer_host.h"
#include "transfer/transfer_view.h"
#include "transfer_engine.h"

namespace tarnwick {

using namespace std::chrono_literals;

namespace {

constexpr int kFirmwareAttempts = 5;
constexpr std::int16_t kMinimumFirmware = 54; // version 5.4
constexpr std::uint8_t kFirmwareBlock = 3;

} // namespace

void TransferEngine::OpenLink() {
    m_host.saveRecentConnection(m_connection.SN, m_connection.Port, m_connection.Addr,
                                m_connection.SL);
    if (halted()) {
        return;
    }
    const bool portFree = m_host.checkPortInUse(m_connection.Port);
    if (halted()) {
        return;
    }
    if (!portFree) {
        // The port check has talked to the user already.
        Fail(QString());
        return;
    }
    m_serial.setPortName(m_connection.Port);
    m_serial.setSettings(QStringLiteral("1200,n,8,1"));
    m_serial.setDialAddress(m_connection.Addr);
    m_phase = Phase::Opening;
    m_serial.setPortOpen(true);
}

void TransferEngine::linkOpened() {
    const QString state = m_serial.connectionState();
    if (state != QLatin1String("Connected")) {
        Fail(QStringLiteral("Unable to connect: ") + state);
        return;
    }
    m_state.Connected = true;
    m_view.setProgressText(QStringLiteral("Verifying password..."));
    Identify();
}

void TransferEngine::Identify() {
    m_assembler.setChassisAccepted(false);
    armTimeout(6000ms);
    // Addressed to the unit on the line itself, even when the transfer is for a child site.
    const modProtocol::Frame request =
        modProtocol::BuildIdentifyRequest({m_connection.SL, m_connection.SL}, m_random);
    m_phase = Phase::Identifying;
    for (int copy = 0; copy < 4; ++copy) {
        SendFrame(request);
    }
}

void TransferEngine::identifyWait() {
    if (m_assembler.chassisAccepted()) {
        if (m_connection.Password != m_state.ReceivedPassword) {
            identified(IdentifyResult::WrongPassword);
        } else if (m_connection.SN != m_state.ReceivedSerial) {
            identified(IdentifyResult::WrongSerial);
        } else {
            identified(IdentifyResult::SignedOn);
        }
    } else if (m_state.TimedOut) {
        identified(IdentifyResult::NoAnswer);
    }
}

void TransferEngine::identified(IdentifyResult result) {
    switch (result) {
    case IdentifyResult::WrongPassword:
        Fail(QStringLiteral("Unable to connect: Incorrect password."));
        return;
    case IdentifyResult::WrongSerial:
        Fail(QStringLiteral("Unable to connect: Incorrect serial number."));
        return;
    case IdentifyResult::NoAnswer:
        Fail(QStringLiteral("Unable to connect: The Stavik is not responding."));
        return;
    case IdentifyResult::SignedOn:
        break;
    }
    if (m_state.IsDownload) {
        verifyFirmware();
        return;
    }
    // An upload must not write into a unit under maintenance.
    m_view.setProgressText(QStringLiteral("Checking for Maintenance Mode..."));
    m_phase = Phase::WaitingForStatus;
    maintenanceWait();
}

void TransferEngine::maintenanceWait() {
    if (!m_state.StatusSeen) {
        return;
    }
    if (m_state.MaintenanceAtStart) {
        Fail(QStringLiteral("The Stavik is in Maintenance Mode. The upload will be canceled."));
        return;
    }
    verifyFirmware();
}

void TransferEngine::verifyFirmware() {
    m_view.setProgressText(QStringLiteral("Verifying Stavik firmware version..."));
    CheckFirmware();
}

void TransferEngine::CheckFirmware() {
    m_state.CapturingFirmware = true;
    m_firmwareAttempts = 0;
    m_phase = Phase::CheckingFirmware;
    firmwareAttempt();
}

void TransferEngine::firmwareAttempt() {
    ++m_firmwareAttempts;
    armTimeout(5000ms);
    RequestBlock(kFirmwareBlock);
}

void TransferEngine::firmwareWait() {
    if (m_state.FirmwareVersion != -1) {
        firmwareChecked();
    } else if (m_state.TimedOut) {
        if (m_firmwareAttempts < kFirmwareAttempts) {
            firmwareAttempt();
        } else {
            firmwareChecked();
        }
    }
}

void TransferEngine::firmwareChecked() {
    m_state.TimedOut = false;
    m_timeoutTimer.stop();
    m_state.CapturingFirmware = false;
    if (m_state.FirmwareVersion < kMinimumFirmware) {
        Fail(m_state.IsDownload
                 ? QStringLiteral("Stavik not responding.  Please check your connection, and "
                                  "verify the unit has firmware 5.4 or newer")
                 : QStringLiteral("Unable to connect: Incorrect Stavik firmware version.\r\n") +
                       kApplicationTitle + QStringLiteral(" requires version 5.4 or newer."));
        return;
    }
    startSweep();
}

void TransferEngine::OnChassisFrame(const modProtocol::ChassisId& chassis) {
    // The first valid chassis ID of the transfer wins, whatever site it names.
    m_state.ReceivedSerial = chassis.SerialNumber;
    m_state.ReceivedPassword = chassis.Password;
    m_assembler.setChassisAccepted(true);
    wake();
}

void TransferEngine::OnStatusFrame(const modProtocol::StatusReport& report) {
    if (report.Site != m_connection.DestSL) {
        return;
    }
    if (!m_state.StatusSeen) {
        m_state.StatusSeen = true;
        m_state.MaintenanceAtStart = report.Maintenance;
        wake();
        return;
    }
    // A download never acts on maintenance mode; an upload stops as soon as the unit enters
    // it, whatever phase the upload is in.
    if (!m_state.IsDownload && !m_state.Finished && report.Maintenance &&
        !m_state.MaintenanceAtStart) {
        Fail(QStringLiteral("The Stavik has gone into Maintenance Mode. The upload will be "
                            "canceled."));
    }
}

} // namespace tarnwick
