#pragma once

#include "shell/error_reporter.h"

#include <QPointer>
#include <QWidget>

namespace tarnwick {

// Shows each report in a new error dialog, modal over the owner window (the active window
// when no owner is set or the owner has gone).
class DialogErrorReporter final : public ErrorReporter {
public:
    explicit DialogErrorReporter(QWidget* owner = nullptr) : m_owner(owner) {}

    void setOwner(QWidget* owner) { m_owner = owner; }

protected:
    void show(const ErrorReport& report) override;

private:
    QPointer<QWidget> m_owner;
};

} // namespace tarnwick
