#include "help_commands.h"

#include "help/help_viewer.h"

namespace tarnwick {

using help::HelpRequest;

void HelpContents(QWidget* window, const QString& helpFile) {
    help::showHelp(window, helpFile, HelpRequest::contents());
}

void HelpIndex(QWidget* window, const QString& helpFile) {
    help::showHelp(window, helpFile, HelpRequest::index());
}

void HelpSearch(QWidget* window, const QString& helpFile) {
    help::showHelp(window, helpFile, HelpRequest::search({}));
}

void HelpContext(QWidget* window, const QString& helpFile, int contextId) {
    help::showHelp(window, helpFile, HelpRequest::context(contextId));
}

QString popupHelpSource(const QString& helpFile) {
    return helpFile + QStringLiteral("::/popups.txt");
}

} // namespace tarnwick
