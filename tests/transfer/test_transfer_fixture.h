#pragma once

// A transfer engine wired to a simulated unit on a virtual clock, with a scripted prompter,
// a recording view and a fake host.

#include "serial/serial_control.h"
#include "shell/app_error.h"
#include "shell/prompter.h"
#include "sim/frame_record.h"
#include "sim/simulated_serial_control.h"
#include "sim/stavik_unit.h"
#include "sim/virtual_scheduler.h"
#include "transfer/protected_locations.h"
#include "transfer/transfer_engine.h"
#include "transfer/transfer_host.h"
#include "transfer/transfer_view.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <vector>

namespace tarnwick::test {

using namespace std::chrono_literals;
using Duration = Scheduler::Duration;

struct Prompt {
    Duration time;
    QString text;
    QString caption;
};

// Records every box and answers questions from a queue. `whileOpen` runs while a box is
// open, the way a modal box lets events run.
class ScriptedPrompter final : public Prompter {
public:
    explicit ScriptedPrompter(const Scheduler& clock) : m_clock(clock) {}

    std::vector<Prompt> prompts;
    std::deque<bool> answers;
    std::function<void()> whileOpen;

    void information(const QString& text, const QString& caption) override {
        record(text, caption);
    }
    bool askYesNo(const QString& text, const QString& caption) override {
        record(text, caption);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    Answer askYesNoCancel(const QString& text, const QString&) override {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::Cancel;
    }
    std::optional<QString> openFile(const FileDialogOptions&) override { return unexpected(); }
    std::optional<QString> saveFile(const FileDialogOptions&) override { return unexpected(); }

private:
    void record(const QString& text, const QString& caption) {
        prompts.push_back({m_clock.now(), text, caption});
        if (whileOpen) {
            whileOpen();
        }
    }
    static std::optional<QString> unexpected() {
        ADD_FAILURE() << "unexpected file dialog";
        return std::nullopt;
    }
    const Scheduler& m_clock;
};

// Keeps a log of every call, one line each ("text Connecting...", "statusMax 73", ...).
class RecordingView final : public TransferView {
public:
    QStringList log;
    QString caption;
    QString text;
    int unloads = 0;

    void setCaption(const QString& value) override { caption = value; }
    void setProgressText(const QString& value) override {
        text = value;
        log << QStringLiteral("text ") + value;
    }
    void setStatusMinimum(int value) override { note("statusMin", value); }
    void setStatusMaximum(int value) override { note("statusMax", value); }
    void setStatusValue(int value) override { note("status", value); }
    void setTotalMaximum(int value) override { note("totalMax", value); }
    void setTotalValue(int value) override { note("total", value); }
    void repaintNow() override {}
    void unload() override { ++unloads; }

private:
    void note(const char* what, int value) {
        log << QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(value);
    }
};

class FakeHost final : public TransferHost {
public:
    QStringList calls;
    bool portFree = true;
    bool mainActive = false;
    std::optional<AppError> saveFailure;
    std::function<void()> duringPortCheck;
    struct Reported {
        QString friendly;
        int number;
    };
    std::vector<Reported> errors;
    std::optional<BlockBuffer> loaded;
    QString protectedPath; // the rig's own file, every location block 0 byte 0
    std::vector<std::optional<QDateTime>> uploadSyncTimes; // one per completed upload

    void saveRecentConnection(const QString& SN, const QString& Port, const QString& Addr,
                              std::uint8_t SL) override {
        calls << QStringLiteral("save recent %1 %2 [%3] %4").arg(SN, Port, Addr).arg(SL);
        if (saveFailure) {
            throw *saveFailure;
        }
    }
    bool checkPortInUse(const QString& Port) override {
        calls << QStringLiteral("check port ") + Port;
        if (duringPortCheck) {
            duringPortCheck();
        }
        return portFree;
    }
    void reportError(const QString& friendlyMessage, const AppError& error) override {
        errors.push_back({friendlyMessage, error.number()});
    }
    void setMainWindowInUse(bool inUse) override {
        calls << (inUse ? QStringLiteral("main window in use") : QStringLiteral("main window out"));
    }
    bool mainWindowActive() const override { return mainActive; }
    void downloadCompleted(const BlockBuffer& blocks) override {
        calls << QStringLiteral("download completed");
        loaded = blocks;
        mainActive = true;
    }
    void uploadCompleted(const std::optional<QDateTime>& syncTime) override {
        calls << QStringLiteral("upload completed");
        uploadSyncTimes.push_back(syncTime);
        mainActive = true;
    }
    void showStartWindow() override { calls << QStringLiteral("start window"); }
    QString protectedLocationsPath() const override { return protectedPath; }
};

// Sits between the engine and the simulated port: can slip extra frames into the received
// stream and make one chosen write fail.
class TappedSerial final : public SerialControl {
public:
    explicit TappedSerial(SerialControl& line);

