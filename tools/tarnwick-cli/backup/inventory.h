#pragma once

#include "connections/current_connection.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tarnwick {
struct ConnectionProfile;
}

namespace tarnwick::backup {

// One unit of an inventory: a name that is also its backup folder, and the way to it.
struct InventoryEntry {
    QString name;
    CurrentConnection connection;
};

struct Inventory {
    std::vector<InventoryEntry> entries;
    // One line per bad entry, naming it and the problem; the inventory is usable only when
    // this is empty.
    QStringList problems;
    // Some unit, good or bad, has its password in the inventory itself.
    bool holdsPasswords = false;
};

// Reads a saved connection (.tlc) by its path; throws AppError when it cannot.
using ConnectionFileReader = std::function<ConnectionProfile(const QString& path)>;

// Parses `{"units": [...]}`. Every entry is checked and every problem listed, so one run of
// the command shows all of them. Relative `connection_file` paths count from `baseDir`.
Inventory parseInventory(const QByteArray& json, const QString& baseDir,
                         const ConnectionFileReader& readConnectionFile);

// The entries named in `names`, in inventory order; a name the inventory lacks is a problem.
Inventory selectUnits(const Inventory& inventory, const QStringList& names);

// Why a file holding passwords must not be used as it is (group or others may read or write
// it), or empty when its permissions are safe.
QString permissionProblem(const QString& path, unsigned mode);

} // namespace tarnwick::backup
