#include "engine_call_guard.h"

#include <utility>

namespace tarnwick {

namespace {

// Counts one call for as long as it runs, also when it throws.
class CallScope {
public:
    explicit CallScope(EngineCallDepth& depth) : m_depth(depth) { m_depth.enter(); }
    ~CallScope() { m_depth.leave(); }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

private:
    EngineCallDepth& m_depth;
};

} // namespace

void EngineCallDepth::whenIdle(std::function<void()> action) {
    if (m_depth == 0) {
        action();
    } else {
        m_whenIdle = std::move(action);
    }
}

void EngineCallDepth::leave() {
    if (--m_depth == 0 && m_whenIdle) {
        std::exchange(m_whenIdle, {})();
    }
}

void CountedPrompter::information(const QString& text, const QString& caption) {
    const CallScope scope(m_depth);
    m_inner.information(text, caption);
}

bool CountedPrompter::askYesNo(const QString& text, const QString& caption) {
    const CallScope scope(m_depth);
    return m_inner.askYesNo(text, caption);
}

Prompter::Answer CountedPrompter::askYesNoCancel(const QString& text, const QString& caption) {
    const CallScope scope(m_depth);
    return m_inner.askYesNoCancel(text, caption);
}

std::optional<QString> CountedPrompter::openFile(const FileDialogOptions& options) {
    const CallScope scope(m_depth);
    return m_inner.openFile(options);
}

std::optional<QString> CountedPrompter::saveFile(const FileDialogOptions& options) {
    const CallScope scope(m_depth);
    return m_inner.saveFile(options);
}

void CountedTransferHost::saveRecentConnection(const QString& SN, const QString& Port,
                                               const QString& Addr, std::uint8_t SL) {
    const CallScope scope(m_depth);
    m_inner.saveRecentConnection(SN, Port, Addr, SL);
}

bool CountedTransferHost::checkPortInUse(const QString& Port) {
    const CallScope scope(m_depth);
    return m_inner.checkPortInUse(Port);
}

void CountedTransferHost::reportError(const QString& friendlyMessage, const AppError& error) {
    const CallScope scope(m_depth);
    m_inner.reportError(friendlyMessage, error);
}

void CountedTransferHost::setMainWindowInUse(bool inUse) {
    const CallScope scope(m_depth);
    m_inner.setMainWindowInUse(inUse);
}

void CountedTransferHost::downloadCompleted(const BlockBuffer& blocks) {
    const CallScope scope(m_depth);
    m_inner.downloadCompleted(blocks);
}

void CountedTransferHost::uploadCompleted(const std::optional<QDateTime>& syncTime) {
    const CallScope scope(m_depth);
    m_inner.uploadCompleted(syncTime);
}

void CountedTransferHost::showStartWindow() {
    const CallScope scope(m_depth);
    m_inner.showStartWindow();
}

} // namespace tarnwick
