#include "training/ExempleView.h"
#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "recognizer/ShapeRecognizer.h"
#include "shell/MainFrm.h"
#include "support/Drawings.h"
#include "training/Apprentissage.h"
#include "training/ExempleForm.h"
#include "training/GestureEditor.h"
#include "training/ReconForm.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A set that cannot recognise: one class without examples.
std::unique_ptr<CEnsemble> untrainedSet() {
    auto set = std::make_unique<CEnsemble>("essai", "Aucune description");
    set->ajouterClasse(std::make_unique<CClasse>("rond", "Aucune description"));
    return set;
}

// Three classes of eight generated examples each, trained.
std::unique_ptr<CEnsemble> trainedSet() {
    auto set = std::make_unique<CEnsemble>("formes", "Aucune description");
    const struct {
        const char* name;
        std::unique_ptr<CDessin> (*draw)(std::uint32_t);
    } kinds[] = {{"droite", horizontalLine}, {"bas", verticalLine}, {"rond", circle}};
    std::uint32_t seed = 100;
    for (const auto& kind : kinds) {
        auto classe = std::make_unique<CClasse>(kind.name, "");
        for (int e = 0; e < 8; ++e) {
            auto exemple = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
            exemple->setDessin(kind.draw(seed++));
            classe->ajouterExemple(std::move(exemple));
        }
        set->ajouterClasse(std::move(classe));
    }
    set->apprendre();
    return set;
}

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

// The status line as the C library would format it: for each candidate
// "%s %s" then "%s [%f]", and "%s OR" between candidates.
std::string expectedCandidates(const CDessin& drawing) {
    CShapeRecognizer recognizer(true, 0.0);
    const CSortedList<CShapeGesture*> candidates = recognizer.recognize(drawing);
    std::string text;
    char buffer[512];
    for (int i = 0; i < candidates.count(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%s %s", text.c_str(),
                      std::string(candidates.at(i)->name()).c_str());
        std::snprintf(buffer, sizeof buffer, "%s [%f]", std::string(buffer).c_str(),
                      candidates.at(i)->degree());
        text = buffer;
        if (i + 1 < candidates.count())
            text += " OR";
    }
    return text;
}

class DrawingArea : public testing::Test {
protected:
    void openUntrained() { editor.open(*untrainedSet(), "essai.gst"); }

    QString statusLine() { return editor.test().frame().statusBar()->currentMessage(); }

    void sendMove(QPoint p, Qt::MouseButtons buttons) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(editor.view().mapToGlobal(p)),
                         Qt::NoButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&editor.view(), &move);
    }

    GestureEditor editor;
};

} // namespace

TEST_F(DrawingArea, AClickIsATwoPointGestureThatWaitsTheShortestDelay) {
    openUntrained();
    CExempleView& view = editor.view();
    GesturePlayer player(view.capture(), editor.clock());
    player.press({40, 50});
    EXPECT_EQ(statusLine(), "Reconnaissance du geste...");
    player.release({40, 50});

    EXPECT_TRUE(view.capture().isPending());
    EXPECT_FALSE(view.gestureComplete());
    EXPECT_EQ(view.capture().delayMs(), 200);
    view.capture().finishNow();

    EXPECT_FALSE(view.capture().isPending());
    EXPECT_TRUE(view.gestureComplete());
    const CDessin& drawing = *view.currentExample().dessin();
    ASSERT_EQ(drawing.strokeCount(), 1);
    EXPECT_EQ(drawing.stroke(0).pointCount(), 2);
    EXPECT_EQ(drawing.stroke(0).point(1), CInkPoint(40, 50));
}

TEST_F(DrawingArea, AStrokeBeforeTheTimerJoinsTheGestureAndTheDelayFollowsTheMeanSpeed) {
    openUntrained();
    CExempleView& view = editor.view();
    GesturePlayer player(view.capture(), editor.clock());
    // 100 pixels in one second, then 100 pixels in a tenth of a second.
    player.playStrokes(*drawingOf({{{10, 10, 0.0}, {60, 10, 0.5}, {110, 10, 1.0}}}));
    EXPECT_EQ(view.capture().delayMs(), 600);
    editor.clock().advance(0.2);
    player.playStrokes(*drawingOf({{{10, 40, 0.0}, {110, 40, 0.1}}}));

    EXPECT_EQ(view.capture().delayMs(), 375);
    EXPECT_TRUE(view.capture().isPending());
    ASSERT_EQ(view.currentExample().dessin()->strokeCount(), 2);
    view.capture().finishNow();
    EXPECT_TRUE(view.gestureComplete());
    // Each release repeats the last point of its stroke.
    EXPECT_EQ(view.currentExample().nbPoints(), 7);
}

