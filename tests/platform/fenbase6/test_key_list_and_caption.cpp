// The key-list syntax, and where and how a caption is drawn.
#include "com/std_font.h"
#include "fenbase6/caption_layout.h"
#include "fenbase6/caption_object.h"
#include "fenbase6/key_list.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace tarnwick::fenbase6::test {
namespace {

std::optional<std::vector<KeyStroke>> strokes(const char* list) {
    return parseKeyList(QLatin1String(list));
}

TEST(KeyList, ReadsPrefixesLettersNamesAndNumbers) {
    const std::vector<KeyStroke> expected{{0x41, 0}, {0x0D, 1 | 2 | 4}, {0x87, 2},
                                          {0x69, 0}, {200, 1},          {0x2E, 0}};
    EXPECT_EQ(strokes(" a , +^%{Enter},^{F24},{numpad9}, +{#200},{del}"), expected);
    EXPECT_EQ(strokes("")->size(), 0u);
    EXPECT_EQ(strokes("  ")->size(), 0u);
}

TEST(KeyList, RefusesWhatIsNoKey) {
    for (const char* bad : {"{F25}", "{F0}", "{#0}", "{#255}", "{#1000}", "{}", "{ENTER",
                            "ab", "+", "++A", "A,", ",A", "!", "{NUMPAD10}", "{#-1}"}) {
        EXPECT_FALSE(strokes(bad).has_value()) << bad;
    }
}

TEST(CaptionLayout, SplitsTheWindowOnTheCaptionSide) {
    const QRect window(0, 0, 200, 40);
    const auto areas = [&](std::int16_t position) {
        const CaptionLayout layout{position, 50, 5};
        return std::pair{captionArea(layout, window), inputArea(layout, window)};
    };
    EXPECT_EQ(areas(CaptPos::Left), std::pair(QRect(0, 0, 50, 40), QRect(55, 0, 145, 40)));
    EXPECT_EQ(areas(CaptPos::Right), std::pair(QRect(150, 0, 50, 40), QRect(0, 0, 145, 40)));
    EXPECT_EQ(areas(CaptPos::Top), std::pair(QRect(0, 0, 200, 40), QRect(0, 40, 200, 0)));
    EXPECT_EQ(areas(CaptPos::Bottom), std::pair(QRect(0, 0, 200, 40), QRect(0, 0, 200, 0)));
    const CaptionLayout none{CaptPos::Left, 0, 5};
    EXPECT_TRUE(captionArea(none, window).isNull());
    EXPECT_EQ(inputArea(none, window), window);
}

class CaptionDrawing : public testing::Test {
protected:
    static constexpr QRgb kWhite = 0xFFFFFFFF;

    void SetUp() override {
        caption->Invoke(CaptionDispIds::Text, com::InvokeKind::Put,
                        std::array{com::Variant(QStringLiteral("Name"))});
        caption->Invoke(CaptionDispIds::Size, com::InvokeKind::Put,
                        std::array{com::Variant(std::int16_t{60})});
        caption->Invoke(CaptionDispIds::BackColor, com::InvokeKind::Put,
                        std::array{com::Variant(0x000000FF)}); // red
        caption->Invoke(CaptionDispIds::ForeColor, com::InvokeKind::Put,
                        std::array{com::Variant(0x00FF0000)}); // blue
        image.fill(kWhite);
    }

    void draw() {
        QPainter painter(&image);
        caption->Draw(painter, QRect(0, 0, 200, 30));
    }
    bool captionHas(QRgb colour) const {
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 60; ++x) {
                if (image.pixel(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

    com::ComPtr<CaptionObject> caption = com::makeObject<CaptionObject>();
    QImage image{200, 30, QImage::Format_RGB32};
};

TEST_F(CaptionDrawing, FillsOnlyTheCaptionAreaAndDrawsTheText) {
    draw();
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(59, 28), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(60, 1), kWhite); // the input area is the engine's
    EXPECT_TRUE(captionHas(qRgb(0, 0, 255)));
}

TEST_F(CaptionDrawing, DisabledCaptionDrawsItsTextGreyed) {
    caption->SetControlEnabled(false);
    draw();
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_FALSE(captionHas(qRgb(0, 0, 255)));
}

TEST_F(CaptionDrawing, InputRectLeavesRoomForCaptionAndSpacing) {
    caption->Invoke(CaptionDispIds::Spacing, com::InvokeKind::Put,
                    std::array{com::Variant(std::int16_t{4})});
    EXPECT_EQ(caption->InputRect(QRect(0, 0, 200, 30)), QRect(64, 0, 136, 30));
}

} // namespace
} // namespace tarnwick::fenbase6::test