    void setPortName(const QString& port) override { m_line.setPortName(port); }
    void setSettings(const QString& settings) override { m_line.setSettings(settings); }
    void setDialAddress(const QString& address) override { m_line.setDialAddress(address); }
    void setPortOpen(bool open) override { m_line.setPortOpen(open); }
    bool portOpen() const override { return m_line.portOpen(); }
    QString connectionState() const override { return m_line.connectionState(); }
    void write(const QByteArray& bytes) override;
    QByteArray readAll() override { return std::exchange(m_injected, {}) + m_line.readAll(); }

    // Delivers `frame` as a received chunk of its own; call it from a scheduled action.
    void inject(const modProtocol::Frame& frame);
    // The next write for which this is true throws instead.
    std::function<bool(const QByteArray&)> failWrite;

private:
    SerialControl& m_line;
    QByteArray m_injected;
};

struct UploadOptions {
    bool changePasswords = false;
    bool restoreCalibration = false;
    QString newMaster;
    QString newUser;
    QString oldMaster;
    bool dryRun = false; // PreviewUpload instead of UploadStavik
};

// The local date and time at the virtual clock's zero.
inline const QDateTime kClockOrigin(QDate(2026, 3, 2), QTime(9, 0));

class TransferRig {
public:
    explicit TransferRig(sim::UnitSetup setup = {});

    QTemporaryDir files;
    sim::VirtualScheduler clock;
    sim::StavikUnit unit;
    sim::SimulatedSerialControl line;
    TappedSerial serial{line};
    RecordingView view;
    ScriptedPrompter prompter{clock};
    FakeHost host;
    CurrentConnection connection{QStringLiteral("1234"),
                                 QStringLiteral("123456"),
                                 QStringLiteral("/dev/ttyS0"),
                                 QString(),
                                 0,
                                 0};
    BlockBuffer blocks{};
    ConfigImage image{}; // what an upload writes; the unit's memory to begin with
    std::unique_ptr<TransferEngine> engine;
    std::optional<TransferOutcome> outcome;
    std::vector<sim::FrameRecord> unitFrames; // what crossed the unit's line

    // Build the engine for `connection` and start a transfer at the clock's time.
    void startDownload();
    void startUpload(const UploadOptions& options = {});
    bool runToEnd(Duration limit = 400s) {
        return clock.runUntil([this] { return outcome.has_value(); }, limit);
    }
    bool runUntilText(const QString& text, Duration limit = 200s) {
        return clock.runUntil([this, text] { return view.text == text; }, limit);
    }

    // Everything the engine wrote, in order, as the unit would read it.
    std::vector<sim::FrameRecord> writes() const;
    // The read requests among them, optionally only those for `block` from `from` on.
    std::vector<sim::FrameRecord> readRequests(std::optional<int> block = std::nullopt,
                                               Duration from = 0ms) const;
    // When the read sweep's drain ended, where an upload's own work begins.
    Duration drainEnd() const { return readRequests(251).at(0).time + 2000ms; }
    // What the engine wrote from `origin` on, one "kind block +ms" line per frame with the
    // time counted from `origin` ("commit 5 +500").
    QStringList framesFrom(Duration origin) const;
    // When the unit's answer for `block` came through first, from `from` on.
    Duration answerTime(std::uint8_t block, Duration from = 0ms) const;
    QStringList promptTexts() const;

private:
    void buildEngine();
};

// Unit memory with varied bytes and the given firmware byte.
ConfigImage patternedMemory(std::uint8_t firmware = 56);
// A unit with patterned memory.
sim::UnitSetup patternedUnit();

// A protected-locations file in `dir` holding `locations`, then block 0 byte 0 for the rest.
QString protectedFile(const QTemporaryDir& dir, std::initializer_list<ProtectedLocation> locations);

// Whether `run` occurs in `log` as consecutive lines.
bool containsRun(const QStringList& log, const QStringList& run);

// Writes `text` into the memory at `offset`, as a label or password stands there.
void putText(ConfigImage& memory, std::size_t offset, const char* text);
// The four characters at `offset` (a password's width).
QString textAt(const ConfigImage& memory, std::size_t offset);

} // namespace tarnwick::test
