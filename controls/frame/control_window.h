#pragma once

#include "auto_drag.h"
#include "com/com_ptr.h"
#include "fenbase6/fen_engine.h"

#include <QBasicTimer>
#include <QWidget>
#include <memory>

class QDropEvent;
class QMimeData;
class QMouseEvent;

namespace tarnwick::frame {

class InputControl;

// A control's own window (the control's window class, e.g. "MaskEdit"): the caption area
// around the engine's window, which sits in the input area. It takes the engine's key, mouse,
// focus and drag events first, turns them into the control's events, key actions, automatic
// drag and automatic drop, and passes on what the control does not consume.
//
// At run time a click on the caption area stays out of the engine; at design time the whole
// window takes the mouse (for the host to select and move it).
class ControlWindow : public QWidget, private DragTimer {
public:
    ControlWindow(InputControl& control, QWidget* parent);
    ~ControlWindow() override;

    void attachEngine(fenbase6::FenEngine* engine);
    // Places the engine in the input area the caption leaves.
    void layoutEngine();
    void setDesignMode(bool design);
    void setDropTarget(bool accept);
    // Starts an OLE drag: the automatic one carries the selected text.
    void startOleDrag(bool automatic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void start(int id, int milliseconds) override;
    void stop(int id) override;

    bool engineKeyPress(QKeyEvent* event);
    bool engineMousePress(QMouseEvent* event);
    bool engineMouseMove(QMouseEvent* event);
    bool engineMouseRelease(QMouseEvent* event);
    void act(AutoDrag::Outcome outcome);
    DragPress pressAt(const QPoint& point, Qt::MouseButtons buttons) const;
    QString selectedText() const;
    QPoint windowPoint(const QPointF& enginePoint) const;

    bool engineDragEvent(QEvent* event);
    void automaticDrop(QDropEvent* event);
    void manualDragOver(QDropEvent* event, std::int16_t state);
    void manualDrop(QDropEvent* event);

    InputControl& m_control;
    fenbase6::FenEngine* m_engine = nullptr;
    AutoDrag m_autoDrag{*this};
    QBasicTimer m_dragTimer;
    std::unique_ptr<QMouseEvent> m_heldPress;
    bool m_forwarding = false;             // an event the window itself gives the engine
    bool m_dragging = false;               // a drag started here is running
    bool m_droppedOnSelf = false;          // and ended on this control
    bool m_overSelection = false;          // the arrow pointer is shown over the selection
    com::ComPtr<com::IUnknown> m_dragData; // the data of the drag over this window
};

} // namespace tarnwick::frame
