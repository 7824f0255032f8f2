#pragma once

#include "connections/current_connection.h"

#include <optional>

class QCommandLineParser;

namespace tarnwick::cli {

// --port, --addr, --sn, --password, --site and --dest: the unit and the way to it.
void addConnectionOptions(QCommandLineParser& parser, const QString& destinationHelp);

// The connection the options name. The password is always required. Without `fallback`
// the others are too, except --addr (empty: direct) and --dest (default: --site). With a
// fallback (the connection a settings file was saved with) each option left out takes the
// fallback's value; the port and the address are one route, so a --port given here dials
// only an --addr given here too.
CurrentConnection connectionFromOptions(const QCommandLineParser& parser,
                                        const std::optional<CurrentConnection>& fallback);

} // namespace tarnwick::cli
