#include "gesture/GesturePlayer.h"

#include "gesture/GestureCapture.h"
#include "recognizer/Dessin.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

GesturePlayer::GesturePlayer(GestureCapture& capture, GestureClock::Manual& clock)
    : m_capture(capture), m_clock(clock) {}

void GesturePlayer::play(const CDessin& drawing) {
    playStrokes(drawing);
    m_capture.finishNow();
}

void GesturePlayer::playStrokes(const CDessin& drawing) {
    const double origin = m_clock.time();
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        const CStroke& stroke = drawing.stroke(s);
        for (int i = 0; i < stroke.pointCount(); ++i) {
            const CInkPoint& p = stroke.point(i);
            m_clock.set(origin + p.t);
            const QPoint at = QPoint(p.x, p.y) + m_offset;
            if (i == 0)
                press(at);
            if (i > 0)
                move(at);
            if (i + 1 == stroke.pointCount())
                release(at);
        }
    }
}

void GesturePlayer::press(QPoint p) {
    send(QEvent::MouseButtonPress, p, m_button, m_button);
}

void GesturePlayer::move(QPoint p) {
    send(QEvent::MouseMove, p, Qt::NoButton, m_button);
}

void GesturePlayer::release(QPoint p) {
    send(QEvent::MouseButtonRelease, p, m_button, Qt::NoButton);
}

void GesturePlayer::send(int type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget& target = m_capture.surface();
    QMouseEvent event(static_cast<QEvent::Type>(type), QPointF(p), QPointF(target.mapToGlobal(p)),
                      button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}
