#include "fen_mask.h"

#include "frame/common_dispids.h"
#include "host_key_filter.h"
#include "mask_ids.h"
#include "mask_key_actions.h"
#include "mask_type_info.h"

#include <QWidget>
#include <array>

namespace tarnwick::mask {

using namespace com;
using namespace fenbase6;

const frame::ControlClassDescription& FenMask::description() {
    static const frame::ControlClassDescription d{
        {kFenMaskClsid, QStringLiteral("FenMask"), &fenMaskTypeInfo(), &fenMaskEventsInfo()},
        QStringLiteral("Holm.Mask6"),
        QStringLiteral("MaskEdit"),
        frame::EngineProfile{},
        frame::fenAlignHLeft,
        kMaskKeyActions,
        QStringLiteral("6.0.2.1"),
        0x00060000,
        {kGeneralPageClsid, kAppearancePageClsid, kFormatPageClsid, kLookupPageClsid},
        QStringLiteral("FenMask 6.0 - the masked input control of the Fen Input family.\n"
                       "Version 6.0.2.1")};
    return d;
}

FenMask::FenMask(const FenBase6Api& api, ComModule* module)
    : InputControl(description(), api, module) {}

QWidget* FenMask::CreateControlWindow(QWidget* parent) {
    QWidget* window = InputControl::CreateControlWindow(parent);
    if (FenEngine* engineWindow = engine().engine(); engineWindow != nullptr && !m_keyFilter) {
        m_keyFilter = new HostKeyFilter(engine(), engineWindow->widget());
        engineWindow->widget()->installEventFilter(m_keyFilter);
    }
    return window;
}

std::optional<Variant> FenMask::callOwn(DispId id, std::span<const Variant>) {
    if (id != MaskDispIds::ClearControl) {
        return std::nullopt;
    }
    clearControl();
    return Variant();
}

void FenMask::clearControl() {
    if (!settings().readOnly) {
        engine().send(MaskMsg::ClearContents);
    }
}

bool FenMask::keyAction(std::int32_t action, std::int32_t keyCode, std::int32_t shift,
                        bool leftButtonDown) {
    const auto keyActions = queryInterface<IFenKeyActions>(keys());
    return keyActions && runMaskKeyAction(action, keyCode, shift, *keyActions, engine(),
                                          leftButtonDown, [this] { clearControl(); });
}

void FenMask::engineNotification(std::uint16_t code, LongParam param) {
    switch (code) {
    case Notify::Changed:
        takeContents(); // kept for saving, and for a window made again
        // The bound field learns of the change through DataBind's notification.
        propertyChanged(MaskDispIds::Value);
        propertyChanged(MaskDispIds::DataBind);
        fireEvent(MaskEventIds::Change);
        break;
    case Notify::InsertModeSwitched:
        fireEvent(MaskEventIds::EditModeChange);
        break;
    case Notify::MaskInvalidInput:
        fireEvent(MaskEventIds::InvalidInput);
        break;
    case Notify::MaskKeyExit: {
        Variant action(static_cast<std::int32_t>(param));
        const std::array args{Variant::reference(action)};
        fireEvent(frame::CommonEventIds::KeyExit, args);
        break;
    }
    default:
        break;
    }
}

} // namespace tarnwick::mask
