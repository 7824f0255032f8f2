#include "mask_engine.h"

#include "mask_pattern_parser.h"
#include "text_transfer.h"

#include <QSignalBlocker>

namespace tarnwick::fenbase6 {

namespace {

const EngineProfile kMaskProfile{Notify::MaskInvalidInput, Notify::MaskKeyExit, 255};

MaskPattern defaultPattern() {
    return *parseMaskPattern(QStringLiteral("&&&&&&&&&&"));
}

constexpr int kImeOff = 2;
constexpr int kImeDisable = 3;

} // namespace

MaskEngine::MaskEngine(QWidget* parent)
    : EngineWidget(kMaskProfile, parent), m_editor(defaultPattern()) {
    redisplay(0);
    // Every edit of the engine redraws with signals blocked; an edit the line editor makes on
    // its own (word deletion keys, its context menu) would bypass the pattern and is undone.
    connect(this, &QLineEdit::textEdited, this,
            [this] { redisplay(std::min(cursorPosition(), m_editor.pattern().size())); });
}

std::optional<MessageResult> MaskEngine::classMessage(MessageId message, WordParam word,
                                                      LongParam param) {
    if (const auto answer = settingMessage(message, word, param)) {
        return answer;
    }
    if (const auto answer = patternAndFieldMessage(message, word, param)) {
        return answer;
    }
    if (const auto answer = textMessage(message, word, param)) {
        return answer;
    }
    return editMessage(message, word, param);
}

std::optional<MessageResult> MaskEngine::settingMessage(MessageId message, WordParam word,
                                                        LongParam) {
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
        m_highlight = static_cast<int>(word);
        return 0;
    case MaskMsg::SetAllowSpace:
        m_editor.rules().allowSpace = word != 0;
        return 0;
    case MaskMsg::SetAutoConvert:
        m_editor.rules().autoConvert = word != 0;
        return 0;
    case MaskMsg::SetLookupMode:
        m_editor.rules().lookupMode = static_cast<MaskLookupMode>(std::min<WordParam>(word, 2));
        return 0;
    case MaskMsg::SetClipMode:
        m_clipWithLiterals = word == 0;
        return 0;
    case MaskMsg::SetShowLiterals:
        m_literalDisplay = static_cast<MaskLiteralDisplay>(std::min<WordParam>(word, 2));
        redisplay(cursorPosition());
        return 0;
    case MaskMsg::SetTabAction:
        m_tabByField = word != 0;
        return 0;
    case MaskMsg::SetImeMode:
        m_imeMode = static_cast<int>(word);
        setAttribute(Qt::WA_InputMethodEnabled, m_imeMode != kImeOff && m_imeMode != kImeDisable);
        return 0;
    case MaskMsg::GetImeStatus:
        return m_imeStatus;
    case MaskMsg::SetImeStatus:
        m_imeStatus = word != 0 ? 1 : 0;
        return 0;
    case Msg::DataSaved:
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<MessageResult> MaskEngine::patternAndFieldMessage(MessageId message, WordParam word,
                                                                LongParam param) {
    switch (message) {
    case MaskMsg::SetFormat: {
        std::optional<MaskPattern> pattern = parseMaskPattern(textFromParam(param));
        if (!pattern) {
            return 1;
        }
        const QString before = m_editor.text();
        const QString value = m_editor.value();
        m_editor.setPattern(std::move(*pattern));
        m_editor.setValue(value); // the value stays where it still fits
        if (m_cursorField >= m_editor.pattern().fieldCount) {
            m_cursorField = -1;
        }
        m_undoCells.reset();
        redisplay(0);
        if (m_editor.text() != before) {
            notify(Notify::Changed);
        }
        return 0;
    }
    case MaskMsg::SetLookupTable: {
        std::optional<MaskLookupTable> table = MaskLookupTable::parse(textFromParam(param));
        if (!table) {
            return 1;
        }
        m_editor.rules().lookupTable = std::move(*table);
        return 0;
    }
    case MaskMsg::SetPromptChar:
        m_prompt = QChar(static_cast<char16_t>(word & 0xFFu));
        redisplay(cursorPosition());
        return 0;
    case MaskMsg::GetCurrentField:
        return currentField();
    case MaskMsg::SetCursorPosition: {
        const auto field = static_cast<std::int16_t>(lowWord(word));
        if (field < -1 || field >= m_editor.pattern().fieldCount) {
            return 1;
        }
        m_cursorField = field;
        if (field >= 0 && hasFocus()) {
            moveToField(field);
        }
        return 0;
    }
    case MaskMsg::KeyAction:
        return keyAction(word);
    case MaskMsg::TabStaysInside:
        return m_tabByField && currentField() + 1 < m_editor.pattern().fieldCount ? 0 : 1;
    default:
        return std::nullopt;
    }
}

std::optional<MessageResult> MaskEngine::textMessage(MessageId message, WordParam word,
                                                     LongParam param) {
    const auto copyAll = [param](const QString& text) {
        return copyTextToParam(text, param, static_cast<std::size_t>(crossingLength(text)));
    };
    switch (message) {
    case Msg::GetTextLength: // the window text is the text with literals
    case MaskMsg::GetTextLength:
        return crossingLength(m_editor.text());
    case Msg::GetText:
        return word == 0 ? 0 : copyTextToParam(m_editor.text(), param, word - 1);
    case MaskMsg::GetText:
        return copyAll(m_editor.text());
    case MaskMsg::GetDisplayTextLength:
        return crossingLength(text());
    case MaskMsg::GetDisplayText:
        return copyAll(text());
    case MaskMsg::GetValueLength:
        return crossingLength(m_editor.value());
    case MaskMsg::GetValue:
        return copyAll(m_editor.value());
    case MaskMsg::SetText:
        return setContents(textFromParam(param)) ? 0 : 1;
    case MaskMsg::SetValue: {
        const QString before = m_editor.cells();
        if (!m_editor.setValue(textFromParam(param))) {
            return 1;
        }
        commit(before, 0);
        return 0;
    }
    case MaskMsg::ClearContents: {
        const QString before = m_editor.cells();
        m_editor.clear();
        commit(before, 0);
        return 0;
    }
    case MaskMsg::IsFull:
        return m_editor.isFull() ? 1 : 0;
    default:
        return std::nullopt;
    }
}

bool MaskEngine::setContents(const QString& newText) {
    const QString before = m_editor.cells();
    if (!m_editor.setText(newText)) {
        return false;
    }
    commit(before, 0);
    return true;
}

MessageResult MaskEngine::keyAction(WordParam action) {
    const int field = currentField();
    switch (action) {
    case MaskMsg::kNextControl:
        leaveByKey(KeyExit::NextCtrlKey, true);
        return 0;
    case MaskMsg::kPrevControl:
        leaveByKey(KeyExit::PrevCtrlKey, false);
        return 0;
    case MaskMsg::kNextField:
        return moveToField(field + 1) ? 0 : 1;
    case MaskMsg::kPrevField:
        return moveToField(field - 1) ? 0 : 1;
    default:
        return 1;
    }
}

bool MaskEngine::moveToField(int field) {
    if (field < 0 || field >= m_editor.pattern().fieldCount) {
        return false;
    }
    const int start = m_editor.fieldStart(field);
    if (m_highlight == 1) {
        setSelection(start, m_editor.fieldEnd(field) - start);
    } else {
        setCursorPosition(start);
    }
    return true;
}

void MaskEngine::commit(const QString& before, int caret) {
    const bool changed = m_editor.cells() != before;
    if (changed) {
        m_undoCells = before;
    }
    redisplay(caret);
    if (changed) {
        notify(Notify::Changed);
    }
}

void MaskEngine::redisplay(int caret) {
    const QSignalBlocker blocker(this);
    setText(maskDisplayText(m_editor, m_prompt, m_literalDisplay));
    setCursorPosition(caret);
}

} // namespace tarnwick::fenbase6
