#pragma once

#include "connections/wizard_entries.h"

#include <QString>
#include <optional>

namespace tarnwick {

// The connection wizard's pages, numbered from 1.
namespace WizardPage {
constexpr int Welcome = 1;
constexpr int StavikInformation = 2;
constexpr int Connection = 3;
constexpr int Finish = 4;
constexpr int Count = 4;
} // namespace WizardPage

// Which navigation buttons a page offers. Connect only on the last page, where Next goes.
struct WizardButtons {
    bool backEnabled = false;
    bool nextEnabled = false;
    bool nextVisible = false;
    bool finishEnabled = false;
    bool finishVisible = false;

    bool operator==(const WizardButtons&) const = default;
};

WizardButtons wizardButtonsForPage(int page, int pageCount = WizardPage::Count);

// Why `page` may not be left forward, as the message to show: the first failing check, in
// the order the user meets the fields. Only lengths and choices are checked here, since the
// boxes admit nothing but digits. Pages without checks always pass.
std::optional<QString> wizardPageProblem(int page, const WizardEntries& entries);

} // namespace tarnwick
