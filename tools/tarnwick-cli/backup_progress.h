#pragma once

#include "backup/backup_run.h"

#include <QString>
#include <QTimer>
#include <cstdio>
#include <map>

namespace tarnwick::cli {

// The progress of a backup on standard error. On a terminal: one line per running unit,
// redrawn in place at most a few times a second. Elsewhere: a plain line whenever a unit
// starts, moves to another step, or ends.
class BackupProgress {
public:
    BackupProgress(const backup::BackupRun& run, std::FILE* stream = stderr);
    ~BackupProgress();
    BackupProgress(const BackupProgress&) = delete;
    BackupProgress& operator=(const BackupProgress&) = delete;

    // The events to hand to the run; `finished` is called after the display has closed.
    backup::BackupRun::Events events(std::function<void()> finished);

private:
    struct Line {
        QString text;
        int percent = 0;
    };
    void started(std::size_t index);
    void progress(std::size_t index, const QString& text, int percent);
    void ended(std::size_t index);
    void print(const QString& line);
    void redraw();
    void erase();

    const backup::BackupRun& m_run;
    std::FILE* m_stream;
    bool m_terminal;
    std::map<std::size_t, Line> m_lines; // running units by inventory index
    int m_drawn = 0;                     // lines on screen
    QTimer m_redraw;
};

} // namespace tarnwick::cli
