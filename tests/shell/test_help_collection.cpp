// The help collection built from data/help against the program's tables: every window has a
// topic, every control with a pop-up has a text, and the pages hold together.
#include "help/help_lookup.h"
#include "help/popup_topics.h"
#include "shell/ui/help_commands.h"
#include "shell/ui/help_topics.h"
#include "test_help_support.h"

#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>

using namespace tarnwick;

namespace {

class HelpCollection : public ::testing::Test {
protected:
    void SetUp() override {
        m_engine = help::openCollection<QHelpEngine>(m_copy.file());
        ASSERT_NE(m_engine, nullptr);
    }

    QList<QUrl> pages() {
        QList<QUrl> pages;
        for (const QString& ns : m_engine->registeredDocumentations())
            pages << m_engine->files(ns, QString(), QStringLiteral("html"));
        return pages;
    }

    QString pageText(const QUrl& page) const {
        QUrl file = page;
        file.setFragment({});
        return QString::fromUtf8(m_engine->fileData(file));
    }

    static bool hasAnchor(const QString& html, const QString& anchor) {
        return html.contains(QStringLiteral("id=\"%1\"").arg(anchor)) ||
               html.contains(QStringLiteral("name=\"%1\"").arg(anchor));
    }

    test::HelpCollectionCopy m_copy;
    std::unique_ptr<QHelpEngine> m_engine;
};

} // namespace

TEST_F(HelpCollection, EveryWindowNumberLeadsToAnExistingSection) {
    QSet<int> seen;
    for (const WindowTopic& topic : kWindowTopics) {
        SCOPED_TRACE(topic.contextId);
        EXPECT_FALSE(seen.contains(topic.contextId));
        seen.insert(topic.contextId);
        const std::optional<QUrl> page = help::contextTopic(*m_engine, topic.contextId);
        ASSERT_TRUE(page.has_value()) << topic.window << " " << topic.part;
        const QString html = pageText(*page);
        ASSERT_FALSE(html.isEmpty()) << page->toString().toStdString();
        if (page->hasFragment()) {
            EXPECT_TRUE(hasAnchor(html, page->fragment())) << page->toString().toStdString();
        }
    }
    EXPECT_EQ(help::contextTopic(*m_engine, HelpContextId::ConnSettings)->fileName(),
              QStringLiteral("connection-settings.html"));
}

TEST_F(HelpCollection, EveryControlNumberHasAPopUpAndEveryPopUpAControl) {
    const help::PopupTopics popups = help::loadPopupTopics(popupHelpSource(m_copy.file()));
    QSet<int> listed;
    for (const ControlPopup& popup : kControlPopups) {
        SCOPED_TRACE(popup.contextId);
        EXPECT_FALSE(listed.contains(popup.contextId)) << "number used twice";
        listed.insert(popup.contextId);
        EXPECT_GE(popups.text(popup.contextId).size(), 20) << popup.window << " " << popup.control;
    }
    for (const WindowTopic& topic : kWindowTopics)
        EXPECT_FALSE(listed.contains(topic.contextId)) << topic.contextId;
    for (int id : popups.contextIds())
        EXPECT_TRUE(listed.contains(id)) << "pop-up " << id << " belongs to no control";
}

TEST_F(HelpCollection, LinksBetweenPagesLeadToExistingSections) {
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    const QList<QUrl> all = pages();
    ASSERT_GE(all.size(), 20);
    for (const QUrl& page : all) {
        const QString html = pageText(page);
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toString().toStdString();
        for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
            const QUrl target = page.resolved(QUrl(match.captured(1)));
            if (target.scheme() != page.scheme())
                continue; // mail and web links
            SCOPED_TRACE(page.fileName().toStdString() + " -> " + match.captured(1).toStdString());
            const QString targetHtml = pageText(target);
            if (target.fileName().endsWith(QLatin1String(".css"))) {
                EXPECT_FALSE(targetHtml.isEmpty());
                continue;
            }
            ASSERT_FALSE(targetHtml.isEmpty());
            if (target.hasFragment()) {
                EXPECT_TRUE(hasAnchor(targetHtml, target.fragment()));
            }
        }
    }
}

TEST_F(HelpCollection, EveryPageIsInTheContents) {
    QHelpContentModel* contents = m_engine->contentModel();
    if (contents->rowCount() == 0) {
        QSignalSpy created(contents, &QHelpContentModel::contentsCreated);
        ASSERT_TRUE(created.wait(10000));
    }
    QSet<QString> listed;
    std::function<void(const QModelIndex&)> collect = [&](const QModelIndex& parent) {
        for (int row = 0; row < contents->rowCount(parent); ++row) {
            const QModelIndex item = contents->index(row, 0, parent);
            listed.insert(contents->contentItemAt(item)->url().fileName());
            collect(item);
        }
    };
    collect({});
    for (const QUrl& page : pages())
        EXPECT_TRUE(listed.contains(page.fileName())) << page.fileName().toStdString();
}
