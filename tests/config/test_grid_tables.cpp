#include "config/channel_table_model.h"
#include "config/word_table_model.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tarnwick;

namespace {

using Model = ChannelTableModel;

QString shown(const Model& model, int row, int column) {
    return model.index(row, column).data(Qt::DisplayRole).toString();
}

Vocabulary sampleVocabulary() {
    VocabularyFileEntries entries;
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i] = {QStringLiteral("w%1").arg(i), static_cast<std::int16_t>(100 + i)};
    entries[0] = {QStringLiteral("pump"), 300};
    entries[1] = {QStringLiteral("pump"), 301}; // same text later: never chosen by text
    entries[2] = {QStringLiteral("quiet"), 32}; // the blank code with a text
    entries[3] = {QStringLiteral("huge"), 600}; // does not fit 9 bits
    return Vocabulary(entries);
}

} // namespace

TEST(ChannelTable, ShowsTwelveCaptionedColumnsWithLimitsInTheirRowsPattern) {
    std::array<ChannelSettings, kChannelCount> channels{};
    channels[0] = {QStringLiteral("WETWELL"), true, false, 1, 2.5, 18.0, 2.0, 0.0, 10, 5, 1};
    Model model(channels);
    ASSERT_EQ(model.columnCount(), 12);
    ASSERT_EQ(model.rowCount(), 16);
    QStringList captions;
    for (int c = 0; c < model.columnCount(); ++c)
        captions << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("Channel"), QStringLiteral("Label"),
                           QStringLiteral("Status Alarm"), QStringLiteral("Invert Status"),
                           QStringLiteral("Decimal Point"), QStringLiteral("Low Limit"),
                           QStringLiteral("High Limit"), QStringLiteral("Raise Duration"),
                           QStringLiteral("Lower Duration"), QStringLiteral("High/Low Alarm Delay"),
                           QStringLiteral("Status Alarm Delay"), QStringLiteral("Convert Type")}));
    EXPECT_EQ(shown(model, 15, Model::ChannelNumber), QStringLiteral("16"));
    EXPECT_EQ(shown(model, 0, Model::Label), QStringLiteral("WETWELL"));
    EXPECT_EQ(model.index(0, Model::StatusAlarm).data(Qt::CheckStateRole).value<Qt::CheckState>(),
              Qt::Checked);
    EXPECT_EQ(model.index(0, Model::InvertStatus).data(Qt::CheckStateRole).value<Qt::CheckState>(),
              Qt::Unchecked);
    EXPECT_EQ(shown(model, 0, Model::DecimalPoint), QStringLiteral("000.0"));
    EXPECT_EQ(shown(model, 0, Model::LowLimit), QStringLiteral("2.5"));
    EXPECT_EQ(shown(model, 0, Model::HighLimit), QStringLiteral("18"));
    EXPECT_EQ(shown(model, 0, Model::RaiseDuration), QStringLiteral("2.0"));
    EXPECT_EQ(shown(model, 0, Model::StatusAlarmDelay), QStringLiteral("5"));
    EXPECT_EQ(shown(model, 0, Model::ConvertType), QStringLiteral("Linear"));
    EXPECT_FALSE(model.flags(model.index(0, Model::ChannelNumber)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, Model::StatusAlarm)) & Qt::ItemIsUserCheckable);
}

