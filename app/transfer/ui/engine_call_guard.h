#pragma once

#include "shell/prompter.h"
#include "transfer/transfer_host.h"

#include <functional>

namespace tarnwick {

// Counts the prompter and host calls a transfer engine is inside. Such a call may run the
// event loop (a message box, the error dialog), and the engine may even end meanwhile; it
// must stay alive until every such call has returned into it.
class EngineCallDepth {
public:
    // Runs `action` at once when no call is open, else as the last open call returns.
    void whenIdle(std::function<void()> action);

    void enter() { ++m_depth; }
    void leave();

private:
    int m_depth = 0;
    std::function<void()> m_whenIdle;
};

// The prompter and the host as the engine sees them: every call is counted.
class CountedPrompter final : public Prompter {
public:
    CountedPrompter(Prompter& inner, EngineCallDepth& depth) : m_inner(inner), m_depth(depth) {}

    void information(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    Answer askYesNoCancel(const QString& text, const QString& caption) override;
    std::optional<QString> openFile(const FileDialogOptions& options) override;
    std::optional<QString> saveFile(const FileDialogOptions& options) override;

private:
    Prompter& m_inner;
    EngineCallDepth& m_depth;
};

class CountedTransferHost final : public TransferHost {
public:
    CountedTransferHost(TransferHost& inner, EngineCallDepth& depth)
        : m_inner(inner), m_depth(depth) {}

    void saveRecentConnection(const QString& SN, const QString& Port, const QString& Addr,
                              std::uint8_t SL) override;
    bool checkPortInUse(const QString& Port) override;
    void reportError(const QString& friendlyMessage, const AppError& error) override;
    void setMainWindowInUse(bool inUse) override;
    bool mainWindowActive() const override { return m_inner.mainWindowActive(); }
    void downloadCompleted(const BlockBuffer& blocks) override;
    void uploadCompleted(const std::optional<QDateTime>& syncTime) override;
    void showStartWindow() override;
    QString protectedLocationsPath() const override { return m_inner.protectedLocationsPath(); }

private:
    TransferHost& m_inner;
    EngineCallDepth& m_depth;
};

} // namespace tarnwick
