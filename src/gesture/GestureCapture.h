#pragma once

#include "gesture/InkTrail.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <memory>
#include <vector>

class CDessin;
class CStroke;
class QPainter;
class QWidget;

// What every drawing view does with a gesture: the stroke under the pen, the
// drawing that its strokes make, their ink on the screen, the mouse held from
// press to release and the end-of-gesture timer. The view keeps what is its
// own: which button draws, in which colour, and what a finished gesture does.
// It hands its mouse events to startStroke(), extendStroke() and endStroke();
// once the pen has stayed up long enough, finished() is emitted. A stroke begun
// before that joins the same gesture.
class GestureCapture : public QObject {
    Q_OBJECT
public:
    // How long the pen must stay up: the drawing's recognitionDelay() less
    // `shorteningMs`, so that a faster writer waits less.
    struct Timing {
        int shorteningMs;
    };

    // `surface` gets the mouse events and shows the ink; the capture is its child.
    GestureCapture(QWidget& surface, Timing timing);
    ~GestureCapture() override;

    QWidget& surface() const { return m_surface; }

    // A press: the timer stops, a stroke starts at `p` and the surface holds
    // the mouse.
    void startStroke(QPoint p);
    // A move while the surface holds the mouse: ink from the last point to `p`.
    void extendStroke(QPoint p, const QColor& ink);
    // A release while the surface holds the mouse: the last segment, then the
    // stroke joins the drawing (a new one if there is none) and the timer is armed.
    void endStroke(QPoint p, const QColor& ink);

    bool isCapturing() const { return m_capturing; }
    // The pen is up and the timer runs.
    bool isPending() const { return m_pending; }
    // Milliseconds the timer was last armed with.
    int delayMs() const { return m_timer.interval(); }
    // Ends the pending gesture at once, as the timer would; does nothing when
    // no gesture waits. Tests and the gesture player call it instead of waiting;
    // a form calls it before another row replaces the drawing.
    void finishNow();
    // Forgets the gesture drawn so far: its timer, its drawing and its ink. A
    // stroke under way goes on.
    void reset();
    // Forgets the gesture and the stroke under way: the rest of that stroke
    // draws nothing.
    void cancel();

    // The strokes ended since the drawing was last taken or forgotten.
    const std::shared_ptr<CDessin>& drawing() const { return m_drawing; }
    std::shared_ptr<CDessin> takeDrawing();

    // The ink shows the strokes of `drawing` instead of what it showed.
    void showInk(const CDessin& drawing, const QColor& colour);
    bool hasInk() const { return !m_ink.empty(); }
    void clearInk();
    void paintInk(QPainter& painter, const QRect& area) const;

    // Where the point (0, 0) of the strokes is on the surface, for the parts
    // of it that the ink repaints.
    void setOrigin(QPoint origin) { m_origin = origin; }

    // The pointer's place, for the status bar.
    void showPointer(QPoint p);

signals:
    void finished();
    void statusMessage(const QString& text);
    void paneText(int pane, const QString& text);

private:
    struct Ink {
        QColor colour;
        InkTrail trail;
    };

    double timeStamp() const;
    void addInk(QPoint to, const QColor& colour);

    QWidget& m_surface;
    const Timing m_timing;
    const double m_clockOrigin;
    std::unique_ptr<CStroke> m_stroke;
    std::shared_ptr<CDessin> m_drawing;
    QPoint m_lastPoint;
    QPoint m_origin;
    bool m_capturing = false;
    bool m_pending = false;
    QTimer m_timer;
    std::vector<Ink> m_ink;
};
