#pragma once

#include "gesture/GestureClock.h"

#include <QPoint>
#include <Qt>

class CDessin;
class GestureCapture;

// Replays a drawing into a view's gesture capture as the mouse would give it:
// for each stroke a press at its first point, a move to each later point and a
// release at its last, sent to the capture's surface with the clock set to
// each point's time stamp (counted from the clock's time when play() starts).
class GesturePlayer {
public:
    GesturePlayer(GestureCapture& capture, GestureClock::Manual& clock);

    void setButton(Qt::MouseButton button) { m_button = button; }
    // Added to every point: places the drawing in the view.
    void setOffset(QPoint offset) { m_offset = offset; }

    // Plays the strokes, then ends the gesture at once instead of after the timer.
    void play(const CDessin& drawing);
    // Plays the strokes and leaves the gesture waiting for its timer.
    void playStrokes(const CDessin& drawing);

    // One mouse event, as the window system delivers it.
    void press(QPoint p);
    void move(QPoint p);
    void release(QPoint p);

private:
    void send(int type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons);

    GestureCapture& m_capture;
    GestureClock::Manual& m_clock;
    Qt::MouseButton m_button = Qt::LeftButton;
    QPoint m_offset;
};
