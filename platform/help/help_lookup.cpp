#include "help_lookup.h"

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>

namespace tarnwick::help {

namespace {
// Custom values that the help generator stores from the collection project.
const QString kHomePageKey = QStringLiteral("defaultHomepage");
const QString kWindowTitleKey = QStringLiteral("WindowTitle");

QList<QUrl> allFiles(QHelpEngineCore& engine, const QString& extension) {
    QList<QUrl> files;
    for (const QString& ns : engine.registeredDocumentations())
        files << engine.files(ns, QString(), extension);
    return files;
}
} // namespace

QString cachedCollection(const QString& file, const QString& cacheFolder) {
    const QFileInfo original(file);
    const QFileInfo copy(QDir(cacheFolder).filePath(original.fileName()));
    if (copy.isFile() && copy.lastModified() >= original.lastModified())
        return copy.absoluteFilePath();
    const auto engine = openCollection<QHelpEngineCore>(file);
    if (!engine || !QDir().mkpath(cacheFolder))
        return {};
    QFile::remove(copy.absoluteFilePath());
    // The search index of the older copy would answer for the older pages.
    QDir(QDir(cacheFolder).filePath(QLatin1Char('.') + original.completeBaseName()))
        .removeRecursively();
    if (!engine->copyCollectionFile(copy.absoluteFilePath()))
        return {};
    // A fresh copy names the documentation but holds none of its contents and index yet: it
    // takes them in when first set up with the right to change it.
    QHelpEngineCore filler(copy.absoluteFilePath());
    filler.setReadOnly(false);
    return filler.setupData() ? copy.absoluteFilePath() : QString();
}

std::optional<QUrl> contextTopic(const QHelpEngineCore& engine, int contextId) {
    const QList<QHelpLink> links = engine.documentsForIdentifier(QString::number(contextId));
    if (links.isEmpty())
        return std::nullopt;
    return links.constFirst().url;
}

QUrl startPage(QHelpEngineCore& engine) {
    const QUrl home(engine.customValue(kHomePageKey).toString());
    if (home.isValid() && !engine.fileData(home).isEmpty())
        return home;
    const QList<QUrl> pages = allFiles(engine, QStringLiteral("html"));
    return pages.isEmpty() ? QUrl() : pages.constFirst();
}

QUrl documentationFile(QHelpEngineCore& engine, const QString& name) {
    for (const QUrl& file : allFiles(engine, QString())) {
        // Files are named qthelp://namespace/folder/name; only the top of the folder counts.
        if (file.path().section(QLatin1Char('/'), 2) == name)
            return file;
    }
    return {};
}

QString collectionTitle(const QHelpEngineCore& engine, const QString& fallback) {
    const QString title = engine.customValue(kWindowTitleKey).toString();
    return title.isEmpty() ? fallback : title;
}

} // namespace tarnwick::help
