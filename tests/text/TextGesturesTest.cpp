#include "text/TextGestures.h"
#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"
#include "recognizer/ShapeRecognizer.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <array>

using P = CInkPoint;

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

// Corners in drawing order, then the span's start and end. A side along an
// axis takes the first and the third corner, even when only the right side is;
// a diamond (top, right, bottom, left) gives the box inscribed in it; turned
// with c = 10 < a = 90 and d = 20 < b = 40 the pairs are exchanged, turned the
// other way (a = 10, b = 20, c = 90, d = 40) they stay; halves are truncated.
TEST(SelectionCorners, TakeOppositeCornersOrTheInscribedBox) {
    const std::array<std::array<P, 6>, 6> cases{{
        {P(10, 10), P(90, 10), P(90, 50), P(10, 50), P(10, 10), P(90, 50)},
        {P(12, 8), P(90, 10), P(90, 50), P(10, 52), P(12, 8), P(90, 50)},
        {P(50, 0), P(100, 50), P(50, 100), P(0, 50), P(25, 25), P(75, 75)},
        {P(10, 0), P(100, 20), P(90, 60), P(0, 40), P(5, 10), P(95, 50)},
        {P(90, 0), P(100, 40), P(10, 60), P(0, 20), P(5, 10), P(95, 50)},
        {P(2, 0), P(9, 4), P(3, 7), P(0, 3), P(1, 1), P(5, 5)},
    }};
    for (const auto& c : cases) {
        const TextSpan span = selectionCorners({c[0], c[1], c[2], c[3]});
        EXPECT_EQ((std::array{span.start, span.end}), (std::array{c[4], c[5]})) << c[0].x;
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
// people draw them: the edit and its message (unchecked when null) in each
// state of the text, and the point where it acts, to `near` pixels (unchecked
// when negative). A line with 7 pixels of slope still deletes, 8 are too many
// and a slanted line asks again; the diamond and the ellipse select; a narrow
// triangle, apex up, with nothing to move or paste says so; a tap and two sides
// of a square with a stroke across it are unknown: the ink inside its figures
// rules out the closed shapes, the last stroke the arrow. What the gestures
// that the text window's tests draw do (a vertical line, the triangle and the
// chevron with a selection or a clipboard, the cross, copy and delete, the
// wavy line) is theirs to check.
TEST(TextAction, EachGestureAsksForItsEdit) {
    const auto family = [](FamilyKind kind, Vec2 centre, double size, double rotation = 0.0) {
        DrawingGenerator g(3);
        return g.draw(familyGesture(kind, g, centre, size, rotation));
    };
    const TextEditState none, selected{.textSelected = true};
    const auto unknown = [] {
        auto drawing = drawingOf({{{0, 0}, {100, 0, 0.2}}, {{100, 100, 0.5}, {0, 100, 0.7}}});
        auto across = std::make_unique<CStroke>();
        for (int i = 0; i < 7; ++i)
            across->addPoint(20 + 10 * i, 50, 1.0 + 0.02 * i);
        drawing->addStroke(std::move(across));
        return drawing;
    };
    using E = TextEdit;
    struct Case {
        std::unique_ptr<CDessin> drawing;
        std::string_view name;
        TextEditState state;
        TextEdit edit;
        const char* message;
        P at;
        int near = -1;
    };
    const Case cases[] = {
        {drawingOf({{{0, 100}, {200, 107, 0.3}}}), "Line", none, E::DeleteBetween, nullptr},
        {drawingOf({{{0, 100}, {200, 108, 0.3}}}), "Line", none, E::None, nullptr},
        {family(FamilyKind::Line, {200, 200}, 100, 0.6), "Line", none, E::None,
         "Veuillez recommencer le geste..."},
        {family(FamilyKind::Diamond, {200, 150}, 160), "Diamond", none, E::SelectBetween, nullptr},
        {family(FamilyKind::Ellipse, {300, 80}, 90), "Ellipse", none, E::SelectWord,
         "Sélectionner ce mot...", P(300, 80), 3},
        {DrawingGenerator(4).draw({paths::triangle({200, 200}, 50, 80, 0.0, 1)}), "Triangle", none,
         E::None, "Sélection ou Presse-Papier vide..."},
        {family(FamilyKind::Tap, {200, 200}, 100), "Tap", selected, E::None,
         "Geste inconnu ou ambigu..."},
        {unknown(), "Unknown", none, E::None, "Geste inconnu ou ambigu..."},
    };
    CShapeRecognizer recognizer{true, 0.0};
    for (const Case& c : cases) {
        const CSortedList<CShapeGesture*> results = recognizer.recognize(*c.drawing);
        ASSERT_EQ(results.at(0)->name(), c.name) << c.message;
        const TextAction a = textActionFor(*results.at(0), c.state);
        EXPECT_EQ(a.edit, c.edit) << c.name << " " << (c.message ? c.message : "");
        if (c.message != nullptr)
            EXPECT_EQ(a.message, c.message);
        if (c.near >= 0) {
            EXPECT_NEAR(a.at.x, c.at.x, c.near) << c.name;
            EXPECT_NEAR(a.at.y, c.at.y, c.near) << c.name;
        }
    }
}
