#include "scripted_prompter.h"

#include <gtest/gtest.h>

namespace tarnwick::test {

void ScriptedPrompter::information(const QString& text, const QString& caption) {
    calls.push_back({PromptCall::Kind::Information, text, caption, {}});
}

bool ScriptedPrompter::askYesNo(const QString& text, const QString& caption) {
    calls.push_back({PromptCall::Kind::YesNo, text, caption, {}});
    const Answer answer = nextAnswer("askYesNo");
    if (answer == Answer::Cancel)
        ADD_FAILURE() << "Cancel scripted for a Yes/No question: " << text.toStdString();
    return answer == Answer::Yes;
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& text, const QString& caption) {
    calls.push_back({PromptCall::Kind::YesNoCancel, text, caption, {}});
    return nextAnswer("askYesNoCancel");
}

std::optional<QString> ScriptedPrompter::openFile(const FileDialogOptions& options) {
    calls.push_back({PromptCall::Kind::OpenFile, {}, {}, options});
    return nextPath("openFile");
}

std::optional<QString> ScriptedPrompter::saveFile(const FileDialogOptions& options) {
    calls.push_back({PromptCall::Kind::SaveFile, {}, {}, options});
    return nextPath("saveFile");
}

Prompter::Answer ScriptedPrompter::nextAnswer(const char* call) {
    if (m_script.empty() || !std::holds_alternative<Answer>(m_script.front())) {
        ADD_FAILURE() << call << ": no scripted answer for \"" << calls.back().text.toStdString()
                      << "\"";
        return calls.back().kind == PromptCall::Kind::YesNo ? Answer::No : Answer::Cancel;
    }
    const Answer answer = std::get<Answer>(m_script.front());
    m_script.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompter::nextPath(const char* call) {
    if (m_script.empty() || !std::holds_alternative<std::optional<QString>>(m_script.front())) {
        ADD_FAILURE() << call << ": no scripted path";
        return std::nullopt;
    }
    // Copied out as a plain QString: copying the optional itself out of the variant makes
    // gcc's optimiser warn about an uninitialised member.
    const auto& entry = std::get<std::optional<QString>>(m_script.front());
    const bool chosen = entry.has_value();
    const QString path = entry.value_or(QString());
    m_script.pop_front();
    if (!chosen) {
        return std::nullopt;
    }
    return path;
}

} // namespace tarnwick::test
