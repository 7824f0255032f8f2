#include "dialog_error_reporter.h"

#include "shell/ui/frm_error.h"
#include "shell/ui/owner_window.h"

namespace tarnwick {

void DialogErrorReporter::show(const ErrorReport& report) {
    // Held by a guard: the owner may be destroyed while the dialog runs, taking it along.
    QPointer<frmError> dialog = new frmError(ownerOrActiveWindow(m_owner));
    dialog->SetError(report.friendlyMessage, report.number, report.source, report.description);
    dialog->exec();
    delete dialog.data();
}

} // namespace tarnwick
