#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarnwick::frame {

enum class MessageIcon { Information, Error };

// Shows one message box; `parent` may be null.
using MessageBoxHook = std::function<void(QWidget* parent, const QString& text,
                                          const QString& caption, MessageIcon icon)>;

// Every message box of a control library goes through here, so that a test can watch them
// instead of a person having to close them. Without a hook of its own the library shows a
// modal box when the process has a widget application, and writes to stderr otherwise.
void showMessageBox(QWidget* parent, const QString& text, const QString& caption, MessageIcon icon);

// Replaces the hook (an empty one brings the default back) and answers the previous one.
MessageBoxHook setMessageBoxHook(MessageBoxHook hook);

} // namespace tarnwick::frame
