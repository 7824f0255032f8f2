#include "mask_pages.h"

#include "frame/common_dispids.h"
#include "mask/mask_enums.h"
#include "mask/mask_ids.h"

namespace tarnwick::mask {

using frame::FenEnumeration;
using frame::PageField;
using Kind = PageField::Kind;

namespace {

constexpr int kLongestPageText = 255;

PageField field(Kind kind, com::DispId id, const char* property, const char* label) {
    PageField result;
    result.kind = kind;
    result.id = id;
    result.property = QLatin1String(property);
    result.label = QLatin1String(label);
    return result;
}

PageField listField(com::DispId id, const char* property, const FenEnumeration& enumeration) {
    PageField result = field(Kind::List, id, property, property);
    result.enumeration = &enumeration;
    return result;
}

PageField textField(com::DispId id, const char* property, int maxLength) {
    PageField result = field(Kind::Text, id, property, property);
    result.maxLength = maxLength;
    return result;
}

PageField numberField(com::DispId id, const char* property, std::int32_t minimum,
                      std::int32_t maximum) {
    PageField result = field(Kind::Number, id, property, property);
    result.minimum = minimum;
    result.maximum = maximum;
    return result;
}

} // namespace

const frame::PageDescription& generalPage() {
    using namespace MaskDispIds;
    using namespace frame::CommonDispIds;
    using frame::FenEnums::editMode;
    using frame::FenEnums::mousePointer;
    using frame::FenEnums::moveOnLRKey;
    static const frame::PageDescription page{
        QStringLiteral("General"),
        {listField(ClipMode, "ClipMode", MaskEnums::clipMode()),
         listField(DataProperty, "DataProperty", MaskEnums::dataProperty()),
         listField(EditMode, "EditMode", editMode()),
         listField(HighlightText, "HighlightText", MaskEnums::highlightText()),
         listField(IMEMode, "IMEMode", MaskEnums::imeMode()),
         listField(IMEStatus, "IMEStatus", MaskEnums::imeStatus()),
         listField(MousePointer, "MousePointer", mousePointer()),
         listField(MoveOnLRKey, "MoveOnLRKey", moveOnLRKey()),
         listField(ShowLiterals, "ShowLiterals", MaskEnums::showLiterals()),
         listField(TabAction, "TabAction", MaskEnums::tabAction()),
         numberField(CursorPosition, "CursorPosition", -99999, 99999),
         textField(PromptChar, "PromptChar", 0),
         field(Kind::Check, ReadOnly, "ReadOnly", "Read-Only Mode"),
         field(Kind::Check, ErrorBeep, "ErrorBeep", "Beep On Error"),
         field(Kind::Check, ShowContextMenu, "ShowContextMenu", "Show Popup Menu"),
         field(Kind::Check, AllowSpace, "AllowSpace", "Allow space input in control"),
         field(Kind::Check, AutoConvert, "AutoConvert", "Character auto conversion")}};
    return page;
}

const frame::PageDescription& lookupPage() {
    static const frame::PageDescription page{
        QStringLiteral("Lookup"),
        {textField(MaskDispIds::LookupTable, "LookupTable", kLongestPageText),
         listField(MaskDispIds::LookupMode, "LookupMode", MaskEnums::lookupMode())}};
    return page;
}

const frame::PageDescription& formatPageFields() {
    static const frame::PageDescription page{
        QStringLiteral("Format"), {textField(MaskDispIds::Format, "Format", kLongestPageText)}};
    return page;
}

} // namespace tarnwick::mask
