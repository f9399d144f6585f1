#include "text/TextGestures.h"
#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"
#include "recognizer/ShapeRecognizer.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using P = CInkPoint;

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
    // d01 = 100, d12 = 1625, d20 = 1625, and the same turned round twice.
    EXPECT_EQ(apex({P(0, 0), P(10, 0), P(5, 40)}), P(5, 40));
    EXPECT_EQ(apex({P(5, 40), P(0, 0), P(10, 0)}), P(5, 40));
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
    // Characters 5 to 10 taken out; a target inside them stays where it was.
    for (const auto& [target, moved] : {std::pair{3, 3}, {5, 5}, {10, 5}, {16, 11}, {7, 5}})
        EXPECT_EQ(moveTarget(5, 10, target), moved) << target;
    EXPECT_EQ(moveTarget(0, 10, 3), 0);
}

// What the recogniser's best result asks of the text, for drawings made as
// people draw them.
class TextActionTest : public testing::Test {
protected:
    // The action for the best result of the drawing, which must be `name`.
    TextAction action(std::unique_ptr<CDessin> drawing, std::string_view name,
                      TextEditState state = {}) {
        m_drawing = std::move(drawing);
        m_results =
            std::make_unique<CSortedList<CShapeGesture*>>(m_recognizer.recognize(*m_drawing));
        EXPECT_EQ(m_results->at(0)->name(), name);
        return textActionFor(*m_results->at(0), state);
    }
    static std::unique_ptr<CDessin> family(FamilyKind kind, Vec2 centre, double size,
                                           double rotation = 0.0) {
        DrawingGenerator g(3);
        return g.draw(familyGesture(kind, g, centre, size, rotation));
    }
    static std::unique_ptr<CDessin> traced(const Path& path, std::uint32_t seed) {
        DrawingGenerator g(seed);
        return g.draw({path});
    }
    static void expectAt(const CInkPoint& p, int x, int y, int tolerance) {
        EXPECT_NEAR(p.x, x, tolerance) << "x of (" << p.x << ", " << p.y << ")";
        EXPECT_NEAR(p.y, y, tolerance) << "y of (" << p.x << ", " << p.y << ")";
    }

    CShapeRecognizer m_recognizer{true, 0.0};
    std::unique_ptr<CDessin> m_drawing;
    std::unique_ptr<CSortedList<CShapeGesture*>> m_results;
};

// A line across deletes; a line up starts a range, then ends it; 8 pixels of
// slope is too many; a slanted line asks again.
TEST_F(TextActionTest, LinesDeleteOrSelectARangeInTwoSteps) {
    const TextAction strike = action(family(FamilyKind::Line, {200, 100}, 120), "Line");
    EXPECT_EQ(strike.edit, TextEdit::DeleteBetween);
    EXPECT_EQ(strike.message, "Supprimer ceci...");
    expectAt({std::min(strike.at.x, strike.to.x), strike.at.y}, 140, 100, 3);
    expectAt({std::max(strike.at.x, strike.to.x), strike.to.y}, 260, 100, 3);

    const TextAction first = action(family(FamilyKind::Line, {300, 200}, 60, 1.5707963), "Line");
    EXPECT_EQ(first.edit, TextEdit::StartRange);
    EXPECT_EQ(first.message, "Début de sélection...");
    expectAt(first.at, 300, 200, 3);
    const TextAction second = textActionFor(*m_results->at(0), {.rangeStartPending = true});
    EXPECT_EQ(second.edit, TextEdit::EndRange);
    EXPECT_EQ(second.message, "Fin de sélection...");
    EXPECT_EQ(second.at, first.at);

    EXPECT_EQ(action(drawingOf({{{0, 100}, {200, 107, 0.3}}}), "Line").edit,
              TextEdit::DeleteBetween);
    EXPECT_EQ(action(drawingOf({{{0, 100}, {200, 108, 0.3}}}), "Line").edit, TextEdit::None);
    EXPECT_EQ(action(drawingOf({{{50, 0}, {57, 200, 0.3}}}), "Line").at, P(53, 100));
    const TextAction slanted = action(family(FamilyKind::Line, {200, 200}, 100, 0.6), "Line");
    EXPECT_EQ(slanted.edit, TextEdit::None);
    EXPECT_EQ(slanted.message, "Veuillez recommencer le geste...");
}

