#pragma once

#include "shell/mod_tarnwick.h"

namespace tarnwick {

class frmProgress;

// What the connection windows and the transfers they start reach: the program-wide state,
// the outside services and the other windows. All three outlive every window.
struct ProgramContext {
    ModTarnwick& mod;
    ProgramServices& services;
    ProgramWindows& windows;
};

// A download, or an upload with its calibration and password choices.
struct TransferRequest {
    bool upload = false;
    bool restoreCalibration = false;
    PasswordChange passwords; // uploads only
};

TransferRequest downloadRequest();
// An upload that changes the passwords exactly when the main window's change-password box is
// ticked, with the passwords of its fields; without a main window nothing is changed.
TransferRequest uploadRequest(ProgramWindows& windows, bool restoreCalibration);

// Shows the progress window (not modal) and starts `request` on the current connection. The
// window is wired to the registry's most recent connection, the port check, the main window
// and the start window, and it, its serial control and that wiring last exactly as long as
// the transfer. Answers the window, which deletes itself once the transfer has ended.
frmProgress* launchTransfer(const ProgramContext& context, const TransferRequest& request);

} // namespace tarnwick
