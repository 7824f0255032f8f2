// The property-page framework and the shared Appearance page.
#include "com/com_error.h"
#include "frame/common_dispids.h"
#include "frame/message_box.h"
#include "frame/ui/appearance_page.h"
#include "frame/ui/property_page.h"
#include "frame_test_support.h"

#include <QComboBox>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::frame;
using namespace tarnwick::frame::test;
using namespace tarnwick::fenbase6;

namespace {

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon;
};

// Records the message boxes shown while it lives.
class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(setMessageBoxHook(
              [this](QWidget*, const QString& text, const QString& caption, MessageIcon icon) {
                  shown.push_back({text, caption, icon});
              })) {}
    ~MessageRecorder() { setMessageBoxHook(m_previous); }

    std::vector<ShownMessage> shown;

private:
    MessageBoxHook m_previous;
};

// A selected object that refuses one property and answers 0 for every other.
class RefusingObject : public ComObject<IDispatch> {
public:
    explicit RefusingObject(DispId refused) : m_refused(refused) {}
    const TypeInfo& GetTypeInfo() const override {
        return *FrameTestControl::description().classInfo.defaultInterface;
    }
    Variant Invoke(DispId id, InvokeKind how, std::span<const Variant>) override {
        if (how == InvokeKind::Put && id == m_refused) {
            throw ComError::standard(ErrorNumber::InvalidPropertyValue);
        }
        return Variant(std::int16_t{0});
    }

private:
    DispId m_refused;
};

struct PageFixture {
    PageFixture() : page(makeObject<PropertyPage>(appearancePage(), realApi(), nullptr)) {}
    ~PageFixture() { page->Deactivate(); }

    QWidget* activate(std::vector<ComPtr<IUnknown>> objects) {
        page->SetObjects(objects);
        QWidget* window = page->Activate(&frame);
        frame.show();
        return window;
    }
    QComboBox* list(const char* name) { return frame.findChild<QComboBox*>(QLatin1String(name)); }
    QWidget* field(const char* name) { return frame.findChild<QWidget*>(QLatin1String(name)); }
    MessageResult send(const char* name, MessageId message, WordParam word = 0) {
        return dynamic_cast<FenEngine*>(field(name))->send(message, word, 0);
    }

    QWidget frame;
    ComPtr<PropertyPage> page;
};

} // namespace

TEST(PropertyPages, AppearancePageHasItsListsAndMarginFields) {
    ControlFixture control;
    PageFixture p;
    p.activate({control.control->unknown()});
    EXPECT_EQ(p.page->GetTitle(), QStringLiteral("Appearance"));
    ASSERT_NE(p.list("cboAppearance"), nullptr);
    EXPECT_EQ(p.list("cboAppearance")->count(), 2);
    EXPECT_EQ(p.list("cboAppearance")->itemText(1), QStringLiteral("1 - 3D"));
    EXPECT_EQ(p.list("cboBorderStyle")->itemText(0), QStringLiteral("0 - None"));
    EXPECT_EQ(p.list("cboAlignHorizontal")->itemText(2), QStringLiteral("2 - Center"));
    EXPECT_EQ(p.list("cboAlignVertical")->itemText(1), QStringLiteral("1 - Bottom"));
    for (const char* margin :
         {"txtMarginLeft", "txtMarginRight", "txtMarginTop", "txtMarginBottom"}) {
        EXPECT_NE(dynamic_cast<FenEngine*>(p.field(margin)), nullptr) << margin;
    }
}

TEST(PropertyPages, ShowsTheFirstSelectedControlAndAppliesToAll) {
    ControlFixture first;
    ControlFixture second;
    first.put(u"Appearance", Variant(std::int32_t{fenFlat}));
    first.put(u"MarginLeft", Variant(std::int16_t{7}));
    PageFixture p;
    p.activate({first.control->unknown(), second.control->unknown()});
    EXPECT_EQ(p.list("cboAppearance")->currentIndex(), 0);
    EXPECT_EQ(p.list("cboBorderStyle")->currentIndex(), 1);
    EXPECT_EQ(p.send("txtMarginLeft", Msg::GetTextLength), 1);

    p.list("cboAlignVertical")->setCurrentIndex(2);
    EXPECT_TRUE(p.page->Apply());
    for (ControlFixture* control : {&first, &second}) {
        EXPECT_EQ(control->get(u"AlignVertical"), Variant(std::int32_t{fenAlignVCenter}));
        EXPECT_EQ(control->get(u"Appearance"), Variant(std::int32_t{fenFlat}));
        EXPECT_EQ(control->get(u"MarginLeft"), Variant(std::int16_t{7}));
    }
}

TEST(PropertyPages, ARefusedValueIsReportedSelectedFocusedAndFailsTheApply) {
    MessageRecorder messages;
    PageFixture p;
    const auto refusing = makeObject<RefusingObject>(CommonDispIds::MarginTop);
    p.activate({refusing->unknown()});

    EXPECT_FALSE(p.page->Apply());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Invalid property value"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("Property Error"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    QWidget* marginTop = p.field("txtMarginTop");
    EXPECT_EQ(p.frame.focusWidget(), marginTop);
    EXPECT_EQ(p.send("txtMarginTop", Msg::GetSelLength),
              p.send("txtMarginTop", Msg::GetTextLength));
    EXPECT_GT(p.send("txtMarginTop", Msg::GetTextLength), 0);
}
