#pragma once

#include "connections/connection_file.h"
#include "connections/current_connection.h"

#include <QString>

namespace tarnwick {

// What the connection wizard's pages hold, as typed and chosen. Site letters are the list
// texts ("A" to "D", empty while none is chosen).
struct WizardEntries {
    bool parentSite = false; // through a parent site that relays to the destination unit
    // A direct connection: the unit on the line.
    QString SN;
    QString SL;
    QString PW;
    // Through a parent site: the parent on the line, and the destination unit's letter.
    QString PSN;
    QString PSL;
    QString PPW;
    QString ChildSL;

    bool modem = false;
    QString comPort;
    QString modemName;
    QString phoneNumber;
};

// The connection the entries lead to: the unit on the line is the parent in parent-site mode,
// and the destination is the chosen child site; otherwise the unit itself.
CurrentConnection wizardConnection(const WizardEntries& entries);

// The profile the wizard stores: the connection without its destination, and with the
// password only when the user asked to keep it.
ConnectionProfile wizardProfile(const WizardEntries& entries, bool savePassword);

} // namespace tarnwick
