// The mask engine's keys, input method, focus, selection and clipboard.
#include "mask_engine.h"
#include "key_event_kind.h"
#include "text_transfer.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>

namespace tarnwick::fenbase6 {

namespace {

constexpr int kHighlightField = 1;
constexpr int kHighlightAll = 2;

} // namespace

int MaskEngine::selectionFrom() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int MaskEngine::selectionTo() const {
    return hasSelectedText() ? selectionEnd() : cursorPosition();
}

bool MaskEngine::event(QEvent* event) {
    // With TabAction by field, Tab moves between fields and leaves only from the last one.
    if (event->type() == QEvent::KeyPress && userMode() && m_tabByField) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = relevantModifiers(key);
        const bool forward = key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier;
        const bool backward = key->key() == Qt::Key_Backtab ||
                              (key->key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier);
        if ((forward || backward) && moveByTab(forward)) {
            return true;
        }
    }
    return EngineWidget::event(event);
}

bool MaskEngine::moveByTab(bool forward) {
    const int field = currentField();
    return moveToField(forward ? field + 1 : field - 1);
}

void MaskEngine::keyPressEvent(QKeyEvent* event) {
    if (userMode()) {
        const bool plain = relevantModifiers(event) == Qt::NoModifier;
        if (plain && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
            if (!isReadOnly()) {
                erase(event->key() == Qt::Key_Backspace);
            }
            event->accept();
            return;
        }
        if (isTyping(event)) {
            if (!isReadOnly()) {
                typeCharacters(event->text());
            }
            event->accept();
            return;
        }
    }
    EngineWidget::keyPressEvent(event);
}

void MaskEngine::inputMethodEvent(QInputMethodEvent* event) {
    // Only committed text is input; composition stays with the input method.
    if (userMode() && !isReadOnly() && !event->commitString().isEmpty()) {
        typeCharacters(event->commitString());
    }
    event->accept();
}

void MaskEngine::focusInEvent(QFocusEvent* event) {
    EngineWidget::focusInEvent(event);
    if (m_highlight == kHighlightAll) {
        selectAll();
    } else if (m_cursorField >= 0 || m_highlight == kHighlightField) {
        moveToField(m_cursorField >= 0 ? m_cursorField : currentField());
    }
}

int MaskEngine::currentField() const {
    return m_editor.fieldAt(selectionFrom());
}

void MaskEngine::typeCharacters(const QString& typed) {
    const QString before = m_editor.cells();
    int caret = selectionFrom();
    m_editor.removeRange(caret, selectionTo(), insertMode());
    bool typedAny = false;
    for (const QChar c : typed) {
        const std::optional<int> next = m_editor.type(caret, c, insertMode());
        if (!next) {
            if (!typedAny) {
                m_editor.restoreCells(before); // a refused key keeps the selection
                caret = cursorPosition();
            }
            reportInvalidInput();
            break;
        }
        caret = *next;
        typedAny = true;
    }
    if (m_editor.cells() == before && !typedAny) {
        return;
    }
    commit(before, caret);
}

void MaskEngine::erase(bool backward) {
    const QString before = m_editor.cells();
    int caret = cursorPosition();
    if (hasSelectedText()) {
        caret = selectionFrom();
        m_editor.removeRange(caret, selectionTo(), insertMode());
    } else if (const auto erased = backward ? m_editor.eraseBefore(caret, insertMode())
                                            : m_editor.eraseAfter(caret, insertMode())) {
        caret = *erased;
    }
    commit(before, caret);
}

bool MaskEngine::replaceSelection(const QString& replacement) {
    const QString before = m_editor.cells();
    const std::optional<int> caret =
        m_editor.replace(selectionFrom(), selectionTo(), replacement, insertMode());
    if (!caret) {
        return false;
    }
    commit(before, *caret);
    return true;
}

void MaskEngine::copySelection() {
    if (hasSelectedText()) {
        QApplication::clipboard()->setText(
            m_editor.clipText(selectionFrom(), selectionTo(), m_clipWithLiterals));
    }
}

std::optional<MessageResult> MaskEngine::editMessage(MessageId message, WordParam word,
                                                     LongParam param) {
    switch (message) {
    case Msg::SetSelStart:
        setCursorPosition(std::min(static_cast<int>(std::min<WordParam>(word, 0xFFFF)),
                                   static_cast<int>(m_editor.text().size())));
        return 0;
    case Msg::SetSelLength: {
        // Like the caret, a selection given by message stays inside the entered text.
        const int start = selectionFrom();
        const int room = std::max(static_cast<int>(m_editor.text().size()) - start, 0);
        setSelection(start, std::min(static_cast<int>(std::min<WordParam>(word, 0xFFFF)), room));
        return 0;
    }
    case Msg::GetSelText:
        return copyTextToParam(m_editor.clipText(selectionFrom(), selectionTo(), true), param, 255);
    case Msg::SetSelText:
        return !isReadOnly() && replaceSelection(textFromParam(param)) ? 0 : 1;
    case Msg::Copy:
        copySelection();
        return 0;
    case Msg::Cut:
        if (!isReadOnly() && hasSelectedText()) {
            copySelection();
            erase(true);
        }
        return 0;
    case Msg::Clear:
        if (!isReadOnly() && hasSelectedText()) {
            erase(true);
        }
        return 0;
    case Msg::Paste: {
        if (isReadOnly()) {
            return 0;
        }
        // A single-line field takes the clipboard's first line.
        const QString pasted = QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
        if (!replaceSelection(pasted.section(QLatin1Char('\r'), 0, 0))) {
            reportInvalidInput();
        }
        return 0;
    }
    case Msg::Undo: {
        if (isReadOnly() || !m_undoCells) {
            return 0;
        }
        const QString current = m_editor.cells();
        m_editor.restoreCells(*m_undoCells);
        commit(current, cursorPosition());
        return 1;
    }
    case Msg::DropInsert:
    case Msg::DropMoveSelection:
        return drop(
            message == Msg::DropMoveSelection,
            static_cast<int>(std::min<WordParam>(word, static_cast<WordParam>(text().size()))),
            textFromParam(param));
    default:
        return std::nullopt;
    }
}

} // namespace tarnwick::fenbase6

namespace tarnwick::fenbase6 {

MessageResult MaskEngine::drop(bool moveSelection, int position, const QString& dropped) {
    if (isReadOnly()) {
        return 1;
    }
    const QString before = m_editor.cells();
    const int from = selectionFrom();
    const int to = selectionTo();
    if (moveSelection) {
        if (position >= from && position <= to) {
            return 0;
        }
        m_editor.removeRange(from, to, insertMode());
        // The position counts in the text before the move.
        if (position > from && insertMode()) {
            position -= to - from;
        }
    }
    const std::optional<int> end = m_editor.replace(position, position, dropped, insertMode());
    if (!end) {
        m_editor.restoreCells(before);
        return 1;
    }
    commit(before, *end);
    setSelection(position, *end - position);
    return 0;
}

} // namespace tarnwick::fenbase6
