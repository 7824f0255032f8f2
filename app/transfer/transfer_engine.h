#pragma once

#include "config/config_image.h"
#include "connections/current_connection.h"
#include "shell/application_title.h"
#include "transfer/frame_assembler.h"
#include "transfer/mod_protocol.h"
#include "transfer/scheduler.h"
#include "transfer/transfer_state.h"
#include "transfer/transfer_timer.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tarnwick {

class AppError;
class Prompter;
class SerialControl;
class TransferHost;
class TransferView;

// How a transfer ended, for callers that outlive the progress window.
struct TransferOutcome {
    enum class Kind { Succeeded, Failed, Cancelled };
    Kind kind = Kind::Succeeded;
    QString message; // the failure message shown, empty when none was shown
};

// What a transfer works with. The connection, the block buffer and the configuration image
// are the program's own and must outlive the engine.
struct TransferContext {
    Scheduler& scheduler;
    SerialControl& serial;
    TransferView& view;
    Prompter& prompter;
    TransferHost& host;
    const CurrentConnection& connection;
    BlockBuffer& blocks;
    // What an upload writes; copied when the upload starts.
    const ConfigImage& image;
    // The identify request's random argument; a clock-seeded source when empty.
    modProtocol::UniformSource random = {};
    // The local date and time an upload stamps as its synchronisation; the system clock
    // when empty.
    std::function<QDateTime()> currentDateTime = {};
};

// Runs one transfer with a unit as a state machine. Its inputs are the start call, timer
// shots, the serial control's events and cancel; every wait is a phase that a later input
// leaves, so nothing here blocks or spins an event loop of its own. Calls into the prompter
// and the host may let events run, so after each of them the engine checks whether the
// transfer has ended meanwhile.
class TransferEngine {
public:
    explicit TransferEngine(TransferContext context);
    ~TransferEngine();
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // Starts a download; returns at once.
    void DownloadStavik();
    // Starts an upload of the configuration image; returns at once. With `blnChangePass`
    // both new passwords must have 4 characters (else AppError 5 is thrown before anything
    // starts); they are written only if the unit's master password equals `strOldMstr`.
    void UploadStavik(bool blnChangePass, bool blnRestoreCalib, const QString& strNewMstr = {},
                      const QString& strNewUsr = {}, const QString& strOldMstr = {});
    // Signs on and reads the unit exactly as UploadStavik does, keeps the protected locations
    // and applies the password change, then ends with state().UploadImage and ChangedBlocks
    // telling what an upload would write: no data frame, no commit request, no restart and
    // no synchronisation date.
    void PreviewUpload(bool blnChangePass, bool blnRestoreCalib, const QString& strNewMstr = {},
                       const QString& strNewUsr = {}, const QString& strOldMstr = {});
    // The Cancel button or the window's close box: asks unless the transfer has finished.
    void requestCancel();

    // Called once when the transfer has ended and the window was asked to close. The handler
    // must not destroy the engine; post that to the event loop instead.
    void setFinishedHandler(std::function<void(const TransferOutcome&)> handler);

    const TransferState& state() const { return m_state; }
    bool ended() const { return m_phase == Phase::Ended; }
    // A step failed unexpectedly and was reported; only cancel leaves this state.
    bool stalled() const { return m_phase == Phase::Stalled; }
    // The blocks an upload has sent with their commit request so far, in the order first
    // sent: what the unit may have changed when the upload is stopped.
    const std::vector<std::uint8_t>& writtenBlocks() const { return m_writtenBlocks; }

private:
    enum class Phase {
        Loaded,
        Starting,         // start timer armed
        Opening,          // waiting for the serial control to finish opening
        Identifying,      // waiting for a chassis ID frame or the timeout
        WaitingForStatus, // upload: waiting for the first status frame, without a limit
        CheckingFirmware, // waiting for block 3 or the timeout of one attempt
        Sweeping,         // sweep timer requesting one block per tick
        Draining,         // giving late answers time to arrive
        FillingMissing,   // waiting for one re-requested block or its timeout
        Completing,       // upload: preparing the blocks to write, maybe asking the user
        Writing,          // upload: pause after a data frame or a commit request
        ReadingBack,      // upload: waiting for a written block's answer or its timeout
        Restarting,       // upload: waiting for the unit to take the restart
        Closing,          // the outcome is decided: final message and hand-over
        Stalled,          // a step failed unexpectedly; only cancel leaves this
        Ended,            // unloaded
    };
    enum class IdentifyResult { SignedOn, WrongPassword, WrongSerial, NoAnswer };

    // Closing, stalled or ended: no wait may go on.
    bool halted() const;

