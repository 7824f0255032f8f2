#pragma once

#include "help_browser.h"

#include <QMainWindow>
#include <QUrl>
#include <memory>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

namespace tarnwick::help {

// The help window of one help collection: contents, index and full-text search panes beside
// the page view. It owns its help engine and deletes itself when closed.
class HelpWindow final : public QMainWindow {
    Q_OBJECT

public:
    enum class Pane { Contents = 0, Index = 1, Search = 2 };

    // `engine` is set up (see openCollection) on `collectionFile` or a copy of it; the window
    // takes it over.
    HelpWindow(const QString& collectionFile, std::unique_ptr<QHelpEngine> engine,
               HelpBrowser::ExternalOpener openExternal, QWidget* owner);
    ~HelpWindow() override;

    // The collection file the window was opened for, made absolute.
    const QString& collectionFile() const { return m_collectionFile; }

    void showContents();
    void showIndex();
    // Opens the search pane with `text` in its query; a text that is not empty is searched
    // at once (or as soon as the search index is ready).
    void showSearch(const QString& text);
    // The page of `contextId`; the contents when the collection has no such context.
    void showContext(int contextId);

    Pane currentPane() const;
    QUrl currentPage() const;

signals:
    // A search has listed its results: `pageCount` pages hold the words.
    void searchFinished(int pageCount);

private:
    QWidget* makeIndexPane();
    QWidget* makeSearchPane();
    void makeToolBar();
    void selectPane(Pane pane);
    void showPage(const QUrl& page);
    void showStartPageIfEmpty();
    void runSearch();
    void listSearchResults();
    void syncContents(const QUrl& page);

    QString m_collectionFile;
    std::unique_ptr<QHelpEngine> m_engine;
    QTabWidget* m_panes;
    QLineEdit* m_indexFilter = nullptr;
    QTextBrowser* m_searchResults = nullptr;
    HelpBrowser* m_pageView;
    bool m_searchIndexReady = false;
    bool m_searchPending = false;
};

} // namespace tarnwick::help
