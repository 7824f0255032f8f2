#pragma once

#include <QStringList>
#include <QTextStream>

namespace tarnwick::registry {
class RegistryStore;
}

namespace tarnwick::regtool {

// The tool's commands over one store. Each takes the arguments after the command's name,
// writes its results to `out` and throws RegtoolFailure on any failure.
struct Commands {
    registry::RegistryStore& store;
    QTextStream& out;

    void query(const QStringList& args) const;
    void set(const QStringList& args) const;
    void remove(const QStringList& args) const;
    void list(const QStringList& args) const;
    void importFile(const QStringList& args) const;
    void exportKey(const QStringList& args) const;
};

} // namespace tarnwick::regtool
