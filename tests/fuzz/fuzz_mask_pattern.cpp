#include "fenbase6/mask_editor.h"
#include "fenbase6/mask_literal_display.h"
#include "fenbase6/mask_pattern_parser.h"

#include <QByteArrayList>
#include <cstdint>
#include <cstdlib>

using namespace tarnwick::fenbase6;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkForms(MaskEditor& editor) {
    const int size = editor.pattern().size();
    for (const auto mode : {MaskLiteralDisplay::Always, MaskLiteralDisplay::PostDisplay,
                            MaskLiteralDisplay::PreDisplay}) {
        check(maskDisplayText(editor, QLatin1Char('_'), mode).size() == size);
    }
    const QString text = editor.text();
    const QString value = editor.value();
    check(text.size() <= size);
    MaskEditor copy = editor;
    check(copy.setText(text) && copy.text() == text);
    check(copy.setValue(value) && copy.text() == text);
}

} // namespace

// Input: a pattern line, a lookup table line, then keys: bytes 1 and 2 switch insert mode and
// erase backwards, every other byte is typed at the caret. Whatever the pattern, parsing
// never fails badly, and every state the keys reach shows at full length and gives text and
// value forms that read back to the same contents.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayList parts =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\n');
    const std::optional<MaskPattern> pattern =
        parseMaskPattern(QString::fromLatin1(parts.value(0)));
    if (!pattern) {
        return 0;
    }
    check(pattern->size() > 0 && pattern->size() <= kMaxMaskPositions && pattern->fieldCount > 0);
    MaskEditor editor(*pattern);
    if (const auto table = MaskLookupTable::parse(QString::fromLatin1(parts.value(1)))) {
        editor.rules().lookupTable = *table;
        editor.rules().lookupMode = MaskLookupMode::Only;
    }
    bool insert = true;
    int caret = 0;
    for (const char byte : parts.mid(2).join('\n')) {
        if (byte == '\x01') {
            insert = !insert;
        } else if (byte == '\x02') {
            caret = editor.eraseBefore(caret, insert).value_or(caret);
        } else {
            caret = editor.type(caret, QLatin1Char(byte), insert).value_or(0);
        }
        check(caret >= 0 && caret <= pattern->size());
        checkForms(editor);
    }
    return 0;
}
