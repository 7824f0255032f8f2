// Keys, mouse events, automatic drag and drop, and drawing without a window.
#include "fenbase6/virtual_keys.h"
#include "frame/auto_drag.h"
#include "frame/auto_drop.h"
#include "frame/common_dispids.h"
#include "frame/himetric.h"
#include "frame_test_support.h"

#include <QDropEvent>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::frame;
using namespace tarnwick::frame::test;
using namespace tarnwick::fenbase6;

namespace {

class RecordingTimer : public DragTimer {
public:
    void start(int id, int milliseconds) override { log.push_back({id, milliseconds}); }
    void stop(int id) override { log.push_back({id, 0}); }
    std::vector<std::pair<int, int>> log;
};

DragPress pressAt(int x, bool left = true) {
    DragPress press;
    press.left = left;
    press.insideTextRect = true;
    press.x = x;
    press.selectionStartX = 10;
    press.selectionEndX = 40;
    return press;
}

// A control window with an event sink attached, the engine's text set and shown.
struct InputFixture : ControlFixture {
    InputFixture() {
        window = createWindow();
        host->show();
        engine = window->findChild<QLineEdit*>();
        sink = makeObject<com::test::RecordingSink>(
            *control->GetClassInfo().events, [this](DispId id, std::span<const Variant> args) {
                if (react) {
                    react(id, args);
                }
            });
        IConnectionPoint* point = nullptr;
        control->FindConnectionPoint(kFrameTestEventsIid, &point);
        ComPtr<IConnectionPoint>::adopt(point)->Advise(sink->unknown(), &cookie);
    }

    std::vector<DispId> eventIds() const {
        std::vector<DispId> ids;
        for (const auto& call : sink->calls) {
            ids.push_back(call.id);
        }
        return ids;
    }
    MessageResult send(MessageId message, WordParam word = 0, LongParam param = 0) {
        return control->engine().send(message, word, param);
    }
    QPoint pointOfCharacter(int index) {
        const auto pair =
            static_cast<std::uintptr_t>(send(Msg::PosFromChar, static_cast<WordParam>(index)));
        return {static_cast<std::int16_t>(lowWord(pair)), engine->height() / 2};
    }

    QWidget* window = nullptr;
    QLineEdit* engine = nullptr;
    ComPtr<com::test::RecordingSink> sink;
    std::function<void(DispId, std::span<const Variant>)> react;
    std::uint32_t cookie = 0;
};

} // namespace

TEST(AutoDrag, HoldsBackAPressOnTheSelectionUntilMoveReleaseOrTimer) {
    RecordingTimer timer;
    AutoDrag drag(timer);
    EXPECT_FALSE(drag.press(pressAt(5)));  // before the selection
    EXPECT_FALSE(drag.press(pressAt(40))); // at its end
    DragPress middle = pressAt(20);
    middle.middle = true;
    EXPECT_FALSE(drag.press(middle));
    EXPECT_FALSE(drag.press(pressAt(20, false)));
    EXPECT_TRUE(timer.log.empty());

    EXPECT_TRUE(drag.press(pressAt(20)));
    EXPECT_EQ(timer.log, (std::vector<std::pair<int, int>>{{1000, 400}}));
    EXPECT_EQ(drag.released(), AutoDrag::Outcome::ReplayPress);
    EXPECT_EQ(timer.log.back(), (std::pair<int, int>{1000, 0}));
    EXPECT_EQ(drag.released(), AutoDrag::Outcome::None);

    ASSERT_TRUE(drag.press(pressAt(20)));
    EXPECT_EQ(drag.mouseMoved(), AutoDrag::Outcome::StartDrag);
    ASSERT_TRUE(drag.press(pressAt(20)));
    EXPECT_EQ(drag.timerExpired(true), AutoDrag::Outcome::StartDrag);
    EXPECT_EQ(drag.mouseMoved(), AutoDrag::Outcome::None);
}

TEST(AutoDrop, DropsPlainTextByWhereItCameFromAndTheControlKey) {
    DropSituation own;
    own.fromThisControl = true;
    own.selectionStart = 2;
    own.selectionEnd = 6;
    own.position = 4;
    const DropPlan ontoItself = planAutomaticDrop(own);
    EXPECT_EQ(ontoItself.effect, DropEffect::None);
    EXPECT_EQ(ontoItself.message, 0u);
    EXPECT_TRUE(ontoItself.restoreCaret);

    own.position = 9;
    EXPECT_EQ(planAutomaticDrop(own).effect, DropEffect::Move);
    EXPECT_EQ(planAutomaticDrop(own).message, Msg::DropMoveSelection);
    own.controlKey = true;
    EXPECT_EQ(planAutomaticDrop(own).effect, DropEffect::Copy);
    EXPECT_EQ(planAutomaticDrop(own).message, Msg::DropInsert);
    own.allowedEffects = DropEffect::Move;
    EXPECT_EQ(planAutomaticDrop(own).effect, DropEffect::Move);

    DropSituation other;
    other.position = 3;
    EXPECT_EQ(planAutomaticDrop(other).effect, DropEffect::Move);
    EXPECT_EQ(planAutomaticDrop(other).message, Msg::DropInsert);
    other.allowedEffects = DropEffect::None;
    EXPECT_EQ(planAutomaticDrop(other).effect, DropEffect::None);
    EXPECT_EQ(planAutomaticDrop(other).message, 0u);
}