    // transfer_engine.cpp: events, failure, cancel and unload.
    void onPortOpened();
    void onReceived();
    void onCarrierChanged();
    void onTimeout();
    // A frame handler changed something a wait watches: re-check it once events have run.
    void wake();
    void continueWait();
    // Runs a step of sign-on or completion; an error reports and stalls the transfer.
    void runStep(const std::function<void()>& step);
    // Runs a step of a sweep tick; an error reports and the tick goes on. False once the
    // transfer has been halted meanwhile.
    bool sweepStep(const std::function<void()>& step);
    void stall();
    void stopTimers();
    void armTimeout(Scheduler::Duration interval);
    // Runs `next` as a step once `interval` has passed.
    void pauseThen(Scheduler::Duration interval, std::function<void()> next);
    // Main window out of use, caption, total bar, start timer.
    void begin(bool download, std::function<void()> startTick);
    // Success: closes the port, shows `text` and hands over to the main window.
    void finishWith(const QString& text, const QString& caption,
                    const std::function<void()>& handOver);
    void SendFrame(const modProtocol::Frame& frame);
    void RequestBlock(std::uint8_t block);
    void Fail(const QString& message);
    void closePort();
    void unload(const TransferOutcome& outcome);

    // transfer_signon.cpp
    void OpenLink();
    void linkOpened();
    void Identify();
    void identifyWait();
    void identified(IdentifyResult result);
    void maintenanceWait();
    void verifyFirmware();
    void CheckFirmware();
    void firmwareAttempt();
    void firmwareWait();
    void firmwareChecked();
    void OnChassisFrame(const modProtocol::ChassisId& chassis);
    void OnStatusFrame(const modProtocol::StatusReport& report);

    // transfer_download.cpp
    void startTick();
    void startSweep();
    void SweepTick();
    void startDrain();
    void drainWait();
    void ShowSection(int block);
    void OnDataFrame(const modProtocol::DataBlock& block);
    void FinishDownload();
    void FillMissingBlocks();
    void continueMissingPass();
    // Up to 5 s for the block the missing-data pass is at.
    void WaitForBlock();
    void missingBlockWait();
    void missingPassDone(bool complete);
    void completeDownload();

    // transfer_upload.cpp
    void uploadStartTick();
    void FinishUpload();
    // After the missing-data pass: protected locations, passwords, the change list.
    void prepareUpload();
    void KeepProtectedLocations();
    bool ApplyPasswordChange();
    void BuildChangeList();
    void completeUpload(const std::optional<QDateTime>& syncTime);

    // transfer_upload_write.cpp
    void WriteChangedBlocks();
    void writeNextBlock();
    // WriteBlock, 500 ms, CommitBlock, 500 ms, then `next`.
    void writeAndCommit(std::uint8_t block, std::function<void()> next);
    void VerifyChangedBlocks();
    void verifyNextBlock();
    void verifyAttempt();
    void blockReadBack(bool read);
    void verificationFailed();
    void ReadBlockWithRetries(std::uint8_t block);
    void readBackWait();
    bool BlockMatches(std::uint8_t block) const;
    void WriteBlock(std::uint8_t block);
    void CommitBlock(std::uint8_t block);
    void advanceProgress();
    void RestartUnit();
    void restartTick();

    Scheduler& m_scheduler;
    SerialControl& m_serial;
    TransferView& m_view;
    Prompter& m_prompter;
    TransferHost& m_host;
    const CurrentConnection& m_connection;
    BlockBuffer& m_blocks;
    const ConfigImage& m_image;
    modProtocol::UniformSource m_random;
    std::function<QDateTime()> m_currentDateTime;
    std::function<void(const TransferOutcome&)> m_finishedHandler;

    TransferState m_state;
    FrameAssembler m_assembler;
    Phase m_phase = Phase::Loaded;
    QString m_caption;
    int m_firmwareAttempts = 0;
    int m_missingBlock = 0; // the block the missing-data pass is at
    std::size_t m_writeIndex = 0;  // into ChangedBlocks, for the write pass
    std::size_t m_verifyIndex = 0; // into ChangedBlocks, for the verification pass
    int m_verifyAttempts = 0;      // read-backs of the block being verified
    int m_statusValue = 0;         // what pbrStatus shows, for steps that add to it
    int m_totalValue = 0;          // what pbrTotal shows, likewise
    std::vector<std::uint8_t> m_writtenBlocks;

    TransferTimer m_startTimer;   // tmrRunDL
    TransferTimer m_sweepTimer;   // tmrDL
    TransferTimer m_timeoutTimer; // tmrTimeOut
    TransferTimer m_resumeTimer;  // re-checks a wait after a frame arrived
    TransferTimer m_pauseTimer;   // the upload's write, commit and restart pauses
};

} // namespace tarnwick
