#pragma once

#include <QString>

namespace tarnwick {

// What the error dialog shows: a sentence for the user and the failure's technical details.
struct ErrorReport {
    QString friendlyMessage;
    QString number; // decimal
    QString source;
    QString description;

    bool operator==(const ErrorReport&) const = default;
};

// The four labelled lines a user pastes into a support request, joined by CR LF with no
// break after the last.
QString clipboardText(const ErrorReport& report);

} // namespace tarnwick
