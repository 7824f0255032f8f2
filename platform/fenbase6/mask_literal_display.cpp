#include "mask_literal_display.h"

namespace tarnwick::fenbase6 {

namespace {

// The first position after the last filled slot (0 when nothing is entered).
int entryPoint(const MaskEditor& editor) {
    const MaskPattern& pattern = editor.pattern();
    for (int i = pattern.size() - 1; i >= 0; --i) {
        if (pattern.isSlot(i) && !editor.cell(i).isNull()) {
            return i + 1;
        }
    }
    return 0;
}

// The end of the literal run that follows the field being entered.
int preDisplayLimit(const MaskEditor& editor, int entry) {
    const MaskPattern& pattern = editor.pattern();
    int limit = editor.fieldEnd(editor.fieldAt(entry));
    while (limit < pattern.size() && pattern.at(limit).isLiteral) {
        ++limit;
    }
    return limit;
}

} // namespace

QString maskDisplayText(const MaskEditor& editor, QChar prompt, MaskLiteralDisplay mode) {
    const MaskPattern& pattern = editor.pattern();
    const int entry = entryPoint(editor);
    int literalLimit = pattern.size();
    if (mode == MaskLiteralDisplay::PostDisplay) {
        literalLimit = entry;
    } else if (mode == MaskLiteralDisplay::PreDisplay) {
        literalLimit = preDisplayLimit(editor, entry);
    }
    QString display;
    for (int i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i).isLiteral) {
            display.append(i < literalLimit ? pattern.at(i).literal : QLatin1Char(' '));
        } else {
            display.append(editor.cell(i).isNull() ? prompt : editor.cell(i));
        }
    }
    return display;
}

} // namespace tarnwick::fenbase6
