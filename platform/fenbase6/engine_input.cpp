// The engine's handling of keys, the mouse, painting and its context menu.
#include "engine_widget.h"
#include "key_event_kind.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <qdrawutil.h>

namespace tarnwick::fenbase6 {

namespace {

constexpr int kMoveOnLeft = 1;
constexpr int kMoveOnRight = 2;

} // namespace

bool EngineWidget::event(QEvent* event) {
    // Tab would move the focus before keyPressEvent sees it; report the exit first.
    if (event->type() == QEvent::KeyPress && m_userMode) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = relevantModifiers(key);
        if (key->key() == Qt::Key_Backtab ||
            (key->key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier)) {
            leaveByKey(KeyExit::ShiftTabKey, false);
            return true;
        }
        if (key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier) {
            leaveByKey(KeyExit::TabKey, true);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void EngineWidget::keyPressEvent(QKeyEvent* event) {
    if (!m_userMode) {
        event->ignore();
        return;
    }
    if (handleEditingShortcut(event) || handleSideExit(event)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Insert && relevantModifiers(event) == Qt::NoModifier) {
        if (m_insertToggle) {
            setInsertMode(!m_insertMode);
            notify(Notify::InsertModeSwitched);
        }
        event->accept();
        return;
    }
    if (isTyping(event)) {
        if (!isReadOnly()) {
            typeText(event->text());
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool EngineWidget::handleEditingShortcut(QKeyEvent* event) {
    if (event->matches(QKeySequence::Undo)) {
        send(Msg::Undo, 0, 0);
    } else if (event->matches(QKeySequence::Cut)) {
        send(Msg::Cut, 0, 0);
    } else if (event->matches(QKeySequence::Copy)) {
        send(Msg::Copy, 0, 0);
    } else if (event->matches(QKeySequence::Paste)) {
        send(Msg::Paste, 0, 0);
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else {
        // A single-step undo has no redo.
        return event->matches(QKeySequence::Redo);
    }
    return true;
}

bool EngineWidget::handleSideExit(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = relevantModifiers(event);
    if (modifiers != Qt::NoModifier && modifiers != Qt::ControlModifier) {
        return false;
    }
    const bool control = modifiers == Qt::ControlModifier;
    if (event->key() == Qt::Key_Left && (m_moveOnLRKey & kMoveOnLeft) != 0 &&
        cursorPosition() == 0 && !hasSelectedText()) {
        leaveByKey(control ? KeyExit::CtrlLeftKey : KeyExit::LeftKey, false);
        return true;
    }
    if (event->key() == Qt::Key_Right && (m_moveOnLRKey & kMoveOnRight) != 0 &&
        cursorPosition() == text().size() && !hasSelectedText()) {
        leaveByKey(control ? KeyExit::CtrlRightKey : KeyExit::RightKey, true);
        return true;
    }
    return false;
}

void EngineWidget::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (borderWidth() == 0) {
        return;
    }
    QPainter painter(this);
    const QRect bordered = rect().marginsRemoved(reservedOutside());
    if (borderWidth() == 1) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(bordered.adjusted(0, 0, -1, -1));
    } else {
        qDrawWinPanel(&painter, bordered, palette(), true);
    }
}

void EngineWidget::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!m_contextMenu || !m_userMode) {
        return;
    }
    QMenu menu(this);
    const bool editable = !isReadOnly();
    const auto add = [&](const QString& text, MessageId message, bool enabled) {
        QAction* action = menu.addAction(text, this, [this, message] { send(message, 0, 0); });
        action->setEnabled(enabled);
    };
    add(QStringLiteral("&Undo"), Msg::Undo, editable && isUndoAvailable());
    menu.addSeparator();
    add(QStringLiteral("Cu&t"), Msg::Cut, editable && hasSelectedText());
    add(QStringLiteral("&Copy"), Msg::Copy, hasSelectedText());
    add(QStringLiteral("&Paste"), Msg::Paste, editable);
    // Deleting the selection, which the number engine's clear request does not do.
    menu.addAction(QStringLiteral("&Delete"), this, &QLineEdit::del)
        ->setEnabled(editable && hasSelectedText());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Select &All"), this, &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void EngineWidget::enterEvent(QEnterEvent* event) {
    QLineEdit::enterEvent(event);
    notify(Notify::MouseEntered);
}

void EngineWidget::leaveEvent(QEvent* event) {
    QLineEdit::leaveEvent(event);
    notify(Notify::MouseLeft);
}

} // namespace tarnwick::fenbase6
