#include "wizard_entries.h"

#include "connections/site_letters.h"

namespace tarnwick {

CurrentConnection wizardConnection(const WizardEntries& entries) {
    CurrentConnection connection;
    if (entries.parentSite) {
        connection.SN = entries.PSN;
        connection.Password = entries.PPW;
        connection.SL = SiteLetterToIndex(entries.PSL);
        connection.DestSL = SiteLetterToIndex(entries.ChildSL);
    } else {
        connection.SN = entries.SN;
        connection.Password = entries.PW;
        connection.SL = SiteLetterToIndex(entries.SL);
        connection.DestSL = connection.SL;
    }
    if (entries.modem) {
        connection.Port = entries.modemName;
        connection.Addr = entries.phoneNumber;
    } else {
        connection.Port = entries.comPort;
    }
    return connection;
}

ConnectionProfile wizardProfile(const WizardEntries& entries, bool savePassword) {
    const CurrentConnection connection = wizardConnection(entries);
    return {connection.Port, connection.Addr, connection.SN, connection.SL,
            savePassword ? connection.Password : kPasswordNotSaved};
}

} // namespace tarnwick
