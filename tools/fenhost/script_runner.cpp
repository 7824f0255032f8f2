#include "script_runner.h"

#include "com/com_error.h"
#include "com/late_binding.h"
#include "key_typing.h"
#include "variant_text.h"

#include <QRegularExpression>
#include <QWidget>

namespace tarnwick::fenhost {

using namespace com;

namespace {

[[noreturn]] void badCommand(const QString& why) {
    throw ComError(ErrorNumber::InvalidArgument, why, QStringLiteral("fenhost"));
}

QStringList words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The first `count` - 1 words of `text` and then the rest of it (a file name with blanks).
QStringList wordsAndRest(const QString& text, qsizetype count) {
    QStringList parts;
    QString rest = text.trimmed();
    while (parts.size() < count - 1 && !rest.isEmpty()) {
        const qsizetype space = rest.indexOf(QRegularExpression(QStringLiteral("\\s")));
        parts.append(space < 0 ? rest : rest.left(space));
        rest = space < 0 ? QString() : rest.mid(space + 1).trimmed();
    }
    if (!rest.isEmpty()) {
        parts.append(rest);
    }
    return parts;
}

// "NAME.MEMBER rest" split into its three parts.
struct MemberReference {
    QString control;
    QString member;
    QString rest;
};

MemberReference memberReference(const QString& text, bool wantsRest) {
    const QString trimmed = text.trimmed();
    const qsizetype space = trimmed.indexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString target = space < 0 ? trimmed : trimmed.left(space);
    const qsizetype dot = target.indexOf(u'.');
    if (dot <= 0 || dot == target.size() - 1) {
        badCommand(QStringLiteral("Expected NAME.MEMBER, not \"%1\"").arg(target));
    }
    MemberReference reference{target.left(dot), target.mid(dot + 1),
                              space < 0 ? QString() : trimmed.mid(space + 1)};
    if (!wantsRest && !reference.rest.isEmpty()) {
        badCommand(QStringLiteral("Unexpected \"%1\"").arg(reference.rest));
    }
    return reference;
}

PersistForm persistForm(const QString& word) {
    if (word == QLatin1String("bag")) {
        return PersistForm::Bag;
    }
    if (word == QLatin1String("stream")) {
        return PersistForm::Stream;
    }
    badCommand(QStringLiteral("Expected bag or stream, not \"%1\"").arg(word));
}

// The widget of the control window that takes the keyboard (its engine).
QWidget* keyboardWidget(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) != 0) {
            return child;
        }
    }
    return window;
}

} // namespace

bool ScriptRunner::run(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
        return true;
    }
    const qsizetype space = trimmed.indexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString command = space < 0 ? trimmed : trimmed.left(space);
    const QString rest = space < 0 ? QString() : trimmed.mid(space + 1);
    try {
        execute(command, rest);
        return true;
    } catch (const ComError& error) {
        m_out << "error " << error.number() << ": " << error.description() << '\n';
    }
    m_out.flush();
    return false;
}

void ScriptRunner::execute(const QString& command, const QString& rest) {
    if (command == QLatin1String("create")) {
        create(words(rest));
    } else if (command == QLatin1String("set")) {
        set(rest);
    } else if (command == QLatin1String("get")) {
        get(rest);
    } else if (command == QLatin1String("call")) {
        call(rest);
    } else if (command == QLatin1String("keys")) {
        keys(rest);
    } else if (command == QLatin1String("save") || command == QLatin1String("load")) {
        persist(command, wordsAndRest(rest, 3));
    } else if (command == QLatin1String("mode")) {
        mode(words(rest));
    } else {
        badCommand(QStringLiteral("Unknown command \"%1\"").arg(command));
    }
    m_out.flush();
}

void ScriptRunner::create(const QStringList& args) {
    if (args.size() != 2) {
        badCommand(QStringLiteral("Expected create PROGID NAME"));
    }
    m_host.create(args[0], args[1]);
}

void ScriptRunner::set(const QString& rest) {
    const MemberReference reference = memberReference(rest, true);
    IDispatch& control = *m_host.control(reference.control).dispatch;
    const Variant value = parseValue(reference.rest);
    if (value.type() == VariantType::Object) {
        putPropertyRef(control, reference.member, value);
    } else {
        putProperty(control, reference.member, value);
    }
}

void ScriptRunner::get(const QString& rest) {
    const MemberReference reference = memberReference(rest, false);
    m_out << formatValue(getProperty(*m_host.control(reference.control).dispatch, reference.member))
          << '\n';
}

void ScriptRunner::call(const QString& rest) {
    const MemberReference reference = memberReference(rest, true);
    const std::vector<Variant> args = parseArguments(reference.rest);
    const Variant result =
        callMethod(*m_host.control(reference.control).dispatch, reference.member, args);
    if (!result.isEmpty()) {
        m_out << formatValue(result) << '\n';
    }
}

void ScriptRunner::keys(const QString& rest) {
    const qsizetype space = rest.indexOf(u' ');
    if (space <= 0) {
        badCommand(QStringLiteral("Expected keys NAME TEXT"));
    }
    HostedControl& control = m_host.control(rest.left(space));
    if (!control.window) {
        badCommand(QStringLiteral("%1 has no window").arg(control.name));
    }
    if (!typeKeys(keyboardWidget(control.window), QStringView(rest).mid(space + 1))) {
        badCommand(QStringLiteral("Unknown key name in \"%1\"").arg(rest.mid(space + 1)));
    }
}

void ScriptRunner::persist(const QString& command, const QStringList& args) {
    if (args.size() != 3) {
        badCommand(QStringLiteral("Expected %1 NAME bag|stream FILE").arg(command));
    }
    HostedControl& control = m_host.control(args[0]);
    const PersistForm form = persistForm(args[1]);
    if (command == QLatin1String("save")) {
        m_host.save(control, form, args[2]);
    } else {
        m_host.load(control, form, args[2]);
    }
}

void ScriptRunner::mode(const QStringList& args) {
    if (args.size() != 1 ||
        (args[0] != QLatin1String("design") && args[0] != QLatin1String("run"))) {
        badCommand(QStringLiteral("Expected mode design|run"));
    }
    m_host.setUserMode(args[0] == QLatin1String("run"));
}

} // namespace tarnwick::fenhost