TEST(FrameInput, AClickInsideTheSelectionWithAutomaticDragPlacesTheCaretAfterRelease) {
    InputFixture f;
    f.put(u"Text", Variant(QStringLiteral("abcdefgh")));
    f.put(u"OLEDragMode", Variant(std::int32_t{fenOLEDragAutomatic}));
    f.send(Msg::SetSelStart, 0);
    f.send(Msg::SetSelLength, 5);
    f.sink->calls.clear();
    const QPoint inside = f.pointOfCharacter(2);

    QTest::mousePress(f.engine, Qt::LeftButton, Qt::NoModifier, inside);
    EXPECT_EQ(f.send(Msg::GetSelLength), 5); // held back: the selection stays
    QTest::mouseRelease(f.engine, Qt::LeftButton, Qt::NoModifier, inside);

    EXPECT_EQ(f.send(Msg::GetSelLength), 0);
    EXPECT_EQ(f.send(Msg::GetSelStart), 2);
    EXPECT_EQ(f.eventIds(), (std::vector<DispId>{CommonEventIds::MouseDown, CommonEventIds::MouseUp,
                                                 CommonEventIds::Click}));
}

TEST(FrameInput, MouseEventsReportButtonShiftAndContainerCoordinates) {
    InputFixture f;
    QTest::mousePress(f.engine, Qt::RightButton, Qt::ShiftModifier, QPoint(12, 6));
    ASSERT_EQ(f.sink->calls.size(), 1u);
    const auto& args = f.sink->calls[0].args;
    EXPECT_EQ(f.sink->calls[0].id, CommonEventIds::MouseDown);
    EXPECT_EQ(args[0], Variant(std::int16_t{2}));
    EXPECT_EQ(args[1], Variant(std::int16_t{1}));
    const QPoint inWindow = f.engine->mapTo(f.window, QPoint(12, 6));
    EXPECT_DOUBLE_EQ(args[2].toDouble(), inWindow.x() * Himetric::kPerPixel);
    EXPECT_DOUBLE_EQ(args[3].toDouble(), inWindow.y() * Himetric::kPerPixel);
}

TEST(FrameInput, KeysReachTheEventsThenTheKeyActionsThenTheEngine) {
    InputFixture f;
    f.put(u"Text", Variant(QStringLiteral("abc")));
    f.engine->setFocus();
    f.sink->calls.clear();

    QTest::keyClick(f.engine, Qt::Key_Delete, Qt::ControlModifier); // bound to Clear
    EXPECT_EQ(f.get(u"Text"), Variant(QString()));
    const auto keyDown =
        std::find_if(f.sink->calls.begin(), f.sink->calls.end(), [](const auto& call) {
            return call.id == CommonEventIds::KeyDown &&
                   call.args[0] == Variant(std::int16_t{VirtualKey::Delete});
        });
    ASSERT_NE(keyDown, f.sink->calls.end());
    EXPECT_EQ(keyDown->args[1], Variant(std::int16_t{kCtrlMask}));

    f.react = [](DispId id, std::span<const Variant> args) {
        if (id == CommonEventIds::KeyDown && args[0].toInt32() == 'X') {
            args[0].assignThroughReference(Variant(std::int16_t{0}));
        }
        if (id == CommonEventIds::KeyPress && args[0].toInt32() == 'a') {
            args[0].assignThroughReference(Variant(std::int16_t{'b'}));
        }
    };
    QTest::keyClicks(f.engine, QStringLiteral("xa"));
    EXPECT_EQ(f.get(u"Text"), Variant(QStringLiteral("b")));
}

