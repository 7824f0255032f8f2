#pragma once

#include "shell/prompter.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace tarnwick {

// Message boxes and file dialogs on screen, modal over the owner window (the active window
// when no owner is set or the owner has gone).
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr) : m_owner(owner) {}

    void setOwner(QWidget* owner) { m_owner = owner; }

    void information(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    Answer askYesNoCancel(const QString& text, const QString& caption) override;
    // Only an existing file can be chosen.
    std::optional<QString> openFile(const FileDialogOptions& options) override;
    // A proposed name that is no valid file name is left out. A path in a folder that does
    // not exist is refused with a message and the dialog is shown again. The chosen path is
    // returned as typed: no extension is added.
    std::optional<QString> saveFile(const FileDialogOptions& options) override;

private:
    QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString& text,
                                            const QString& caption,
                                            QMessageBox::StandardButtons buttons);

    QPointer<QWidget> m_owner;
};

} // namespace tarnwick
