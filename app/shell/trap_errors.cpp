#include "trap_errors.h"

namespace tarnwick {

AppError internalError(const char* detail) {
    const QString description = QStringLiteral("Internal error");
    if (detail == nullptr || *detail == '\0')
        return AppError(ErrorNumber::InternalError, kProgramSource, description);
    return AppError(ErrorNumber::InternalError, kProgramSource,
                    description + QStringLiteral(": ") + QString::fromLocal8Bit(detail));
}

} // namespace tarnwick
