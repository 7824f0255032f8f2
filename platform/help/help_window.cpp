#include "help_window.h"

#include "help_lookup.h"

#include <QAction>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarnwick::help {

namespace {
QWidget* paneWith(std::initializer_list<QWidget*> widgets, const char* name) {
    auto* pane = new QWidget;
    pane->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(4, 4, 4, 4);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return pane;
}
} // namespace

HelpWindow::HelpWindow(const QString& collectionFile, std::unique_ptr<QHelpEngine> engine,
                       HelpBrowser::ExternalOpener openExternal, QWidget* owner)
    : QMainWindow(owner, Qt::Window),
      m_collectionFile(QFileInfo(collectionFile).absoluteFilePath()), m_engine(std::move(engine)),
      m_panes(new QTabWidget),
      m_pageView(new HelpBrowser(*m_engine, std::move(openExternal), nullptr)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(collectionTitle(*m_engine, QStringLiteral("Help")));
    m_pageView->setObjectName(QStringLiteral("pageView"));
    m_pageView->document()->setDocumentMargin(12);
    m_panes->setObjectName(QStringLiteral("tabPanes"));

    QHelpContentWidget* contents = m_engine->contentWidget();
    contents->setObjectName(QStringLiteral("contentsTree"));
    contents->setHeaderHidden(true);
    m_panes->addTab(paneWith({contents}, "contentsPane"), QStringLiteral("Contents"));
    m_panes->addTab(makeIndexPane(), QStringLiteral("Index"));
    m_panes->addTab(makeSearchPane(), QStringLiteral("Search"));

    connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, contents, [this] {
        m_engine->contentWidget()->expandAll();
        syncContents(currentPage());
    });
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    connect(m_pageView, &QTextBrowser::sourceChanged, this, [this](const QUrl& page) {
        syncContents(page);
        const QString title = m_pageView->documentTitle();
        setWindowTitle(collectionTitle(*m_engine, QStringLiteral("Help")) +
                       (title.isEmpty() ? QString() : QStringLiteral(" - ") + title));
    });

    auto* splitter = new QSplitter;
    splitter->addWidget(m_panes);
    splitter->addWidget(m_pageView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 660});
    setCentralWidget(splitter);
    makeToolBar();
    resize(960, 640);

    // Building the search index takes a moment; a search asked for meanwhile waits for it.
    QHelpSearchEngine* search = m_engine->searchEngine();
    connect(search, &QHelpSearchEngine::indexingFinished, this, [this] {
        m_searchIndexReady = true;
        if (m_searchPending)
            runSearch();
    });
    search->scheduleIndexDocumentation();
}

HelpWindow::~HelpWindow() = default;

QWidget* HelpWindow::makeIndexPane() {
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("txtIndexFilter"));
    auto* label = new QLabel(QStringLiteral("&Look for:"));
    label->setBuddy(m_indexFilter);
    QHelpIndexWidget* index = m_engine->indexWidget();
    index->setObjectName(QStringLiteral("indexList"));
    connect(m_indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(m_indexFilter, &QLineEdit::returnPressed, index,
            &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { showPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) {
                if (!documents.isEmpty())
                    showPage(documents.constFirst().url);
            });
    return paneWith({label, m_indexFilter, index}, "indexPane");
}

QWidget* HelpWindow::makeSearchPane() {
    QHelpSearchEngine* search = m_engine->searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName(QStringLiteral("searchQuery"));
    connect(query, &QHelpSearchQueryWidget::search, this, &HelpWindow::runSearch);
    // Our own list of the hits: only pages, not the other files of the collection (the
    // pop-up texts are found by the search too, but are no page to read).
    m_searchResults = new QTextBrowser;
    m_searchResults->setObjectName(QStringLiteral("searchResults"));
    m_searchResults->setOpenLinks(false);
    connect(m_searchResults, &QTextBrowser::anchorClicked, this, &HelpWindow::showPage);
    connect(search, &QHelpSearchEngine::searchingFinished, this, &HelpWindow::listSearchResults);
    return paneWith({query, m_searchResults}, "searchPane");
}

void HelpWindow::listSearchResults() {
    QHelpSearchEngine* search = m_engine->searchEngine();
    QString html;
    int pages = 0;
    for (const QHelpSearchResult& result : search->searchResults(0, search->searchResultCount())) {
        if (!result.url().path().endsWith(QLatin1String(".html")))
            continue;
        ++pages;
        html += QStringLiteral("<p><a href=\"%1\">%2</a><br>%3</p>")
                    .arg(result.url().toString(QUrl::FullyEncoded), result.title().toHtmlEscaped(),
                         result.snippet());
    }
    if (pages == 0)
        html = QStringLiteral("<p>No page holds these words.</p>");
    m_searchResults->setHtml(html);
    emit searchFinished(pages);
}

void HelpWindow::makeToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("navigationBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                   QStringLiteral("&Back"), m_pageView, &QTextBrowser::backward);
    QAction* forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Forward"),
                       m_pageView, &QTextBrowser::forward);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("&Home"), this,
                   [this] { showPage(startPage(*m_engine)); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_pageView, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pageView, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

void HelpWindow::showContents() {
    selectPane(Pane::Contents);
    showStartPageIfEmpty();
}

void HelpWindow::showIndex() {
    selectPane(Pane::Index);
    showStartPageIfEmpty();
    m_indexFilter->setFocus();
}

void HelpWindow::showSearch(const QString& text) {
    selectPane(Pane::Search);
    showStartPageIfEmpty();
    QHelpSearchQueryWidget* query = m_engine->searchEngine()->queryWidget();
    query->setSearchInput(text);
    query->setFocus();
    if (!text.trimmed().isEmpty())
        runSearch();
}

void HelpWindow::showContext(int contextId) {
    const std::optional<QUrl> topic = contextTopic(*m_engine, contextId);
    if (!topic) {
        showContents();
        return;
    }
    selectPane(Pane::Contents);
    showPage(*topic);
}

HelpWindow::Pane HelpWindow::currentPane() const {
    return static_cast<Pane>(m_panes->currentIndex());
}

QUrl HelpWindow::currentPage() const {
    return m_pageView->source();
}

void HelpWindow::selectPane(Pane pane) {
    m_panes->setCurrentIndex(static_cast<int>(pane));
}

void HelpWindow::showPage(const QUrl& page) {
    if (page.isValid())
        m_pageView->setSource(page);
}

void HelpWindow::showStartPageIfEmpty() {
    if (currentPage().isEmpty())
        showPage(startPage(*m_engine));
}

void HelpWindow::runSearch() {
    m_searchPending = !m_searchIndexReady;
    if (!m_searchPending)
        m_engine->searchEngine()->search(m_engine->searchEngine()->queryWidget()->searchInput());
}

void HelpWindow::syncContents(const QUrl& page) {
    QHelpContentWidget* contents = m_engine->contentWidget();
    const QModelIndex item = contents->indexOf(page);
    if (item.isValid())
        contents->setCurrentIndex(item);
}

} // namespace tarnwick::help
