#include "support/Drawings.h"
#include "training/GestureEditor.h"

#include <QPaintEvent>
#include <QRegularExpression>

namespace {

// Records the rectangles the drawing area repaints.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget& target) { target.installEventFilter(this); }
    std::vector<QRect> rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

} // namespace

// The right button draws nothing; a click waits the shortest delay. A set
// that cannot recognise lists the rule-based candidates all the same:
// " name [degree]" each, joined by " OR". Pressing disables every editing
// button until the gesture ends; a press after a complete gesture leaves the
// old drawing whole. Each stroke of a stored example starts from a small
// thick circle.
TEST_F(GestureEditor, TheDrawingAreaTakesGesturesAndShowsExamples) {
    open(*setOf({{"rond", 0}}));
    GestureCapture& capture = view().capture();
    GesturePlayer player(capture, editor.clock());
    player.setButton(Qt::RightButton);
    player.press({40, 50});
    EXPECT_FALSE(capture.isCapturing());
    player.setButton(Qt::LeftButton);
    player.press({40, 50});
    player.release({40, 50});
    EXPECT_FALSE(view().gestureComplete());
    EXPECT_EQ(capture.delayMs(), 200);
    capture.finishNow();

    draw(*drawingOf({{{20, 20, 0.0}, {80, 22, 0.1}, {140, 25, 0.2}}}));
    const QRegularExpression candidates(R"(^( \w+ \[\d+\.\d{6}\])( OR \w+ \[\d+\.\d{6}\])*$)");
    EXPECT_TRUE(candidates.match(editor.status()).hasMatch()) << editor.status().toStdString();
    const std::shared_ptr<CDessin> first = view().currentExample().dessin();
    player.press({20, 80});
    expectWindow("while a gesture is drawn");
    player.release({20, 80});
    capture.finishNow();
    EXPECT_EQ(first->stroke(0).pointCount(), 4);
    expectWindow("once the gesture ends");

    PaintSpy spy(view());
    click("effacer");
    ASSERT_FALSE(spy.rects.empty());
    EXPECT_EQ(spy.rects.back(), view().visibleRegion().boundingRect());
    expectWindow("gesture cleared");

    auto example = std::make_unique<CExemple>("vu");
    example->setDessin(drawingOf({{{50, 50}, {120, 50}}, {{50, 100}, {50, 160}}}));
    view().setCurrentExample(std::move(example));
    view().DessinerExemple();
    const QImage image = view().grab().toImage();
    const QColor red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(50, 47), red) << "above the first start";
    EXPECT_EQ(image.pixelColor(47, 100), red) << "left of the second start";
    EXPECT_EQ(image.pixelColor(90, 50), red) << "on the first stroke";
    EXPECT_EQ(image.pixelColor(90, 47), QColor(Qt::white)) << "beside the first stroke";
}
