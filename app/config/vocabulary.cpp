#include "vocabulary.h"

#include "shell/file_access.h"
#include "shell/record_io.h"

#include <algorithm>

namespace tarnwick {

VocabularyFileEntries parseVocabulary(const QByteArray& data) {
    RecordReader r(data);
    VocabularyFileEntries entries;
    for (VocabularyEntry& entry : entries) {
        entry.code = r.i16();
    }
    for (VocabularyEntry& entry : entries) {
        entry.text = r.text();
    }
    return entries;
}

QByteArray serializeVocabulary(const VocabularyFileEntries& entries) {
    RecordWriter w;
    for (const VocabularyEntry& entry : entries) {
        w.i16(entry.code);
    }
    for (const VocabularyEntry& entry : entries) {
        w.text(entry.text);
    }
    return w.data();
}

VocabularyFileEntries readVocabularyFile(const QString& path) {
    const std::optional<QByteArray> data = readFileIfExists(path);
    return data ? parseVocabulary(*data) : VocabularyFileEntries{};
}

void writeVocabularyFile(const QString& path, const VocabularyFileEntries& entries) {
    writeFileAtomically(path, serializeVocabulary(entries));
}

Vocabulary::Vocabulary() : Vocabulary(VocabularyFileEntries{}) {}

Vocabulary::Vocabulary(const VocabularyFileEntries& entries) {
    m_rows[0] = VocabularyEntry{QString(), static_cast<std::int16_t>(kBlankCode)};
    std::copy(entries.begin(), entries.end(), m_rows.begin() + 1);
}

QString Vocabulary::codeToText(int code) const {
    const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                  [code](const VocabularyEntry& e) { return e.code == code; });
    return row != m_rows.end() ? row->text : QString();
}

int Vocabulary::textToCode(const QString& text, int defaultCode) const {
    if (text.isEmpty()) {
        return defaultCode;
    }
    const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                  [&text](const VocabularyEntry& e) { return e.text == text; });
    return row != m_rows.end() ? row->code : defaultCode;
}

} // namespace tarnwick
