#pragma once

#include "fen_objects.h"
#include "font_link.h"
#include "shared_object.h"

namespace tarnwick::fenbase6 {

// The Caption object: a text beside a control's input area, with its own font, colours,
// alignment and 3-D effect. Its font is a nested font object whose changes count as a
// change of `Font`.
//
// Defaults: Text "", AlignHorizontal fenCaptAlignHLeft, AlignVertical fenCaptAlignVCenter,
// BackColor button face (0x8000000F), ForeColor button text (0x80000012), Font the standard
// font, Font3D fenFont3DNone, Position fenCaptPosLeft, Size 0 (no caption area), Spacing 0,
// WordWrap false. Put rules (380): the enumerations within their members, Size and Spacing
// not negative, colours plain (0x00BBGGRR) or system colours 0..24, Font a font object.
class CaptionObject : public SharedObject<IFenCaptionDisp, IFenCaption> {
public:
    explicit CaptionObject(com::ComModule* module = nullptr);

    static const com::TypeInfo& typeInfo();
    const com::TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    com::Guid GetClassID() const override { return kCaptionClsid; }

    void SetInitialValues(com::IUnknown* font, std::uint32_t backColor,
                          std::uint32_t foreColor) override;
    void SetControlEnabled(bool enabled) override { m_controlEnabled = enabled; }
    QRect InputRect(const QRect& windowRect) const override;
    void Draw(QPainter& painter, const QRect& windowRect) const override;
    std::int16_t GetPosition() const override;
    std::int16_t GetSize() const override;

protected:
    com::Variant getProperty(com::DispId id) override;
    void putProperty(com::DispId id, const com::Variant& value) override;
    void saveNested(com::IStream& stream) override;
    void loadNested(com::IStream& stream) override;
    void saveNested(com::IPropertyBag& bag) override;
    void loadNested(com::IPropertyBag& bag) override;
    void resetNested() override;

private:
    com::ObjectCreator fontCreator() const;
    void useFont(com::ComPtr<com::IUnknown> font);

    FontLink m_font;
    bool m_controlEnabled = true;
};

} // namespace tarnwick::fenbase6
