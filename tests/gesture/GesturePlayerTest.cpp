#include "gesture/GesturePlayer.h"
#include "gesture/GestureCapture.h"
#include "gesture/GestureClock.h"
#include "recognizer/Dessin.h"
#include "support/Drawings.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
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
    void mousePressEvent(QMouseEvent* e) override {
        note("press", e);
        capture.startStroke(e->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        note("move", e);
        if (capture.isCapturing())
            capture.extendStroke(e->position().toPoint(), Qt::red);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        note("release", e);
        capture.endStroke(e->position().toPoint(), Qt::red);
    }

private:
    void note(const char* what, QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        events.push_back(std::string(what) + " " + std::to_string(p.x()) + "," +
                         std::to_string(p.y()) + (e->buttons() & Qt::RightButton ? " R" : "") +
                         (e->buttons() & Qt::LeftButton ? " L" : "") + " @" +
                         std::to_string(static_cast<int>(GestureClock::now() * 1000)));
    }
};

} // namespace

TEST(GesturePlayer, ReplaysEachStrokeAsPressMovesReleaseOnTheDrawingsClock) {
    GestureClock::Manual clock(10.0);
    RecordingWidget widget;
    GesturePlayer player(widget.capture, clock);
    player.setButton(Qt::RightButton);
    player.setOffset({5, 0});
    auto drawing = drawingOf({{{0, 0, 0.0}, {10, 0, 0.1}, {20, 5, 0.2}}, {{7, 7, 0.5}}});
    player.play(*drawing);
    EXPECT_EQ(widget.events,
              (std::vector<std::string>{"press 5,0 R @10000", "move 15,0 R @10100",
                                        "move 25,5 R @10200", "release 25,5 @10200",
                                        "press 12,7 R @10500", "release 12,7 @10500"}));
    EXPECT_EQ(widget.finished, 1);
    EXPECT_FALSE(widget.capture.isPending());
}

// Both strokes make one drawing, stamped from the clock's time when the
// capture was made; the timer waits the drawing's delay less the shortening.
TEST(GestureCapture, StrokesBeforeTheTimerMakeOneGestureThatEndsOnce) {
    GestureClock::Manual clock(10.0);
    RecordingWidget widget;
    clock.set(12.0);
    GesturePlayer player(widget.capture, clock);
    player.playStrokes(*drawingOf({{{0, 0, 0.0}, {100, 0, 1.0}}}));
    EXPECT_TRUE(widget.capture.isPending());
    EXPECT_EQ(widget.capture.delayMs(), 600);
    EXPECT_TRUE(widget.capture.hasInk());
    // A press stops the timer: a slow stroke is not cut short.
    widget.show();
    QCoreApplication::processEvents();
    widget.painted.clear();
    player.press({0, 10});
    EXPECT_FALSE(widget.capture.isPending());
    widget.capture.finishNow();
    EXPECT_EQ(widget.finished, 0);
    clock.advance(0.1);
    player.move({4, 10});
    QCoreApplication::processEvents();
    // Each move repaints only its new segment.
    ASSERT_FALSE(widget.painted.empty());
    EXPECT_TRUE(QRect(-2, 8, 9, 5).contains(widget.painted.back()));
    player.move({100, 10});
    player.release({100, 10});
    EXPECT_NEAR(widget.capture.delayMs(), 375, 1);

    widget.capture.finishNow();
    widget.capture.finishNow();
    EXPECT_EQ(widget.finished, 1);
    const std::shared_ptr<CDessin> drawing = widget.capture.takeDrawing();
    ASSERT_EQ(drawing->strokeCount(), 2);
    EXPECT_DOUBLE_EQ(drawing->stroke(0).point(0).t, 2.0);
    EXPECT_EQ(widget.capture.drawing(), nullptr);
}
