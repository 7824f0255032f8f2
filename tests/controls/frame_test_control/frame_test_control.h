#pragma once

#include "frame/input_control.h"
#include "frame/ui/page_binding.h"

// A small input control built on the frame the way the masked and numeric controls are: the
// common properties, a Text of its own (engine text, saved, replayed), a run-time-only
// SelStart, ClearControl, a Change event, key actions and two property pages. The tests
// build it in-process; the library "fenframetest" serves it as "Holm.FrameTest6".
namespace tarnwick::frame::test {

struct IFenFrameTest : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x8E0F6B1C, 0x4D2A, 0x4B6F, {0x9C, 0x31, 0x6A, 0x52, 0x0E, 0x7D, 0x11, 0xA0}};
};

constexpr com::Guid kFrameTestEventsIid{
    0x8E0F6B1D, 0x4D2A, 0x4B6F, {0x9C, 0x31, 0x6A, 0x52, 0x0E, 0x7D, 0x11, 0xA0}};
constexpr com::Guid kFrameTestClsid{
    0x8E0F6B1E, 0x4D2A, 0x4B6F, {0x9C, 0x31, 0x6A, 0x52, 0x0E, 0x7D, 0x11, 0xA0}};
constexpr com::Guid kFrameTestGeneralPageClsid{
    0x8E0F6B1F, 0x4D2A, 0x4B6F, {0x9C, 0x31, 0x6A, 0x52, 0x0E, 0x7D, 0x11, 0xA0}};
constexpr com::Guid kFrameTestAppearancePageClsid{
    0x8E0F6B20, 0x4D2A, 0x4B6F, {0x9C, 0x31, 0x6A, 0x52, 0x0E, 0x7D, 0x11, 0xA0}};
constexpr com::Guid kFrameTestTypeLibrary{
    0x8E0F6B21, 0x4D2A, 0x4B6F, {0x9C, 0x31, 0x6A, 0x52, 0x0E, 0x7D, 0x11, 0xA0}};

namespace FrameTestDispIds {
constexpr com::DispId SelStart = 0x40; // run time only
constexpr com::DispId Text = 0x43;
constexpr com::DispId ClearControl = 0x47;
} // namespace FrameTestDispIds

namespace FrameTestEventIds {
constexpr com::DispId Change = 0x01;
constexpr com::DispId EditModeChange = 0x02;
} // namespace FrameTestEventIds

class FrameTestControl : public InputControl {
public:
    FrameTestControl(const fenbase6::FenBase6Api& api, com::ComModule* module);

    static const ControlClassDescription& description();
    static const PageDescription& generalPage();

protected:
    std::optional<com::Variant> getOwn(com::DispId id) override;
    bool putOwn(com::DispId id, const com::Variant& value) override;
    std::optional<com::Variant> callOwn(com::DispId id,
                                        std::span<const com::Variant> args) override;
    void initNewOwn() override { m_text.reset(); }
    std::any ownState() override { return m_text; }
    void restoreOwnState(const std::any& state) override {
        m_text = std::any_cast<std::optional<QString>>(state);
    }
    void persist(PropertyArchive& archive) override;
    bool replayOwn(const EngineLink& link) override;
    bool keyAction(std::int32_t action, std::int32_t keyCode, std::int32_t shift,
                   bool leftButtonDown) override;
    void engineNotification(std::uint16_t code, fenbase6::LongParam param) override;

private:
    QString engineText() const;
    void clearControl();

    std::optional<QString> m_text;
};

} // namespace tarnwick::frame::test
