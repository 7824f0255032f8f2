#pragma once

namespace tarnwick::frame {

// Starts and stops timers by identifier; the control window gives them a real clock.
class DragTimer {
public:
    virtual ~DragTimer() = default;
    virtual void start(int id, int milliseconds) = 0;
    virtual void stop(int id) = 0;
};

// Where a button went down, as automatic dragging sees it.
struct DragPress {
    bool left = false;
    bool right = false;
    bool middle = false;
    bool insideTextRect = false; // the point lies in the engine's text rectangle
    int x = 0;                   // horizontal position of the point
    int selectionStartX = 0;     // positions of the selection's start and end
    int selectionEndX = 0;
};

// Whether the point lies on the selection: in the text rectangle, between the selection's ends.
bool isOnSelection(const DragPress& press);

// Automatic OLE drag: a press on the selection is held back for a moment, so that a move (or
// holding the button) starts a drag, while a plain click still reaches the engine and places
// the caret.
class AutoDrag {
public:
    static constexpr int kTimerId = 1000;
    static constexpr int kDelayMilliseconds = 400;

    enum class Outcome {
        None,
        StartDrag,   // begin the OLE drag now; the held press is dropped
        ReplayPress, // give the held press to the engine, then the release
    };

    explicit AutoDrag(DragTimer& timer) : m_timer(timer) {}

    // Whether the press is held back (a left or right press without the middle button, in
    // the text rectangle, between the selection's ends). Holding it starts the timer.
    bool press(const DragPress& press);
    Outcome mouseMoved();
    Outcome timerExpired(bool buttonDown);
    Outcome released();

    bool isPending() const { return m_pending; }

private:
    Outcome finish(Outcome outcome);

    DragTimer& m_timer;
    bool m_pending = false;
};

} // namespace tarnwick::frame
