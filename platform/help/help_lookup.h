#pragma once

#include <QFileInfo>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

class QHelpEngineCore;

namespace tarnwick::help {

// Opens the help collection `file` for reading only. Answers nothing for a path that is no
// file (the engine would create an empty collection there) or holds no help collection.
template <class Engine>
std::unique_ptr<Engine> openCollection(const QString& file, QObject* parent = nullptr) {
    if (!QFileInfo(file).isFile())
        return nullptr;
    auto engine = std::make_unique<Engine>(file, parent);
    engine->setReadOnly(true);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty())
        return nullptr;
    return engine;
}

// A copy of the collection `file` in `cacheFolder`, for a collection whose own folder cannot
// take the search index that the help window builds beside it. The copy is made again when
// the original is newer, and names the original's documentation files, so that only the
// collection itself is copied. Empty when `file` is no collection or the copy fails.
QString cachedCollection(const QString& file, const QString& cacheFolder);

// The page of context number `contextId`: the page of the index keyword whose identifier is
// that number.
std::optional<QUrl> contextTopic(const QHelpEngineCore& engine, int contextId);

// The page the help opens at: the collection's home page, else its first documented page.
QUrl startPage(QHelpEngineCore& engine);

// The file `name` at the top of the collection's documentation; empty when there is none.
QUrl documentationFile(QHelpEngineCore& engine, const QString& name);

// The title the collection gives its help window; `fallback` when it gives none.
QString collectionTitle(const QHelpEngineCore& engine, const QString& fallback);

} // namespace tarnwick::help
