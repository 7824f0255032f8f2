// The four property pages with the real number engine, and pictures of them and of the
// control with its spin buttons: build/<dir>/screenshots/numlite-*.png.
#include "frame/message_box.h"
#include "frame/ui/appearance_page.h"
#include "numlite/ui/numlite_pages.h"
#include "numlite/ui/value_page.h"
#include "numlite_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::numlite;
using namespace tarnwick::numlite::test;

namespace {

const QString kFolder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");

// `zoom` enlarges small pictures so that the spin buttons can be made out.
void savePicture(QWidget& widget, const char* name, int zoom = 1) {
    QApplication::processEvents();
    ASSERT_TRUE(QDir().mkpath(kFolder));
    const QString path = kFolder + QStringLiteral("/numlite-%1.png").arg(QLatin1String(name));
    const QImage image = widget.grab().toImage();
    EXPECT_TRUE(image.scaled(image.size() * zoom).save(path)) << path.toStdString();
}

class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(frame::setMessageBoxHook(
              [this](QWidget*, const QString& text, const QString& caption, frame::MessageIcon) {
                  shown.push_back(caption + QStringLiteral(": ") + text);
              })) {}
    ~MessageRecorder() { frame::setMessageBoxHook(m_previous); }

    std::vector<QString> shown;

private:
    frame::MessageBoxHook m_previous;
};

struct ValuePageFixture : NumLiteFixture {
    ValuePageFixture() : page(makeObject<ValuePage>(realApi(), &module)) {
        page->SetObjects({ComPtr<IUnknown>(control->unknown())});
        window = static_cast<ValuePageWindow*>(page->Activate(&parent));
    }
    ~ValuePageFixture() { page->Deactivate(); }

    QWidget parent;
    ComPtr<ValuePage> page;
    ValuePageWindow* window = nullptr;
};

} // namespace

TEST(NumLiteValuePage, MinimumAboveMaximumIsReportedFirst) {
    ValuePageFixture f;
    MessageRecorder messages;
    f.window->minimum().setValue(Variant(10.0));
    f.window->maximum().setValue(Variant(5.0));
    f.window->value().setValue(Variant(100.0)); // in neither range
    EXPECT_FALSE(f.page->Apply());
    f.window->minimum().setValue(Variant(1.0));
    EXPECT_FALSE(f.page->Apply());
    EXPECT_EQ(
        messages.shown,
        (std::vector<QString>{
            QStringLiteral("Property Error: Invalid property value"),
            QStringLiteral(
                "Property Error: The specified value needs to be within the proper range.")}));
    EXPECT_EQ(f.get(u"MaxValue"), Variant(999999999999999.0)); // nothing written
}

TEST(NumLiteValuePage, AppliesMaximumMinimumAndValueAndShowsNull) {
    ValuePageFixture f;
    EXPECT_EQ(f.window->value().value(), Variant(0.0));
    f.window->minimum().setValue(Variant(-20.0));
    f.window->maximum().setValue(Variant(-10.0)); // below the old minimum's neighbourhood
    f.window->value().setValue(Variant::null());
    EXPECT_TRUE(f.page->Apply());
    EXPECT_EQ(f.get(u"MinValue"), Variant(-20.0));
    EXPECT_EQ(f.get(u"MaxValue"), Variant(-10.0));
    EXPECT_TRUE(f.get(u"ValueIsNull").toBool());
    EXPECT_TRUE(f.window->value().value().isNull());
    EXPECT_TRUE(valueRangeProblem(Variant(-1.0), Variant(1.0), Variant::null()) ==
                ValueRangeProblem::None);
}

TEST(NumLiteValuePage, AppliesTheMaximumBeforeTheMinimumAndTheValueLast) {
    ValuePageFixture f;
    auto sink = makeObject<com::test::PropertySink>();
    IConnectionPoint* point = nullptr;
    f.control->FindConnectionPoint(IPropertyNotifySink::kIid, &point);
    const auto connected = ComPtr<IConnectionPoint>::adopt(point);
    std::uint32_t cookie = 0;
    connected->Advise(sink->unknown(), &cookie);
    f.window->minimum().setValue(Variant(1.0));
    f.window->maximum().setValue(Variant(2.0));
    f.window->value().setValue(Variant(1.5));
    EXPECT_TRUE(f.page->Apply());
    connected->Unadvise(cookie);
    EXPECT_EQ(sink->changed, (std::vector<DispId>{NumLiteDispIds::MaxValue,
                                                  NumLiteDispIds::MinValue,
                                                  NumLiteDispIds::Value}));
}

TEST(NumLitePages, PagesShowTheControlAndTheSpinObject) {
    NumLiteFixture f;
    const auto spin = f.spin();
    const Variant outside(std::int16_t{1});
    spin->Invoke(fenbase6::SpinDispIds::Position, InvokeKind::Put,
                 std::span<const Variant>(&outside, 1));
    f.put(u"IntegerPlaces", Variant(std::int16_t{9}));
    f.put(u"DecimalPlaces", Variant(std::int16_t{2}));
    f.put(u"Value", Variant(-1234.5));
    const std::vector<ComPtr<IUnknown>> selected{ComPtr<IUnknown>(f.control->unknown())};

    const std::vector<std::pair<const char*, ComPtr<frame::IPropertyPage>>> pages{
        {"general-page", makeObject<frame::PropertyPage>(generalPage(), realApi(), &f.module)},
        {"value-page", makeObject<ValuePage>(realApi(), &f.module)},
        {"appearance-page",
         makeObject<frame::PropertyPage>(frame::appearancePage(), realApi(), &f.module)},
        {"button-page", makeObject<SpinButtonPage>(realApi(), &f.module)}};
    for (const auto& [name, page] : pages) {
        QWidget frame;
        frame.resize(380, 420);
        page->SetObjects(selected);
        QWidget* shown = page->Activate(&frame);
        shown->resize(frame.size());
        frame.show();
        savePicture(frame, name);
        EXPECT_TRUE(page->Apply()) << name;
        if (QLatin1String(name) == QLatin1String("button-page")) {
            EXPECT_EQ(shown->findChild<QGroupBox*>()->title(),
                      QStringLiteral("Spin Button Settings"));
            shown->findChild<QCheckBox*>(QStringLiteral("chkWrap"))->setChecked(true);
            EXPECT_TRUE(page->Apply());
            EXPECT_TRUE(spin->Invoke(fenbase6::SpinDispIds::Wrap, InvokeKind::Get, {}).toBool());
        }
        page->Deactivate();
    }
    EXPECT_EQ(f.get(u"Value"), Variant(-1234.5)); // applying unchanged pages keeps it
}

TEST(NumLitePictures, SpinButtonsInsideAndOutside) {
    for (const auto& [name, position] :
         {std::pair{"spin-inside", std::int16_t{0}}, std::pair{"spin-outside", std::int16_t{1}}}) {
        NumLiteFixture f;
        const auto spin = f.spin();
        const Variant visible(std::int16_t{1});
        const Variant where(position);
        spin->Invoke(fenbase6::SpinDispIds::Visible, InvokeKind::Put,
                     std::span<const Variant>(&visible, 1));
        spin->Invoke(fenbase6::SpinDispIds::Position, InvokeKind::Put,
                     std::span<const Variant>(&where, 1));
        f.put(u"DecimalPlaces", Variant(std::int16_t{2}));
        f.put(u"Value", Variant(-1234.5));
        QWidget* window = f.createWindow();
        f.host->resize(240, 40);
        f.host->show();
        savePicture(*window, name, 3);
    }
}
