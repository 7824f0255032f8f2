#include "property_notify.h"

#include <algorithm>

namespace tarnwick::com {

PropertyNotifier::PropertyNotifier(ComModule* module)
    : m_point(makeObject<ConnectionPoint<IPropertyNotifySink>>(IPropertyNotifySink::kIid, module)) {
}

bool PropertyNotifier::requestEdit(DispId id) const {
    const auto sinks = m_point->sinks();
    return std::all_of(sinks.begin(), sinks.end(), [id](const ComPtr<IPropertyNotifySink>& sink) {
        return sink->OnRequestEdit(id);
    });
}

void PropertyNotifier::changed(DispId id) {
    m_dirty = true;
    for (const ComPtr<IPropertyNotifySink>& sink : m_point->sinks()) {
        sink->OnChanged(id);
    }
}

} // namespace tarnwick::com
