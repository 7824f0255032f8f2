#include "hosted_control.h"

#include "com/memory_stream.h"
#include "com/persist.h"
#include "com/property_bag.h"
#include "com/property_bag_text.h"
#include "frame/control_interfaces.h"
#include "frame/himetric.h"

#include <QWidget>

namespace tarnwick::hosting {

using namespace com;

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

std::unique_ptr<HostedControl> createHostedControl(ComponentLoader& loader,
                                                   const QString& progId, const QString& name,
                                                   QWidget* parent, const HostingContext& context) {
    const QString& source = context.errorSource;
    auto hosted = std::make_unique<HostedControl>();
    hosted->name = name;
    hosted->progId = progId;
    hosted->clsid = loader.classIdOf(progId);
    hosted->object = loader.createObject(progId);
    hosted->dispatch = requiredInterface<IDispatch>(*hosted, source);
    hosted->site = makeObject<HostSite>(name, context.userMode, context.font);
    requiredInterface<IEmbeddedObject>(*hosted, source)->SetClientSite(hosted->site.get());
    requiredInterface<IPersistStreamInit>(*hosted, source)->InitNew();

    if (const auto info = hosted->object.query<IProvideClassInfo>();
        context.onEvent && info && info->GetClassInfo().events != nullptr) {
        const TypeInfo& events = *info->GetClassInfo().events;
        IConnectionPoint* point = nullptr;
        if (succeeded(requiredInterface<IConnectionPointContainer>(*hosted, source)
                          ->FindConnectionPoint(events.iid(), &point))) {
            hosted->eventPoint = ComPtr<IConnectionPoint>::adopt(point);
            const auto sink = makeObject<EventSink>(events, context.onEvent);
            hosted->eventPoint->Advise(sink->unknown(), &hosted->eventCookie);
        }
    }

    const auto view = requiredInterface<frame::IControlView>(*hosted, source);
    hosted->window = view->CreateControlWindow(parent);
    hosted->site->setWindow(hosted->window);
    return hosted;
}

QByteArray saveControl(const HostedControl& control, PersistForm form, const QString& source) {
    if (form == PersistForm::Stream) {
        const auto stream = makeObject<MemoryStream>();
        requiredInterface<IPersistStreamInit>(control, source)->Save(*stream, true);
        return stream->bytes();
    }
    const auto bag = makeObject<PropertyBag>();
    requiredInterface<IPersistPropertyBag>(control, source)->Save(*bag, true, true);
    return propertyBagToText(*bag);
}

void loadControl(const HostedControl& control, PersistForm form, const QByteArray& bytes,
                 const QString& source) {
    if (form == PersistForm::Stream) {
        const auto stream = makeObject<MemoryStream>(bytes);
        requiredInterface<IPersistStreamInit>(control, source)->Load(*stream);
    } else {
        requiredInterface<IPersistPropertyBag>(control, source)->Load(*propertyBagFromText(bytes));
    }
    if (control.window) {
        control.window->resize(frame::Himetric::toPixels(
            requiredInterface<frame::IControlView>(control, source)->GetExtent()));
    }
}

} // namespace tarnwick::hosting