TEST_F(DrawingArea, PointsAreStampedFromTheClockReadingWhenTheAreaWasMade) {
    editor.clock().set(5000.0);
    openUntrained();
    editor.clock().set(5002.5);
    GesturePlayer player(editor.view().capture(), editor.clock());
    player.play(*drawingOf({{{0, 0, 0.0}, {30, 0, 0.25}}}));

    const CStroke& stroke = editor.view().currentExample().dessin()->stroke(0);
    EXPECT_DOUBLE_EQ(stroke.point(0).t, 2.5);
    EXPECT_DOUBLE_EQ(stroke.point(1).t, 2.75);
    EXPECT_DOUBLE_EQ(editor.view().currentExample().caracteristique(12), 0.25);
}

TEST_F(DrawingArea, APressAfterACompleteGestureStartsAnotherAndLeavesTheOldDrawingWhole) {
    openUntrained();
    editor.draw(*drawingOf({{{10, 10, 0.0}, {90, 10, 0.2}}}));
    const std::shared_ptr<CDessin> first = editor.view().currentExample().dessin();
    ASSERT_TRUE(editor.view().gestureComplete());

    GesturePlayer player(editor.view().capture(), editor.clock());
    player.press({20, 80});
    EXPECT_FALSE(editor.view().gestureComplete());
    EXPECT_EQ(editor.view().currentExample().dessin(), nullptr);
    EXPECT_EQ(editor.result().line1(), "");
    player.release({20, 80});

    EXPECT_NE(editor.view().currentExample().dessin(), first);
    EXPECT_EQ(editor.view().currentExample().dessin()->strokeCount(), 1);
    EXPECT_EQ(first->strokeCount(), 1);
    EXPECT_EQ(first->stroke(0).pointCount(), 3);
}

TEST_F(DrawingArea, ATimerThatFiresWhileNothingWaitsChangesNothing) {
    openUntrained();
    editor.view().capture().finishNow();
    EXPECT_FALSE(editor.view().gestureComplete());
    EXPECT_EQ(editor.result().line1(), "");

    editor.draw(*drawingOf({{{10, 10, 0.0}, {90, 10, 0.2}}}));
    editor.result().setLines("a", "b");
    editor.view().capture().finishNow();
    EXPECT_EQ(editor.result().line1(), "a");
}

TEST_F(DrawingArea, MovesUpdateThePointerPaneButOnlyTheCapturingAreaDraws) {
    openUntrained();
    CMainFrame& frame = editor.test().frame();
    sendMove({12, 34}, Qt::NoButton);
    EXPECT_EQ(frame.paneText(1), "Pointeur (x = 12 , y = 34)");

    // The button went down in another window: this area holds no capture.
    sendMove({50, 60}, Qt::LeftButton);
    EXPECT_EQ(frame.paneText(1), "Pointeur (x = 12 , y = 34)");
    EXPECT_EQ(editor.view().currentExample().dessin(), nullptr);

    GesturePlayer player(editor.view().capture(), editor.clock());
    player.press({5, 5});
    sendMove({50, 60}, Qt::LeftButton);
    EXPECT_EQ(frame.paneText(1), "Pointeur (x = 50 , y = 60)");
    player.release({70, 60});
    EXPECT_EQ(editor.view().currentExample().dessin()->stroke(0).pointCount(), 3);
    // The right button draws nothing.
    player.setButton(Qt::RightButton);
    player.press({5, 5});
    EXPECT_TRUE(editor.view().capture().isPending());
}

