#include "cli_prompter.h"

#include "cli_console.h"

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace tarnwick::cli {

namespace {

bool canAsk() {
    return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1;
}

// One line typed on standard input; nothing at end of input or when `interruptFd` becomes
// readable first.
std::optional<QByteArray> readAnswer(int interruptFd) {
    pollfd fds[] = {{STDIN_FILENO, POLLIN, 0}, {interruptFd, POLLIN, 0}};
    while (::poll(fds, 2, -1) < 0) {
        if (errno != EINTR) {
            return std::nullopt;
        }
    }
    if ((fds[1].revents & POLLIN) != 0 || (fds[0].revents & POLLIN) == 0) {
        return std::nullopt;
    }
    char line[256] = {};
    if (std::fgets(line, sizeof line, stdin) == nullptr) {
        return std::nullopt;
    }
    return QByteArray(line).trimmed();
}

} // namespace

CliPrompter::CliPrompter(CliConsole& console, int interruptFd)
    : m_console(console), m_interruptFd(interruptFd) {}

void CliPrompter::information(const QString& text, const QString&) {
    m_console.printLine(text);
}

std::optional<char> CliPrompter::ask(const QString& question, const QString& choices) {
    if (!canAsk()) {
        m_console.printLine(question + QStringLiteral(" (not asked: no terminal)"));
        return std::nullopt;
    }
    m_console.endStatus();
    std::fputs((question + QStringLiteral(" [") + choices + QStringLiteral("] "))
                   .toLocal8Bit()
                   .constData(),
               stderr);
    std::fflush(stderr);
    const std::optional<QByteArray> answer = readAnswer(m_interruptFd);
    if (!answer || answer->isEmpty()) {
        std::fputs("\n", stderr);
        return std::nullopt;
    }
    return static_cast<char>(QChar::fromLatin1(answer->at(0)).toLower().unicode());
}

void CliPrompter::presetAnswer(const QString& caption, bool yes, const QString& reason) {
    m_presetAnswers.insert(caption, {yes, reason});
}

bool CliPrompter::askYesNo(const QString& text, const QString& caption) {
    if (m_confirmCancel) {
        m_console.printLine(text + QStringLiteral(" Yes (interrupted)"));
        return true;
    }
    if (const auto preset = m_presetAnswers.constFind(caption); preset != m_presetAnswers.cend()) {
        m_console.printLine(text +
                            (preset->yes ? QStringLiteral(" Yes (") : QStringLiteral(" No (")) +
                            preset->reason + QLatin1Char(')'));
        return preset->yes;
    }
    return ask(text, QStringLiteral("y/N")) == 'y';
}

Prompter::Answer CliPrompter::askYesNoCancel(const QString& text, const QString&) {
    switch (ask(text, QStringLiteral("y/n/C")).value_or('c')) {
    case 'y':
        return Answer::Yes;
    case 'n':
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> CliPrompter::openFile(const FileDialogOptions&) {
    return std::nullopt;
}

std::optional<QString> CliPrompter::saveFile(const FileDialogOptions&) {
    return std::nullopt;
}

} // namespace tarnwick::cli
