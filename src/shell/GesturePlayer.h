#pragma once

#include "shell/GestureClock.h"

#include <QPoint>
#include <Qt>

#include <functional>

class CDessin;
class QWidget;

// Replays a drawing into a drawing view as the mouse would give it: for each
// stroke a press at its first point, a move to each later point and a release
// at its last, the clock set to each point's time stamp (counted from the
// clock's time when play() starts). The end of the gesture is then fired at
// once instead of after the view's timer.
class GesturePlayer {
public:
    GesturePlayer(QWidget& target, GestureClock::Manual& clock);

    void setButton(Qt::MouseButton button) { m_button = button; }
    // Added to every point: places the drawing in the view.
    void setOffset(QPoint offset) { m_offset = offset; }

    void play(const CDessin& drawing, const std::function<void()>& endOfGesture = {});

    // One mouse event, as the window system delivers it.
    void press(QPoint p);
    void move(QPoint p);
    void release(QPoint p);

private:
    void send(int type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons);

    QWidget& m_target;
    GestureClock::Manual& m_clock;
    Qt::MouseButton m_button = Qt::LeftButton;
    QPoint m_offset;
};
