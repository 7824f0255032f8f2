#include "appearance_page.h"

#include "frame/common_dispids.h"

namespace tarnwick::frame {

namespace {

PageField listField(com::DispId id, const char* property, const char* label,
                    const FenEnumeration& enumeration) {
    PageField field;
    field.kind = PageField::Kind::List;
    field.id = id;
    field.property = QLatin1String(property);
    field.label = QLatin1String(label);
    field.enumeration = &enumeration;
    return field;
}

PageField marginField(com::DispId id, const char* property, const char* label) {
    PageField field;
    field.kind = PageField::Kind::Number;
    field.id = id;
    field.property = QLatin1String(property);
    field.label = QLatin1String(label);
    field.minimum = 0;
    field.maximum = 32767;
    return field;
}

} // namespace

const PageDescription& appearancePage() {
    using namespace CommonDispIds;
    static const PageDescription page{
        QStringLiteral("Appearance"),
        {listField(Appearance, "Appearance", "Appearance", FenEnums::appearance()),
         listField(BorderStyle, "BorderStyle", "BorderStyle", FenEnums::borderStyle()),
         listField(AlignHorizontal, "AlignHorizontal", "AlignHorizontal", FenEnums::alignH()),
         listField(AlignVertical, "AlignVertical", "AlignVertical", FenEnums::alignV()),
         marginField(MarginLeft, "MarginLeft", "MarginLeft"),
         marginField(MarginRight, "MarginRight", "MarginRight"),
         marginField(MarginTop, "MarginTop", "MarginTop"),
         marginField(MarginBottom, "MarginBottom", "MarginBottom")}};
    return page;
}

} // namespace tarnwick::frame