TEST(FrameInput, EngineMouseNotificationsFireMouseEnterAndMouseExit) {
    ControlFixture f(RecordingApi::table());
    f.createWindow();
    auto sink = makeObject<com::test::RecordingSink>(*f.control->GetClassInfo().events);
    IConnectionPoint* point = nullptr;
    f.control->FindConnectionPoint(kFrameTestEventsIid, &point);
    std::uint32_t cookie = 0;
    ComPtr<IConnectionPoint>::adopt(point)->Advise(sink->unknown(), &cookie);

    FenEngineListener* listener = RecordingApi::lastEngine()->listener;
    ASSERT_NE(listener, nullptr);
    listener->engineCommand(makePair(0, Notify::MouseEntered), 0);
    listener->engineCommand(makePair(0, Notify::MouseLeft), 0);
    listener->engineCommand(makePair(0, Notify::Changed), 0);
    ASSERT_EQ(sink->calls.size(), 3u);
    EXPECT_EQ(sink->calls[0].id, CommonEventIds::MouseEnter);
    EXPECT_EQ(sink->calls[1].id, CommonEventIds::MouseExit);
    EXPECT_EQ(sink->calls[2].id, FrameTestEventIds::Change);
}

TEST(FrameDrawing, WithoutAWindowAPictureGetsWhiteTheCaptionAndTheShiftedInputArea) {
    ControlFixture f;
    f.put(u"BackColor", Variant(std::int32_t{0x0000FF})); // red
    const auto caption = f.get(u"Caption").toObject().query<IDispatch>();
    putProperty(*caption, u"Size", Variant(std::int16_t{40}));
    putProperty(*caption, u"BackColor", Variant(std::int32_t{0x00FF00})); // green
    ASSERT_EQ(f.control->GetControlWindow(), nullptr);

    QImage image(240, 40, QImage::Format_ARGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        f.control->Draw(painter, QRect(20, 5, 200, 30), DrawTarget::Picture);
    }
    EXPECT_EQ(image.pixelColor(5, 2), QColor(Qt::black));   // outside the bounds
    EXPECT_EQ(image.pixelColor(30, 20), QColor(Qt::green)); // the caption area
    EXPECT_EQ(image.pixelColor(150, 20), QColor(Qt::red));  // the input area beside it
    EXPECT_EQ(f.control->GetControlWindow(), nullptr);
}

TEST(FrameDrop, TheWindowIsADropTargetAsOLEDropModeSays) {
    InputFixture f;
    EXPECT_FALSE(f.engine->acceptDrops());
    f.put(u"OLEDropMode", Variant(std::int32_t{fenOLEDropManual}));
    EXPECT_TRUE(f.engine->acceptDrops());
    f.put(u"OLEDropMode", Variant(std::int32_t{fenOLEDropNone}));
    EXPECT_FALSE(f.engine->acceptDrops());

    ControlFixture design(realApi(), false);
    design.put(u"OLEDropMode", Variant(std::int32_t{fenOLEDropAutomatic}));
    QWidget* window = design.createWindow(); // registered at creation by the stored mode
    EXPECT_TRUE(window->findChild<QLineEdit*>()->acceptDrops());
    design.put(u"OLEDropMode", Variant(std::int32_t{fenOLEDropNone})); // design time: kept
    EXPECT_TRUE(window->findChild<QLineEdit*>()->acceptDrops());
}

TEST(FrameDrop, AutomaticDropInsertsPlainTextAtTheDropPoint) {
    InputFixture f;
    f.put(u"Text", Variant(QStringLiteral("abcd")));
    f.put(u"OLEDropMode", Variant(std::int32_t{fenOLEDropAutomatic}));
    QMimeData dropped;
    dropped.setText(QStringLiteral("XY"));
    const QPoint at = f.pointOfCharacter(2);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(f.engine, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton,
                    Qt::ControlModifier);
    QCoreApplication::sendEvent(f.engine, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    // Inserted at the character under the point; what follows is the engine's editing.
    EXPECT_TRUE(f.get(u"Text").toString().startsWith(u"abXY"))
        << f.get(u"Text").toString().toStdString();
}

TEST(FrameDrop, ManualDropFiresOLEDragDropWithAReadOnlyView) {
    InputFixture f;
    f.put(u"OLEDropMode", Variant(std::int32_t{fenOLEDropManual}));
    QString seen;
    f.react = [&seen](DispId id, std::span<const Variant> args) {
        if (id == CommonEventIds::OLEDragDrop) {
            const auto data = args[0].toObject().query<IDispatch>();
            seen = callMethod(*data, u"GetData", std::array{Variant(std::int16_t{1})}).toString();
            args[1].assignThroughReference(Variant(std::int32_t{DropEffect::Copy}));
        }
    };
    QMimeData dropped;
    dropped.setText(QStringLiteral("manual"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(f.engine, &enter);
    QDropEvent drop(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(f.engine, &drop);
    EXPECT_EQ(seen, QStringLiteral("manual"));
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_EQ(f.eventIds(),
              (std::vector<DispId>{CommonEventIds::OLEDragOver, CommonEventIds::OLEDragDrop}));
    EXPECT_EQ(f.get(u"Text"), Variant(QString())); // a manual target drops nothing itself
}
