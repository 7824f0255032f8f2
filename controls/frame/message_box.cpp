#include "message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

namespace tarnwick::frame {

namespace {

void defaultMessageBox(QWidget* parent, const QString& text, const QString& caption,
                       MessageIcon icon) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical
                                                   : QMessageBox::Information,
                        caption, text, QMessageBox::Ok, parent);
        box.exec();
        return;
    }
    QTextStream(stderr) << caption << ": " << text << '\n';
}

MessageBoxHook& currentHook() {
    static MessageBoxHook hook;
    return hook;
}

} // namespace

void showMessageBox(QWidget* parent, const QString& text, const QString& caption,
                    MessageIcon icon) {
    if (const MessageBoxHook& hook = currentHook()) {
        hook(parent, text, caption, icon);
    } else {
        defaultMessageBox(parent, text, caption, icon);
    }
}

MessageBoxHook setMessageBoxHook(MessageBoxHook hook) {
    return std::exchange(currentHook(), std::move(hook));
}

} // namespace tarnwick::frame
