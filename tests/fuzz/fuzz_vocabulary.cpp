#include "config/vocabulary.h"

#include <cstdlib>

using namespace tarnwick;

// Parsing never fails and what it reads writes back unchanged; lookups on the table built
// from it must stay within its rows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const VocabularyFileEntries entries = parseVocabulary(input);
    if (parseVocabulary(serializeVocabulary(entries)) != entries) {
        std::abort();
    }
    const Vocabulary vocabulary(entries);
    for (const VocabularyEntry& row : vocabulary.rows()) {
        vocabulary.codeToText(row.code);
        vocabulary.textToCode(row.text, Vocabulary::kBlankCode);
    }
    return 0;
}
