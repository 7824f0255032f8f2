#pragma once

#include "sim/frame_record.h"

#include <QFile>
#include <QString>

namespace tarnwick::stavikSim {

// One JSON object per line for each frame:
// {"t_ms":92,"dir":"out","kind":"data","site":"A","block":3,"hex":"f4..."}
// "dest" appears for commands, "block" where a block is named, "checksum":"bad" when the
// frame's checksum does not hold.
QString frameLogLine(const sim::FrameRecord& record);

// Writes the log lines to a file, or to standard error, each flushed at once.
class FrameLogWriter {
public:
    // Empty `path`: standard error. Throws AppError (75) when the file cannot be opened.
    explicit FrameLogWriter(const QString& path);

    void write(const sim::FrameRecord& record);

private:
    QFile m_file;
};

} // namespace tarnwick::stavikSim
