#include "help/popup_topics.h"
#include "shell/ui/help_commands.h"
#include "shell/ui/whats_this.h"
#include "test_help_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

using namespace tarnwick;
using help::loadPopupTopics;
using help::PopupTopics;

TEST(PopupTopics, ReadsTopicsParagraphsAndSkipsWhatItCannotRead) {
    const PopupTopics topics =
        PopupTopics::parse("Text before the first topic belongs to none.\n"
                           ".topic 11001\n"
                           "Starts a download\n"
                           "   from a unit.  \n"
                           "\n"
                           "\n"
                           "Second paragraph.\r\n"
                           ".topic twelve\n"
                           "Lost with its unreadable number.\n"
                           ".topic 11002\n"
                           ".topic 11003\n"
                           "Caf\xc3\xa9 and \xe2\x80\x9cquotes\xe2\x80\x9d.\n"
                           ".topic 11001\n"
                           "A second text for a number keeps the first.\n"
                           ".topical 11004\n");
    EXPECT_EQ(topics.text(11001),
              QStringLiteral("Starts a download from a unit.\n\nSecond paragraph."));
    EXPECT_EQ(topics.text(11002), QString());
    EXPECT_EQ(topics.text(11003), QStringLiteral("Caf\u00e9 and \u201cquotes\u201d."));
    EXPECT_EQ(topics.text(4242), QString());
    QList<int> ids = topics.contextIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (QList<int>{11001, 11002, 11003}));
    EXPECT_TRUE(PopupTopics::parse({}).isEmpty());
}

TEST(PopupTopics, ComeFromTheTopicFileInsideTheHelpFile) {
    test::HelpCollectionCopy collection;
    const PopupTopics topics = loadPopupTopics(popupHelpSource(collection.file()));
    EXPECT_FALSE(topics.text(11001).isEmpty());

    // Nothing to read is no failure: there are simply no pop-ups.
    EXPECT_TRUE(loadPopupTopics(popupHelpSource(QString())).isEmpty());
    EXPECT_TRUE(loadPopupTopics(collection.file()).isEmpty());
    EXPECT_TRUE(loadPopupTopics(collection.file() + QStringLiteral("::/nothing.txt")).isEmpty());
    const QString missing = collection.folder() + QStringLiteral("/missing.qhc");
    EXPECT_TRUE(loadPopupTopics(popupHelpSource(missing)).isEmpty());
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(WhatsThis, EveryListedControlOfTheWindowGetsItsText) {
    const PopupTopics popups = PopupTopics::parse(".topic 11101\nHow to connect.\n"
                                                  ".topic 11113\nOpens this help.\n"
                                                  ".topic 11001\nSplash only.\n");
    QWidget window;
    // A control array shares one name; every member gets the text.
    for (int i = 0; i < 3; ++i)
        (new QCheckBox(&window))->setObjectName(QStringLiteral("optConn"));
    auto* help = new QPushButton(&window);
    help->setObjectName(QStringLiteral("cmdHelp"));
    auto* unlisted = new QLabel(&window);
    unlisted->setObjectName(QStringLiteral("lblNotes"));
    auto* download = new QPushButton(&window); // a name of another window
    download->setObjectName(QStringLiteral("cmdDownLoad"));

    EXPECT_EQ(applyWhatsThis(window, "frmConnSettings", popups), 4);
    for (QWidget* option : window.findChildren<QWidget*>(QStringLiteral("optConn")))
        EXPECT_EQ(option->whatsThis(), QStringLiteral("How to connect."));
    EXPECT_EQ(help->whatsThis(), QStringLiteral("Opens this help."));
    EXPECT_TRUE(unlisted->whatsThis().isEmpty());
    EXPECT_TRUE(download->whatsThis().isEmpty());
}

TEST(WhatsThis, MenuCommandsGetTheirTextToo) {
    const PopupTopics popups = PopupTopics::parse(".topic 11463\nDownloads.\n");
    QWidget window;
    auto* download = new QAction(&window);
    download->setObjectName(QStringLiteral("miDownload"));
    EXPECT_EQ(applyWhatsThis(window, "frmMain", popups), 1);
    EXPECT_EQ(download->whatsThis(), QStringLiteral("Downloads."));
}
