#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"
#include "recognizer/ShapeRecognizer.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace {

template <class Shape = CShapeGesture>
const Shape* find(const CSortedList<CShapeGesture*>& results, std::string_view name) {
    for (int i = 0; i < results.count(); ++i)
        if (results.at(i)->name() == name)
            return dynamic_cast<const Shape*>(results.at(i));
    return nullptr;
}

} // namespace

TEST(Fuzzy, TrapezoidsAndRules) {
    const CFuzzySet set(1, 2, 3, 5), atLeast3(1.5, 3.0, kInfinity, kInfinity), one(1, 1, 1, 1);
    const struct {
        const CFuzzySet& set;
        double x, expected;
    } cases[] = {{set, 0.5, 0},      {set, 1, 0},           {set, 1.5, 0.5},    {set, 2, 1},
                 {set, 3, 1},        {set, 4, 0.5},         {set, 5, 0},        {set, 6, 0},
                 {atLeast3, 1e6, 1}, {atLeast3, 2.25, 0.5}, {atLeast3, NAN, 0}, {one, 1, 1},
                 {one, 2, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.set.membership(c.x), c.expected) << c.x;
    EXPECT_DEATH(CFuzzySet(0, 3, 2, 4), "invalid trapezoid");

    // The smallest membership; a missing feature gives 0.
    const CDessin drawing;
    const auto halfFeature = [](const CDessin&) { return 0.5; };
    const CFuzzyRule rules[] = {{{halfFeature, {0, 1, 1, 1}}, {halfFeature, {0, 0, 0.25, 0.75}}},
                                {{halfFeature, {1, 2, 3, 4}}, {halfFeature, {0, 0, 1, 1}}},
                                {{nullptr, {0, 0, 1, 1}}}};
    EXPECT_EQ(
        std::vector({rules[0].degree(drawing), rules[1].degree(drawing), rules[2].degree(drawing)}),
        std::vector({0.5, 0.0, 0.0}));
}

// The best members for drawings worked out by hand, and one that must not accept.
// Taps and unknowns are certain and keep their drawing.
TEST(Recognizer, RanksTheMembersThatAcceptADrawing) {
    const struct {
        std::unique_ptr<CDessin> drawing;
        const char *first, *absent;
    } cases[] = {
        {drawingOf({{{40, 40}, {47, 47}}}), "Tap", "Line"}, // 9.9 pixels
        {drawingOf({{{40, 40}, {46, 48}}}), "Line", "Tap"}, // 10 pixels
        {drawingOf({{{0, 0, 0}, {100, 0, 0.1}, {0, 100, 0.2}, {100, 100, 0.3}}}), "Unknown",
         "Line"},
        // Parallel strokes are no cross; a line at the end of a bold shaft is no arrow head.
        {drawingOf({{{0, 0, 0}, {100, 100, 0.2}}, {{30, 0, 1}, {130, 100, 1.2}}}), "", "Cross"},
        {drawingOf({{{0, 100}, {100, 100}, {0, 100}, {100, 100}}, {{110, 80}, {110, 120}}}), "",
         "Arrow"},
        // Equal degrees put the later prototype first: a triangle gone over twice
        // (a bold shaft), then a small triangle at its first corner.
        {drawingOf({{{0, 0}, {200, 0}, {100, 170}, {0, 0}, {200, 0}, {100, 170}, {0, 0}},
                    {{20, 5}, {50, 5}, {35, 30}, {20, 5}}}),
         "Arrow Triangle", "Unknown"},
        // A head across the middle of a thin shaft is no arrow head.
        {drawingOf({{{0, 100, 0}, {100, 100, 0.1}},
                    {{0, 40, 1}, {100, 40, 1.1}, {50, 160, 1.2}, {0, 40, 1.3}}}),
         "", "Arrow"},
    };
    CShapeRecognizer recognizer;
    for (const auto& c : cases) {
        const auto results = recognizer.recognize(*c.drawing);
        std::string names; // in their order, each followed by a blank
        for (int i = 0; i < results.count(); ++i)
            names.append(results.at(i)->name()).append(" ");
        EXPECT_TRUE(names.starts_with(c.first)) << names;
        std::istringstream absent(c.absent);
        for (std::string name; absent >> name;)
            EXPECT_EQ(find(results, name), nullptr) << names;
        if (c.first == std::string_view("Tap") || c.first == std::string_view("Unknown")) {
            EXPECT_EQ(std::tuple(results.at(0)->degree(), results.keyAt(0),
                                 results.at(0)->attachedDrawing()),
                      std::tuple(1.0, 1.0, c.drawing.get()));
        }
    }
    const auto equal = recognizer.recognize(*cases[5].drawing);
    EXPECT_TRUE(equal.count() >= 2 && equal.keyAt(0) == equal.keyAt(1));
    const auto* tapped = find<CCommandTap>(recognizer.recognize(*cases[0].drawing), "Tap");
    EXPECT_EQ(tapped->point(), CInkPoint(40, 40));
}

// An ellipse's outline spans the ellipse drawn, turned as it was drawn.
TEST(Recognizer, GeneratedCirclesEllipsesAndUprightRectangles) {
    auto oval = drawingOf({{{10, 50}, {60, 20}, {110, 50}, {60, 80}, {10, 50}}});
    CShapeCircle fitted;
    fitted.attach(*oval);
    EXPECT_EQ(
        std::tuple(fitted.radius(), fitted.centre(), fitted.corners()[0], fitted.corners()[2]),
        std::tuple(40, CInkPoint(60, 50), CInkPoint(10, 20), CInkPoint(110, 80)));

    DrawingGenerator g(7);
    auto once = g.draw({paths::ellipse({300, 300}, 100, 100, 0.0, 1.0)});
    Path thrice;
    for (int turn = 0; turn < 3; ++turn)
        for (const Vec2& p : paths::ellipse({300, 300}, 100, 100, 0.0, 0.0))
            thrice.push_back(p);
    auto overtraced = g.draw({thrice});

    CShapeRecognizer recognizer;
    const auto results = recognizer.recognize(*once);
    const auto& circle = dynamic_cast<const CShapeCircle&>(*results.at(0));
    EXPECT_EQ(std::tuple(circle.name(), circle.category(), circle.degree(), circle.isBold(),
                         circle.isDashed()),
              std::tuple("Circle", "Shape", 1.0, false, false));
    EXPECT_NEAR(circle.radius(), 100, 3);
    EXPECT_NEAR(circle.centre().x, 300, 3);
    const auto clone = circle.clone();
    const auto& copy = static_cast<const CShapeCircle&>(*clone);
    EXPECT_EQ(std::pair(copy.radius(), copy.centre()), std::pair(circle.radius(), circle.centre()));
    const auto* bold = find<CShapeCircle>(recognizer.recognize(*overtraced), "Circle");
    EXPECT_TRUE(bold && bold->isBold() && !bold->isDashed());
    // With the rules of upright drawings.
    auto box = g.draw(familyGesture(FamilyKind::Rectangle, g, {300, 300}, 200, 0.0));
    EXPECT_EQ(CShapeRecognizer(false, 0.0).recognize(*box).at(0)->name(), "Rectangle");

    auto turned = g.draw({paths::ellipse({250, 180}, 120, 50, 0.6)});
    CShapeEllipse ellipse;
    ellipse.attach(*turned);
    ASSERT_NE(ellipse.outline(), nullptr);
    const auto& v = ellipse.outline()->vertices();
    const auto byX = [](const CInkPoint& a, const CInkPoint& b) { return a.x < b.x; };
    const auto [left, right] = std::minmax_element(v.begin(), v.end(), byX);
    EXPECT_NEAR(right->x - left->x, 2 * std::hypot(120 * std::cos(0.6), 50 * std::sin(0.6)), 20);
}

// A head at the end of a short shaft; in the middle it needs a bold shaft.
TEST(Recognizer, ArrowsCrossesAndTheAttachedDrawing) {
    CShapeRecognizer recognizer;
    auto atTheEnd = drawingOf({{{0, 100, 0}, {100, 100, 0.1}},
                               {{100, 40, 1}, {200, 40, 1.1}, {150, 160, 1.2}, {100, 40, 1.3}}});
    const auto* arrow = find<CShapeArrow>(recognizer.recognize(*atTheEnd), "Arrow");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(std::tuple(arrow->tail(), arrow->tip(), arrow->head(),
                         arrow->attachedDrawing()->strokeCount(), arrow->isBold()),
              std::tuple(CInkPoint(0, 100), CInkPoint(150, 80),
                         std::array{CInkPoint(100, 40), CInkPoint(200, 40), CInkPoint(150, 160)}, 1,
                         false));
    {
        auto boldShaft = drawingOf(
            {{{0, 100, 0}, {100, 100, 0.1}, {0, 100, 0.2}, {100, 100, 0.3}, {0, 100, 0.4}},
             {{0, 40, 1}, {100, 40, 1.1}, {50, 160, 1.2}, {0, 40, 1.3}}});
        const auto* bold = find<CShapeArrow>(recognizer.recognize(*boldShaft), "Arrow");
        EXPECT_TRUE(bold && bold->isBold());
    }

    // A cross is as sure as its second stroke is a line.
    const double secondLine =
        recognizer.recognize(*drawingOf({{{100, 0, 1}, {0, 100, 1.2}}})).at(0)->degree();
    auto cross = drawingOf({{{0, 0, 0}, {100, 100, 0.2}}, {{100, 0, 1}, {0, 100, 1.2}}});
    const auto results = recognizer.recognize(*cross);
    ASSERT_EQ(results.at(0)->name(), "Cross");
    EXPECT_DOUBLE_EQ(results.keyAt(0), 1.0 - std::min(results.at(0)->degree(), secondLine));
    // Members stay attached to the latest drawing only, and drawings already
    // gone are never touched: one that no longer accepts lets go, a tap, which
    // no member evaluates, leaves none attached, and an arrow's checks of its
    // head leave no member on it. The arrow holds its own shaft.
    DrawingGenerator g(3);
    const auto scribble = g.draw(familyGesture(FamilyKind::Delete, g, {200, 200}, 100, 0.0));
    const auto line = drawingOf({{{0, 0}, {200, 3}}});
    const auto tap = drawingOf({{{5, 5}, {6, 6}}});
    for (const CDessin* latest :
         {cross.get(), line.get(), scribble.get(), line.get(), tap.get(), atTheEnd.get()}) {
        recognizer.recognize(*latest);
        for (const auto& member : recognizer.prototypes())
            EXPECT_TRUE(member->name() == std::string_view("Arrow") || !member->attachedDrawing() ||
                        member->attachedDrawing() == latest)
                << member->name();
    }
}

// A clone is never open; restoring without a backup changes nothing; a member
// that no longer accepts lets its drawing go.
TEST(ShapeGesture, ClonesAndRestoresKeepTheState) {
    auto half = drawingOf({{{0, 0}, {100, 0}, {100, 40}}});
    CShapeUnknown unknown;
    unknown.attach(*half);
    EXPECT_TRUE(unknown.isOpen() && !static_cast<CShapeFigure&>(*unknown.clone()).isOpen());

    auto line = drawingOf({{{0, 0}, {200, 3}}});
    auto square = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}});
    CShapeLine member;
    const double onLine = member.evaluate(*line);
    member.restore();
    EXPECT_EQ(member.degree(), onLine);
    member.backup();
    EXPECT_EQ(member.evaluate(*square), 0.0);
    EXPECT_EQ(member.attachedDrawing(), nullptr);
    member.restore();
    EXPECT_EQ(std::tuple(member.degree(), member.attachedDrawing(), member.ends()[0]),
              std::tuple(onLine, line.get(), CInkPoint(200, 3)));
    CCommandDelete scratch;
    DrawingGenerator g(3);
    const auto scribble = g.draw(familyGesture(FamilyKind::Delete, g, {200, 200}, 100, 0.0));
    EXPECT_GT(scratch.evaluate(*scribble), 0.0);
    EXPECT_EQ(scratch.evaluate(*line), 0.0);
    EXPECT_EQ(scratch.attachedDrawing(), nullptr);
}
