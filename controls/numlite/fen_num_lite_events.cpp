// The Spin object, key actions, KeyExit and the engine's notifications.
#include "com/com_error.h"
#include "fen_num_lite.h"
#include "fenbase6/fen_objects.h"
#include "frame/common_dispids.h"
#include "numlite_ids.h"
#include "spin_settings.h"

#include <QScopedValueRollback>
#include <array>

namespace tarnwick::numlite {

using namespace com;
using namespace fenbase6;

void FenNumLite::connectSpin() {
    m_spinChanges.connect(
        m_spin.get(),
        [this](DispId) {
            sendSpin(engine());
            propertyChanged(NumLiteDispIds::Spin);
        },
        libraryModule());
}

void FenNumLite::putSpin(const Variant& value) {
    const ComPtr<IUnknown> spin = value.toObject();
    if (!spin.query<IFenSpin>()) {
        throw ComError::standard(ErrorNumber::InvalidPropertyValue);
    }
    m_spin = spin;
    connectSpin();
    sendSpin(engine());
}

void FenNumLite::sendSpin(const frame::EngineLink& link) const {
    sendSpinSettings(link, SpinSettings::of(m_spin.get()), settings().enabled);
}

void FenNumLite::enabledChanged(const frame::EngineLink& link) {
    sendSpinEnabled(link, SpinSettings::of(m_spin.get()), settings().enabled);
}

void FenNumLite::clearControl() {
    if (!settings().readOnly) {
        engine().send(Msg::Clear);
    }
}

bool FenNumLite::keyAction(std::int32_t action, std::int32_t, std::int32_t,
                           bool leftButtonDown) {
    switch (action) {
    case KeyAction::NextCtrl:
        engine().send(NumberMsg::MoveToControl, 0);
        m_pendingKeyExit = frame::fenNextCtrlKey;
        break;
    case KeyAction::PrevCtrl:
        engine().send(NumberMsg::MoveToControl, 1);
        m_pendingKeyExit = frame::fenPrevCtrlKey;
        break;
    default:
        break;
    }
    if (!leftButtonDown) {
        if (action == KeyAction::Clear) {
            clearControl();
        } else if (action == KeyAction::ThreeZero && !settings().readOnly) {
            engine().send(NumberMsg::ThreeZero);
        }
    }
    return true;
}

void FenNumLite::focusLost() {
    // A handler that moves the focus again must not see a second KeyExit.
    if (!m_pendingKeyExit || m_firingKeyExit) {
        return;
    }
    Variant action(static_cast<std::int32_t>(*m_pendingKeyExit));
    m_pendingKeyExit.reset();
    const QScopedValueRollback firing(m_firingKeyExit, true);
    const std::array args{Variant::reference(action)};
    fireEvent(frame::CommonEventIds::KeyExit, args);
}

void FenNumLite::fireInvalidRange(LongParam restoreFlag) {
    auto* restore = reinterpret_cast<bool*>(restoreFlag);
    Variant choice(restore != nullptr && *restore);
    const std::array args{Variant::reference(choice)};
    fireEvent(NumLiteEventIds::InvalidRange, args);
    if (restore != nullptr) {
        *restore = choice.toBool();
    }
}

void FenNumLite::engineNotification(std::uint16_t code, LongParam param) {
    switch (code) {
    case Notify::Changed:
        propertyChanged(NumLiteDispIds::Value);
        propertyChanged(NumLiteDispIds::DataBind);
        fireEvent(NumLiteEventIds::Change);
        break;
    case Notify::InsertModeSwitched:
        fireEvent(NumLiteEventIds::EditModeChange);
        break;
    case Notify::NumberInvalidInput:
        fireEvent(NumLiteEventIds::InvalidInput);
        break;
    case Notify::SpinUp:
        fireEvent(NumLiteEventIds::SpinUp);
        break;
    case Notify::SpinDown:
        fireEvent(NumLiteEventIds::SpinDown);
        break;
    case Notify::OutOfRange:
        fireInvalidRange(param);
        break;
    case Notify::NumberKeyExit:
        m_pendingKeyExit = static_cast<std::int16_t>(lowWord(static_cast<std::uintptr_t>(param)));
        break;
    default:
        break;
    }
}

} // namespace tarnwick::numlite
