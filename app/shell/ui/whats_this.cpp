#include "whats_this.h"

#include "shell/ui/help_topics.h"

#include <QAction>
#include <QWidget>
#include <cstring>

namespace tarnwick {

namespace {
bool setWhatsThis(QObject* control, const QString& text) {
    if (auto* widget = qobject_cast<QWidget*>(control)) {
        widget->setWhatsThis(text);
        return true;
    }
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setWhatsThis(text);
        return true;
    }
    return false;
}
} // namespace

int applyWhatsThis(QObject& window, const char* windowName, const help::PopupTopics& popups) {
    int applied = 0;
    for (const ControlPopup& popup : kControlPopups) {
        if (std::strcmp(popup.window, windowName) != 0)
            continue;
        const QString text = popups.text(popup.contextId);
        if (text.isEmpty())
            continue;
        for (QObject* control : window.findChildren<QObject*>(QLatin1String(popup.control))) {
            if (setWhatsThis(control, text))
                ++applied;
        }
    }
    return applied;
}

} // namespace tarnwick
