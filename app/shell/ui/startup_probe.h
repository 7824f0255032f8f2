#pragma once

#include <QObject>
#include <QString>

namespace tarnwick {

// Hooks for scripts and tests that run the real program, each switched on by an environment
// variable and silent otherwise:
//   TARNWICK_STARTUP_TRACE=1    prints to stderr when the start-up window and the main window
//                               are first painted (milliseconds since the epoch) and the
//                               resident memory at the second;
//   TARNWICK_SCREENSHOT_DIR=DIR writes DIR/splash.png and DIR/main-window.png at those moments;
//   TARNWICK_EXIT_AFTER_SHOWN=1 ends the program (status 0) once the main window is painted.
class StartupProbe final : public QObject {
    Q_OBJECT

public:
    // Watches the application's windows when any hook is on.
    StartupProbe();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowPainted(QWidget& window);
    void screenshot(QWidget& window, const QString& fileName) const;

    bool m_trace = false;
    bool m_exitAfterShown = false;
    QString m_screenshotDir;
    bool m_splashPainted = false;
    bool m_mainWindowPainted = false;
};

} // namespace tarnwick
