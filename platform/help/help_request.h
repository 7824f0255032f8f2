#pragma once

#include <QString>

namespace tarnwick::help {

// What a caller asks of the help: the numbers are those of the classic help commands.
enum class HelpCommand {
    DisplayToc = 1,
    DisplayIndex = 2,
    DisplaySearch = 3,
    HelpContext = 15,
};

struct HelpRequest {
    HelpCommand command = HelpCommand::DisplayToc;
    int contextId = 0;  // HelpContext only
    QString searchText; // DisplaySearch only; an empty text opens the search pane unsearched

    static HelpRequest contents() { return {HelpCommand::DisplayToc, 0, {}}; }
    static HelpRequest index() { return {HelpCommand::DisplayIndex, 0, {}}; }
    static HelpRequest search(const QString& text) { return {HelpCommand::DisplaySearch, 0, text}; }
    static HelpRequest context(int contextId) { return {HelpCommand::HelpContext, contextId, {}}; }
};

} // namespace tarnwick::help
