// The order form. With --type PHONE QUANTITY it types both into their fields, prints the
// form's summary and ends (for trying it without a person, e.g. QT_QPA_PLATFORM=offscreen).
#include "order_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextStream>

namespace {

void type(QWidget* field, const QString& text) {
    QWidget* target = field->focusProxy() != nullptr ? field->focusProxy() : field;
    target->setFocus();
    for (const QChar c : text) {
        const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : c.unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    try {
        OrderForm form;
        form.setWindowTitle(QStringLiteral("Order"));
        form.show();
        if (args.size() == 4 && args[1] == QLatin1String("--type")) {
            type(form.phone(), args[2]);
            type(form.quantity(), args[3]);
            QTextStream(stdout) << form.summary() << '\n';
            return 0;
        }
        return QApplication::exec();
    } catch (const fencontrols::Error& error) {
        QTextStream(stderr) << "order-form: error " << error.number() << ": "
                            << error.description() << '\n';
        return 1;
    }
}
