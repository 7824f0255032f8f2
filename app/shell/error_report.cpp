#include "error_report.h"

#include <QStringList>

namespace tarnwick {

QString clipboardText(const ErrorReport& report) {
    return QStringList{QStringLiteral("Error Message: ") + report.friendlyMessage,
                       QStringLiteral("Error Number: ") + report.number,
                       QStringLiteral("Error Source: ") + report.source,
                       QStringLiteral("Error Description: ") + report.description}
        .join(QStringLiteral("\r\n"));
}

} // namespace tarnwick
