#include "popup_topics.h"

#include "help_lookup.h"

#include <QHelpEngineCore>
#include <QStringList>
#include <optional>

namespace tarnwick::help {

namespace {
const QString kTopicMarker = QStringLiteral(".topic");
const QString kSourceSeparator = QStringLiteral("::/");

// Paragraphs of one topic: lines joined with a blank, paragraphs with an empty line.
QString topicText(const QStringList& lines) {
    QStringList paragraphs;
    QString paragraph;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            if (!paragraph.isEmpty())
                paragraphs << paragraph;
            paragraph.clear();
        } else {
            paragraph += (paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + trimmed;
        }
    }
    if (!paragraph.isEmpty())
        paragraphs << paragraph;
    return paragraphs.join(QStringLiteral("\n\n"));
}

// The context number of a ".topic" line; nothing when it names none.
std::optional<int> topicNumber(const QString& line) {
    bool ok = false;
    const int number = line.mid(kTopicMarker.size()).trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

bool isTopicLine(const QString& line) {
    return line.startsWith(kTopicMarker) &&
           (line.size() == kTopicMarker.size() || line.at(kTopicMarker.size()).isSpace());
}
} // namespace

PopupTopics PopupTopics::parse(const QByteArray& topicFile) {
    PopupTopics topics;
    std::optional<int> current; // nothing before the first topic and in a skipped one
    QStringList lines;
    const auto finishTopic = [&] {
        if (current && !topics.m_texts.contains(*current))
            topics.m_texts.insert(*current, topicText(lines));
        lines.clear();
    };
    for (const QString& line : QString::fromUtf8(topicFile).split(QLatin1Char('\n'))) {
        if (isTopicLine(line)) {
            finishTopic();
            current = topicNumber(line);
        } else {
            lines << line;
        }
    }
    finishTopic();
    return topics;
}

PopupTopics loadPopupTopics(const QString& popupSource) {
    const qsizetype separator = popupSource.lastIndexOf(kSourceSeparator);
    if (separator < 0)
        return {};
    const auto engine = openCollection<QHelpEngineCore>(popupSource.left(separator));
    if (!engine)
        return {};
    const QUrl file =
        documentationFile(*engine, popupSource.mid(separator + kSourceSeparator.size()));
    return file.isEmpty() ? PopupTopics() : PopupTopics::parse(engine->fileData(file));
}

} // namespace tarnwick::help
