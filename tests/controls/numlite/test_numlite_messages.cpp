// What the control sends its engine, in order, and what it makes of the engine's
// notifications: the replay, the spin settings, key actions, KeyExit and InvalidRange.
#include "frame/common_dispids.h"
#include "numlite_test_support.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::fenbase6;
using namespace tarnwick::numlite;
using namespace tarnwick::numlite::test;

namespace {

struct RecordedFixture : NumLiteFixture {
    RecordedFixture() : NumLiteFixture(RecordingApi::table()) {
        createWindow();
        engine = RecordingApi::lastEngine();
        engine->sent.clear();
    }
    // The messages of `wanted` among those sent, with their word parameters.
    std::vector<std::pair<MessageId, WordParam>> sentOf(std::initializer_list<MessageId> wanted) {
        std::vector<std::pair<MessageId, WordParam>> found;
        for (const auto& m : engine->sent) {
            if (std::find(wanted.begin(), wanted.end(), m.message) != wanted.end()) {
                found.emplace_back(m.message, m.word);
            }
        }
        return found;
    }
    void notify(std::uint16_t code, LongParam param = 0) {
        engine->listener->engineCommand(makePair(0, code), param);
    }
    void putSpin(DispId id, const Variant& value) {
        spin()->Invoke(id, InvokeKind::Put, std::span<const Variant>(&value, 1));
    }
    // Presses a key the Key object binds (virtual-key code and shift state).
    bool press(std::int32_t keyCode, std::int32_t shift) {
        return control->keyDown(keyCode, shift, false);
    }

    RecordingEngine* engine = nullptr;
};

constexpr std::int32_t kVkReturn = 0x0D;
constexpr std::int32_t kVkZero = 0x30;

} // namespace

TEST(NumLiteMessages, WindowCreationReplaysEverySettingInOrder) {
    NumLiteFixture f(RecordingApi::table());
    f.createWindow();
    const std::vector<MessageId> expected{
        Msg::SetAppearance, Msg::SetBorderStyle, Msg::SetAlignHorizontal, Msg::SetAlignVertical,
        NumberMsg::SetForeColor, Msg::SetBackColor, Msg::SetMarginsLeftRight,
        Msg::SetMarginsTopBottom, Msg::SetFont, Msg::SetUserMode, NumberMsg::SetInsertToggle,
        NumberMsg::SetInsertMode, NumberMsg::SetInsertToggle, Msg::SetMousePointer,
        Msg::SetReadOnly, Msg::SetContextMenu,
        // the Spin settings
        NumberMsg::SetSpinEnabled, NumberMsg::SetSpinDelay, NumberMsg::SetSpinIncrement,
        NumberMsg::SetSpinWrap, NumberMsg::SetSpinKeys, NumberMsg::SetSpinLayout,
        // the number settings
        NumberMsg::SetClearAction, NumberMsg::SetMinusSign, NumberMsg::SetErrorBeep,
        NumberMsg::SetNewFlag, NumberMsg::SetMoveOnLRKey, NumberMsg::SetNegativeColor,
        NumberMsg::SetIntegerPlaces, NumberMsg::SetDecimalPlaces, NumberMsg::SetDecimalPoint,
        NumberMsg::SetHighlightText, NumberMsg::SetMinValue, NumberMsg::SetMaxValue,
        NumberMsg::SetValue};
    EXPECT_EQ(RecordingApi::lastEngine()->messages(), expected);
}

TEST(NumLiteMessages, SpinSettingsFollowTheSpinObjectAndTheControlsEnabled) {
    RecordedFixture f;
    f.putSpin(SpinDispIds::Position, Variant(std::int16_t{SpinPos::Outside}));
    f.engine->sent.clear();
    f.putSpin(SpinDispIds::Visible, Variant(std::int16_t{SpinVisible::ShowOnFocus}));
    const std::vector<std::pair<MessageId, WordParam>> expected{
        {NumberMsg::SetSpinEnabled, 1}, {NumberMsg::SetSpinDelay, 100},
        {NumberMsg::SetSpinIncrement, 1}, {NumberMsg::SetSpinWrap, 0},
        {NumberMsg::SetSpinKeys, 0},    {NumberMsg::SetSpinLayout, 7},
        {NumberMsg::SetSpinShow, 1}};
    EXPECT_EQ(f.sentOf({NumberMsg::SetSpinEnabled, NumberMsg::SetSpinDelay,
                        NumberMsg::SetSpinIncrement, NumberMsg::SetSpinWrap,
                        NumberMsg::SetSpinKeys, NumberMsg::SetSpinLayout, NumberMsg::SetSpinShow}),
              expected);

    f.engine->sent.clear();
    f.put(u"Enabled", Variant(false));
    f.putSpin(SpinDispIds::Increment, Variant(std::int16_t{5})); // while disabled
    f.put(u"Enabled", Variant(true));
    const std::vector<std::pair<MessageId, WordParam>> enabled{
        {NumberMsg::SetSpinEnabled, 0}, {NumberMsg::SetSpinEnabled, 0},
        {NumberMsg::SetSpinEnabled, 1}};
    EXPECT_EQ(f.sentOf({NumberMsg::SetSpinEnabled}), enabled);
}

