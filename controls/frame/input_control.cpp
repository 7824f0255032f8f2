#include "input_control.h"

#include "com/com_error.h"
#include "com/member_dispatch.h"
#include "common_dispids.h"
#include "himetric.h"

#include <QThread>

namespace tarnwick::frame {

using namespace com;

namespace {

constexpr HRESULT RPC_E_WRONG_THREAD = makeHresult(0x8001010Eu);

} // namespace

InputControl::InputControl(const ControlClassDescription& description,
                           const fenbase6::FenBase6Api& api, ComModule* module)
    : ComObject(module), m_class(description), m_api(api), m_thread(QThread::currentThread()),
      m_events(description.classInfo.events->iid(), module),
      m_notifier(module), m_points{m_events.point(), m_notifier.point()} {
    m_settings.alignHorizontal = description.defaultAlignHorizontal;
    m_header = defaultHeader();
    m_caption = newSharedObject(fenbase6::kCaptionClsid);
    m_key = newSharedObject(fenbase6::kKeyClsid);
    m_font = newFont(nullptr);
    connectNestedObjects();
}

InputControl::~InputControl() {
    DestroyControlWindow();
}

HRESULT InputControl::QueryInterface(const Guid& iid, void** object) {
    if (object != nullptr && iid == m_class.classInfo.defaultInterface->iid()) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    return ComObject::QueryInterface(iid, object);
}

void InputControl::checkThread() const {
    if (QThread::currentThread() != m_thread) {
        throw ComError(RPC_E_WRONG_THREAD,
                       QStringLiteral("The application called an interface that was marshalled "
                                      "for a different thread."),
                       m_class.source);
    }
}

void InputControl::requireRunTime() const {
    if (!userMode()) {
        throw ComError::standard(ErrorNumber::PropertyGetNotSupported);
    }
}

Variant InputControl::Invoke(DispId id, InvokeKind how, std::span<const Variant> args) {
    checkThread();
    return dispatchMember(GetTypeInfo(), m_class.source, id, how, args, [&](const MemberInfo&) {
        switch (how) {
        case InvokeKind::Method:
            if (auto result = callOwn(id, args)) {
                return *result;
            }
            return callCommon(id);
        case InvokeKind::Get:
            if (auto value = getOwn(id)) {
                return *value;
            }
            return getCommon(id);
        case InvokeKind::Put:
        case InvokeKind::PutRef:
            break;
        }
        if (!putOwn(id, args.back())) {
            putCommon(id, args.back());
        }
        m_notifier.changed(id);
        return Variant();
    });
}

std::optional<Variant> InputControl::getOwn(DispId) {
    return std::nullopt;
}

bool InputControl::putOwn(DispId, const Variant&) {
    return false;
}

std::optional<Variant> InputControl::callOwn(DispId, std::span<const Variant>) {
    return std::nullopt;
}

bool InputControl::keyAction(std::int32_t, std::int32_t, std::int32_t, bool) {
    return false;
}

void InputControl::engineNotification(std::uint16_t, fenbase6::LongParam) {}

std::vector<ComPtr<IConnectionPoint>> InputControl::EnumConnectionPoints() const {
    return m_points.all();
}

HRESULT InputControl::FindConnectionPoint(const Guid& iid, IConnectionPoint** point) {
    return m_points.find(iid, point);
}

void InputControl::fireEvent(DispId id, std::span<const Variant> args) {
    m_events.fire(id, args);
}

void InputControl::OnAmbientPropertyChange(DispId id) {
    if (id != AmbientDispIds::UserMode && id != DispIds::Unknown) {
        return;
    }
    m_engine.send(fenbase6::Msg::SetUserMode, userMode() ? 1 : 0);
    sendMousePointer(m_engine);
    updateDesignMode();
}

void InputControl::engineCommand(fenbase6::WordParam word, fenbase6::LongParam param) {
    const std::uint16_t code = fenbase6::highWord(word);
    switch (code) {
    case fenbase6::Notify::MouseEntered:
        fireEvent(CommonEventIds::MouseEnter);
        break;
    case fenbase6::Notify::MouseLeft:
        fireEvent(CommonEventIds::MouseExit);
        break;
    default:
        engineNotification(code, param);
        break;
    }
}

QPointF InputControl::containerPoint(const QPoint& pixel) const {
    const QPointF himetric = Himetric::fromPixels(QPointF(pixel));
    return m_site ? m_site->TransformCoords(himetric) : himetric;
}

} // namespace tarnwick::frame
