#include "control_host.h"

#include "com/ambient.h"
#include "com/com_error.h"
#include "com/file_stream.h"
#include "com/persist.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "com/std_font.h"
#include "frame/control_interfaces.h"
#include "frame/himetric.h"
#include "variant_text.h"

#include <QFile>
#include <QSaveFile>
#include <QWidget>

namespace tarnwick::fenhost {

using namespace com;

namespace {

constexpr int kMargin = 10;

[[noreturn]] void fail(long number, const QString& description) {
    throw ComError(number, description, QStringLiteral("fenhost"));
}

template <typename Interface> ComPtr<Interface> required(const HostedControl& control) {
    return hosting::requiredInterface<Interface>(control, QStringLiteral("fenhost"));
}

} // namespace

ControlHost::ControlHost(const registry::RegistryStore& store, QWidget* form, Log eventLog)
    : m_loader(store), m_form(form), m_eventLog(std::move(eventLog)),
      m_font(makeObject<StdFont>()->unknown()) {}

ControlHost::~ControlHost() {
    m_controls.clear(); // before the loader lets their libraries go
}

HostedControl& ControlHost::control(const QString& name) {
    for (const auto& hosted : m_controls) {
        if (hosted->name.compare(name, Qt::CaseInsensitive) == 0) {
            return *hosted;
        }
    }
    fail(ErrorNumber::InvalidArgument, QStringLiteral("There is no control named %1").arg(name));
}

QPoint ControlHost::nextPosition() const {
    int y = kMargin;
    for (const auto& hosted : m_controls) {
        if (hosted->window) {
            y = std::max(y, hosted->window->geometry().bottom() + 1 + kMargin);
        }
    }
    return {kMargin, y};
}

HostedControl& ControlHost::create(const QString& progId, const QString& name) {
    for (const auto& hosted : m_controls) {
        if (hosted->name.compare(name, Qt::CaseInsensitive) == 0) {
            fail(ErrorNumber::InvalidArgument,
                 QStringLiteral("There already is a control named %1").arg(name));
        }
    }
    hosting::HostingContext context{
        [this] { return m_userMode; }, m_font,
        [this, name](const QString& event, const QStringList& parameterNames,
                     std::span<const Variant> args) {
            QStringList shown;
            for (std::size_t i = 0; i < args.size(); ++i) {
                const QString value = formatValue(args[i].dereferenced());
                const auto index = static_cast<qsizetype>(i);
                shown.append(index < parameterNames.size() ? parameterNames[index] + u'=' + value
                                                           : value);
            }
            m_eventLog(QStringLiteral("%1.%2(%3)").arg(name, event,
                                                       shown.join(QLatin1String(", "))));
        },
        QStringLiteral("fenhost")};
    auto hosted = hosting::createHostedControl(m_loader, progId, name, m_form, context);
    hosted->window->move(nextPosition());
    hosted->window->show();
    m_controls.push_back(std::move(hosted));
    return *m_controls.back();
}

void ControlHost::setUserMode(bool run) {
    m_userMode = run;
    for (const auto& hosted : m_controls) {
        if (const auto embedded = hosted->object.query<IEmbeddedObject>()) {
            embedded->OnAmbientPropertyChange(AmbientDispIds::UserMode);
        }
    }
}

void ControlHost::save(HostedControl& control, PersistForm form, const QString& file) const {
    if (form == PersistForm::Stream) {
        const auto stream = FileStream::open(file, FileStream::Mode::Create);
        required<IPersistStreamInit>(control)->Save(*stream, true);
        return;
    }
    const auto bag = makeObject<PropertyBag>();
    required<IPersistPropertyBag>(control)->Save(*bag, true, true);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(propertyBagToText(*bag)) < 0 ||
        !out.commit()) {
        fail(ErrorNumber::PathFileAccess, QStringLiteral("Cannot write %1").arg(file));
    }
}

void ControlHost::load(HostedControl& control, PersistForm form, const QString& file) const {
    if (form == PersistForm::Stream) {
        const auto stream = FileStream::open(file, FileStream::Mode::Read);
        required<IPersistStreamInit>(control)->Load(*stream);
    } else {
        QFile in(file);
        if (!in.exists()) {
            throw ComError::standard(ErrorNumber::FileNotFound, QStringLiteral("fenhost"));
        }
        if (!in.open(QIODevice::ReadOnly)) {
            fail(ErrorNumber::PathFileAccess, QStringLiteral("Cannot read %1").arg(file));
        }
        required<IPersistPropertyBag>(control)->Load(*propertyBagFromText(in.readAll()));
    }
    if (control.window) {
        control.window->resize(
            frame::Himetric::toPixels(required<frame::IControlView>(control)->GetExtent()));
    }
}

} // namespace tarnwick::fenhost
