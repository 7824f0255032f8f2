#include "engine_widget.h"

#include "engine_pointer.h"
#include "ole_color.h"
#include "text_transfer.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <algorithm>

namespace tarnwick::fenbase6 {

namespace {

enum MarginIndex { Left = 0, Right = 1, Top = 2, Bottom = 3 };

constexpr int kFlat = 0;
constexpr int kNoBorder = 0;

Qt::Alignment horizontalAlignment(int value) {
    switch (value) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

Qt::Alignment verticalAlignment(int value) {
    switch (value) {
    case 1:
        return Qt::AlignBottom;
    case 2:
        return Qt::AlignVCenter;
    default:
        return Qt::AlignTop;
    }
}

int clampedIndex(WordParam word, qsizetype length) {
    return static_cast<int>(std::min<WordParam>(word, static_cast<WordParam>(length)));
}

} // namespace

EngineWidget::EngineWidget(const EngineProfile& profile, QWidget* parent)
    : QLineEdit(parent), m_profile(profile) {
    setFrame(false);
    applyAlignment();
    applyMargins();
    applyColours();
    applyPointer();
    connect(this, &QLineEdit::textChanged, this, [this] { notify(Notify::Changed); });
}

MessageResult EngineWidget::send(MessageId message, WordParam word, LongParam param) {
    if (const std::optional<MessageResult> handled = classMessage(message, word, param)) {
        return *handled;
    }
    return commonMessage(message, word, param);
}

MessageResult EngineWidget::commonMessage(MessageId message, WordParam word, LongParam param) {
    switch (message) {
    case Msg::SetText:
        return setContents(textFromParam(param)) ? 1 : 0;
    case Msg::GetText:
        return word == 0 ? 0 : copyTextToParam(text(), param, word - 1);
    case Msg::GetTextLength:
        return crossingLength(text());
    case Msg::SetFont:
        if (const auto* font = reinterpret_cast<const QFont*>(word)) {
            setFont(*font);
        }
        if (param != 0) {
            update();
        }
        return 0;
    case Msg::SetReadOnly:
        setReadOnly(word != 0);
        return 1;
    case Msg::SetAlignHorizontal:
        m_alignHorizontal = static_cast<int>(word);
        applyAlignment();
        return 0;
    case Msg::SetAlignVertical:
        m_alignVertical = static_cast<int>(word);
        applyAlignment();
        return 0;
    case Msg::GetMarginsLeftRight:
        return static_cast<MessageResult>(makePair(m_margins[Left], m_margins[Right]));
    case Msg::SetMarginsLeftRight:
        m_margins[Left] = lowWord(word);
        m_margins[Right] = highWord(word);
        applyMargins();
        return 0;
    case Msg::GetMarginsTopBottom:
        return static_cast<MessageResult>(makePair(m_margins[Top], m_margins[Bottom]));
    case Msg::SetMarginsTopBottom:
        m_margins[Top] = lowWord(word);
        m_margins[Bottom] = highWord(word);
        applyMargins();
        return 0;
    case Msg::SetBackColor:
        m_backColour = static_cast<std::uint32_t>(word);
        applyColours();
        return 0;
    case Msg::SetAppearance:
        m_appearance = static_cast<int>(word);
        applyMargins();
        return 0;
    case Msg::SetBorderStyle:
        m_borderStyle = static_cast<int>(word);
        applyMargins();
        return 0;
    case Msg::SetMousePointer:
        m_pointer = static_cast<int>(word);
        applyPointer();
        return 0;
    case Msg::SetMouseIcon:
        if (const auto* cursor = reinterpret_cast<const QCursor*>(word)) {
            m_customPointer = *cursor;
        } else {
            m_customPointer.reset();
        }
        applyPointer();
        return 0;
    case Msg::SetContextMenu:
        m_contextMenu = word != 0;
        return 0;
    case Msg::SetUserMode:
        m_userMode = word != 0;
        return 0;
    default:
        break;
    }
    if (message >= Msg::GetSelStart && message <= Msg::SetSelText) {
        return selectionMessage(message, word, param);
    }
    if (message >= Msg::Cut && message <= Msg::Undo) {
        return clipboardMessage(message);
    }
    if (message == Msg::DropInsert || message == Msg::DropMoveSelection) {
        return dropMessage(message, word, param);
    }
    return positionMessage(message, word, param);
}

MessageResult EngineWidget::selectionMessage(MessageId message, WordParam word, LongParam param) {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    switch (message) {
    case Msg::GetSelStart:
        return start;
    case Msg::SetSelStart:
        setCursorPosition(clampedIndex(word, text().size()));
        return 0;
    case Msg::GetSelLength:
        return selectedText().size();
    case Msg::SetSelLength:
        setSelection(start, clampedIndex(word, text().size() - start));
        return 0;
    case Msg::GetSelText:
        return copyTextToParam(selectedText(), param,
                               static_cast<std::size_t>(m_profile.selTextLimit));
    case Msg::SetSelText: {
        const QString replacement = textFromParam(param);
        if (!std::all_of(replacement.begin(), replacement.end(),
                         [this](QChar c) { return acceptsCharacter(c); })) {
            return 1;
        }
        insert(replacement);
        return 0;
    }
    default:
        return 0;
    }
}

MessageResult EngineWidget::clipboardMessage(MessageId message) {
    switch (message) {
    case Msg::Cut:
        if (hasSelectedText() && !isReadOnly()) {
            copy();
            del();
        }
        break;
    case Msg::Copy:
        copy();
        break;
    case Msg::Paste:
        pasteText();
        break;
    case Msg::Clear:
        clearRequest();
        break;
    case Msg::Undo:
        if (isReadOnly() || !isUndoAvailable()) {
            return 0;
        }
        undo();
        return 1;
    default:
        break;
    }
    return 0;
}

MessageResult EngineWidget::dropMessage(MessageId message, WordParam word, LongParam param) {
    const QString dropped = textFromParam(param);
    if (isReadOnly() || !std::all_of(dropped.begin(), dropped.end(),
                                     [this](QChar c) { return acceptsCharacter(c); })) {
        return 1;
    }
    int position = clampedIndex(word, text().size());
    if (message == Msg::DropMoveSelection && hasSelectedText()) {
        const int start = selectionStart();
        const int length = static_cast<int>(selectedText().size());
        if (position >= start && position <= start + length) {
            return 0;
        }
        del();
        if (position > start) {
            position -= length;
        }
    }
    setCursorPosition(position);
    insert(dropped);
    setSelection(position, static_cast<int>(dropped.size()));
    return 0;
}

MessageResult EngineWidget::positionMessage(MessageId message, WordParam word, LongParam param) {
    switch (message) {
    case Msg::GetSel: {
        const int start = hasSelectedText() ? selectionStart() : cursorPosition();
        const auto end = start + static_cast<int>(selectedText().size());
        return static_cast<MessageResult>(
            makePair(static_cast<std::uint16_t>(start), static_cast<std::uint16_t>(end)));
    }
    case Msg::GetRect:
        if (auto* rect = reinterpret_cast<QRect*>(param)) {
            *rect = contentsRect().marginsRemoved(textMargins());
        }
        return 0;
    case Msg::PosFromChar: {
        const QPoint point = positionOfCharacter(clampedIndex(word, text().size()));
        return static_cast<MessageResult>(makePair(static_cast<std::uint16_t>(point.x()),
                                                   static_cast<std::uint16_t>(point.y())));
    }
    case Msg::CharFromPos: {
        const auto pair = static_cast<WordParam>(param);
        return cursorPositionAt(QPoint(static_cast<std::int16_t>(lowWord(pair)),
                                       static_cast<std::int16_t>(highWord(pair))));
    }
    default:
        return 0;
    }
}

QPoint EngineWidget::positionOfCharacter(int index) {
    // The caret rectangle is the one measure of a character's place the editor offers; the
    // selection is put back afterwards without anybody hearing of the move.
    const QSignalBlocker blocker(this);
    const int cursor = cursorPosition();
    const int start = hasSelectedText() ? selectionStart() : -1;
    const auto length = static_cast<int>(selectedText().size());
    setCursorPosition(index);
    const QRect caret = cursorRect();
    if (start < 0) {
        setCursorPosition(cursor);
    } else if (cursor == start) {
        setSelection(start + length, -length);
    } else {
        setSelection(start, length);
    }
    return QPoint(caret.center().x(), caret.center().y());
}

bool EngineWidget::acceptsCharacter(QChar c) const {
    return c.unicode() >= 0x20 && c.unicode() <= 0xFF && c.unicode() != 0x7F;
}

bool EngineWidget::setContents(const QString& text) {
    setText(text);
    return true;
}

void EngineWidget::clearRequest() {
    if (hasSelectedText() && !isReadOnly()) {
        del();
    }
}

void EngineWidget::notify(std::uint16_t code, LongParam param) {
    if (m_listener != nullptr) {
        m_listener->engineCommand(makePair(m_controlId, code), param);
    }
}

void EngineWidget::reportInvalidInput() {
    if (m_errorBeep) {
        QApplication::beep();
    }
    notify(m_profile.invalidInputCode);
}

void EngineWidget::leaveByKey(std::int32_t keyExitAction, bool forward) {
    notify(m_profile.keyExitCode, keyExitAction);
    focusNextPrevChild(forward);
}

void EngineWidget::setInsertMode(bool insert) {
    m_insertMode = insert;
}

void EngineWidget::setForeColour(std::uint32_t colour) {
    m_foreColour = colour;
    applyColours();
}

bool EngineWidget::typeText(const QString& typed) {
    for (const QChar c : typed) {
        if (!acceptsCharacter(c)) {
            reportInvalidInput();
            return false;
        }
    }
    const int cursor = cursorPosition();
    if (!hasSelectedText() && !m_insertMode && cursor < text().size()) {
        setSelection(cursor, std::min(static_cast<int>(typed.size()),
                                      static_cast<int>(text().size()) - cursor));
    }
    insert(typed);
    return true;
}

void EngineWidget::pasteText() {
    if (isReadOnly()) {
        return;
    }
    // A single-line field takes the clipboard's first line.
    const QString pasted = QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
    typeText(pasted.section(QLatin1Char('\r'), 0, 0));
}

void EngineWidget::applyAlignment() {
    setAlignment(horizontalAlignment(m_alignHorizontal) | verticalAlignment(m_alignVertical));
}

int EngineWidget::borderWidth() const {
    if (m_borderStyle == kNoBorder) {
        return 0;
    }
    return m_appearance == kFlat ? 1 : 2;
}

void EngineWidget::applyMargins() {
    const int border = borderWidth();
    setTextMargins(QMargins(m_margins[Left] + border, m_margins[Top] + border,
                            m_margins[Right] + border, m_margins[Bottom] + border) +
                   reservedInside() + reservedOutside());
    update();
}

void EngineWidget::applyColours() {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, OleColor::toQColor(m_backColour));
    colours.setColor(QPalette::Window, OleColor::toQColor(m_backColour));
    const QColor text = textColour();
    colours.setColor(QPalette::Active, QPalette::Text, text);
    colours.setColor(QPalette::Inactive, QPalette::Text, text);
    setPalette(colours);
}

QColor EngineWidget::textColour() const {
    return OleColor::toQColor(m_foreColour);
}

void EngineWidget::applyPointer() {
    setCursor(pointerCursor(m_pointer, m_customPointer));
}

} // namespace tarnwick::fenbase6