TEST_F(DrawingArea, EachMoveRepaintsOnlyItsNewSegment) {
    openUntrained();
    CExempleView& view = editor.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QCoreApplication::processEvents();
    PaintSpy spy(view);
    GesturePlayer player(view.capture(), editor.clock());
    player.press({100, 100});
    player.move({104, 103});
    QCoreApplication::processEvents();

    ASSERT_FALSE(spy.rects.empty());
    EXPECT_TRUE(QRect(98, 98, 9, 8).contains(spy.rects.back())) << spy.rects.back().width();
    player.release({104, 103});
    view.capture().finishNow();
    spy.rects.clear();
    editor.click("effacer");
    ASSERT_FALSE(spy.rects.empty());
    EXPECT_EQ(spy.rects.back(), view.visibleRegion().boundingRect());
}

TEST_F(DrawingArea, AStoredExampleShowsEachStrokeFromASmallThickCircle) {
    openUntrained();
    CExempleView& view = editor.view();
    auto example = std::make_unique<CExemple>("vu");
    example->setDessin(std::shared_ptr<CDessin>(
        drawingOf({{{50, 50}, {120, 50}}, {{50, 100}, {50, 160}}}).release()));
    view.setCurrentExample(std::move(example));
    view.DessinerExemple();

    const QImage image = view.grab().toImage();
    const QColor red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(50, 47), red) << "above the first start";
    EXPECT_EQ(image.pixelColor(47, 100), red) << "left of the second start";
    EXPECT_EQ(image.pixelColor(90, 50), red) << "on the first stroke";
    EXPECT_EQ(image.pixelColor(90, 47), QColor(Qt::white)) << "beside the first stroke";
}

TEST_F(DrawingArea, WithoutAUsableClassRecognitionIsImpossibleButTheFamilyIsListed) {
    openUntrained();
    const auto line = horizontalLine(7);
    editor.draw(*line);

    EXPECT_EQ(editor.result().line1(), "Reconnaissance");
    EXPECT_EQ(editor.result().line2(), "impossible");
    EXPECT_EQ(editor.view().lastRecognition(), nullptr);
    EXPECT_EQ(statusLine().toStdString(), expectedCandidates(*line));
    EXPECT_TRUE(
        QRegularExpression(R"(^( \w+ \[\d+\.\d{6}\]( OR)?)+$)").match(statusLine()).hasMatch())
        << statusLine().toStdString();
}

TEST_F(DrawingArea, TheTrainedSetRecognisesAFreshDrawingAndRejectsAScribble) {
    editor.open(*trainedSet(), "formes.gst");
    editor.draw(*verticalLine(900));
    EXPECT_EQ(editor.result().line1(), "Geste reconnu :");
    EXPECT_EQ(editor.result().line2(), "bas");
    ASSERT_NE(editor.view().lastRecognition(), nullptr);
    EXPECT_FALSE(editor.view().lastRecognition()->rejete());

    editor.draw(*scribble(901));
    EXPECT_EQ(editor.result().line1(), "Geste rejeté");
    EXPECT_EQ(editor.result().line2(), "");
    EXPECT_TRUE(editor.view().lastRecognition()->rejete());
}

TEST_F(DrawingArea, DrawingDisablesEveryEditingButtonUntilTheGestureEnds) {
    editor.open(*trainedSet(), "formes.gst");
    editor.chooseRow("classes", "rond");
    ASSERT_TRUE(editor.widget<QWidget>("supprimerClasse")->isEnabled());
    GesturePlayer player(editor.view().capture(), editor.clock());
    player.press({30, 30});
    for (const char* name :
         {"proprietesEnsemble", "renommerEnsemble", "supprimerClasse", "renommerClasse",
          "proprietesClasse", "ajouterClasse", "supprimerExemple", "renommerExemple",
          "proprietesExemple", "ajouterExemple", "proprietesGeste", "effacer"})
        EXPECT_FALSE(editor.widget<QWidget>(name)->isEnabled()) << name;
    player.move({80, 60});
    player.release({90, 90});
    editor.view().capture().finishNow();
    for (const char* name : {"supprimerClasse", "ajouterExemple", "proprietesGeste", "effacer"})
        EXPECT_TRUE(editor.widget<QWidget>(name)->isEnabled()) << name;

    editor.click("effacer");
    EXPECT_FALSE(editor.view().gestureComplete());
    EXPECT_FALSE(editor.widget<QWidget>("effacer")->isEnabled());
    EXPECT_FALSE(editor.widget<QWidget>("ajouterExemple")->isEnabled());
}
