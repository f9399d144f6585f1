#include "gesture/GesturePlayer.h"
#include "gesture/GestureCapture.h"
#include "support/Drawings.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// A drawing surface as small as can be: notes each mouse event with the
// clock's time when it arrived and each rectangle it paints, and draws with any
// button.
class RecordingWidget : public QWidget {
public:
    RecordingWidget() : capture(*this, {.shorteningMs = 100}) {
        connect(&capture, &GestureCapture::finished, this, [this] { ++finished; });
    }

    GestureCapture capture;
    std::vector<std::string> events;
    std::vector<QRect> painted;
    int finished = 0;

protected:
    void paintEvent(QPaintEvent* e) override { painted.push_back(e->rect()); }
    void mousePressEvent(QMouseEvent* e) override { capture.startStroke(note("press", e)); }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (const QPoint p = note("move", e); capture.isCapturing())
            capture.extendStroke(p, Qt::red);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        capture.endStroke(note("release", e), Qt::red);
    }

private:
    // The event's point.
    QPoint note(const char* what, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        events.push_back(QString::asprintf("%s %d,%d%s @%d", what, p.x(), p.y(),
                                           e->buttons() & Qt::RightButton ? " R" : "",
                                           static_cast<int>(GestureClock::now() * 1000))
                             .toStdString());
        return p;
    }
};

} // namespace

// The player replays each stroke as press, moves, release on the drawing's
// clock. Strokes drawn before the timer make one drawing, stamped from the
// clock's time when the capture was made, that ends once; each move repaints
// only its new segment. (The timer's rules are walked in every editor.)
TEST(Capture, ThePlayerReplaysStrokesAndStrokesBeforeTheTimerMakeOneGesture) {
    GestureClock::Manual clock{10.0};
    RecordingWidget widget;
    GesturePlayer player{widget.capture, clock};
    player.setButton(Qt::RightButton);
    player.setOffset({5, 0});
    player.play(*drawingOf({{{0, 0, 0.0}, {10, 0, 0.1}, {20, 5, 0.2}}, {{7, 7, 0.5}}}));
    EXPECT_EQ(widget.events,
              (std::vector<std::string>{"press 5,0 R @10000", "move 15,0 R @10100",
                                        "move 25,5 R @10200", "release 25,5 @10200",
                                        "press 12,7 R @10500", "release 12,7 @10500"}));
    EXPECT_EQ(std::tuple(widget.finished, widget.capture.isPending(),
                         widget.capture.takeDrawing()->strokeCount()),
              std::tuple(1, false, 2));

    clock.set(12.0);
    player.playStrokes(*drawingOf({{{0, 0, 0.0}, {100, 0, 1.0}}}));
    widget.show();
    QCoreApplication::processEvents();
    widget.painted.clear();
    player.press({0, 10});
    clock.advance(0.1);
    player.move({4, 10});
    QCoreApplication::processEvents();
    ASSERT_FALSE(widget.painted.empty());
    EXPECT_TRUE(QRect(-2, 8, 9, 5).contains(widget.painted.back()));
    player.release({100, 10});
    widget.capture.finishNow();
    widget.capture.finishNow();
    const std::shared_ptr<CDessin> drawing = widget.capture.takeDrawing();
    EXPECT_EQ(std::tuple(widget.finished, drawing->strokeCount(), drawing->stroke(0).point(0).t),
              std::tuple(2, 2, 2.0));
}
