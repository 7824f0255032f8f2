#pragma once

// A Prompter for tests: records every box and dialog and answers from a script.

#include "shell/prompter.h"

#include <QString>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace tarnwick::test {

struct PromptCall {
    enum class Kind { Information, YesNo, YesNoCancel, OpenFile, SaveFile };
    Kind kind;
    QString text;              // empty for file dialogs
    QString caption;           // empty for file dialogs
    FileDialogOptions options; // file dialogs only
};

// Questions take the next scripted answer, file dialogs the next scripted path (nothing =
// cancelled). A question or dialog without a fitting answer fails the test and is answered
// No, Cancel or cancelled.
class ScriptedPrompter final : public Prompter {
public:
    std::vector<PromptCall> calls;

    void scriptAnswer(Answer answer) { m_script.emplace_back(answer); }
    void scriptPath(std::optional<QString> path) { m_script.emplace_back(std::move(path)); }

    void information(const QString& text, const QString& caption) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    Answer askYesNoCancel(const QString& text, const QString& caption) override;
    std::optional<QString> openFile(const FileDialogOptions& options) override;
    std::optional<QString> saveFile(const FileDialogOptions& options) override;

private:
    using Scripted = std::variant<Answer, std::optional<QString>>;
    Answer nextAnswer(const char* call);
    std::optional<QString> nextPath(const char* call);

    std::deque<Scripted> m_script;
};

} // namespace tarnwick::test
