#pragma once

#include "bound_field.h"
#include "control_host.h"

#include <QString>
#include <QTextStream>

namespace tarnwick::fenhost {

// fenhost's script language, one command a line (README "fenhost"):
//   create PROGID NAME            set NAME.PROP VALUE          get NAME.PROP
//   call NAME.METHOD [ARGS]       keys NAME TEXT               mode design|run
//   save NAME bag|stream FILE     load NAME bag|stream FILE
//   bind NAME                     field set VALUE | get | push | pull
// Blank lines and lines starting with "#" are skipped. Each result is printed on a line of its
// own; a failure prints "error N: description" and the script goes on.
class ScriptRunner {
public:
    ScriptRunner(ControlHost& host, QTextStream& out) : m_host(host), m_out(out) {}

    // Runs one line; answers false when it failed.
    bool run(const QString& line);

private:
    void execute(const QString& command, const QString& rest);
    void create(const QStringList& words);
    void set(const QString& rest);
    void get(const QString& rest);
    void call(const QString& rest);
    void keys(const QString& rest);
    void persist(const QString& command, const QStringList& words);
    void mode(const QStringList& words);
    void bind(const QStringList& words);
    void field(const QString& rest);

    ControlHost& m_host;
    QTextStream& m_out;
    BoundField m_field;
};

} // namespace tarnwick::fenhost
