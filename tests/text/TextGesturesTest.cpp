#include "text/TextGestures.h"
#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"
#include "recognizer/ShapeRecognizer.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

using P = CInkPoint;

void expectNear(const CInkPoint& actual, const CInkPoint& expected, int tolerance) {
    EXPECT_LE(std::abs(actual.x - expected.x), tolerance)
        << "(" << actual.x << ", " << actual.y << ") vs (" << expected.x << ", " << expected.y
        << ")";
    EXPECT_LE(std::abs(actual.y - expected.y), tolerance)
        << "(" << actual.x << ", " << actual.y << ") vs (" << expected.x << ", " << expected.y
        << ")";
}

} // namespace

TEST(ArrowInsertionPoint, IsTheFirstHeadPointAheadOfTheTip) {
    const P tail(0, 0), tip(100, 0);
    // A lies behind the tip, B ahead of it.
    EXPECT_EQ(arrowInsertionPoint(tail, tip, {P(90, -10), P(120, 2), P(130, 0)}), P(120, 2));
    EXPECT_EQ(arrowInsertionPoint(tail, tip, {P(101, 50), P(120, 2), P(90, 0)}), P(101, 50));
    // Square to the shaft is not ahead: the cosine must be above 0.
    EXPECT_EQ(arrowInsertionPoint(tail, tip, {P(100, -10), P(100, 10), P(60, 0)}), P(60, 0));
    // Neither A nor B: C, wherever it is.
    EXPECT_EQ(arrowInsertionPoint(tail, tip, {P(80, -10), P(80, 10), P(50, 50)}), P(50, 50));
    // Any direction: a shaft drawn upwards.
    EXPECT_EQ(arrowInsertionPoint(P(0, 100), P(0, 0), {P(-8, 6), P(0, -15), P(8, 6)}), P(0, -15));
    // No shaft at all: nothing is ahead.
    EXPECT_EQ(arrowInsertionPoint(P(5, 5), P(5, 5), {P(9, 9), P(1, 1), P(7, 3)}), P(7, 3));
}

TEST(Apex, IsTheVertexOppositeTheShortestSide) {
    // d01 = 100, d12 = 1625, d20 = 1625.
    EXPECT_EQ(apex({P(0, 0), P(10, 0), P(5, 40)}), P(5, 40));
    // d01 = 1625, d12 = 100, d20 = 1625.
    EXPECT_EQ(apex({P(5, 40), P(0, 0), P(10, 0)}), P(5, 40));
    // d01 = 1625, d12 = 1625, d20 = 100.
    EXPECT_EQ(apex({P(10, 0), P(5, 40), P(0, 0)}), P(5, 40));
    // Ties go to the earlier side: P2 when d01 is among the shortest, then P0.
    EXPECT_EQ(apex({P(0, 0), P(10, 0), P(5, 9)}), P(5, 9));
    EXPECT_EQ(apex({P(0, 0), P(0, 30), P(0, 60)}), P(0, 60));
    // d01 = 400, d12 = d20 = 109: P0.
    EXPECT_EQ(apex({P(0, 0), P(20, 0), P(10, 3)}), P(0, 0));
}