TEST(ChannelTable, TwoDecimalsRefuse100ThenThreeDecimalsShow9999) {
    std::array<ChannelSettings, kChannelCount> channels{};
    channels[4].decimals = 2;
    Model model(channels);
    const QModelIndex high = model.index(4, Model::HighLimit);
    EXPECT_FALSE(model.setData(high, 100.0, Qt::EditRole));
    EXPECT_TRUE(model.setData(high, 99.99, Qt::EditRole));
    EXPECT_EQ(shown(model, 4, Model::HighLimit), QStringLiteral("99.99"));

    QSignalSpy changed(&model, &Model::dataChanged);
    EXPECT_TRUE(
        model.setData(model.index(4, Model::DecimalPoint), QStringLiteral("0.000"), Qt::EditRole));
    EXPECT_EQ(shown(model, 4, Model::HighLimit), QStringLiteral("9.999"));
    EXPECT_EQ(channels[4].decimals, 3);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(1).toModelIndex(), high); // both limits are shown again

    EXPECT_FALSE(
        model.setData(model.index(4, Model::DecimalPoint), QStringLiteral("0.0000"), Qt::EditRole));
    EXPECT_EQ(channels[4].decimals, 3);
}

TEST(ChannelTable, KeepsValuesOutsideTheUnitsRangeForTheUploadToWarnAbout) {
    std::array<ChannelSettings, kChannelCount> channels{};
    Model model(channels);
    EXPECT_TRUE(model.setData(model.index(2, Model::StatusAlarmDelay), 127, Qt::EditRole));
    EXPECT_TRUE(model.setData(model.index(2, Model::RaiseDuration), 30.0, Qt::EditRole));
    EXPECT_TRUE(model.setData(model.index(2, Model::HighLowAlarmDelay), -5, Qt::EditRole));
    EXPECT_EQ(channels[2].statusAlarmDelay, 127);
    EXPECT_EQ(channels[2].raiseDuration, 30.0);
    EXPECT_EQ(channels[2].highLowAlarmDelay, -5);
    EXPECT_TRUE(
        model.setData(model.index(2, Model::Label), QStringLiteral("ABCDEFGH"), Qt::EditRole));
    EXPECT_TRUE(
        model.setData(model.index(2, Model::InvertStatus), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(channels[2].invertStatus);
    EXPECT_TRUE(model.setData(model.index(2, Model::ConvertType), QStringLiteral("Indirect"),
                              Qt::EditRole));
    EXPECT_EQ(channels[2].convertType, 3);
    EXPECT_FALSE(
        model.setData(model.index(2, Model::ConvertType), QStringLiteral("Cubic"), Qt::EditRole));
    EXPECT_FALSE(model.setData(model.index(2, Model::ChannelNumber), 9, Qt::EditRole));
}

TEST(WordTable, ShowsWordsAndStoresTheFirstRowWithTheText) {
    const Vocabulary vocabulary = sampleVocabulary();
    std::array<std::array<WordCode, 4>, 16> cells{};
    for (auto& row : cells)
        row.fill(kEmptyWordCode);
    cells[1][2] = 301; // the second "pump"
    cells[3][0] = 455; // no row carries it
    WordTableModel model(vocabulary, 16, 4, true);
    EXPECT_EQ(model.rowCount(), 0); // nothing bound yet
    model.bind([&cells](int r, int w) -> WordCode& {
        return cells.at(static_cast<std::size_t>(r)).at(static_cast<std::size_t>(w));
    });
    ASSERT_EQ(model.columnCount(), 5);
    EXPECT_EQ(model.index(7, 0).data().toInt(), 8);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Word 1"));
    EXPECT_EQ(model.index(1, 3).data().toString(), QStringLiteral("pump"));
    EXPECT_EQ(model.index(0, 1).data().toString(), QString()); // 32 is the empty word
    EXPECT_EQ(model.index(3, 1).data().toString(), QString());

    EXPECT_TRUE(model.setData(model.index(0, 1), QStringLiteral("pump"), Qt::EditRole));
    EXPECT_EQ(cells[0][0], 300);
    EXPECT_TRUE(model.setData(model.index(0, 1), QString(), Qt::EditRole));
    EXPECT_EQ(cells[0][0], kEmptyWordCode);
    EXPECT_FALSE(model.setData(model.index(0, 1), QStringLiteral("huge"), Qt::EditRole));
    EXPECT_EQ(cells[0][0], kEmptyWordCode);
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("pump"), Qt::EditRole));
}
