#include "mask_engine.h"

#include "text_transfer.h"

#include <QFocusEvent>

namespace tarnwick::fenbase6 {

namespace {

const EngineProfile kMaskProfile{Notify::MaskInvalidInput, Notify::MaskKeyExit, 255};

// The default pattern: ten characters of any kind.
constexpr int kDefaultPositions = 10;
constexpr std::int16_t kNoField = -1;

} // namespace

MaskEngine::MaskEngine(QWidget* parent) : EngineWidget(kMaskProfile, parent) {
    setMaxLength(kDefaultPositions);
}

std::optional<MessageResult> MaskEngine::classMessage(MessageId message, WordParam word,
                                                      LongParam param) {
    switch (message) {
    case MaskMsg::GetInsertMode:
        return insertMode() ? 1 : 0;
    case MaskMsg::SetInsertMode:
        setInsertMode(word != 0);
        return 0;
    case MaskMsg::SetInsertToggle:
        setInsertToggle(word != 0);
        return 0;
    case MaskMsg::SetForeColor:
        setForeColour(static_cast<std::uint32_t>(word));
        return 0;
    case MaskMsg::SetErrorBeep:
        setErrorBeep(word != 0);
        return 0;
    case MaskMsg::SetMoveOnLRKey:
        setMoveOnLRKey(static_cast<int>(word));
        return 0;
    case MaskMsg::SetHighlightText:
        m_highlightOnFocus = word != 0;
        return 0;
    case MaskMsg::SetAllowSpace:
        m_allowSpace = word != 0;
        return 0;
    case MaskMsg::KeyAction:
        return keyAction(word);
    case MaskMsg::TabStaysInside:
        // With one field, Tab always leaves.
        return 1;
    default:
        break;
    }
    if (const auto answer = patternMessage(message, word, param)) {
        return answer;
    }
    return textMessage(message, word, param);
}

std::optional<MessageResult> MaskEngine::patternMessage(MessageId message, WordParam word,
                                                        LongParam param) {
    switch (message) {
    case MaskMsg::SetFormat: {
        const QString pattern = textFromParam(param).section(QLatin1Char(';'), 0, 0);
        setMaxLength(pattern.isEmpty() ? kDefaultPositions : static_cast<int>(pattern.size()));
        return 0;
    }
    case MaskMsg::SetLookupTable:
        return 0;
    case MaskMsg::GetCurrentField:
        return 0;
    case MaskMsg::SetCursorPosition: {
        const auto field = static_cast<std::int16_t>(lowWord(word));
        return field == kNoField || field == 0 ? 0 : 1;
    }
    case MaskMsg::GetImeStatus:
        return 0;
    // Settings whose effect comes with the pattern rules and input methods.
    case MaskMsg::SetImeMode:
    case MaskMsg::SetImeStatus:
    case MaskMsg::SetClipMode:
    case MaskMsg::SetPromptChar:
    case MaskMsg::SetShowLiterals:
    case MaskMsg::SetTabAction:
    case MaskMsg::SetAutoConvert:
    case MaskMsg::SetLookupMode:
    case Msg::DataSaved:
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<MessageResult> MaskEngine::textMessage(MessageId message, WordParam,
                                                     LongParam param) {
    switch (message) {
    case MaskMsg::GetTextLength:
    case MaskMsg::GetDisplayTextLength:
    case MaskMsg::GetValueLength:
        return text().size();
    case MaskMsg::GetText:
    case MaskMsg::GetDisplayText:
    case MaskMsg::GetValue:
        return copyTextToParam(text(), param, static_cast<std::size_t>(text().size()));
    case MaskMsg::SetText:
    case MaskMsg::SetValue:
        return setContents(textFromParam(param)) ? 0 : 1;
    case MaskMsg::ClearContents:
        clear();
        return 0;
    case MaskMsg::IsFull:
        return text().size() >= maxLength() ? 1 : 0;
    default:
        return std::nullopt;
    }
}

MessageResult MaskEngine::keyAction(WordParam action) {
    if (action == MaskMsg::kNextControl) {
        leaveByKey(KeyExit::NextCtrlKey, true);
        return 0;
    }
    if (action == MaskMsg::kPrevControl) {
        leaveByKey(KeyExit::PrevCtrlKey, false);
        return 0;
    }
    // There is no other field to move to.
    return 1;
}

bool MaskEngine::acceptsCharacter(QChar c) const {
    return (m_allowSpace || c != QLatin1Char(' ')) && EngineWidget::acceptsCharacter(c);
}

bool MaskEngine::setContents(const QString& newText) {
    if (newText.size() > maxLength()) {
        return false;
    }
    for (const QChar c : newText) {
        if (!acceptsCharacter(c)) {
            return false;
        }
    }
    setText(newText);
    return true;
}

void MaskEngine::focusInEvent(QFocusEvent* event) {
    EngineWidget::focusInEvent(event);
    if (m_highlightOnFocus) {
        selectAll();
    }
}

} // namespace tarnwick::fenbase6
