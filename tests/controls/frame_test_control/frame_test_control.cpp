#include "frame_test_control.h"

#include "com/com_error.h"
#include "fenbase6/engine_text_codec.h"
#include "frame/common_dispids.h"
#include "frame/common_members.h"
#include "frame/property_archive.h"
#include "frame/ui/appearance_page.h"

namespace tarnwick::frame::test {

using namespace com;
using namespace fenbase6;

namespace {

const TypeInfo& typeInfo() {
    using namespace FrameTestDispIds;
    static const TypeInfo info(
        QStringLiteral("IFenFrameTest"), IFenFrameTest::kIid,
        joined(commonMembers(),
               {propertyRow("SelStart", SelStart, "Long", VariantType::Int32, Access::GetPut),
                propertyRow("Text", Text, "String", VariantType::String, Access::GetPut),
                methodRow("ClearControl", ClearControl)}));
    return info;
}

const TypeInfo& eventsInfo() {
    static const TypeInfo info(
        QStringLiteral("IFenFrameTestEvents"), kFrameTestEventsIid,
        joined(commonEvents(), {methodRow("Change", FrameTestEventIds::Change),
                                methodRow("EditModeChange", FrameTestEventIds::EditModeChange)}));
    return info;
}

PageField field(PageField::Kind kind, DispId id, const char* property, const char* label,
                const FenEnumeration* enumeration = nullptr) {
    PageField result;
    result.kind = kind;
    result.id = id;
    result.property = QLatin1String(property);
    result.label = QLatin1String(label);
    result.enumeration = enumeration;
    return result;
}

[[noreturn]] void refuse() {
    throw ComError::standard(ErrorNumber::InvalidPropertyValue);
}

} // namespace

const ControlClassDescription& FrameTestControl::description() {
    static const ControlClassDescription d{
        {kFrameTestClsid, QStringLiteral("FenFrameTest"), &typeInfo(), &eventsInfo()},
        QStringLiteral("Holm.FrameTest6"),
        QStringLiteral("FrameTestEdit"),
        EngineProfile{},
        fenAlignHLeft,
        0,
        QStringLiteral("6.0.1.2"),
        0x00060000,
        {kFrameTestGeneralPageClsid, kFrameTestAppearancePageClsid},
        QStringLiteral("FenFrameTest 6.0 - a test control of the input control frame.")};
    return d;
}

const PageDescription& FrameTestControl::generalPage() {
    using Kind = PageField::Kind;
    using namespace CommonDispIds;
    static const PageDescription page{
        QStringLiteral("General"),
        {field(Kind::List, EditMode, "EditMode", "EditMode", &FenEnums::editMode()),
         field(Kind::List, MousePointer, "MousePointer", "MousePointer", &FenEnums::mousePointer()),
         field(Kind::List, MoveOnLRKey, "MoveOnLRKey", "MoveOnLRKey", &FenEnums::moveOnLRKey()),
         field(Kind::List, OLEDragMode, "OLEDragMode", "OLEDragMode", &FenEnums::oleDragMode()),
         field(Kind::List, OLEDropMode, "OLEDropMode", "OLEDropMode", &FenEnums::oleDropMode()),
         field(Kind::Text, FrameTestDispIds::Text, "Text", "Text"),
         field(Kind::Check, ReadOnly, "ReadOnly", "Read-Only Mode"),
         field(Kind::Check, ErrorBeep, "ErrorBeep", "Beep On Error"),
         field(Kind::Check, ShowContextMenu, "ShowContextMenu", "Show Popup Menu")}};
    return page;
}

FrameTestControl::FrameTestControl(const FenBase6Api& api, ComModule* module)
    : InputControl(description(), api, module) {}

QString FrameTestControl::engineText() const {
    const auto length = static_cast<std::size_t>(engine().send(MaskMsg::GetTextLength));
    if (length == 0) {
        return {};
    }
    QByteArray buffer(static_cast<qsizetype>(length + 1), '\0');
    engine().send(MaskMsg::GetText, length + 1, reinterpret_cast<LongParam>(buffer.data()));
    return fenbase6::EngineText::decode(buffer.constData());
}

std::optional<Variant> FrameTestControl::getOwn(DispId id) {
    switch (id) {
    case FrameTestDispIds::Text:
        return Variant(engine().hasWindow() ? engineText() : m_text.value_or(QString()));
    case FrameTestDispIds::SelStart:
        requireRunTime();
        return Variant(static_cast<std::int32_t>(engine().send(Msg::GetSelStart)));
    default:
        return std::nullopt;
    }
}

bool FrameTestControl::putOwn(DispId id, const Variant& value) {
    switch (id) {
    case FrameTestDispIds::Text: {
        const QString text = value.toString();
        const QByteArray bytes = text.toUtf8();
        if (engine().send(MaskMsg::SetText, 0, reinterpret_cast<LongParam>(bytes.constData())) ==
            1) {
            refuse();
        }
        m_text = text;
        return true;
    }
    case FrameTestDispIds::SelStart: {
        const std::int32_t start = value.toInt32();
        if (start < 0 || start > 0xFFFF ||
            engine().send(Msg::SetSelStart, static_cast<WordParam>(start)) != 0) {
            refuse();
        }
        return true;
    }
    default:
        return false;
    }
}

std::optional<Variant> FrameTestControl::callOwn(DispId id, std::span<const Variant>) {
    if (id != FrameTestDispIds::ClearControl) {
        return std::nullopt;
    }
    clearControl();
    return Variant();
}

void FrameTestControl::clearControl() {
    if (!settings().readOnly) {
        engine().send(MaskMsg::ClearContents);
    }
}

void FrameTestControl::persist(PropertyArchive& archive) {
    if (!archive.isLoading() && engine().hasWindow()) {
        m_text = engineText();
    }
    persistHeader(archive);
    for (const char* name :
         {"Caption",       "Font",       "Keys",           "MouseIcon",    "AlignHorizontal",
          "AlignVertical", "Appearance", "BackColor",      "BorderStyle",  "EditMode",
          "Enabled",       "ErrorBeep",  "ForeColor",      "MarginBottom", "MarginLeft",
          "MarginRight",   "MarginTop",  "MousePointer",   "MoveOnLRKey",  "OLEDragMode",
          "OLEDropMode",   "ReadOnly",   "ShowContextMenu"}) {
        persistCommon(archive, QLatin1String(name));
    }
    archive.string(QStringLiteral("Text"), m_text);
}

bool FrameTestControl::replayOwn(const EngineLink& link) {
    link.send(MaskMsg::SetErrorBeep, settings().errorBeep ? 1 : 0);
    link.send(MaskMsg::SetMoveOnLRKey, static_cast<WordParam>(settings().moveOnLRKey));
    const QByteArray bytes = m_text.value_or(QString()).toUtf8();
    link.send(MaskMsg::SetText, 0, reinterpret_cast<LongParam>(bytes.constData()));
    return true;
}

bool FrameTestControl::keyAction(std::int32_t action, std::int32_t, std::int32_t,
                                 bool leftButtonDown) {
    switch (action) {
    case KeyAction::Clear:
        if (!leftButtonDown) {
            clearControl();
        }
        return true;
    case KeyAction::NextCtrl:
        engine().send(MaskMsg::KeyAction, MaskMsg::kNextControl);
        return true;
    case KeyAction::PrevCtrl:
        engine().send(MaskMsg::KeyAction, MaskMsg::kPrevControl);
        return true;
    default:
        return false;
    }
}

void FrameTestControl::engineNotification(std::uint16_t code, LongParam) {
    switch (code) {
    case Notify::Changed:
        m_text = engineText();
        propertyChanged(FrameTestDispIds::Text);
        fireEvent(FrameTestEventIds::Change);
        break;
    case Notify::InsertModeSwitched:
        fireEvent(FrameTestEventIds::EditModeChange);
        break;
    default:
        break;
    }
}

} // namespace tarnwick::frame::test
