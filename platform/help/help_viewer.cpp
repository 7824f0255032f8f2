#include "help_viewer.h"

#include "help_lookup.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHelpEngine>
#include <QStandardPaths>

namespace tarnwick::help {

namespace {
HelpWindow* openWindowOf(const QString& collectionFile) {
    const QString path = QFileInfo(collectionFile).absoluteFilePath();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<HelpWindow*>(widget);
        if (window != nullptr && window->collectionFile() == path)
            return window;
    }
    return nullptr;
}

// The collection file the window opens: the collection itself, or where its folder cannot
// take the search index (a read-only installation), a copy in the user's cache.
QString searchableCollection(const QString& collectionFile) {
    const QFileInfo file(collectionFile);
    if (!file.isFile() || QFileInfo(file.absolutePath()).isWritable())
        return collectionFile;
    const QByteArray key =
        QCryptographicHash::hash(file.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                          QStringLiteral("/help/") + QString::fromLatin1(key);
    const QString copy = cachedCollection(collectionFile, cache);
    return copy.isEmpty() ? collectionFile : copy;
}

HelpWindow* windowFor(QWidget* owner, const QString& collectionFile,
                      HelpBrowser::ExternalOpener openExternal) {
    if (HelpWindow* window = openWindowOf(collectionFile)) {
        if (window->parentWidget() != owner)
            window->setParent(owner, window->windowFlags());
        return window;
    }
    auto engine = openCollection<QHelpEngine>(searchableCollection(collectionFile));
    if (!engine)
        return nullptr;
    if (!openExternal)
        openExternal = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return new HelpWindow(collectionFile, std::move(engine), std::move(openExternal), owner);
}

void carryOut(HelpWindow& window, const HelpRequest& request) {
    switch (request.command) {
    case HelpCommand::DisplayToc:
        window.showContents();
        break;
    case HelpCommand::DisplayIndex:
        window.showIndex();
        break;
    case HelpCommand::DisplaySearch:
        window.showSearch(request.searchText);
        break;
    case HelpCommand::HelpContext:
        window.showContext(request.contextId);
        break;
    }
}
} // namespace

HelpWindow* showHelp(QWidget* owner, const QString& collectionFile, const HelpRequest& request,
                     HelpBrowser::ExternalOpener openExternal) {
    HelpWindow* window = windowFor(owner, collectionFile, std::move(openExternal));
    if (window == nullptr)
        return nullptr;
    carryOut(*window, request);
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tarnwick::help
