#include "com_error.h"

#include "com_result.h"

namespace tarnwick::com {

ComError::ComError(long number, QString description, QString source)
    : m_number(number), m_description(std::move(description)), m_source(std::move(source)) {
    updateWhat();
}

ComError ComError::standard(long number, const QString& source) {
    return ComError(number, standardDescription(number), source);
}

QString ComError::standardDescription(long number) {
    using namespace ErrorNumber;
    switch (number) {
    case InvalidArgument:
        return QStringLiteral("Invalid procedure call or argument");
    case Overflow:
        return QStringLiteral("Overflow");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ObjectNotSet:
        return QStringLiteral("Object variable not set");
    case FileNotFound:
        return QStringLiteral("File not found");
    case PathFileAccess:
        return QStringLiteral("Path/File access error");
    case InvalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    case InvalidPropertyValue:
        return QStringLiteral("Invalid property value.");
    case PropertyReadOnly:
        return QStringLiteral("Set not supported (read-only property)");
    case PropertyGetNotSupported:
        return QStringLiteral("Get not supported (write-only property)");
    case ObjectRequired:
        return QStringLiteral("Object required");
    case InvalidObjectUse:
        return QStringLiteral("Invalid Object Use");
    case CannotCreateObject:
        return QStringLiteral("Component cannot create object");
    case MemberNotSupported:
        return QStringLiteral("Object doesn't support this property or method");
    case ArgumentNotOptional:
        return QStringLiteral("Argument not optional");
    case WrongArgumentCount:
        return QStringLiteral("Wrong number of arguments or invalid property assignment");
    case FormatMismatch:
        return QStringLiteral("Specified format doesn't match format of data");
    case ExpectedArgument:
        return QStringLiteral("Expected at least one argument.");
    case NonIntrinsicFormatNeedsBytes:
        return QStringLiteral("Non-intrinsic OLE drag and drop formats used with SetData "
                              "require Byte array data.  GetData may return more bytes than "
                              "were given to SetData.");
    case STG_E_INVALIDFUNCTION:
        return QStringLiteral("Invalid stream position");
    case STG_E_READFAULT:
        return QStringLiteral("Could not read from the stream");
    case STG_E_WRITEFAULT:
        return QStringLiteral("Could not write to the stream");
    case E_NOINTERFACE:
        return QStringLiteral("No such interface supported");
    case REGDB_E_CLASSNOTREG:
        return QStringLiteral("Class not registered");
    default:
        return QStringLiteral("Automation error");
    }
}

void ComError::setSourceIfEmpty(const QString& source) {
    if (m_source.isEmpty()) {
        m_source = source;
        updateWhat();
    }
}

void ComError::updateWhat() {
    m_what =
        QStringLiteral("%1 (%2): %3").arg(m_source).arg(m_number).arg(m_description).toStdString();
}

} // namespace tarnwick::com
