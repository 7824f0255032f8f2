#pragma once

#include "help/popup_topics.h"

class QObject;

namespace tarnwick {

// Gives the controls of `window` their What's This texts: every child widget or action whose
// object name the pop-up table lists for `windowName` ("frmMain", ...) gets the text of its
// context number from `popups`. Controls the window does not have are skipped. Answers how
// many controls got a text.
int applyWhatsThis(QObject& window, const char* windowName, const help::PopupTopics& popups);

} // namespace tarnwick
