#pragma once

#include <QString>

namespace tarnwick {

class AutomationFactory;
class ErrorReporter;
class Prompter;

// The program that may hold a serial port to a unit, reached as an automation object.
inline const QString kKiterProgId = QStringLiteral("KiterWinServer.KiterServerApp");

// Asks the Kiter server whether it holds `Port` and, when it does, offers to make it let go.
// True means the port may be opened; false means the transfer must not go on. Without the
// server (it cannot be created) nothing can hold the port: true, silently. Any other failure
// is reported and answers false.
bool CheckPortInUse(const QString& Port, AutomationFactory& automation, Prompter& prompter,
                    ErrorReporter& errors);

} // namespace tarnwick
