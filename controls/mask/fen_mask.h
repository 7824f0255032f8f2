#pragma once

#include "frame/input_control.h"
#include "mask_settings.h"

#include <QPointer>

namespace tarnwick::mask {

class HostKeyFilter;

// The masked input control `FenMask` ("Holm.Mask6"): the frame's common members plus the
// pattern settings, the contents, selection and field members, data binding and the
// engine's notifications as events. The pattern editing itself is the mask engine's.
class FenMask : public frame::InputControl {
public:
    FenMask(const fenbase6::FenBase6Api& api, com::ComModule* module);

    static const frame::ControlClassDescription& description();

    QWidget* CreateControlWindow(QWidget* parent) override;

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
    void validateLoaded() const override { m_mask.validate(); }
    void engineNotification(std::uint16_t code, fenbase6::LongParam param) override;

private:
    bool engineTakes(fenbase6::MessageId message, const QString& text);
    void putFormat(const QString& format);
    void putPromptChar(const QString& prompt);
    void putLookupTable(const QString& table);
    void putEnumeration(com::DispId id, const com::Variant& value);
    void putCursorPosition(std::int16_t field);
    void putSelection(fenbase6::MessageId message, std::int32_t value);
    void putSelectedText(const QString& text);
    // `Text` (with literals) or `Value` (without) given to the engine and stored.
    void putContents(bool withLiterals, const QString& contents);
    QString contents(bool withLiterals) const;
    void putDataBind(const com::Variant& value);
    com::Variant dataBind() const;
    void clearControl();
    // Takes the engine's contents into the stored Text and Value (for saving).
    void takeContents();
    // Saves or loads `name` when it is one of the control's own properties.
    bool persistOwn(frame::PropertyArchive& archive, com::DispId id, const QString& name);

    MaskSettings m_mask;
    QPointer<HostKeyFilter> m_keyFilter;
};

} // namespace tarnwick::mask
