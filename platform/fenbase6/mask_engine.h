#pragma once

#include "engine_widget.h"
#include "mask_editor.h"
#include "mask_literal_display.h"

namespace tarnwick::fenbase6 {

// The window class `OrrelMask`: edits the positions of a mask pattern (mask_pattern_parser.h).
// The line editor shows the display form (mask_literal_display.h) and keeps the caret and
// selection on it; every change of contents goes through the MaskEditor and redraws the
// display, so the editor's own editing never touches the text.
class MaskEngine : public EngineWidget {
    Q_OBJECT

public:
    explicit MaskEngine(QWidget* parent);

protected:
    std::optional<MessageResult> classMessage(MessageId message, WordParam word,
                                              LongParam param) override;
    bool setContents(const QString& text) override;

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    std::optional<MessageResult> settingMessage(MessageId message, WordParam word, LongParam param);
    std::optional<MessageResult> patternAndFieldMessage(MessageId message, WordParam word,
                                                        LongParam param);
    std::optional<MessageResult> textMessage(MessageId message, WordParam word, LongParam param);
    std::optional<MessageResult> editMessage(MessageId message, WordParam word, LongParam param);
    MessageResult keyAction(WordParam action);

    // Positions of the selection, or the caret twice.
    int selectionFrom() const;
    int selectionTo() const;
    // The field of the selection's start or the caret.
    int currentField() const;
    // Redraws the display and puts the caret at `caret`; reports a change of contents against
    // `before` and keeps `before` for undo.
    void commit(const QString& before, int caret);
    void redisplay(int caret);
    void typeCharacters(const QString& typed);
    void erase(bool backward);
    // Replaces the selection with `text`; false (nothing changed) when it does not fit.
    bool replaceSelection(const QString& text);
    void copySelection();
    MessageResult drop(bool moveSelection, int position, const QString& dropped);
    bool moveToField(int field);
    bool moveByTab(bool forward);

    MaskEditor m_editor;
    QChar m_prompt = QLatin1Char('_');
    MaskLiteralDisplay m_literalDisplay = MaskLiteralDisplay::Always;
    bool m_clipWithLiterals = true;
    bool m_tabByField = false;
    int m_highlight = 0;
    int m_cursorField = -1;
    int m_imeMode = 0;
    int m_imeStatus = 0;
    std::optional<QString> m_undoCells;
};

} // namespace tarnwick::fenbase6