TEST(NumLiteMessages, NextControlGivesOneKeyExitWhenTheFocusLeaves) {
    RecordedFixture f;
    f.react = [&](DispId id, std::span<const Variant>) {
        if (id == frame::CommonEventIds::KeyExit) {
            f.control->focusLost(); // a handler that moves the focus again
        }
    };
    EXPECT_TRUE(f.press(kVkReturn, 0)); // NextCtrl "{ENTER}", consumed
    EXPECT_EQ(f.sentOf({NumberMsg::MoveToControl}),
              (std::vector<std::pair<MessageId, WordParam>>{{NumberMsg::MoveToControl, 0}}));
    const auto keyExits = [&] {
        const std::vector<DispId> ids = f.eventIds();
        return std::count(ids.begin(), ids.end(), frame::CommonEventIds::KeyExit);
    };
    EXPECT_EQ(keyExits(), 0); // not before the focus actually leaves
    f.control->focusLost();
    f.control->focusLost();
    ASSERT_EQ(keyExits(), 1);
    EXPECT_EQ(f.events->calls.back().args[0], Variant(std::int32_t{frame::fenNextCtrlKey}));

    EXPECT_TRUE(f.press(kVkReturn, kShiftMask)); // PrevCtrl "+{ENTER}"
    f.notify(Notify::NumberKeyExit, KeyExit::TabKey); // the engine's own report wins
    f.control->focusLost();
    EXPECT_EQ(keyExits(), 2);
    EXPECT_EQ(f.events->calls.back().args[0], Variant(std::int32_t{frame::fenTabKey}));
}

TEST(NumLiteMessages, ThreeZerosAndClearDoNothingWhenReadOnly) {
    RecordedFixture f;
    EXPECT_TRUE(f.press(kVkZero, kCtrlMask)); // ThreeZero "^0"
    EXPECT_EQ(f.sentOf({NumberMsg::ThreeZero}).size(), 1u);
    f.put(u"ReadOnly", Variant(true));
    f.engine->sent.clear();
    EXPECT_TRUE(f.press(kVkZero, kCtrlMask)); // still consumed
    f.control->Invoke(NumLiteDispIds::ClearControl, InvokeKind::Method, {});
    EXPECT_TRUE(f.sentOf({NumberMsg::ThreeZero, Msg::Clear}).empty());
    f.put(u"ReadOnly", Variant(false));
    f.control->Invoke(NumLiteDispIds::ClearControl, InvokeKind::Method, {});
    EXPECT_EQ(f.sentOf({Msg::Clear}).size(), 1u);
}

TEST(NumLiteMessages, InvalidRangeHandsTheHandlersRestoreChoiceToTheEngine) {
    RecordedFixture f;
    f.react = [](DispId id, std::span<const Variant> args) {
        if (id == NumLiteEventIds::InvalidRange) {
            args[0].assignThroughReference(Variant(false));
        }
    };
    bool restore = true;
    f.notify(Notify::OutOfRange, reinterpret_cast<LongParam>(&restore));
    EXPECT_FALSE(restore);
    f.notify(Notify::NumberInvalidInput);
    f.notify(Notify::SpinUp);
    f.notify(Notify::SpinDown);
    f.notify(Notify::InsertModeSwitched);
    f.notify(Notify::Changed);
    EXPECT_EQ(f.eventIds(),
              (std::vector<DispId>{NumLiteEventIds::InvalidRange, NumLiteEventIds::InvalidInput,
                                   NumLiteEventIds::SpinUp, NumLiteEventIds::SpinDown,
                                   NumLiteEventIds::EditModeChange, NumLiteEventIds::Change}));
}

TEST(NumLiteMessages, ADecimalPointEqualToTheCurrentOneNeverReachesTheEngine) {
    RecordedFixture f;
    f.put(u"DecimalPoint", f.get(u"DecimalPoint"));
    EXPECT_TRUE(f.sentOf({NumberMsg::SetDecimalPoint}).empty());
    f.put(u"DecimalPoint", Variant(QStringLiteral(";")));
    EXPECT_EQ(f.sentOf({NumberMsg::SetDecimalPoint}),
              (std::vector<std::pair<MessageId, WordParam>>{{NumberMsg::SetDecimalPoint, ';'}}));
    f.put(u"NegativeColor", Variant(std::int32_t{0x00FF00}));
    const auto colour = std::find_if(f.engine->sent.begin(), f.engine->sent.end(), [](auto& m) {
        return m.message == NumberMsg::SetNegativeColor;
    });
    ASSERT_NE(colour, f.engine->sent.end());
    EXPECT_EQ(colour->param, 0x00FF00);
}
