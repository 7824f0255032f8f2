#include "message_box_answerer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QTimer>

namespace tarnwick::fenhost {

MessageBoxAnswerer::MessageBoxAnswerer(Report report, QObject* parent)
    : QObject(parent), m_report(std::move(report)) {
    QCoreApplication::instance()->installEventFilter(this);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) {
        return false;
    }
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box == nullptr) {
        return false;
    }
    m_report(box->windowTitle(), box->text());
    // Answered once its own event loop runs, as a person pressing its default button would.
    QTimer::singleShot(0, box, [target = QPointer<QMessageBox>(box)] {
        if (!target) {
            return;
        }
        QAbstractButton* answer = target->defaultButton();
        if (answer == nullptr && !target->buttons().isEmpty()) {
            answer = target->buttons().front();
        }
        if (answer != nullptr) {
            answer->click();
        } else {
            target->reject();
        }
    });
    return false;
}

} // namespace tarnwick::fenhost
