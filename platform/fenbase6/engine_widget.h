#pragma once

#include "fen_engine.h"

#include <QCursor>
#include <QLineEdit>
#include <cstdint>
#include <optional>

namespace tarnwick::fenbase6 {

// The notification codes and limits in which the two engine classes differ.
struct EngineProfile {
    std::uint16_t invalidInputCode;
    std::uint16_t keyExitCode;
    int selTextLimit; // characters a GetSelText copies at most
};

// The common part of both edit engines: a single-line editor (a QLineEdit used without its
// input mask) that takes every setting as a numbered message, edits through its own
// operations so that a subclass decides what each keystroke may do, and reports to its
// listener with notifications.
class EngineWidget : public QLineEdit, public FenEngine {
    Q_OBJECT

public:
    EngineWidget(const EngineProfile& profile, QWidget* parent);

    QWidget* widget() override { return this; }
    MessageResult send(MessageId message, WordParam word, LongParam param) override;
    void setListener(FenEngineListener* listener) override { m_listener = listener; }
    void setControlId(std::uint16_t id) override { m_controlId = id; }

    bool insertMode() const { return m_insertMode; }
    // False while the host is designing: the engine then takes no keys.
    bool userMode() const { return m_userMode; }

protected:
    // A message of the engine class itself; none when the class does not handle it, so the
    // common handling runs.
    virtual std::optional<MessageResult> classMessage(MessageId message, WordParam word,
                                                      LongParam param) = 0;
    // Whether typed character `c` may be entered at all.
    virtual bool acceptsCharacter(QChar c) const;
    // Replaces the whole contents as a message asks; false when the text is refused.
    virtual bool setContents(const QString& text);
    // The standard clear request.
    virtual void clearRequest();
    // The colour of the text: the foreground colour unless the class shows some values in
    // another (call applyColours() when that changes).
    virtual QColor textColour() const;
    // Room the class keeps at the sides of the text for parts of its own (spin buttons):
    // `reservedInside` within the border, `reservedOutside` beyond it (the border then
    // surrounds the rest). Call applyMargins() when it changes.
    virtual QMargins reservedInside() const { return {}; }
    virtual QMargins reservedOutside() const { return {}; }

    void notify(std::uint16_t code, LongParam param = 0);
    void reportInvalidInput();
    // Reports a key that leaves the control and hands the focus on.
    void leaveByKey(std::int32_t keyExitAction, bool forward);

    void setInsertMode(bool insert);
    void setInsertToggle(bool allowed) { m_insertToggle = allowed; }
    void setForeColour(std::uint32_t colour);
    void applyColours();
    void applyMargins();
    int borderWidth() const;
    void setErrorBeep(bool beep) { m_errorBeep = beep; }
    void setMoveOnLRKey(int mode) { m_moveOnLRKey = mode; }

    // Inserts `text` at the caret as typing does (over the selection; in overwrite mode over
    // the characters after the caret), each character checked; false if one is refused.
    bool typeText(const QString& text);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    MessageResult commonMessage(MessageId message, WordParam word, LongParam param);
    MessageResult selectionMessage(MessageId message, WordParam word, LongParam param);
    MessageResult clipboardMessage(MessageId message);
    MessageResult dropMessage(MessageId message, WordParam word, LongParam param);
    MessageResult positionMessage(MessageId message, WordParam word, LongParam param);

    bool handleEditingShortcut(QKeyEvent* event);
    bool handleSideExit(QKeyEvent* event);
    void pasteText();
    void applyAlignment();
    void applyPointer();
    QPoint positionOfCharacter(int index);

    EngineProfile m_profile;
    FenEngineListener* m_listener = nullptr;
    std::uint16_t m_controlId = 0;

    int m_alignHorizontal = 0;
    int m_alignVertical = 0;
    std::uint16_t m_margins[4] = {1, 1, 1, 1}; // left, right, top, bottom
    std::uint32_t m_backColour = 0x80000005u;
    std::uint32_t m_foreColour = 0x80000008u;
    int m_appearance = 1;
    int m_borderStyle = 1;
    int m_pointer = 0;
    std::optional<QCursor> m_customPointer;
    bool m_contextMenu = true;
    bool m_userMode = true;
    bool m_insertMode = true;
    bool m_insertToggle = true;
    bool m_errorBeep = false;
    int m_moveOnLRKey = 0;
};

} // namespace tarnwick::fenbase6
