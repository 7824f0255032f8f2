#pragma once

#include "sim/stavik_unit.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

namespace tarnwick::stavikSim {

struct SimOptions {
    sim::UnitSetup unit;
    std::vector<sim::UnitSetup> children;
    QString linkPath;   // a stable symbolic link to the pseudo-terminal
    QString devicePath; // a real serial device instead of a pseudo-terminal
    QString logPath;    // empty: standard error
    QString dumpMemoryPath;
};

// Reads the command line of `app`. --help and unknown options end the process the usual
// way; values that make no sense throw AppError (5 invalid argument) naming the option.
SimOptions readSimOptions(const QCoreApplication& app);

} // namespace tarnwick::stavikSim
