#include "open_argument.h"

namespace tarnwick {

namespace {
constexpr qsizetype kOpenSwitchLength = 6; // "/Open "
constexpr qsizetype kShortestOpenCommand = 7;
} // namespace

QString commandLineOf(const QStringList& arguments) {
    return arguments.join(QLatin1Char(' '));
}

QString ParseOpenArgument(const QString& commandLine) {
    if (commandLine.size() <= kShortestOpenCommand)
        return {};
    return commandLine.mid(kOpenSwitchLength);
}

} // namespace tarnwick
