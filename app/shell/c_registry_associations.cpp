// File-type registration: the class and its shell verbs go to both places a shell reads them.
#include "c_registry.h"
#include "shell/app_error.h"

namespace tarnwick {

using namespace registry;

namespace {

const QString kMachineClassesKey = QStringLiteral("SOFTWARE\\Classes\\");
const QString kShellKey = QStringLiteral("\\shell\\");
const QString kCommandKey = QStringLiteral("\\command");

QString quoted(const QString& text) {
    QString result = text;
    if (!result.startsWith(QLatin1Char('"'))) {
        result.prepend(QLatin1Char('"'));
    }
    if (!result.endsWith(QLatin1Char('"'))) {
        result.append(QLatin1Char('"'));
    }
    return result;
}

// The command line of a verb: the program, its switch if any, and the document in quotes.
QString verbCommand(const QString& program, const QString& verbSwitch) {
    const QString prefix = verbSwitch.isEmpty() ? program : program + QLatin1Char(' ') + verbSwitch;
    return prefix + QStringLiteral(" \"%1\"");
}

} // namespace

void cRegistry::SetClassValue(const QString& value) {
    const QString section = m_sectionKey;
    m_classKey = HKEY_CLASSES_ROOT;
    setValue(value);
    m_classKey = HKEY_LOCAL_MACHINE;
    m_sectionKey = kMachineClassesKey + section;
    try {
        setValue(value);
    } catch (...) {
        m_sectionKey = section;
        throw;
    }
    m_sectionKey = section;
}

void cRegistry::CreateEXEAssociation(const QString& exePath, const QString& className,
                                     const QString& classDescription, const QString& extension,
                                     const QString& openText, bool supportPrint,
                                     const QString& printText, bool supportNew,
                                     const QString& newText, bool supportInstall,
                                     const QString& installText, std::int32_t iconIndex) {
    const QString program = quoted(exePath.trimmed());
    m_valueKey.clear();
    m_valueType = static_cast<std::int32_t>(REG_SZ);
    const auto set = [this](const QString& section, const QString& value) {
        m_sectionKey = section;
        SetClassValue(value);
    };
    const auto setVerb = [&](const QString& verb, const QString& text, const QString& fallback,
                             const QString& verbSwitch) {
        const QString verbKey = className + kShellKey + verb;
        set(verbKey, text.isEmpty() ? fallback : text);
        set(verbKey + kCommandKey, verbCommand(program, verbSwitch));
    };

    set(QLatin1Char('.') + extension, className);
    set(className, classDescription);
    setVerb(QStringLiteral("open"), openText, QStringLiteral("&Open"), {});
    if (supportPrint) {
        setVerb(QStringLiteral("print"), printText, QStringLiteral("&Print"), QStringLiteral("/p"));
    }
    if (supportInstall) {
        setVerb(QStringLiteral("add"), installText, QStringLiteral("&Install ") + extension,
                QStringLiteral("/a"));
    }
    if (supportNew) {
        setVerb(QStringLiteral("new"), newText, QStringLiteral("&New"), QStringLiteral("/n"));
    }
    if (iconIndex > -1) {
        set(className + QStringLiteral("\\DefaultIcon"),
            program + QLatin1Char(',') + QString::number(iconIndex));
    }
}

void cRegistry::CreateAdditionalEXEAssociations(const QString& className,
                                                const QVariantList& items) {
    if (items.isEmpty() || items.size() % 3 != 0) {
        throw AppError(RegistryErrorNumber::InvalidAssociationList, kRegistrySource,
                       QStringLiteral("Invalid parameter list passed to "
                                      "CreateAdditionalEXEAssociations - expected "
                                      "Name/Text/Command"));
    }
    m_classKey = HKEY_CLASSES_ROOT;
    m_sectionKey = className;
    if (!KeyExists()) {
        throw AppError(RegistryErrorNumber::ClassNotDefined, kRegistrySource,
                       QStringLiteral("Error - attempt to create additional associations before "
                                      "class defined."));
    }
    m_valueKey.clear();
    m_valueType = static_cast<std::int32_t>(REG_SZ);
    for (qsizetype i = 0; i < items.size(); i += 3) {
        const QString verbKey = className + kShellKey + registryValueText(items[i]);
        m_sectionKey = verbKey;
        SetClassValue(registryValueText(items[i + 1]));
        m_sectionKey = verbKey + kCommandKey;
        SetClassValue(registryValueText(items[i + 2]));
    }
}

} // namespace tarnwick
