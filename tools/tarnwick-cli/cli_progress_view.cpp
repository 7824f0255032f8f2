#include "cli_progress_view.h"

#include "cli_console.h"

#include <algorithm>

namespace tarnwick::cli {

namespace {

constexpr int kBarWidth = 24;
constexpr int kTextWidth = 36; // the longest progress text fits

// The filled share of `value` between `minimum` and `maximum`, 0 to 1.
double share(int minimum, int maximum, int value) {
    if (maximum <= minimum) {
        return 0.0;
    }
    return std::clamp(static_cast<double>(value - minimum) / (maximum - minimum), 0.0, 1.0);
}

} // namespace

CliProgressView::CliProgressView(CliConsole& console) : m_console(console) {
    m_renderTimer.setSingleShot(true);
    QObject::connect(&m_renderTimer, &QTimer::timeout, &m_renderTimer, [this] { render(); });
}

void CliProgressView::setProgressText(const QString& text) {
    m_text = text;
    if (!m_console.isTerminal() && text != m_shown) {
        m_console.printLine(text);
        m_shown = text;
    }
    changed();
}

void CliProgressView::setStatusMinimum(int value) {
    m_statusMinimum = value;
    changed();
}

void CliProgressView::setStatusMaximum(int value) {
    m_statusMaximum = value;
    changed();
}

void CliProgressView::setStatusValue(int value) {
    m_statusValue = value;
    changed();
}

void CliProgressView::setTotalMaximum(int value) {
    m_totalMaximum = value;
    changed();
}

void CliProgressView::setTotalValue(int value) {
    m_totalValue = value;
    changed();
}

void CliProgressView::unload() {
    if (m_renderTimer.isActive()) {
        m_renderTimer.stop();
        render();
    }
    m_console.endStatus();
}

void CliProgressView::changed() {
    if (m_console.isTerminal() && !m_renderTimer.isActive()) {
        m_renderTimer.start(0);
    }
}

QString CliProgressView::statusLine() const {
    QString line = m_text.leftJustified(kTextWidth);
    // Sign-on has no bars to show yet.
    if (m_statusMaximum > m_statusMinimum) {
        const auto filled = static_cast<qsizetype>(
            share(m_statusMinimum, m_statusMaximum, m_statusValue) * kBarWidth + 0.5);
        line += QStringLiteral(" [%1%2] %3/%4")
                    .arg(QString(filled, QLatin1Char('#')),
                         QString(kBarWidth - filled, QLatin1Char('.')))
                    .arg(m_statusValue - m_statusMinimum)
                    .arg(m_statusMaximum - m_statusMinimum);
    }
    if (m_totalMaximum > 0 && m_totalValue > 0) {
        line += QStringLiteral("  total %1%")
                    .arg(static_cast<int>(share(0, m_totalMaximum, m_totalValue) * 100.0 + 0.5));
    }
    return line;
}

void CliProgressView::render() {
    if (m_text.isEmpty()) {
        return; // nothing has started yet
    }
    const QString line = statusLine();
    if (line != m_shown) {
        m_console.showStatus(line);
        m_shown = line;
    }
}

} // namespace tarnwick::cli
