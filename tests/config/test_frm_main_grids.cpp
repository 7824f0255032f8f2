// Editing in the main window's grids with the keyboard, as a user does.

#include "config/channel_table_model.h"
#include "config/site_config_codec.h"
#include "main_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

using Column = ChannelTableModel::Column;

class MainWindowGrids : public MainWindowTest {
protected:
    void SetUp() override {
        makeWindow().show();
        ASSERT_TRUE(window->OpenSettingsFile(kSampleSettings));
        grid = &child<QTableView>("grdChanSettings");
    }

    QModelIndex cell(int row, int column) const { return grid->model()->index(row, column); }
    QString shown(int row, int column) const { return cell(row, column).data().toString(); }
    SiteConfig stored() {
        ConfigImage image = program.image;
        window->StoreValues(image);
        return decodeSiteConfig(image, program.connection.DestSL);
    }

    QTableView* grid = nullptr;
};

} // namespace

TEST_F(MainWindowGrids, ALabelIsCutToSevenCharactersAsItIsTyped) {
    grid->setCurrentIndex(cell(11, Column::Label));
    grid->edit(cell(11, Column::Label));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell(11, Column::Label)));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), QStringLiteral("txtChanLabel"));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(editor->text(), QStringLiteral("ABCDEFG"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(stored().channels[11].label, QStringLiteral("ABCDEFG"));
}

TEST_F(MainWindowGrids, LimitsFollowTheirDecimalPointAndRescaleWithIt) {
    const int press = 4; // 2 decimals, limits 20.5 and 85.25
    EXPECT_EQ(shown(press, Column::HighLimit), QStringLiteral("85.25"));
    typeIntoCell(*grid, cell(press, Column::HighLimit), QStringLiteral("100.00"));
    // The third digit was refused: 100 cannot fit 0-99.99.
    EXPECT_EQ(shown(press, Column::HighLimit), QStringLiteral("10"));
    typeIntoCell(*grid, cell(press, Column::HighLimit), QStringLiteral("99.99"));
    EXPECT_EQ(shown(press, Column::HighLimit), QStringLiteral("99.99"));

    typeIntoCell(*grid, cell(press, Column::DecimalPoint), QStringLiteral("0.000"));
    EXPECT_EQ(shown(press, Column::DecimalPoint), QStringLiteral("0.000"));
    EXPECT_EQ(shown(press, Column::HighLimit), QStringLiteral("9.999"));
    EXPECT_EQ(shown(press, Column::LowLimit), QStringLiteral("2.05"));
    grid->setCurrentIndex(cell(press, Column::HighLimit));
    grid->edit(cell(press, Column::HighLimit));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell(press, Column::HighLimit)));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), QStringLiteral("txtAnlgLimit"));
    EXPECT_EQ(editor->placeholderText(), QStringLiteral("Null"));
    QTest::keyClick(editor, Qt::Key_Escape);

    const ChannelSettings channel = stored().channels[press];
    EXPECT_EQ(channel.decimals, 3);
    EXPECT_DOUBLE_EQ(channel.highLimit, 9.999);
    EXPECT_DOUBLE_EQ(channel.lowLimit, 2.05);
}

TEST_F(MainWindowGrids, DurationsAndDelaysTakeWhatTheUploadWillClamp) {
    typeIntoCell(*grid, cell(0, Column::StatusAlarmDelay), QStringLiteral("200"));
    typeIntoCell(*grid, cell(0, Column::HighLowAlarmDelay), QStringLiteral("-5"));
    typeIntoCell(*grid, cell(0, Column::RaiseDuration), QStringLiteral("0.1"));
    typeIntoCell(*grid, cell(0, Column::LowerDuration), QStringLiteral("31.5"));
    EXPECT_EQ(shown(0, Column::StatusAlarmDelay), QStringLiteral("200"));
    EXPECT_EQ(shown(0, Column::LowerDuration), QStringLiteral("31.5"));
    const ChannelSettings channel = stored().channels[0];
    EXPECT_EQ(channel.statusAlarmDelay, 126);
    EXPECT_EQ(channel.highLowAlarmDelay, 0);
    EXPECT_EQ(channel.raiseDuration, 0.0);
    EXPECT_EQ(channel.lowerDuration, 28.0);
}

TEST_F(MainWindowGrids, TabAndArrowsMoveBetweenCellsAndTypingStartsAnEdit) {
    grid->setFocus();
    grid->setCurrentIndex(cell(0, Column::Label));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), cell(0, Column::StatusAlarm));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_FALSE(stored().channels[0].statusAlarm);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->currentIndex(), cell(1, Column::StatusAlarm));
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, 'V');
    QWidget* editor = grid->indexWidget(cell(1, Column::Label));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("ALVE 9"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(stored().channels[1].label, QStringLiteral("VALVE 9"));
}

TEST_F(MainWindowGrids, WordCellsOfferTheVocabulary) {
    auto& signOn = child<QTableView>("grdSignOn");
    EXPECT_EQ(signOn.model()->index(0, 0).data().toString(), QStringLiteral("hello"));
    signOn.setCurrentIndex(signOn.model()->index(0, 6));
    signOn.edit(signOn.model()->index(0, 6));
    auto* box = qobject_cast<QComboBox*>(signOn.indexWidget(signOn.model()->index(0, 6)));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName(), QStringLiteral("fenGrdOvin"));
    EXPECT_EQ(box->count(), 256);
    EXPECT_EQ(box->itemText(0), QString());
    EXPECT_EQ(box->currentIndex(), 0); // the empty word
    box->setCurrentIndex(box->findText(QStringLiteral("pump")));
    // Still open when the window stores: the open edit is taken first.
    EXPECT_EQ(stored().signOnMessage[6], program.vocabulary.textToCode(QStringLiteral("pump"), 32));
    EXPECT_EQ(signOn.model()->index(0, 6).data().toString(), QStringLiteral("pump"));
}
