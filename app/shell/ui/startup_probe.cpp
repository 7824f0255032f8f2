#include "startup_probe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace tarnwick {

namespace {

// The VmRSS line of the process's status, in kB; 0 where the system has none.
qint64 residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void trace(const QString& text) {
    std::fprintf(stderr, "tarnwick: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

StartupProbe::StartupProbe()
    : m_trace(qEnvironmentVariableIntValue("TARNWICK_STARTUP_TRACE") != 0),
      m_exitAfterShown(qEnvironmentVariableIntValue("TARNWICK_EXIT_AFTER_SHOWN") != 0),
      m_screenshotDir(qEnvironmentVariable("TARNWICK_SCREENSHOT_DIR")) {
    if (m_trace || m_exitAfterShown || !m_screenshotDir.isEmpty())
        QCoreApplication::instance()->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        if (auto* window = qobject_cast<QWidget*>(watched); window && window->isWindow())
            windowPainted(*window);
    }
    return false;
}

// Acted on once the paint is over: a window cannot be grabbed while it paints.
void StartupProbe::windowPainted(QWidget& window) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const QPointer<QWidget> painted(&window);
    if (window.objectName() == QLatin1String("frmSplash") && !m_splashPainted) {
        m_splashPainted = true;
        if (m_trace)
            trace(QStringLiteral("splash painted at %1 ms").arg(now));
        QTimer::singleShot(0, this, [this, painted] {
            if (painted)
                screenshot(*painted, QStringLiteral("splash.png"));
        });
    } else if (window.objectName() == QLatin1String("frmMain") && !m_mainWindowPainted) {
        m_mainWindowPainted = true;
        if (m_trace)
            trace(QStringLiteral("main window painted at %1 ms, resident %2 kB")
                      .arg(now)
                      .arg(residentKilobytes()));
        QTimer::singleShot(0, this, [this, painted] {
            if (painted)
                screenshot(*painted, QStringLiteral("main-window.png"));
            if (m_exitAfterShown)
                QCoreApplication::exit(0);
        });
    }
}

void StartupProbe::screenshot(QWidget& window, const QString& fileName) const {
    if (m_screenshotDir.isEmpty())
        return;
    QDir().mkpath(m_screenshotDir);
    const QString path = QDir(m_screenshotDir).filePath(fileName);
    if (window.grab().save(path))
        trace(QStringLiteral("wrote %1").arg(path));
    else
        trace(QStringLiteral("could not write %1").arg(path));
}

} // namespace tarnwick
