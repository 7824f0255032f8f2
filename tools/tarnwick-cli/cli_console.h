#pragma once

#include <QString>
#include <cstdio>

namespace tarnwick::cli {

// Standard error as the download shows it: on a terminal one status line rewritten in place
// with messages printed below it, elsewhere plain lines only.
class CliConsole {
public:
    explicit CliConsole(std::FILE* stream = stderr);
    ~CliConsole();
    CliConsole(const CliConsole&) = delete;
    CliConsole& operator=(const CliConsole&) = delete;

    bool isTerminal() const { return m_terminal; }

    // Terminal only: replaces the status line with `text`.
    void showStatus(const QString& text);
    // A line of its own, below the status line; CR LF breaks inside become line breaks.
    void printLine(const QString& text);
    // Ends the status line, so that what follows starts on a line of its own.
    void endStatus();

private:
    void write(const QString& text);

    std::FILE* m_stream;
    bool m_terminal;
    qsizetype m_statusLength = 0; // characters of the status line on screen, 0 when none
};

} // namespace tarnwick::cli
