#pragma once

#include <QString>

namespace tarnwick {

// How the maker's technical support is reached, as the About box shows it. The deployer sets
// them in the application settings; these are the defaults.
struct SupportContacts {
    QString phone = QStringLiteral("1-800-555-0199");
    QString email = QStringLiteral("support@corvane.example");
    QString web = QStringLiteral("www.corvane.example/support");
};

} // namespace tarnwick
