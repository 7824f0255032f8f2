#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace tarnwick::help {

// The What's This texts of a help collection, keyed by context number. They are kept in a
// topic file of the collection (normally "popups.txt"), UTF-8, in the classic layout:
//
//     .topic 11001
//     Starts a download ...
//     more of the same paragraph
//
//     a second paragraph
//
// Lines of a paragraph are joined with a blank; paragraphs are separated by an empty line.
// A ".topic" line whose number cannot be read starts a topic that is skipped; text before the
// first ".topic" line is ignored. A number given twice keeps its first text.
class PopupTopics {
public:
    static PopupTopics parse(const QByteArray& topicFile);

    // The text for `contextId`, empty when there is none.
    QString text(int contextId) const { return m_texts.value(contextId); }
    QList<int> contextIds() const { return m_texts.keys(); }
    bool isEmpty() const { return m_texts.isEmpty(); }

private:
    QHash<int, QString> m_texts;
};

// The pop-up texts named by `popupSource`, written as the help file, "::/" and the topic
// file's name inside it ("/opt/tarnwick/help/tarnwick.qhc::/popups.txt"). A help file that is
// missing or no help collection, or a topic file it lacks, gives no texts.
PopupTopics loadPopupTopics(const QString& popupSource);

} // namespace tarnwick::help
