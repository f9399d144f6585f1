#include "shell/GesturePlayer.h"
#include "shell/GestureClock.h"
#include "support/Drawings.h"

#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Notes each mouse event with the clock's time when it arrived.
class RecordingWidget : public QWidget {
public:
    std::vector<std::string> events;

protected:
    void mousePressEvent(QMouseEvent* e) override { note("press", e); }
    void mouseMoveEvent(QMouseEvent* e) override { note("move", e); }
    void mouseReleaseEvent(QMouseEvent* e) override { note("release", e); }

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

TEST(GestureClock, ReadsTheSystemClockUnlessAManualOneIsSet) {
    const double before = GestureClock::now();
    EXPECT_GT(before, 1.7e9);
    {
        GestureClock::Manual clock(50.0);
        EXPECT_EQ(GestureClock::now(), 50.0);
        clock.advance(0.25);
        EXPECT_EQ(GestureClock::now(), 50.25);
    }
    EXPECT_GE(GestureClock::now(), before);
}

TEST(GesturePlayer, ReplaysEachStrokeAsPressMovesReleaseOnTheDrawingsClock) {
    RecordingWidget widget;
    GestureClock::Manual clock(10.0);
    GesturePlayer player(widget, clock);
    player.setButton(Qt::RightButton);
    player.setOffset({5, 0});
    auto drawing = drawingOf({{{0, 0, 0.0}, {10, 0, 0.1}, {20, 5, 0.2}}, {{7, 7, 0.5}}});
    int ended = 0;
    player.play(*drawing, [&] { ++ended; });
    EXPECT_EQ(widget.events,
              (std::vector<std::string>{"press 5,0 R @10000", "move 15,0 R @10100",
                                        "move 25,5 R @10200", "release 25,5 @10200",
                                        "press 12,7 R @10500", "release 12,7 @10500"}));
    EXPECT_EQ(ended, 1);
}
