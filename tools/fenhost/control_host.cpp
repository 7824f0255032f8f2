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
    auto found = control.object.query<Interface>();
    if (!found) {
        fail(ErrorNumber::MemberNotSupported,
             QStringLiteral("%1 cannot do that (no such interface)").arg(control.name));
    }
    return found;
}

} // namespace

HostedControl::~HostedControl() {
    if (eventPoint) {
        eventPoint->Unadvise(eventCookie);
    }
    if (const auto view = object.query<frame::IControlView>()) {
        view->DestroyControlWindow();
    }
    if (const auto embedded = object.query<IEmbeddedObject>()) {
        embedded->SetClientSite(nullptr);
    }
}

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
    auto hosted = std::make_unique<HostedControl>();
    hosted->name = name;
    hosted->progId = progId;
    hosted->clsid = m_loader.classIdOf(progId);
    hosted->object = m_loader.createObject(progId);
    hosted->dispatch = required<IDispatch>(*hosted);
    hosted->site = makeObject<HostSite>(
        name, [this] { return m_userMode; }, m_font);
    required<IEmbeddedObject>(*hosted)->SetClientSite(hosted->site.get());
    required<IPersistStreamInit>(*hosted)->InitNew();

    if (const auto info = hosted->object.query<IProvideClassInfo>();
        info && info->GetClassInfo().events != nullptr) {
        const TypeInfo& events = *info->GetClassInfo().events;
        IConnectionPoint* point = nullptr;
        if (succeeded(required<IConnectionPointContainer>(*hosted)->FindConnectionPoint(
                events.iid(), &point))) {
            hosted->eventPoint = ComPtr<IConnectionPoint>::adopt(point);
            const auto sink = makeObject<EventLogSink>(name, events, m_eventLog);
            hosted->eventPoint->Advise(sink->unknown(), &hosted->eventCookie);
        }
    }

    const auto view = required<frame::IControlView>(*hosted);
    hosted->window = view->CreateControlWindow(m_form);
    hosted->window->move(nextPosition());
    hosted->window->show();
    hosted->site->setWindow(hosted->window);
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
