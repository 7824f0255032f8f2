#pragma once

#include "config/config_image.h"
#include "connections/current_connection.h"
#include "shell/prompter.h"
#include "transfer/transfer_engine.h"
#include "transfer/transfer_host.h"
#include "transfer/transfer_view.h"

#include <QString>
#include <functional>
#include <memory>

namespace tarnwick {
class Scheduler;
class SerialControl;
} // namespace tarnwick

namespace tarnwick::backup {

struct InventoryEntry;

// How one unit's download ended.
struct UnitOutcome {
    TransferOutcome::Kind kind = TransferOutcome::Kind::Failed;
    QString message; // why it failed
    ConfigImage image{};
};

// One download of one unit, started once. `done` is called once, from the event loop, and
// may not destroy the transfer; post that instead.
class UnitTransfer {
public:
    virtual ~UnitTransfer() = default;
    virtual void start(std::function<void(const UnitOutcome&)> done) = 0;
    // Ends a running transfer as cancelled, closing its port; nothing is kept.
    virtual void cancel() = 0;
};

// Progress of a running download: the step it is at and the share of the whole done.
using ProgressHandler = std::function<void(const QString& text, int percent)>;

class UnitTransferFactory {
public:
    virtual ~UnitTransferFactory() = default;
    virtual std::unique_ptr<UnitTransfer> create(const InventoryEntry& entry,
                                                 ProgressHandler progress) = 0;
};

// A download by the transfer engine with nobody to ask: questions are answered No (Yes when
// asked whether to cancel a cancel), the last message becomes the failure's text, and a step
// that fails ends the transfer instead of waiting for a Cancel button.
class EngineUnitTransfer final : public UnitTransfer {
public:
    // `scheduler` and `serial` must outlive the transfer; no other engine may use `serial`
    // while this one runs.
    EngineUnitTransfer(Scheduler& scheduler, SerialControl& serial,
                       const CurrentConnection& connection, ProgressHandler progress);
    ~EngineUnitTransfer() override;

    void start(std::function<void(const UnitOutcome&)> done) override;
    void cancel() override;

private:
    class Answers final : public Prompter {
    public:
        QString lastMessage;
        bool confirming = false;
        void information(const QString& text, const QString&) override { lastMessage = text; }
        bool askYesNo(const QString& text, const QString&) override;
        Answer askYesNoCancel(const QString& text, const QString&) override;
        std::optional<QString> openFile(const FileDialogOptions&) override { return {}; }
        std::optional<QString> saveFile(const FileDialogOptions&) override { return {}; }
    };
    class Host final : public TransferHost {
    public:
        explicit Host(EngineUnitTransfer& owner) : m_owner(owner) {}
        void saveRecentConnection(const QString&, const QString&, const QString&,
                                  std::uint8_t) override {}
        bool checkPortInUse(const QString&) override { return true; }
        void reportError(const QString& friendlyMessage, const AppError& error) override;
        void setMainWindowInUse(bool) override {}
        bool mainWindowActive() const override { return false; }
        void downloadCompleted(const BlockBuffer&) override {}
        void uploadCompleted(const std::optional<QDateTime>&) override {}
        void showStartWindow() override {}
        QString protectedLocationsPath() const override { return {}; }

    private:
        EngineUnitTransfer& m_owner;
    };
    class View final : public TransferView {
    public:
        explicit View(ProgressHandler progress) : m_progress(std::move(progress)) {}
        void setCaption(const QString&) override {}
        void setProgressText(const QString& text) override;
        void setStatusMinimum(int) override {}
        void setStatusMaximum(int) override {}
        void setStatusValue(int) override {}
        void setTotalMaximum(int value) override { m_totalMaximum = value; }
        void setTotalValue(int value) override;
        void repaintNow() override {}
        void unload() override {}

    private:
        void report();
        ProgressHandler m_progress;
        QString m_text;
        int m_totalMaximum = 0;
        int m_percent = 0;
    };

    void stepFailed(const QString& message);
    void confirmCancel();

    Scheduler& m_scheduler;
    const CurrentConnection m_connection;
    Answers m_answers;
    Host m_host{*this};
    View m_view;
    BlockBuffer m_blocks{};
    const ConfigImage m_noImage{};
    QString m_reported; // the last step failure reported
    QString m_failure;  // the failure that stalled the transfer, which outranks its cancel
    int m_pendingTimer = 0;
    std::unique_ptr<TransferEngine> m_engine;
};

} // namespace tarnwick::backup