TEST(SelectionCorners, TakeOppositeCornersOrTheInscribedBox) {
    struct Case {
        const char* what;
        std::array<CInkPoint, 4> corners;
        CInkPoint start, end;
    };
    const Case cases[] = {
        {"a side along an axis: the first and the third corner",
         {P(10, 10), P(90, 10), P(90, 50), P(10, 50)},
         P(10, 10),
         P(90, 50)},
        {"only the right side along an axis",
         {P(12, 8), P(90, 10), P(90, 50), P(10, 52)},
         P(12, 8),
         P(90, 50)},
        {"a diamond, top, right, bottom, left: the box inscribed in it",
         {P(50, 0), P(100, 50), P(50, 100), P(0, 50)},
         P(25, 25),
         P(75, 75)},
        // L = (0, 40), R = (100, 20), T = (10, 0), B = (90, 60).
        {"turned: c = 10 < a = 90 and d = 20 < b = 40, the pairs are exchanged",
         {P(10, 0), P(100, 20), P(90, 60), P(0, 40)},
         P(5, 10),
         P(95, 50)},
        // L = (0, 20), R = (100, 40), T = (90, 0), B = (10, 60).
        {"turned the other way: a = 10, b = 20, c = 90, d = 40 stay",
         {P(90, 0), P(100, 40), P(10, 60), P(0, 20)},
         P(5, 10),
         P(95, 50)},
        {"halves truncated: (3 + 0) / 2 = 1, (2 + 9) / 2 = 5",
         {P(2, 0), P(9, 4), P(3, 7), P(0, 3)},
         P(1, 1),
         P(5, 5)},
    };
    for (const Case& c : cases) {
        const TextSpan span = selectionCorners(c.corners);
        EXPECT_EQ(span.start, c.start) << c.what;
        EXPECT_EQ(span.end, c.end) << c.what;
    }
}

TEST(OutlineCentre, IsTheCentreOfTheVerticesExtent) {
    CPolygon outline;
    for (P p : {P(40, 10), P(70, 25), P(40, 41), P(11, 25)})
        outline.addVertex(p);
    EXPECT_EQ(outlineCentre(outline), P(40, 25));
    // The extent starts from 10000 and 0: a maximum below 0 stays 0.
    CPolygon left;
    for (P p : {P(-30, 20), P(-10, 40)})
        left.addVertex(p);
    EXPECT_EQ(outlineCentre(left), P(-15, 30));
}

TEST(MoveTarget, CorrectsATargetAfterTheSelectionByItsLength) {
    // Characters 5 to 10 taken out.
    EXPECT_EQ(moveTarget(5, 10, 3), 3);
    EXPECT_EQ(moveTarget(5, 10, 5), 5);
    EXPECT_EQ(moveTarget(5, 10, 10), 5);
    EXPECT_EQ(moveTarget(5, 10, 16), 11);
    // Inside the selection: it stays where it was.
    EXPECT_EQ(moveTarget(5, 10, 7), 5);
    EXPECT_EQ(moveTarget(0, 10, 3), 0);
}

// What the recogniser's best result asks of the text, for drawings made as
// people draw them.
class TextActionTest : public testing::Test {
protected:
    const CShapeGesture& best(FamilyKind kind, Vec2 centre, double size, double rotation,
                              std::uint32_t seed = 3) {
        DrawingGenerator g(seed);
        m_drawing = g.draw(familyGesture(kind, g, centre, size, rotation));
        m_results =
            std::make_unique<CSortedList<CShapeGesture*>>(m_recognizer.recognize(*m_drawing));
        const CShapeGesture& result = *m_results->at(0);
        EXPECT_EQ(result.name(), familyName(kind));
        return result;
    }
    const CShapeGesture& bestOf(std::unique_ptr<CDessin> drawing) {
        m_drawing = std::move(drawing);
        m_results =
            std::make_unique<CSortedList<CShapeGesture*>>(m_recognizer.recognize(*m_drawing));
        return *m_results->at(0);
    }

    CShapeRecognizer m_recognizer{true, 0.0};
    std::unique_ptr<CDessin> m_drawing;
    std::unique_ptr<CSortedList<CShapeGesture*>> m_results;
};

