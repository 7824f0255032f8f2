#include "bound_field.h"

#include "com/com_error.h"
#include "com/connection_point.h"
#include "com/late_binding.h"
#include "com/type_info.h"

namespace tarnwick::fenhost {

using namespace com;

void BoundChangeSink::OnChanged(DispId id) {
    if (m_field != nullptr) {
        m_field->controlChanged(id);
    }
}

namespace {

ComPtr<IConnectionPoint> changePointOf(IDispatch& control) {
    const auto container = queryInterface<IConnectionPointContainer>(&control);
    IConnectionPoint* found = nullptr;
    if (!container || failed(container->FindConnectionPoint(IPropertyNotifySink::kIid, &found))) {
        return {};
    }
    return ComPtr<IConnectionPoint>::adopt(found);
}

} // namespace

BoundField::~BoundField() {
    unbind();
}

void BoundField::bind(const QString& name, const ComPtr<IDispatch>& control) {
    const DispId dataBind = control->GetTypeInfo().idOfName(u"DataBind"); // 438 without it
    unbind();
    m_name = name;
    m_control = control;
    m_dataBind = dataBind;
    m_dirty = false;
    if (const ComPtr<IConnectionPoint> point = changePointOf(*control)) {
        auto sink = makeObject<BoundChangeSink>(this);
        if (succeeded(point->Advise(sink->unknown(), &m_cookie))) {
            m_sink = std::move(sink);
        }
    }
}

void BoundField::unbind() {
    if (m_sink) {
        m_sink->end();
        if (const ComPtr<IConnectionPoint> point = changePointOf(*m_control)) {
            point->Unadvise(m_cookie);
        }
    }
    m_sink.reset();
    m_cookie = 0;
    m_control.reset();
    m_name.clear();
    m_dirty = false;
}

IDispatch& BoundField::boundControl() const {
    if (!m_control) {
        throw ComError(ErrorNumber::InvalidArgument, QStringLiteral("No control is bound"),
                       QStringLiteral("fenhost"));
    }
    return *m_control;
}

void BoundField::push() {
    IDispatch& control = boundControl();
    m_pushing = true;
    try {
        const Variant value(m_value);
        control.Invoke(m_dataBind, InvokeKind::Put, std::span<const Variant>(&value, 1));
    } catch (...) {
        m_pushing = false;
        throw;
    }
    m_pushing = false;
    m_dirty = false;
}

void BoundField::pull() {
    const Variant value = boundControl().Invoke(m_dataBind, InvokeKind::Get, {});
    m_value = value.isNull() ? QString() : value.toString();
    m_dirty = false;
}

void BoundField::controlChanged(DispId id) {
    if (!m_pushing && (id == m_dataBind || id == DispIds::Unknown)) {
        m_dirty = true;
    }
}

} // namespace tarnwick::fenhost
