#include "cli_console.h"

#include <unistd.h>

namespace tarnwick::cli {

CliConsole::CliConsole(std::FILE* stream)
    : m_stream(stream), m_terminal(::isatty(::fileno(stream)) == 1) {}

CliConsole::~CliConsole() {
    endStatus();
}

void CliConsole::showStatus(const QString& text) {
    if (!m_terminal) {
        return;
    }
    // Blanks over whatever is left of a longer previous line.
    const qsizetype width = std::max(text.size(), m_statusLength);
    write(QLatin1Char('\r') + text.leftJustified(width));
    m_statusLength = text.size();
}

void CliConsole::printLine(const QString& text) {
    endStatus();
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    write(line + QLatin1Char('\n'));
}

void CliConsole::endStatus() {
    if (m_statusLength > 0) {
        write(QStringLiteral("\n"));
        m_statusLength = 0;
    }
}

void CliConsole::write(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), m_stream);
    std::fflush(m_stream);
}

} // namespace tarnwick::cli