TEST_F(TextActionTest, LinesDeleteOrSelectARangeInTwoSteps) {
    const TextAction strike = textActionFor(best(FamilyKind::Line, {200, 100}, 120, 0.0), {});
    EXPECT_EQ(strike.edit, TextEdit::DeleteBetween);
    EXPECT_EQ(strike.message, "Supprimer ceci...");
    EXPECT_NEAR(std::min(strike.at.x, strike.to.x), 140, 3);
    EXPECT_NEAR(std::max(strike.at.x, strike.to.x), 260, 3);
    EXPECT_NEAR(strike.at.y, 100, 3);
    EXPECT_NEAR(strike.to.y, 100, 3);

    const CShapeGesture& upright = best(FamilyKind::Line, {300, 200}, 60, 1.5707963);
    const TextAction first = textActionFor(upright, {});
    EXPECT_EQ(first.edit, TextEdit::StartRange);
    EXPECT_EQ(first.message, "Début de sélection...");
    expectNear(first.at, P(300, 200), 3);
    const TextAction second = textActionFor(upright, {.rangeStartPending = true});
    EXPECT_EQ(second.edit, TextEdit::EndRange);
    EXPECT_EQ(second.message, "Fin de sélection...");
    EXPECT_EQ(second.at, first.at);

    const TextAction slanted = textActionFor(best(FamilyKind::Line, {200, 200}, 100, 0.6), {});
    EXPECT_EQ(slanted.edit, TextEdit::None);
    EXPECT_EQ(slanted.message, "Veuillez recommencer le geste...");
}

TEST_F(TextActionTest, TheEightPixelLimitsOfHorizontalAndVerticalLines) {
    // Ends (0, 100) and (200, 107): 7 pixels of drop still strike through.
    const TextAction seven = textActionFor(bestOf(drawingOf({{{0, 100}, {200, 107, 0.3}}})), {});
    EXPECT_EQ(seven.edit, TextEdit::DeleteBetween);
    const TextAction eight = textActionFor(bestOf(drawingOf({{{0, 100}, {200, 108, 0.3}}})), {});
    EXPECT_EQ(eight.edit, TextEdit::None);
    const TextAction upright = textActionFor(bestOf(drawingOf({{{50, 0}, {57, 200, 0.3}}})), {});
    EXPECT_EQ(upright.edit, TextEdit::StartRange);
    EXPECT_EQ(upright.at, P(53, 100));
}

TEST_F(TextActionTest, ShapesInsertSelectOrMove) {
    const CShapeGesture& arrow = best(FamilyKind::Arrow, {200, 200}, 100, 0.0);
    const TextAction insert = textActionFor(arrow, {});
    EXPECT_EQ(insert.edit, TextEdit::InsertText);
    EXPECT_EQ(insert.message, "Insérer du texte ici...");
    // The head is a triangle beyond the tip at x = 250, pointing right.
    EXPECT_GT(insert.at.x, 255);
    EXPECT_NEAR(insert.at.y, 200, 8);

    const TextAction box = textActionFor(best(FamilyKind::Rectangle, {200, 150}, 160, 0.0), {});
    EXPECT_EQ(box.edit, TextEdit::SelectBetween);
    EXPECT_EQ(box.message, "Sélectionner ceci...");
    expectNear({std::min(box.at.x, box.to.x), std::min(box.at.y, box.to.y)}, P(120, 100), 25);
    expectNear({std::max(box.at.x, box.to.x), std::max(box.at.y, box.to.y)}, P(280, 200), 25);

    const TextAction diamond = textActionFor(best(FamilyKind::Diamond, {200, 150}, 160, 0.0), {});
    EXPECT_EQ(diamond.edit, TextEdit::SelectBetween);
    EXPECT_EQ(diamond.message, "Sélectionner ceci...");

    const TextAction circle = textActionFor(best(FamilyKind::Circle, {120, 80}, 50, 0.0), {});
    EXPECT_EQ(circle.edit, TextEdit::SelectWord);
    EXPECT_EQ(circle.message, "Cercle Sélectionner ce mot...");
    expectNear(circle.at, P(120, 80), 3);

    const TextAction ellipse = textActionFor(best(FamilyKind::Ellipse, {300, 80}, 90, 0.0), {});
    EXPECT_EQ(ellipse.edit, TextEdit::SelectWord);
    EXPECT_EQ(ellipse.message, "Sélectionner ce mot...");
    expectNear(ellipse.at, P(300, 80), 3);

    // A narrow triangle, apex up: the vertex opposite the base.
    DrawingGenerator g(4);
    const CShapeGesture& triangle = bestOf(g.draw({paths::triangle({200, 200}, 50, 80, 0.0, 1)}));
    ASSERT_EQ(triangle.name(), "Triangle");
    const TextAction move = textActionFor(triangle, {.textSelected = true});
    EXPECT_EQ(move.edit, TextEdit::MoveSelection);
    EXPECT_EQ(move.message, "Déplacer la sélection ici...");
    expectNear(move.at, P(200, 147), 4);
    EXPECT_EQ(textActionFor(triangle, {.clipboardHasText = true}).edit, TextEdit::PasteAtCaret);
    EXPECT_EQ(textActionFor(triangle, {.clipboardHasText = true}).message, "Coller ici...");
    EXPECT_EQ(textActionFor(triangle, {}).edit, TextEdit::None);
    EXPECT_EQ(textActionFor(triangle, {}).message, "Sélection ou Presse-Papier vide...");
}

