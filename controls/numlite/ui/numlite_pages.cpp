#include "numlite_pages.h"

#include "fenbase6/fen_objects.h"
#include "frame/common_dispids.h"
#include "numlite/numlite_enums.h"
#include "numlite/numlite_ids.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace tarnwick::numlite {

using namespace com;
using frame::FenEnumeration;
using frame::PageField;

namespace {

PageField field(PageField::Kind kind, DispId id, const char* property, const char* label) {
    PageField result;
    result.kind = kind;
    result.id = id;
    result.property = QLatin1String(property);
    result.label = QLatin1String(label);
    return result;
}

PageField listField(DispId id, const char* property, const FenEnumeration& enumeration) {
    PageField result = field(PageField::Kind::List, id, property, property);
    result.enumeration = &enumeration;
    return result;
}

// A two-digit or five-digit integer field of the number engine.
PageField numberField(DispId id, const char* property, std::int32_t maximum) {
    PageField result = field(PageField::Kind::Number, id, property, property);
    result.minimum = 0;
    result.maximum = maximum;
    return result;
}

} // namespace

const frame::PageDescription& generalPage() {
    using Kind = PageField::Kind;
    using namespace frame::CommonDispIds;
    using namespace NumLiteDispIds;
    static const frame::PageDescription page{
        QStringLiteral("General"),
        {listField(MinusSign, "MinusSign", NumLiteEnums::minusSign()),
         listField(ClearAction, "ClearAction", NumLiteEnums::clearAction()),
         listField(EditMode, "EditMode", frame::FenEnums::editMode()),
         listField(MousePointer, "MousePointer", frame::FenEnums::mousePointer()),
         listField(MoveOnLRKey, "MoveOnLRKey", frame::FenEnums::moveOnLRKey()),
         numberField(IntegerPlaces, "IntegerPlaces", 15),
         numberField(DecimalPlaces, "DecimalPlaces", 14),
         [] {
             PageField point = field(Kind::Text, DecimalPoint, "DecimalPoint", "DecimalPoint");
             point.maxLength = 1;
             return point;
         }(),
         field(Kind::Check, HighlightText, "HighlightText", "Highlight Text"),
         field(Kind::Check, ReadOnly, "ReadOnly", "Read-Only Mode"),
         field(Kind::Check, ErrorBeep, "ErrorBeep", "Beep On Error"),
         field(Kind::Check, ShowContextMenu, "ShowContextMenu", "Show Popup Menu")}};
    return page;
}

const frame::PageDescription& buttonPage() {
    using Kind = PageField::Kind;
    using namespace fenbase6::SpinDispIds;
    static const frame::PageDescription page{
        QStringLiteral("Button"),
        {listField(Visible, "Visible", NumLiteEnums::spinVisible()),
         listField(Position, "Position", NumLiteEnums::spinPosition()),
         numberField(Increment, "Increment", 32767), numberField(Delay, "Delay", 32767),
         field(Kind::Check, Enabled, "Enabled", "Spin enabled"),
         field(Kind::Check, SpinKeys, "SpinKeys", "Use spin keys"),
         field(Kind::Check, Wrap, "Wrap", "Wrap at ends")}};
    return page;
}

SpinButtonPage::SpinButtonPage(const fenbase6::FenBase6Api& api, ComModule* module)
    : PropertyPage(buttonPage(), api, module) {}

SpinButtonPage::~SpinButtonPage() {
    delete m_container.data();
}

void SpinButtonPage::SetObjects(const std::vector<ComPtr<IUnknown>>& objects) {
    std::vector<ComPtr<IUnknown>> spins;
    for (const ComPtr<IUnknown>& object : objects) {
        const auto control = object.query<IDispatch>();
        if (!control) {
            continue;
        }
        if (ComPtr<IUnknown> spin =
                control->Invoke(NumLiteDispIds::Spin, InvokeKind::Get, {}).toObject()) {
            spins.push_back(std::move(spin));
        }
    }
    PropertyPage::SetObjects(spins);
}

QWidget* SpinButtonPage::Activate(QWidget* parent) {
    // The page's own window first: making it deactivates (and deletes) an earlier frame.
    QWidget* fields = PropertyPage::Activate(nullptr);
    m_container = new QWidget(parent);
    auto* frame = new QGroupBox(QStringLiteral("Spin Button Settings"), m_container);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(fields);
    auto* layout = new QVBoxLayout(m_container);
    layout->addWidget(frame);
    layout->addStretch();
    return m_container;
}

void SpinButtonPage::Deactivate() {
    PropertyPage::Deactivate();
    delete m_container.data();
}

} // namespace tarnwick::numlite
