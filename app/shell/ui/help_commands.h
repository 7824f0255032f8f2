#pragma once

#include <QString>

class QWidget;

namespace tarnwick {

// The program's help routines. Each opens the help file `helpFile` (the HelpFile setting, a
// help collection) in the help window, owned by `window`. The help's answer is not examined:
// an empty or missing help file opens nothing, and a context number the file lacks opens the
// contents; neither is a program error.
void HelpContents(QWidget* window, const QString& helpFile);
void HelpIndex(QWidget* window, const QString& helpFile);
// The search pane, with an empty query.
void HelpSearch(QWidget* window, const QString& helpFile);
void HelpContext(QWidget* window, const QString& helpFile, int contextId);

// Where the What's This texts come from: the topic file "popups.txt" inside the help file.
QString popupHelpSource(const QString& helpFile);

} // namespace tarnwick
