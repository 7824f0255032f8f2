#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

// One spoken word the unit can say, with its word code (9 bits in the image).
struct VocabularyEntry {
    QString text;
    std::int16_t code = 0;

    bool operator==(const VocabularyEntry&) const = default;
};

inline constexpr std::size_t kVocabularyFileEntries = 255;
using VocabularyFileEntries = std::array<VocabularyEntry, kVocabularyFileEntries>;

// The vocabulary file: 255 signed 16-bit codes, then 255 counted texts. A short input reads
// as codes 0 and empty texts; bytes after the last text are ignored.
VocabularyFileEntries parseVocabulary(const QByteArray& data);
QByteArray serializeVocabulary(const VocabularyFileEntries& entries);

// A missing file reads as all-empty entries and is not created. Throws AppError 75 when an
// existing file cannot be read.
VocabularyFileEntries readVocabularyFile(const QString& path);
// Replaces the file atomically.
void writeVocabularyFile(const QString& path, const VocabularyFileEntries& entries);

// The word table behind every word cell: row 0 is the empty word with code 32 (a space),
// rows 1..255 are the file's entries in order. Lookups take the first matching row.
class Vocabulary {
public:
    static constexpr std::size_t kRowCount = kVocabularyFileEntries + 1;
    static constexpr int kBlankCode = 32;

    // The table of an empty vocabulary file.
    Vocabulary();
    explicit Vocabulary(const VocabularyFileEntries& entries);

    const std::array<VocabularyEntry, kRowCount>& rows() const { return m_rows; }

    // Empty text when no row carries `code`.
    QString codeToText(int code) const;
    // `defaultCode` for the empty text and for a text that no row carries.
    int textToCode(const QString& text, int defaultCode) const;

private:
    std::array<VocabularyEntry, kRowCount> m_rows;
};

} // namespace tarnwick
