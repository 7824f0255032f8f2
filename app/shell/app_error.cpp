#include "app_error.h"

namespace tarnwick {

AppError::AppError(int number, QString source, QString description)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description)),
      m_what(QStringLiteral("%1 (%2): %3").arg(m_source).arg(m_number).arg(m_description)
                 .toStdString()) {}

AppError AppError::standard(int number) {
    return AppError(number, kProgramSource, standardDescription(number));
}

AppError AppError::standard(int number, const QString& detail) {
    return AppError(number, kProgramSource,
                    standardDescription(number) + QStringLiteral(": ") + detail);
}

QString AppError::standardDescription(int number) {
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::PathFileAccess:
        return QStringLiteral("Path/File access error");
    case ErrorNumber::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case ErrorNumber::CannotCreateObject:
        return QStringLiteral("ActiveX component can't create object");
    case ErrorNumber::DialogCancelled:
        return QStringLiteral("Cancel was selected.");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

} // namespace tarnwick
