#include "help/help_lookup.h"
#include "help/help_viewer.h"
#include "help/help_window.h"
#include "shell/ui/help_commands.h"
#include "shell/ui/help_topics.h"
#include "test_help_support.h"

#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchQueryWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

using namespace tarnwick;
using help::HelpWindow;

namespace {

const QUrl kUploadingPage(QStringLiteral("qthelp://corvane.tarnwick.20/tarnwick/uploading.html"));

QString pageName(const HelpWindow& window) {
    return window.currentPage().fileName();
}

void saveScreenshot(QWidget& window, const QString& name) {
    const QString folder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    window.resize(1000, 680);
    QTest::qWait(50);
    EXPECT_TRUE(window.grab().save(folder + QLatin1Char('/') + name));
}

class HelpRoutines : public ::testing::Test {
protected:
    HelpWindow* window() { return m_owner.findChild<HelpWindow*>(); }

    test::HelpCollectionCopy m_collection;
    QWidget m_owner;
};

} // namespace

TEST_F(HelpRoutines, EachRoutineOpensItsPaneInOneWindowOwnedByTheCaller) {
    HelpContents(&m_owner, m_collection.file());
    HelpWindow* help = window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentPane(), HelpWindow::Pane::Contents);
    EXPECT_EQ(pageName(*help), QStringLiteral("index.html"));
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Tarnwick Help - Welcome to Tarnwick"));

    HelpIndex(&m_owner, m_collection.file());
    EXPECT_EQ(help->currentPane(), HelpWindow::Pane::Index);
    HelpSearch(&m_owner, m_collection.file());
    EXPECT_EQ(help->currentPane(), HelpWindow::Pane::Search);
    EXPECT_TRUE(help->findChild<QHelpSearchQueryWidget*>()->searchInput().isEmpty());

    HelpContext(&m_owner, m_collection.file(), HelpContextId::ConnSettings);
    EXPECT_EQ(help->currentPane(), HelpWindow::Pane::Contents);
    EXPECT_EQ(pageName(*help), QStringLiteral("connection-settings.html"));
    HelpContext(&m_owner, m_collection.file(), HelpContextId::ConnWizardConnection);
    EXPECT_EQ(help->currentPage().fileName() + QLatin1Char('#') + help->currentPage().fragment(),
              QStringLiteral("connection-wizard.html#connection"));
    EXPECT_EQ(m_owner.findChildren<HelpWindow*>().size(), 1);

    // Another caller takes the open window over.
    QWidget other;
    HelpIndex(&other, m_collection.file());
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(other.findChild<HelpWindow*>(), help);
}

TEST_F(HelpRoutines, AContextTheFileLacksOpensTheContents) {
    HelpContext(&m_owner, m_collection.file(), 4242);
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->currentPane(), HelpWindow::Pane::Contents);
    EXPECT_EQ(pageName(*window()), QStringLiteral("index.html"));
}

TEST_F(HelpRoutines, NoHelpFileOpensNothingAndCreatesNothing) {
    const QString missing = m_collection.folder() + QStringLiteral("/missing.qhc");
    const QString notACollection = m_collection.folder() + QStringLiteral("/notes.qhc");
    QFile notes(notACollection);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a help collection\n");
    notes.close();

    for (const QString& file : {QString(), missing, notACollection, m_collection.folder()}) {
        HelpContents(&m_owner, file);
        HelpIndex(&m_owner, file);
        HelpSearch(&m_owner, file);
        HelpContext(&m_owner, file, HelpContextId::ConnSettings);
        EXPECT_EQ(window(), nullptr) << file.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    EXPECT_EQ(notes.readAll(), QByteArray("not a help collection\n"));
}

TEST_F(HelpRoutines, TheIndexFindsATermAndOpensItsPage) {
    HelpIndex(&m_owner, m_collection.file());
    ASSERT_NE(window(), nullptr);
    auto* index = window()->findChild<QHelpIndexWidget*>();
    ASSERT_TRUE(QTest::qWaitFor([index] { return index->model()->rowCount() > 50; }));
    auto* filter = window()->findChild<QLineEdit*>(QStringLiteral("txtIndexFilter"));
    QTest::keyClicks(filter, QStringLiteral("restore cal"));
    EXPECT_EQ(index->currentIndex().data().toString(), QStringLiteral("restore calibration"));
    QTest::keyClick(filter, Qt::Key_Return);
    EXPECT_EQ(pageName(*window()), QStringLiteral("uploading.html"));
}

TEST_F(HelpRoutines, SearchListsOnlyThePagesThatHoldTheWords) {
    HelpWindow* help = help::showHelp(&m_owner, m_collection.file(), help::HelpRequest::search({}));
    ASSERT_NE(help, nullptr);
    QSignalSpy finished(help, &HelpWindow::searchFinished);
    // Asked for before the search index is built: the search waits for it.
    help->showSearch(QStringLiteral("protected locations"));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_GE(finished.constFirst().constFirst().toInt(), 3);
    auto* results = help->findChild<QTextBrowser*>(QStringLiteral("searchResults"));
    EXPECT_TRUE(results->toHtml().contains(QStringLiteral("uploading.html")));
    // The pop-up texts hold the words too, but are no page.
    EXPECT_FALSE(results->toHtml().contains(QStringLiteral("popups.txt")));
    emit results->anchorClicked(kUploadingPage);
    EXPECT_EQ(pageName(*help), QStringLiteral("uploading.html"));

    help->showSearch(QStringLiteral("xylophone"));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.constLast().constFirst().toInt(), 0);
}

