#pragma once

#include "shell/prompter.h"

#include <QHash>
#include <optional>

namespace tarnwick::cli {

class CliConsole;

// Message boxes as lines on standard error. Questions are asked on the terminal when standard
// input and standard error are one; without a terminal nobody can answer, so the answer is No
// (Cancel where offered). File dialogs are never shown: they answer as cancelled.
class CliPrompter final : public Prompter {
public:
    // `interruptFd` becomes readable when the user interrupts; a question waiting for an
    // answer then gives up with No.
    CliPrompter(CliConsole& console, int interruptFd);

    // The user has asked to stop: the question `action` asks (whether to cancel) is answered
    // Yes without asking.
    template <class Action> void confirmingCancel(Action&& action) {
        m_confirmCancel = true;
        std::forward<Action>(action)();
        m_confirmCancel = false;
    }

    // The yes/no question with this caption is answered `yes` without asking; the question
    // and the answer are still shown, with `reason` (the option that gave it).
    void presetAnswer(const QString& caption, bool yes, const QString& reason);

    void information(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    Answer askYesNoCancel(const QString& text, const QString& caption) override;
    std::optional<QString> openFile(const FileDialogOptions& options) override;
    std::optional<QString> saveFile(const FileDialogOptions& options) override;

private:
    // The typed answer's first letter in lower case, or nothing when no terminal can answer.
    std::optional<char> ask(const QString& question, const QString& choices);

    CliConsole& m_console;
    int m_interruptFd;
    bool m_confirmCancel = false;
    struct PresetAnswer {
        bool yes = false;
        QString reason;
    };
    QHash<QString, PresetAnswer> m_presetAnswers; // by caption
};

} // namespace tarnwick::cli
