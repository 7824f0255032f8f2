#include "port_check.h"

#include "automation/automation_object.h"
#include "shell/app_error.h"
#include "shell/application_title.h"
#include "shell/prompter.h"
#include "shell/trap_errors.h"

#include <memory>

namespace tarnwick {

namespace {
// The server object, or nothing when it is not installed (error 429).
std::unique_ptr<AutomationObject> createKiter(AutomationFactory& automation) {
    try {
        return automation.create(kKiterProgId);
    } catch (const AppError& error) {
        if (error.number() == ErrorNumber::CannotCreateObject)
            return nullptr;
        throw;
    }
}

// FindDevice answers the serial number of the unit on the port, or nothing.
QString serialNumberOf(const QVariant& answer) {
    if (!answer.isValid())
        return {};
    if (answer.typeId() != QMetaType::QString)
        throw AppError::standard(ErrorNumber::TypeMismatch, QStringLiteral("FindDevice"));
    return answer.toString();
}

bool portMayBeOpened(const QString& Port, AutomationFactory& automation, Prompter& prompter) {
    const std::unique_ptr<AutomationObject> kiter = createKiter(automation);
    if (!kiter)
        return true;
    const QString SN = serialNumberOf(kiter->call(QStringLiteral("FindDevice"), {Port}));
    if (SN.isEmpty())
        return true;
    const QString question =
        Port + QStringLiteral(" is being used by Kiter to connect to an Stavik (SN: ") + SN +
        QStringLiteral(").\r\nDo you want to disconnect the Stavik?");
    if (!prompter.askYesNo(question, kApplicationTitle))
        return false;
    kiter->call(QStringLiteral("Disconnect"), {Port});
    return true;
}
} // namespace

bool CheckPortInUse(const QString& Port, AutomationFactory& automation, Prompter& prompter,
                    ErrorReporter& errors) {
    bool mayOpen = false;
    trapErrors(errors, QStringLiteral("An error occurred while checking the status of ") + Port,
               [&] { mayOpen = portMayBeOpened(Port, automation, prompter); });
    return mayOpen;
}

} // namespace tarnwick
