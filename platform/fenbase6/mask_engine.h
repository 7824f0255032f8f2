#pragma once

#include "engine_widget.h"

namespace tarnwick::fenbase6 {

// The window class `OrrelMask`. For now it edits its text as one free field: a pattern is
// accepted and sets how many characters fit (the length of its first section), the text and
// the value are the same, and the field messages answer for a single field.
class MaskEngine : public EngineWidget {
    Q_OBJECT

public:
    explicit MaskEngine(QWidget* parent);

protected:
    std::optional<MessageResult> classMessage(MessageId message, WordParam word,
                                              LongParam param) override;
    bool acceptsCharacter(QChar c) const override;
    bool setContents(const QString& text) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    std::optional<MessageResult> patternMessage(MessageId message, WordParam word,
                                                LongParam param);
    std::optional<MessageResult> textMessage(MessageId message, WordParam word, LongParam param);
    MessageResult keyAction(WordParam action);

    bool m_allowSpace = true;
    bool m_highlightOnFocus = false;
};

} // namespace tarnwick::fenbase6
