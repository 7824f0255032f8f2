#include "change_subscription.h"

#include "com/connection_point.h"

namespace tarnwick::frame {

using namespace com;

ChangeSubscription::~ChangeSubscription() {
    disconnect();
}

void ChangeSubscription::connect(IUnknown* object, Handler handler, ComModule* module) {
    disconnect();
    const auto container = queryInterface<IConnectionPointContainer>(object);
    if (!container) {
        return;
    }
    IConnectionPoint* found = nullptr;
    if (failed(container->FindConnectionPoint(IPropertyNotifySink::kIid, &found))) {
        return;
    }
    const auto point = ComPtr<IConnectionPoint>::adopt(found);
    auto sink = makeObject<ChangeSink>(std::move(handler), module);
    if (succeeded(point->Advise(sink->unknown(), &m_cookie))) {
        m_object = object;
        m_sink = std::move(sink);
    }
}

void ChangeSubscription::disconnect() {
    if (!m_sink) {
        return;
    }
    m_sink->end();
    if (const auto container = m_object.query<IConnectionPointContainer>()) {
        IConnectionPoint* found = nullptr;
        if (succeeded(container->FindConnectionPoint(IPropertyNotifySink::kIid, &found))) {
            ComPtr<IConnectionPoint>::adopt(found)->Unadvise(m_cookie);
        }
    }
    m_sink.reset();
    m_object.reset();
    m_cookie = 0;
}

} // namespace tarnwick::frame
