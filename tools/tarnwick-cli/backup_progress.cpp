#include "backup_progress.h"

#include <unistd.h>

namespace tarnwick::cli {

using backup::UnitStatus;

BackupProgress::BackupProgress(const backup::BackupRun& run, std::FILE* stream)
    : m_run(run), m_stream(stream), m_terminal(isatty(fileno(stream)) != 0) {
    m_redraw.setSingleShot(true);
    m_redraw.setInterval(200);
    QObject::connect(&m_redraw, &QTimer::timeout, [this] { redraw(); });
}

BackupProgress::~BackupProgress() {
    erase();
}

backup::BackupRun::Events BackupProgress::events(std::function<void()> finished) {
    return {[this](std::size_t i) { started(i); },
            [this](std::size_t i, const QString& text, int percent) { progress(i, text, percent); },
            [this](std::size_t i) { ended(i); },
            [this, finished = std::move(finished)] {
                erase();
                m_lines.clear();
                if (finished) {
                    finished();
                }
            }};
}

void BackupProgress::started(std::size_t index) {
    const backup::UnitResult& result = m_run.results()[index];
    m_lines[index] = {QStringLiteral("starting"), 0};
    if (m_terminal) {
        m_redraw.start();
    } else {
        print(result.attempts > 1
                  ? QStringLiteral("%1: starting again (try %2)").arg(result.name).arg(result.attempts)
                  : QStringLiteral("%1: starting on %2").arg(result.name, result.port));
    }
}

void BackupProgress::progress(std::size_t index, const QString& text, int percent) {
    Line& line = m_lines[index];
    const bool newText = line.text != text;
    line = {text, percent};
    if (m_terminal) {
        if (!m_redraw.isActive()) {
            m_redraw.start();
        }
    } else if (newText && !text.isEmpty()) {
        print(QStringLiteral("%1: %2").arg(m_run.results()[index].name, text));
    }
}

void BackupProgress::ended(std::size_t index) {
    m_lines.erase(index);
    const backup::UnitResult& r = m_run.results()[index];
    QString line = QStringLiteral("%1: %2").arg(r.name, backup::statusText(r.status));
    if (r.status == UnitStatus::Failed) {
        line += QStringLiteral(": ") + r.message;
    } else if (r.status == UnitStatus::Pending) {
        // Queued for another try after the others.
        line = QStringLiteral("%1: failed, will try again: %2").arg(r.name, r.message);
    }
    erase();
    print(line);
    if (m_terminal) {
        redraw();
    }
}

void BackupProgress::print(const QString& line) {
    std::fputs(line.toLocal8Bit().constData(), m_stream);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
}

void BackupProgress::erase() {
    if (m_drawn == 0) {
        return;
    }
    // Up to the first drawn line, then clear to the end of the screen.
    std::fprintf(m_stream, "\x1b[%dA\r\x1b[J", m_drawn);
    std::fflush(m_stream);
    m_drawn = 0;
}

void BackupProgress::redraw() {
    erase();
    for (const auto& [index, line] : m_lines) {
        print(QStringLiteral("%1  %2%  %3")
                  .arg(m_run.results()[index].name.leftJustified(16))
                  .arg(line.percent, 3)
                  .arg(line.text));
        ++m_drawn;
    }
}

} // namespace tarnwick::cli
