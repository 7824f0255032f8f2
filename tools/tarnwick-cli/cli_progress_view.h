#pragma once

#include "transfer/transfer_view.h"

#include <QTimer>

namespace tarnwick::cli {

class CliConsole;

// The progress window as text. On a terminal: the progress text, a bar of the section (or
// pass) and the share of the whole transfer, rewritten in place once the engine's step is
// done, so that half-made changes are never shown. Elsewhere: each new progress text as a
// line of its own ("Site options", "Channel settings", ...).
class CliProgressView final : public TransferView {
public:
    explicit CliProgressView(CliConsole& console);

    void setCaption(const QString&) override {}
    void setProgressText(const QString& text) override;
    void setStatusMinimum(int value) override;
    void setStatusMaximum(int value) override;
    void setStatusValue(int value) override;
    void setTotalMaximum(int value) override;
    void setTotalValue(int value) override;
    void repaintNow() override {}
    void unload() override;

    // The status line as a terminal shows it now.
    QString statusLine() const;

private:
    void changed();
    void render();

    CliConsole& m_console;
    QString m_text;
    int m_statusMinimum = 0;
    int m_statusMaximum = 0;
    int m_statusValue = 0;
    int m_totalMaximum = 0;
    int m_totalValue = 0;
    QString m_shown; // what the console shows, to skip repeats
    QTimer m_renderTimer;
};

} // namespace tarnwick::cli
