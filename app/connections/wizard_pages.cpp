#include "wizard_pages.h"

namespace tarnwick {

namespace {

constexpr qsizetype kSerialNumberLength = 6;
constexpr qsizetype kPasswordLength = 4;

QString serialNumberMessage() {
    return QStringLiteral("Please enter the 6-digit serial number of the Stavik.");
}

QString passwordMessage() {
    return QStringLiteral("Please enter the 4-digit password for the Stavik.");
}

std::optional<QString> stavikInformationProblem(const WizardEntries& entries) {
    if (entries.parentSite) {
        if (entries.PSN.size() != kSerialNumberLength)
            return serialNumberMessage();
        if (entries.PSL.isEmpty())
            return QStringLiteral(
                "Please select the site letter of the Stavik that you are connecting to.");
        if (entries.PPW.size() != kPasswordLength)
            return passwordMessage();
        if (entries.ChildSL.isEmpty())
            return QStringLiteral("Please select the site letter of the Stavik.");
        return std::nullopt;
    }
    if (entries.SN.size() != kSerialNumberLength)
        return serialNumberMessage();
    if (entries.SL.isEmpty())
        return QStringLiteral("Please select a site letter.");
    if (entries.PW.size() != kPasswordLength)
        return passwordMessage();
    return std::nullopt;
}

std::optional<QString> connectionProblem(const WizardEntries& entries) {
    if (!entries.modem) {
        if (entries.comPort.isEmpty())
            return QStringLiteral("Please select a COM Port.");
        return std::nullopt;
    }
    if (entries.modemName.isEmpty())
        return QStringLiteral("Please select a modem.");
    if (entries.phoneNumber.isEmpty())
        return QStringLiteral("Please enter the phone number.");
    return std::nullopt;
}

} // namespace

WizardButtons wizardButtonsForPage(int page, int pageCount) {
    if (page <= 1)
        return {false, true, true, false, false};
    if (page >= pageCount)
        return {true, false, false, true, true};
    return {true, true, true, false, false};
}

std::optional<QString> wizardPageProblem(int page, const WizardEntries& entries) {
    switch (page) {
    case WizardPage::StavikInformation:
        return stavikInformationProblem(entries);
    case WizardPage::Connection:
        return connectionProblem(entries);
    default:
        return std::nullopt;
    }
}

} // namespace tarnwick
