// Pictures of every tab of the main window, in both layouts, and of a What's This pop-up,
// for a person to look at: build/<dir>/screenshots/frmMain-*.png.

#include "config/site_config_layout.h"
#include "main_window_fixture.h"
#include "shell/test_help_support.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTabWidget>
#include <QToolBox>
#include <QToolButton>
#include <QWhatsThis>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

const QString kFolder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");

class MainWindowScreenshots : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(kFolder));
        program.settings.HelpFile = help.file();
        makeWindow();
        window->resize(1180, 680);
        window->show();
    }

    void save(const QPixmap& picture, const QString& name) {
        const QString path = kFolder + QStringLiteral("/frmMain-") + name + QStringLiteral(".png");
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }

    void saveEveryTab(const QString& layoutName) {
        auto& tabs = child<QTabWidget>("tabMain");
        for (int i = 0; i < tabs.count(); ++i) {
            if (!tabs.isTabVisible(i))
                continue;
            tabs.setCurrentIndex(i);
            QApplication::processEvents();
            const QString tab =
                tabs.tabText(i).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
            save(window->grab(), QStringLiteral("%1-%2-%3").arg(layoutName).arg(i + 1).arg(tab));
        }
        // The list bar's other kind of grid: sixteen rows of words.
        auto& listBar = child<QToolBox>("olbOvinLabels");
        listBar.setCurrentIndex(1);
        listBar.widget(1)->findChildren<QToolButton*>().at(3)->click();
        QApplication::processEvents();
        save(window->grab(), layoutName + QStringLiteral("-6-ovin-labels-status"));
        listBar.setCurrentIndex(0);
        listBar.widget(0)->findChildren<QToolButton*>().at(0)->click();
    }

    HelpCollectionCopy help;
};

} // namespace

TEST_F(MainWindowScreenshots, EveryTabWithTheSampleConfiguration) {
    ASSERT_TRUE(window->OpenSettingsFile(kSampleSettings));
    saveEveryTab(QStringLiteral("56"));

    // The same unit on firmware 5.4, modified for 1200 baud, sending data out to its sites.
    SettingsRecord record = *readSettingsFile(kSampleSettings);
    record.image[layout::kFirmware] = 54;
    record.image[layout::kBaudCodes54] = layout::kBaudCode1200;
    record.image[layout::kBaudCodes54 + 1] = layout::kBaudCode300;
    for (std::uint8_t k = 0; k < kSiteEntryCount; ++k)
        record.image[layout::kDataSentOut + k] = static_cast<std::uint8_t>((k + 1) % 4);
    const QString path = dir.filePath(QStringLiteral("LIFT 3 on 5.4.stv"));
    writeSettingsFile(path, record);
    ASSERT_TRUE(window->OpenSettingsFile(path));
    saveEveryTab(QStringLiteral("54"));
    EXPECT_TRUE(errors.reports.empty());
}

TEST_F(MainWindowScreenshots, WhatsThisPopUpOnTheSiteLabel) {
    ASSERT_TRUE(window->OpenSettingsFile(kSampleSettings));
    auto& field = child<QLineEdit>("txtSiteLabel");
    ASSERT_FALSE(field.whatsThis().isEmpty());
    QApplication::processEvents();
    const QPoint at = field.mapToGlobal(QPoint(field.width() / 2, field.height()));
    QWhatsThis::showText(at, field.whatsThis(), &field);
    QApplication::processEvents();
    QWidget* popup = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->inherits("QWhatsThat"))
            popup = widget;
    ASSERT_NE(popup, nullptr);

    QPixmap picture = window->grab();
    QPainter painter(&picture);
    painter.drawPixmap(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    painter.end();
    save(picture, QStringLiteral("whats-this-site-label"));
    QWhatsThis::hideText();
}
