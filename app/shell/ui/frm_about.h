#pragma once

#include "registry/registry_store.h"
#include "shell/ui/support_contacts.h"

#include <QDialog>
#include <QUrl>
#include <functional>

namespace tarnwick {

class ErrorReporter;
class Prompter;

// Opens `link` in the desktop's default handler; false when no handler took it.
bool openWithDesktop(const QUrl& link);
// Starts `program` on its own, in a window of its own; false when it could not be started.
bool startDetachedProgram(const QString& program);

// What the About box reaches outside itself.
struct AboutBoxServices {
    const registry::RegistryStore& registry;
    Prompter& prompter;
    ErrorReporter& errors;
    std::function<bool(const QUrl&)> openLink = openWithDesktop;
    std::function<bool(const QString&)> startProgram = startDetachedProgram;
};

// The About box: the program's title, version and logo, whom to call for support, the two
// support links and a button that starts the system-information program.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    // The property of the two link labels that holds the full link.
    static constexpr const char* kTagProperty = "tag";

    frmAbout(const SupportContacts& contacts, AboutBoxServices services, QWidget* owner = nullptr);

    // The System Info button: starts the system-information program the registry names, or
    // says "System Information Is Unavailable At This Time".
    void StartSysInfo();
    // See the free function of the same name.
    bool GetKeyValue(registry::RootKey KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                     QString& KeyVal) const;

private:
    QWidget* makeLinkLabel(const QString& text, const QString& link);
    void lblLinkClick(const QString& link);

    AboutBoxServices m_services;
};

} // namespace tarnwick