TEST_F(TextActionTest, CommandsNeedASelection) {
    struct Case {
        FamilyKind kind;
        TextEdit edit;
        const char* message;
    };
    for (const Case& c :
         {Case{FamilyKind::Copy, TextEdit::CopySelection, "Copier la sélection..."},
          Case{FamilyKind::Cross, TextEdit::CutSelection, "Couper la sélection..."},
          Case{FamilyKind::Delete, TextEdit::ClearSelection, "Supprimer la sélection..."}}) {
        const CShapeGesture& command = best(c.kind, {200, 200}, 90, 0.0);
        const TextAction with = textActionFor(command, {.textSelected = true});
        EXPECT_EQ(with.edit, c.edit) << c.message;
        EXPECT_EQ(with.message, c.message);
        const TextAction without = textActionFor(command, {.clipboardHasText = true});
        EXPECT_EQ(without.edit, TextEdit::None) << c.message;
        EXPECT_EQ(without.message, "Sélectionnez quelquechose avant...");
    }

    // The move gesture: a narrow chevron pointing right, its apex at (300, 100).
    DrawingGenerator g(5);
    const CShapeGesture& move = bestOf(g.draw({paths::chevron({300, 100}, 90, 0.7, 0.0)}));
    ASSERT_EQ(move.name(), "Move");
    const TextAction there = textActionFor(move, {.textSelected = true});
    EXPECT_EQ(there.edit, TextEdit::MoveSelection);
    expectNear(there.at, P(300, 100), 4);
    EXPECT_EQ(textActionFor(move, {.clipboardHasText = true}).edit, TextEdit::PasteAtCaret);
    EXPECT_EQ(textActionFor(move, {}).message, "Sélection ou Presse-Papier vide...");
}

TEST_F(TextActionTest, WhatTheEditorDoesNotHandleIsUnknown) {
    for (FamilyKind kind : {FamilyKind::Tap, FamilyKind::WavyLine}) {
        const TextAction action =
            textActionFor(best(kind, {200, 200}, 100, 0.0), {.textSelected = true});
        EXPECT_EQ(action.edit, TextEdit::None);
        EXPECT_EQ(action.message, "Geste inconnu ou ambigu...");
    }
    // Two sides of a square and a stroke across it: the ink inside its figures
    // rules out the closed shapes, the last stroke the arrow.
    const CShapeGesture& unknown = bestOf(drawingOf({{{0, 0}, {100, 0, 0.2}},
                                                     {{100, 100, 0.5}, {0, 100, 0.7}},
                                                     {{20, 50, 1.0},
                                                      {30, 50, 1.02},
                                                      {40, 50, 1.04},
                                                      {50, 50, 1.06},
                                                      {60, 50, 1.08},
                                                      {70, 50, 1.1},
                                                      {80, 50, 1.12}}}));
    ASSERT_EQ(unknown.name(), "Unknown");
    EXPECT_EQ(textActionFor(unknown, {}).message, "Geste inconnu ou ambigu...");
}