TEST_F(HelpRoutines, LinksOutOfTheCollectionGoToTheDesktop) {
    QList<QUrl> opened;
    HelpWindow* help = help::showHelp(&m_owner, m_collection.file(), help::HelpRequest::contents(),
                                      [&opened](const QUrl& url) {
                                          opened << url;
                                          return true;
                                      });
    ASSERT_NE(help, nullptr);
    auto* page = help->findChild<QTextBrowser*>(QStringLiteral("pageView"));
    emit page->anchorClicked(QUrl(QStringLiteral("mailto:support@corvane.example")));
    emit page->anchorClicked(QUrl(QStringLiteral("progress.html")));
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("mailto:support@corvane.example"))});
    EXPECT_EQ(pageName(*help), QStringLiteral("progress.html"));
}

TEST(HelpCache, ACopyForAReadOnlyFolderReadsTheOriginalPagesAndTakesTheSearchIndex) {
    test::HelpCollectionCopy original;
    QTemporaryDir cache;
    const QString copy = help::cachedCollection(original.file(), cache.path());
    ASSERT_EQ(QFileInfo(copy).absolutePath(), QFileInfo(cache.path()).absoluteFilePath());
    // Only the collection is copied; its documentation stays where it is.
    EXPECT_FALSE(QFile::exists(cache.filePath(QStringLiteral("tarnwick.qch"))));
    EXPECT_EQ(help::cachedCollection(original.file(), cache.path()), copy);
    EXPECT_TRUE(
        help::cachedCollection(original.folder() + QStringLiteral("/none.qhc"), cache.path())
            .isEmpty());

    auto engine = help::openCollection<QHelpEngine>(copy);
    ASSERT_NE(engine, nullptr);
    QWidget owner;
    auto* help = new HelpWindow(original.file(), std::move(engine), {}, &owner);
    help->showContext(HelpContextId::ConnSettings);
    EXPECT_EQ(pageName(*help), QStringLiteral("connection-settings.html"));
    QSignalSpy finished(help, &HelpWindow::searchFinished);
    help->showSearch(QStringLiteral("maintenance"));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_GT(finished.constFirst().constFirst().toInt(), 0);
    EXPECT_TRUE(QFileInfo(cache.filePath(QStringLiteral(".tarnwick"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(original.folder() + QStringLiteral("/.tarnwick")));
}

TEST_F(HelpRoutines, Screenshots) {
    HelpContents(&m_owner, m_collection.file());
    HelpWindow* help = window();
    ASSERT_NE(help, nullptr);
    auto* contents = help->findChild<QHelpContentWidget*>();
    ASSERT_TRUE(QTest::qWaitFor([contents] { return contents->model()->rowCount() > 0; }));
    saveScreenshot(*help, QStringLiteral("help-contents.png"));

    HelpIndex(&m_owner, m_collection.file());
    auto* filter = help->findChild<QLineEdit*>(QStringLiteral("txtIndexFilter"));
    QTest::keyClicks(filter, QStringLiteral("pass"));
    QTest::keyClick(filter, Qt::Key_Return);
    saveScreenshot(*help, QStringLiteral("help-index.png"));

    QSignalSpy finished(help, &HelpWindow::searchFinished);
    help->showSearch(QStringLiteral("protected locations"));
    ASSERT_TRUE(finished.wait(20000));
    emit help->findChild<QTextBrowser*>(QStringLiteral("searchResults"))
        ->anchorClicked(QUrl(kUploadingPage.toString() + QStringLiteral("#protected")));
    saveScreenshot(*help, QStringLiteral("help-search.png"));

    HelpContext(&m_owner, m_collection.file(), HelpContextId::ConnSettings);
    saveScreenshot(*help, QStringLiteral("help-context-10001.png"));
}
