// File > "Compare with File...": the differences between the window and a settings file, and
// taking the ticked ones into the window.

#include "config/config_diff.h"
#include "config/ui/frm_compare.h"
#include "main_window_fixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class CompareWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        makeWindow();
        ASSERT_TRUE(window->OpenSettingsFile(kSampleSettings));
        // The sample with a new site label, first phone number and a channel's high limit.
        SettingsRecord record = *readSettingsFile(kSampleSettings);
        const char label[] = "OTHER  ";
        std::copy(label, label + 7, record.image.begin() + 339);
        record.image[990] = 9;
        record.image[54 + 9 * 2 + 1] ^= 0x05;
        other = dir.filePath(QStringLiteral("other.stv"));
        writeSettingsFile(other, record);
        QFile file(other);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        otherBytes = file.readAll();
    }

    frmCompare& compare() {
        auto* found = window->findChild<frmCompare*>(QStringLiteral("frmCompare"));
        if (!found)
            throw std::runtime_error("no Compare window");
        return *found;
    }
    QTableWidget& grid() {
        return *compare().findChild<QTableWidget*>(QStringLiteral("grdDifferences"));
    }
    void tick(int row) { grid().item(row, 0)->setCheckState(Qt::Checked); }
    QStringList rowPaths() {
        QStringList out;
        for (int row = 0; row < grid().rowCount(); ++row)
            out << grid().item(row, 1)->toolTip();
        return out;
    }
    // What storing the window now would change in the image, by path.
    QStringList storedChanges() {
        ConfigImage scratch = program.image;
        window->StoreValues(scratch);
        QStringList out;
        for (const FieldDifference& d : diffImages({program.image, program.connection.DestSL},
                                                   {scratch, program.connection.DestSL},
                                                   program.vocabulary)
                                            .fields)
            out << d.path;
        return out;
    }

    QString other;
    QByteArray otherBytes;
};

} // namespace

TEST_F(CompareWindowTest, ListsEachDifferenceByTabAndCaption) {
    window->CompareWithFile(other);
    EXPECT_EQ(rowPaths(), (QStringList{QStringLiteral("site_label"),
                                       QStringLiteral("channels[2].high_limit"),
                                       QStringLiteral("phone_numbers[0]")}));
    EXPECT_EQ(grid().item(0, 0)->text(), QStringLiteral("Local Options"));
    EXPECT_EQ(grid().item(0, 1)->text(), QStringLiteral("Site Label"));
    EXPECT_EQ(grid().item(0, 3)->text(), QStringLiteral("OTHER"));
    EXPECT_EQ(grid().item(1, 1)->text(), QStringLiteral("Channel 3 - High Limit"));
    EXPECT_FALSE(compare().findChild<QPushButton*>(QStringLiteral("cmdTakeSelected"))->isEnabled());
    EXPECT_FALSE(window->changedMark());
}

TEST_F(CompareWindowTest, TakingOneRowChangesThatFieldOnlyAndMarksTheWindowChanged) {
    window->CompareWithFile(other);
    tick(2);
    auto* take = compare().findChild<QPushButton*>(QStringLiteral("cmdTakeSelected"));
    ASSERT_TRUE(take->isEnabled());
    QTest::mouseClick(take, Qt::LeftButton);

    EXPECT_EQ(storedChanges(), QStringList{QStringLiteral("phone_numbers[0]")});
    EXPECT_TRUE(window->changedMark());
    EXPECT_TRUE(window->HasChanges());
    // The list now holds what is still different; the file was only read.
    EXPECT_EQ(rowPaths(), (QStringList{QStringLiteral("site_label"),
                                       QStringLiteral("channels[2].high_limit")}));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), otherBytes);
    EXPECT_TRUE(promptTexts().isEmpty());
}

TEST_F(CompareWindowTest, AChosenFileThatIsNoSettingsFileIsSaidSo) {
    const QString junk = dir.filePath(QStringLiteral("junk.stv"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a settings file");
    file.close();
    prompter.scriptPath(junk);
    window->CompareWithFile();
    ASSERT_EQ(prompter.calls.size(), 2U); // the Open dialog, then the message
    EXPECT_EQ(prompter.calls[1].text,
              QStringLiteral("junk.stv is not a Tarnwick settings file, or it is damaged."));
    EXPECT_EQ(window->findChild<frmCompare*>(QStringLiteral("frmCompare")), nullptr);
}

TEST_F(CompareWindowTest, Screenshot) {
    window->CompareWithFile(other);
    tick(0);
    tick(2);
    compare().show();
    QApplication::processEvents();
    const QString folder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(compare().grab().save(folder + QStringLiteral("/frmCompare.png")));
}
