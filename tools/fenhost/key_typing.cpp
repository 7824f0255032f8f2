#include "key_typing.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <map>
#include <vector>

namespace tarnwick::fenhost {

namespace {

struct Stroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

std::optional<int> namedKey(const QString& name) {
    static const std::map<QString, int> keys{
        {QStringLiteral("ENTER"), Qt::Key_Return}, {QStringLiteral("TAB"), Qt::Key_Tab},
        {QStringLiteral("ESC"), Qt::Key_Escape},   {QStringLiteral("BS"), Qt::Key_Backspace},
        {QStringLiteral("DEL"), Qt::Key_Delete},   {QStringLiteral("INS"), Qt::Key_Insert},
        {QStringLiteral("HOME"), Qt::Key_Home},    {QStringLiteral("END"), Qt::Key_End},
        {QStringLiteral("LEFT"), Qt::Key_Left},    {QStringLiteral("RIGHT"), Qt::Key_Right},
        {QStringLiteral("UP"), Qt::Key_Up},        {QStringLiteral("DOWN"), Qt::Key_Down},
        {QStringLiteral("PGUP"), Qt::Key_PageUp},  {QStringLiteral("PGDN"), Qt::Key_PageDown}};
    const QString upper = name.toUpper();
    if (const auto found = keys.find(upper); found != keys.end()) {
        return found->second;
    }
    if (upper.startsWith(u'F')) {
        bool ok = false;
        const int number = upper.mid(1).toInt(&ok);
        if (ok && number >= 1 && number <= 12) {
            return Qt::Key_F1 + number - 1;
        }
    }
    return std::nullopt;
}

// The text a named key types, as a keyboard gives it.
QString textOfKey(int key) {
    switch (key) {
    case Qt::Key_Return:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    default:
        return {};
    }
}

Stroke characterStroke(QChar c, Qt::KeyboardModifiers modifiers) {
    const QChar upper = c.toUpper();
    const int key = upper.unicode() < 0x100 ? upper.unicode() : 0;
    if (c.isUpper()) {
        modifiers |= Qt::ShiftModifier;
    }
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    return {key, modifiers, control ? QString() : QString(c)};
}

std::optional<std::vector<Stroke>> strokesOf(QStringView keys) {
    std::vector<Stroke> strokes;
    Qt::KeyboardModifiers held;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == u'^' || c == u'+' || c == u'%') {
            held |=
                c == u'^' ? Qt::ControlModifier : (c == u'+' ? Qt::ShiftModifier : Qt::AltModifier);
            continue;
        }
        if (c == u'{') {
            // "{}}" names the closing brace itself.
            const qsizetype close = keys.indexOf(u'}', i + 2);
            if (close < 0) {
                return std::nullopt;
            }
            const QString name = keys.mid(i + 1, close - i - 1).toString();
            i = close;
            if (name.size() == 1) {
                strokes.push_back(characterStroke(name[0], held));
            } else if (const auto key = namedKey(name)) {
                strokes.push_back(
                    {*key, held, held == Qt::NoModifier ? textOfKey(*key) : QString()});
            } else {
                return std::nullopt;
            }
        } else {
            strokes.push_back(characterStroke(c, held));
        }
        held = Qt::NoModifier;
    }
    return strokes;
}

} // namespace

bool typeKeys(QWidget* target, QStringView keys) {
    const auto strokes = strokesOf(keys);
    if (!strokes) {
        return false;
    }
    for (const Stroke& stroke : *strokes) {
        QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
        QCoreApplication::sendEvent(target, &release);
    }
    QCoreApplication::processEvents();
    return true;
}

} // namespace tarnwick::fenhost