TEST_F(TextActionTest, ShapesInsertSelectOrMove) {
    // The head is a triangle beyond the tip at x = 250, pointing right.
    const TextAction insert = action(family(FamilyKind::Arrow, {200, 200}, 100), "Arrow");
    EXPECT_EQ(insert.edit, TextEdit::InsertText);
    EXPECT_EQ(insert.message, "Insérer du texte ici...");
    EXPECT_GT(insert.at.x, 255);
    EXPECT_NEAR(insert.at.y, 200, 8);

    const TextAction diamond = action(family(FamilyKind::Diamond, {200, 150}, 160), "Diamond");
    EXPECT_EQ(diamond.edit, TextEdit::SelectBetween);
    const TextAction box = action(family(FamilyKind::Rectangle, {200, 150}, 160), "Rectangle");
    EXPECT_EQ(box.edit, TextEdit::SelectBetween);
    EXPECT_EQ(box.message, "Sélectionner ceci...");
    expectAt({std::min(box.at.x, box.to.x), std::min(box.at.y, box.to.y)}, 120, 100, 25);
    expectAt({std::max(box.at.x, box.to.x), std::max(box.at.y, box.to.y)}, 280, 200, 25);

    const TextAction circle = action(family(FamilyKind::Circle, {120, 80}, 50), "Circle");
    EXPECT_EQ(circle.edit, TextEdit::SelectWord);
    EXPECT_EQ(circle.message, "Cercle Sélectionner ce mot...");
    expectAt(circle.at, 120, 80, 3);
    const TextAction ellipse = action(family(FamilyKind::Ellipse, {300, 80}, 90), "Ellipse");
    EXPECT_EQ(ellipse.edit, TextEdit::SelectWord);
    EXPECT_EQ(ellipse.message, "Sélectionner ce mot...");
    expectAt(ellipse.at, 300, 80, 3);
}

// A narrow triangle, apex up, and the move gesture, a chevron pointing right:
// the selection moves to the apex, or the clipboard is pasted at the caret.
TEST_F(TextActionTest, TrianglesAndChevronsMoveOrPaste) {
    const struct {
        Path path;
        std::uint32_t seed;
        const char* name;
        CInkPoint apex;
    } cases[] = {{paths::triangle({200, 200}, 50, 80, 0.0, 1), 4, "Triangle", P(200, 147)},
                 {paths::chevron({300, 100}, 90, 0.7, 0.0), 5, "Move", P(300, 100)}};
    for (const auto& c : cases) {
        const TextAction move = action(traced(c.path, c.seed), c.name, {.textSelected = true});
        EXPECT_EQ(move.edit, TextEdit::MoveSelection);
        EXPECT_EQ(move.message, "Déplacer la sélection ici...");
        expectAt(move.at, c.apex.x, c.apex.y, 4);
        const TextAction paste = textActionFor(*m_results->at(0), {.clipboardHasText = true});
        EXPECT_EQ(paste.edit, TextEdit::PasteAtCaret);
        EXPECT_EQ(paste.message, "Coller ici...");
        const TextAction nothing = textActionFor(*m_results->at(0), {});
        EXPECT_EQ(nothing.edit, TextEdit::None);
        EXPECT_EQ(nothing.message, "Sélection ou Presse-Papier vide...");
    }
}

TEST_F(TextActionTest, CommandsNeedASelection) {
    const struct {
        FamilyKind kind;
        TextEdit edit;
        const char* message;
    } cases[] = {{FamilyKind::Copy, TextEdit::CopySelection, "Copier la sélection..."},
                 {FamilyKind::Cross, TextEdit::CutSelection, "Couper la sélection..."},
                 {FamilyKind::Delete, TextEdit::ClearSelection, "Supprimer la sélection..."}};
    for (const auto& c : cases) {
        const TextAction with =
            action(family(c.kind, {200, 200}, 90), familyName(c.kind), {.textSelected = true});
        EXPECT_EQ(with.edit, c.edit) << c.message;
        EXPECT_EQ(with.message, c.message);
        const TextAction without = textActionFor(*m_results->at(0), {.clipboardHasText = true});
        EXPECT_EQ(without.edit, TextEdit::None) << c.message;
        EXPECT_EQ(without.message, "Sélectionnez quelquechose avant...");
    }
}

// Two sides of a square and a stroke across it: the ink inside its figures
// rules out the closed shapes, the last stroke the arrow.
TEST_F(TextActionTest, WhatTheEditorDoesNotHandleIsUnknown) {
    for (FamilyKind kind : {FamilyKind::Tap, FamilyKind::WavyLine}) {
        const TextAction unknown =
            action(family(kind, {200, 200}, 100), familyName(kind), {.textSelected = true});
        EXPECT_EQ(unknown.edit, TextEdit::None);
        EXPECT_EQ(unknown.message, "Geste inconnu ou ambigu...");
    }
    const TextAction unknown = action(drawingOf({{{0, 0}, {100, 0, 0.2}},
                                                 {{100, 100, 0.5}, {0, 100, 0.7}},
                                                 {{20, 50, 1.0},
                                                  {30, 50, 1.02},
                                                  {40, 50, 1.04},
                                                  {50, 50, 1.06},
                                                  {60, 50, 1.08},
                                                  {70, 50, 1.1},
                                                  {80, 50, 1.12}}}),
                                      "Unknown");
    EXPECT_EQ(unknown.message, "Geste inconnu ou ambigu...");
}
