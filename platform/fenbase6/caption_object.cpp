#include "caption_object.h"

#include "caption_layout.h"
#include "caption_painter.h"
#include "com/object_stream.h"
#include "com/standard_objects.h"
#include "com/std_font.h"
#include "ole_color.h"

namespace tarnwick::fenbase6 {

using com::Variant;
using com::VariantType;

namespace {

const QString kSource = QStringLiteral("Holm.FenCaption6");
const QString kFontName = QStringLiteral("Font");

const com::EnumInfo kAlignHEnum{QStringLiteral("fenCaptAlignHConst"),
                                {{QStringLiteral("fenCaptAlignHLeft"), CaptAlignH::Left},
                                 {QStringLiteral("fenCaptAlignHRight"), CaptAlignH::Right},
                                 {QStringLiteral("fenCaptAlignHCenter"), CaptAlignH::Center},
                                 {QStringLiteral("fenCaptAlignHJustify"), CaptAlignH::Justify}}};
const com::EnumInfo kAlignVEnum{QStringLiteral("fenCaptAlignVConst"),
                                {{QStringLiteral("fenCaptAlignVTop"), CaptAlignV::Top},
                                 {QStringLiteral("fenCaptAlignVBottom"), CaptAlignV::Bottom},
                                 {QStringLiteral("fenCaptAlignVCenter"), CaptAlignV::Center}}};
const com::EnumInfo kPositionEnum{QStringLiteral("fenCaptPosConst"),
                                  {{QStringLiteral("fenCaptPosLeft"), CaptPos::Left},
                                   {QStringLiteral("fenCaptPosTop"), CaptPos::Top},
                                   {QStringLiteral("fenCaptPosRight"), CaptPos::Right},
                                   {QStringLiteral("fenCaptPosBottom"), CaptPos::Bottom}}};
const com::EnumInfo kFont3DEnum{QStringLiteral("fenFont3DConst"),
                                {{QStringLiteral("fenFont3DNone"), Font3D::None},
                                 {QStringLiteral("fenFont3DInset"), Font3D::Inset},
                                 {QStringLiteral("fenFont3DRaised"), Font3D::Raised},
                                 {QStringLiteral("fenFont3DInsetLite"), Font3D::InsetLite},
                                 {QStringLiteral("fenFont3DRaisedLite"), Font3D::RaisedLite}}};

const std::vector<PropertyDefinition>& captionProperties() {
    namespace Id = CaptionDispIds;
    static const std::vector<PropertyDefinition> definitions{
        {"Text", Id::Text, "String", VariantType::String, Variant(QString()), nullptr},
        {"AlignHorizontal", Id::AlignHorizontal, "fenCaptAlignHConst", VariantType::Int16,
         Variant(CaptAlignH::Left), inRange(CaptAlignH::Left, CaptAlignH::Justify), &kAlignHEnum},
        {"AlignVertical", Id::AlignVertical, "fenCaptAlignVConst", VariantType::Int16,
         Variant(CaptAlignV::Center), inRange(CaptAlignV::Top, CaptAlignV::Center), &kAlignVEnum},
        {"BackColor", Id::BackColor, "OLE_COLOR", VariantType::Int32,
         Variant(static_cast<std::int32_t>(OleColor::ButtonFace)), isValidColour},
        {"Font3D", Id::Font3D, "fenFont3DConst", VariantType::Int16, Variant(Font3D::None),
         inRange(Font3D::None, Font3D::RaisedLite), &kFont3DEnum},
        {"ForeColor", Id::ForeColor, "OLE_COLOR", VariantType::Int32,
         Variant(static_cast<std::int32_t>(OleColor::ButtonText)), isValidColour},
        {"Position", Id::Position, "fenCaptPosConst", VariantType::Int16, Variant(CaptPos::Left),
         inRange(CaptPos::Left, CaptPos::Bottom), &kPositionEnum},
        {"Size", Id::Size, "Integer", VariantType::Int16, Variant(std::int16_t{0}),
         inRange(0, INT16_MAX)},
        {"Spacing", Id::Spacing, "Integer", VariantType::Int16, Variant(std::int16_t{0}),
         inRange(0, INT16_MAX)},
        {"WordWrap", Id::WordWrap, "Boolean", VariantType::Boolean, Variant(false), nullptr},
    };
    return definitions;
}

bool isFont(const com::ComPtr<com::IUnknown>& object) {
    return static_cast<bool>(object.query<com::IFont>());
}

std::uint32_t colourOf(const Variant& value) {
    return static_cast<std::uint32_t>(value.toInt32());
}

} // namespace

CaptionObject::CaptionObject(com::ComModule* module)
    : SharedObject(captionProperties(), kSource, module),
      m_font([this] { notifier().changed(CaptionDispIds::Font); }) {
    resetNested();
}

const com::TypeInfo& CaptionObject::typeInfo() {
    static const com::TypeInfo info(
        QStringLiteral("IFenCaptionDisp"), IFenCaptionDisp::kIid,
        memberRows(captionProperties(), {{kFontName, CaptionDispIds::Font, com::MemberKind::Property,
                                     QStringLiteral("IFontDisp"), VariantType::Object,
                                     com::Access::GetPutPutRef, false, {}, nullptr}}));
    return info;
}

Variant CaptionObject::getProperty(com::DispId id) {
    if (id == CaptionDispIds::Font) {
        return Variant(m_font.font());
    }
    return SharedObject::getProperty(id);
}

void CaptionObject::putProperty(com::DispId id, const Variant& value) {
    if (id != CaptionDispIds::Font) {
        SharedObject::putProperty(id, value);
        return;
    }
    com::ComPtr<com::IUnknown> font = value.toObject();
    if (!isFont(font)) {
        throw com::ComError::standard(com::ErrorNumber::InvalidPropertyValue, kSource);
    }
    if (!notifier().requestEdit(id)) {
        return;
    }
    useFont(std::move(font));
    notifier().changed(id);
}

void CaptionObject::SetInitialValues(com::IUnknown* font, std::uint32_t backColor,
                                     std::uint32_t foreColor) {
    if (font != nullptr) {
        useFont(com::copyFont(font, module())->unknown());
    }
    const auto take = [this](com::DispId id, std::uint32_t colour) {
        if (OleColor::isValid(colour)) {
            setQuietly(id, Variant(static_cast<std::int32_t>(colour)));
        }
    };
    take(CaptionDispIds::BackColor, backColor);
    take(CaptionDispIds::ForeColor, foreColor);
}

QRect CaptionObject::InputRect(const QRect& windowRect) const {
    const CaptionLayout layout{GetPosition(), GetSize(),
                               properties().value(CaptionDispIds::Spacing).toInt16()};
    return inputArea(layout, windowRect);
}

void CaptionObject::Draw(QPainter& painter, const QRect& windowRect) const {
    const CaptionLayout layout{GetPosition(), GetSize(), 0};
    CaptionLook look;
    look.text = properties().value(CaptionDispIds::Text).toString();
    look.alignHorizontal = properties().value(CaptionDispIds::AlignHorizontal).toInt16();
    look.alignVertical = properties().value(CaptionDispIds::AlignVertical).toInt16();
    look.back = OleColor::toQColor(colourOf(properties().value(CaptionDispIds::BackColor)));
    look.fore = OleColor::toQColor(colourOf(properties().value(CaptionDispIds::ForeColor)));
    look.font = toQFont(m_font.description());
    look.font3D = properties().value(CaptionDispIds::Font3D).toInt16();
    look.wordWrap = properties().value(CaptionDispIds::WordWrap).toBool();
    look.enabled = m_controlEnabled;
    paintCaption(painter, look, captionArea(layout, windowRect));
}

std::int16_t CaptionObject::GetPosition() const {
    return properties().value(CaptionDispIds::Position).toInt16();
}

std::int16_t CaptionObject::GetSize() const {
    return properties().value(CaptionDispIds::Size).toInt16();
}

com::ObjectCreator CaptionObject::fontCreator() const {
    return [module = module()](const com::Guid& clsid) {
        return com::createStandardObject(clsid, module);
    };
}

void CaptionObject::useFont(com::ComPtr<com::IUnknown> font) {
    m_font.attach(std::move(font));
}

void CaptionObject::saveNested(com::IStream& stream) {
    com::writeObjectToStream(stream, m_font.font().get());
}

void CaptionObject::loadNested(com::IStream& stream) {
    const com::ComPtr<com::IUnknown> font = com::readObjectFromStream(stream, fontCreator());
    if (font && !isFont(font)) {
        throw com::ComError::standard(com::ErrorNumber::InvalidPropertyValue, kSource);
    }
    if (font) {
        useFont(font);
    } else {
        resetNested();
    }
}

void CaptionObject::saveNested(com::IPropertyBag& bag) {
    bag.Write(kFontName, Variant(m_font.font()));
}

void CaptionObject::loadNested(com::IPropertyBag& bag) {
    const auto font = bag.ReadObject(kFontName, fontCreator());
    if (font && *font && !isFont(*font)) {
        throw com::ComError::standard(com::ErrorNumber::InvalidPropertyValue, kSource);
    }
    if (font && *font) {
        useFont(*font);
    } else {
        resetNested();
    }
}

void CaptionObject::resetNested() {
    useFont(com::makeObject<com::StdFont>(com::FontDescription{}, module())->unknown());
}

} // namespace tarnwick::fenbase6
