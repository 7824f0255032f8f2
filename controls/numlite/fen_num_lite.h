#pragma once

#include "frame/change_subscription.h"
#include "frame/input_control.h"
#include "number_settings.h"

#include <optional>

namespace tarnwick::numlite {

// The numeric input control `FenNumLite`: one number (or Null) within a range, with places,
// decimal point, minus-sign mode, negative colour and spin buttons, over the number engine.
// Its value and bounds are asked of the engine while it has a window; without one the
// control keeps them itself, as finite doubles (Null for the value), as a hidden engine
// with its settings took them.
class FenNumLite : public frame::InputControl {
public:
    FenNumLite(const fenbase6::FenBase6Api& api, com::ComModule* module);
    ~FenNumLite() override;

    static const frame::ControlClassDescription& description();

    void focusLost() override;

protected:
    std::optional<com::Variant> getOwn(com::DispId id) override;
    bool putOwn(com::DispId id, const com::Variant& value) override;
    std::optional<com::Variant> callOwn(com::DispId id,
                                        std::span<const com::Variant> args) override;
    void initNewOwn() override;
    void persist(frame::PropertyArchive& archive) override;
    bool replayOwn(const frame::EngineLink& link) override;
    std::any ownState() override;
    void restoreOwnState(const std::any& state) override;
    bool keyAction(std::int32_t action, std::int32_t keyCode, std::int32_t shift,
                   bool leftButtonDown) override;
    void enabledChanged(const frame::EngineLink& link) override;
    void validateLoaded() const override;
    void engineNotification(std::uint16_t code, fenbase6::LongParam param) override;

private:
    // ---- The number model (fen_num_lite_value.cpp) ----
    std::optional<com::Variant> getNumber(com::DispId id);
    bool putNumber(com::DispId id, const com::Variant& value);
    const com::Variant& refreshedValue();
    void refreshBounds();
    com::Variant valuePart(fenbase6::MessageId message);
    // The engine's answer to a value offered for the set-value operation: 0 accepted, else
    // kRefusedBase + 0 (unusable) or + 1 (out of range). Without a window a hidden engine
    // answers, and the value it holds is kept.
    fenbase6::MessageResult offerValue(const com::Variant& offered);
    void putValue(const com::Variant& value);
    void putBound(com::DispId id, const com::Variant& value);
    void putIntegerPlaces(const com::Variant& value);
    void putDecimalPlaces(const com::Variant& value);
    void putDecimalPoint(const com::Variant& value);
    com::Variant readDataBind();
    void writeDataBind(const com::Variant& value);
    void fireDBError(std::int16_t code);

    // ---- The engine's text and selection (fen_num_lite_text.cpp) ----
    std::optional<com::Variant> getText(com::DispId id);
    bool putText(com::DispId id, const com::Variant& value);

    // ---- Spin, keys and notifications (fen_num_lite_events.cpp) ----
    void connectSpin();
    void putSpin(const com::Variant& value);
    void sendSpin(const frame::EngineLink& link) const;
    void clearControl();
    void fireInvalidRange(fenbase6::LongParam restoreFlag);

    NumberSettings m_number;
    com::ComPtr<com::IUnknown> m_spin;
    frame::ChangeSubscription m_spinChanges;
    std::optional<std::int16_t> m_pendingKeyExit;
    bool m_firingKeyExit = false;
};

} // namespace tarnwick::numlite
