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

// "NAME.MEMBER rest", where MEMBER may go through objects the control holds
// ("n1.Spin.Visible").
struct MemberReference {
    QString control;
    QStringList objects; // the object-valued members on the way to `member`
    QString member;
    QString rest;
};

MemberReference memberReference(const QString& text, bool wantsRest) {
    const QString trimmed = text.trimmed();
    const qsizetype space = trimmed.indexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString target = space < 0 ? trimmed : trimmed.left(space);
    const QStringList path = target.split(u'.');
    if (path.size() < 2 || path.contains(QString())) {
        badCommand(QStringLiteral("Expected NAME.MEMBER, not \"%1\"").arg(target));
    }
    MemberReference reference{path.first(), path.mid(1, path.size() - 2), path.last(),
                              space < 0 ? QString() : trimmed.mid(space + 1)};
    if (!wantsRest && !reference.rest.isEmpty()) {
        badCommand(QStringLiteral("Unexpected \"%1\"").arg(reference.rest));
    }
    return reference;
}

// The object whose `reference.member` is meant.
ComPtr<IDispatch> owner(IDispatch& control, const MemberReference& reference) {
    ComPtr<IDispatch> object(&control);
    for (const QString& name : reference.objects) {
        object = getProperty(*object, name).toObject().query<IDispatch>();
        if (!object) {
            throw ComError(ErrorNumber::ObjectRequired, QString(), QStringLiteral("fenhost"));
        }
    }
    return object;
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
    } else if (command == QLatin1String("bind")) {
        bind(words(rest));
    } else if (command == QLatin1String("field")) {
        field(rest);
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
    const ComPtr<IDispatch> object = owner(*m_host.control(reference.control).dispatch, reference);
    const Variant value = parseValue(reference.rest);
    if (value.type() == VariantType::Object) {
        putPropertyRef(*object, reference.member, value);
    } else {
        putProperty(*object, reference.member, value);
    }
}

void ScriptRunner::get(const QString& rest) {
    const MemberReference reference = memberReference(rest, false);
    const ComPtr<IDispatch> object = owner(*m_host.control(reference.control).dispatch, reference);
    m_out << formatValue(getProperty(*object, reference.member)) << '\n';
}

void ScriptRunner::call(const QString& rest) {
    const MemberReference reference = memberReference(rest, true);
    const std::vector<Variant> args = parseArguments(reference.rest);
    const ComPtr<IDispatch> object = owner(*m_host.control(reference.control).dispatch, reference);
    const Variant result = callMethod(*object, reference.member, args);
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

void ScriptRunner::bind(const QStringList& args) {
    if (args.size() != 1) {
        badCommand(QStringLiteral("Expected bind NAME"));
    }
    HostedControl& control = m_host.control(args[0]);
    m_field.bind(control.name, control.dispatch);
}

void ScriptRunner::field(const QString& rest) {
    const QStringList parts = wordsAndRest(rest, 2);
    const QString action = parts.value(0);
    if (action == QLatin1String("set") && parts.size() == 2) {
        m_field.setValue(parseValue(parts[1]).toString());
    } else if (action == QLatin1String("get") && parts.size() == 1) {
        m_out << formatValue(Variant(m_field.value())) << (m_field.isDirty() ? " dirty" : " clean")
              << '\n';
    } else if (action == QLatin1String("push") && parts.size() == 1) {
        m_field.push();
    } else if (action == QLatin1String("pull") && parts.size() == 1) {
        m_field.pull();
    } else {
        badCommand(QStringLiteral("Expected field set VALUE, field get, field push or field pull"));
    }
}

} // namespace tarnwick::fenhost
