#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"
#include "recognizer/Features.h"
#include "recognizer/ShapeRecognizer.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> namesOf(const CSortedList<CShapeGesture*>& results) {
    std::vector<std::string> names;
    for (int i = 0; i < results.count(); ++i)
        names.emplace_back(results.at(i)->name());
    return names;
}

const CShapeGesture* find(const CSortedList<CShapeGesture*>& results, std::string_view name) {
    for (int i = 0; i < results.count(); ++i)
        if (results.at(i)->name() == name)
            return results.at(i);
    return nullptr;
}

int calls = 0;
double countedFeature(const CDessin&) {
    ++calls;
    return 0.5;
}
double zeroFeature(const CDessin&) {
    return 0.0;
}

} // namespace

TEST(FuzzySet, TrapezoidMembership) {
    const CFuzzySet set(1, 2, 3, 5);
    EXPECT_EQ(set.membership(0.5), 0.0);
    EXPECT_EQ(set.membership(1.0), 0.0);
    EXPECT_EQ(set.membership(1.5), 0.5);
    EXPECT_EQ(set.membership(2.0), 1.0);
    EXPECT_EQ(set.membership(3.0), 1.0);
    EXPECT_EQ(set.membership(4.0), 0.5);
    EXPECT_EQ(set.membership(5.0), 0.0);
    EXPECT_EQ(set.membership(6.0), 0.0);
    EXPECT_EQ(set.leftWidth(), 1.0);
    EXPECT_EQ(set.rightWidth(), 2.0);

    const CFuzzySet atLeast3(1.5, 3.0, kInfinity, kInfinity);
    EXPECT_EQ(atLeast3.membership(1e6), 1.0);
    EXPECT_EQ(atLeast3.membership(2.25), 0.5);
    EXPECT_EQ(atLeast3.membership(std::nan("")), 0.0);

    const CFuzzySet exactlyOne(1, 1, 1, 1);
    EXPECT_EQ(exactlyOne.membership(1.0), 1.0);
    EXPECT_EQ(exactlyOne.membership(2.0), 0.0);
}

TEST(FuzzySetDeathTest, AnInvalidTrapezoidStopsTheProgram) {
    EXPECT_DEATH(CFuzzySet(0, 3, 2, 4), "invalid trapezoid");
}

TEST(FuzzyRule, IsTheSmallestMembershipAndStopsAtTheFirstZero) {
    CDessin drawing;
    calls = 0;
    const CFuzzyRule both{{countedFeature, {0, 1, 1, 1}}, {countedFeature, {0, 0, 0.25, 0.75}}};
    EXPECT_EQ(both.degree(drawing), 0.5);
    EXPECT_EQ(calls, 2);

    calls = 0;
    const CFuzzyRule zeroFirst{{zeroFeature, {1, 2, 3, 4}}, {countedFeature, {0, 0, 1, 1}}};
    EXPECT_EQ(zeroFirst.degree(drawing), 0.0);
    EXPECT_EQ(calls, 0);

    CFuzzyRule missingFeature;
    missingFeature.add({nullptr, {0, 0, 1, 1}});
    EXPECT_EQ(missingFeature.degree(drawing), 0.0);
}

TEST(Recognizer, DrawingsShorterThanTenPixelsAreTaps) {
    CShapeRecognizer recognizer;
    auto almost = drawingOf({{{40, 40}, {47, 47}}}); // 9.9 px
    auto results = recognizer.recognize(*almost);
    ASSERT_EQ(namesOf(results), std::vector<std::string>{"Tap"});
    EXPECT_EQ(results.at(0)->degree(), 1.0);
    EXPECT_EQ(results.keyAt(0), 1.0);
    EXPECT_EQ(static_cast<const CCommandTap*>(results.at(0))->point(), CInkPoint(40, 40));

    auto ten = drawingOf({{{40, 40}, {46, 48}}});
    EXPECT_EQ(namesOf(recognizer.recognize(*ten)).front(), "Line");
}

TEST(Recognizer, CircleGeometryComesFromTheBoundingRectangle) {
    auto oval = drawingOf({{{10, 50}, {60, 20}, {110, 50}, {60, 80}, {10, 50}}});
    CShapeCircle circle;
    circle.attach(*oval);
    EXPECT_EQ(circle.radius(), 40);
    EXPECT_EQ(circle.centre(), CInkPoint(60, 50));
    EXPECT_EQ(circle.corners()[0], CInkPoint(10, 20));
    EXPECT_EQ(circle.corners()[2], CInkPoint(110, 80));
    EXPECT_EQ(circle.attachedDrawing(), oval.get());
}

TEST(Recognizer, AClosedCircleIsACircleOfDegreeOne) {
    DrawingGenerator g(7);
    auto circle = g.draw({paths::ellipse({300, 300}, 100, 100, 0.0, 1.0)});
    EXPECT_NEAR(features::hullThinness(*circle), 12.57, 0.3);
    EXPECT_EQ(circle->pointsInsideCoreTriangle(), 0);
    CShapeRecognizer recognizer;
    auto results = recognizer.recognize(*circle);
    const auto& best = *static_cast<const CShapeCircle*>(results.at(0));
    ASSERT_EQ(best.name(), "Circle");
    EXPECT_EQ(best.category(), "Shape");
    EXPECT_EQ(best.degree(), 1.0);
    EXPECT_FALSE(best.isDashed());
    EXPECT_FALSE(best.isBold());
    EXPECT_NEAR(best.radius(), 100, 3);
    EXPECT_NEAR(best.centre().x, 300, 3);
}

TEST(Recognizer, InkThreeTimesTheHullPerimeterIsBold) {
    Path thrice;
    for (int turn = 0; turn < 3; ++turn)
        for (const Vec2& p : paths::ellipse({300, 300}, 100, 100, 0.0, 0.0))
            thrice.push_back(p);
    DrawingGenerator g(11);
    auto overtraced = g.draw({thrice});
    EXPECT_NEAR(features::inkOverHullPerimeter(*overtraced), 3.0, 0.15);
    CShapeRecognizer recognizer;
    auto results = recognizer.recognize(*overtraced);
    const auto* circle = dynamic_cast<const CShapeFigure*>(find(results, "Circle"));
    ASSERT_NE(circle, nullptr);
    EXPECT_TRUE(circle->isBold());
    EXPECT_FALSE(circle->isDashed());
}

TEST(Recognizer, AnArrowNeedsItsHeadAtAnEndOfTheShaftUnlessTheShaftIsBold) {
    CShapeRecognizer recognizer;
    const auto arrowOf = [&](const CDessin& d) {
        return static_cast<const CShapeArrow*>(find(recognizer.recognize(d), "Arrow"));
    };
    // A short shaft under a large triangular head: the ink follows the outline.
    auto atTheEnd = drawingOf({{{0, 100, 0}, {100, 100, 0.1}},
                               {{100, 40, 1}, {200, 40, 1.1}, {150, 160, 1.2}, {100, 40, 1.3}}});
    const CShapeArrow* arrow = arrowOf(*atTheEnd);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->tail(), CInkPoint(0, 100));
    EXPECT_EQ(arrow->tip(), CInkPoint(150, 80));
    EXPECT_EQ(arrow->attachedDrawing()->strokeCount(), 1);

    auto inTheMiddle = drawingOf({{{0, 100, 0}, {100, 100, 0.1}},
                                  {{0, 40, 1}, {100, 40, 1.1}, {50, 160, 1.2}, {0, 40, 1.3}}});
    EXPECT_EQ(arrowOf(*inTheMiddle), nullptr);

    auto boldShaft =
        drawingOf({{{0, 100, 0}, {100, 100, 0.1}, {0, 100, 0.2}, {100, 100, 0.3}, {0, 100, 0.4}},
                   {{0, 40, 1}, {100, 40, 1.1}, {50, 160, 1.2}, {0, 40, 1.3}}});
    const CShapeArrow* bold = arrowOf(*boldShaft);
    ASSERT_NE(bold, nullptr);
    EXPECT_TRUE(bold->isBold());
}

TEST(Recognizer, TwoCrossingStrokesAreACrossAndParallelOnesAreNot) {
    auto cross = drawingOf({{{0, 0, 0}, {100, 100, 0.2}}, {{100, 0, 1}, {0, 100, 1.2}}});
    CShapeRecognizer recognizer;
    const double secondLine =
        recognizer.recognize(*drawingOf({{{100, 0, 1}, {0, 100, 1.2}}})).at(0)->degree();
    auto results = recognizer.recognize(*cross);
    ASSERT_EQ(results.at(0)->name(), "Cross");
    const double crossRule = results.at(0)->degree();
    EXPECT_DOUBLE_EQ(results.keyAt(0), 1.0 - std::min(crossRule, secondLine));

    auto parallel = drawingOf({{{0, 0, 0}, {100, 100, 0.2}}, {{30, 0, 1}, {130, 100, 1.2}}});
    EXPECT_EQ(find(recognizer.recognize(*parallel), "Cross"), nullptr);
}

TEST(Recognizer, WhatNothingAcceptsIsUnknownAlone) {
    auto zed = drawingOf({{{0, 0, 0}, {100, 0, 0.1}, {0, 100, 0.2}, {100, 100, 0.3}}});
    CShapeRecognizer recognizer;
    auto results = recognizer.recognize(*zed);
    ASSERT_EQ(namesOf(results), std::vector<std::string>{"Unknown"});
    EXPECT_EQ(results.at(0)->degree(), 1.0);
    EXPECT_EQ(results.at(0)->attachedDrawing(), zed.get());
}

TEST(Recognizer, EqualDegreesPutTheLaterPrototypeFirst) {
    // A triangle gone over twice (a bold shaft), then a small triangle at its first corner.
    auto drawing = drawingOf({{{0, 0, 0},
                               {200, 0, .1},
                               {100, 170, .2},
                               {0, 0, .3},
                               {200, 0, .4},
                               {100, 170, .5},
                               {0, 0, .6}},
                              {{20, 5, 1}, {50, 5, 1.1}, {35, 30, 1.2}, {20, 5, 1.3}}});
    CShapeRecognizer recognizer;
    auto results = recognizer.recognize(*drawing);
    ASSERT_GE(results.count(), 2);
    EXPECT_EQ(namesOf(results)[0], "Arrow");
    EXPECT_EQ(namesOf(results)[1], "Triangle");
    EXPECT_EQ(results.keyAt(0), results.keyAt(1));
}

TEST(ShapeGesture, ACloneKeepsTheStateButNeitherOpenNorTheClassRule) {
    auto half = drawingOf({{{0, 0}, {100, 0}, {100, 40}}});
    CShapeUnknown unknown;
    unknown.attach(*half);
    ASSERT_TRUE(unknown.isOpen());
    auto unknownClone = unknown.clone();
    EXPECT_FALSE(static_cast<CShapeFigure&>(*unknownClone).isOpen());

    DrawingGenerator g(3);
    auto circleDrawing = g.draw({paths::ellipse({200, 200}, 60, 60, 0.0)});
    CShapeCircle circle;
    ASSERT_GT(circle.evaluate(*circleDrawing), 0.0);
    auto copy = circle.clone();
    const auto& c = static_cast<const CShapeCircle&>(*copy);
    EXPECT_EQ(c.name(), "Circle");
    EXPECT_EQ(c.category(), "Shape");
    EXPECT_EQ(c.degree(), circle.degree());
    EXPECT_EQ(c.isBold(), circle.isBold());
    EXPECT_EQ(c.isDashed(), circle.isDashed());
    EXPECT_EQ(c.radius(), circle.radius());
    EXPECT_EQ(c.centre(), circle.centre());
    EXPECT_EQ(c.attachedDrawing(), circleDrawing.get());
    EXPECT_TRUE(circle.hasClassRule());
    EXPECT_FALSE(c.hasClassRule());
}

TEST(ShapeGesture, RestoreBringsBackTheBackupAndNothingWithout) {
    auto line = drawingOf({{{0, 0}, {200, 3}}});
    auto square = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}});
    CShapeLine member;
    const double onLine = member.evaluate(*line);
    member.restore();
    EXPECT_EQ(member.degree(), onLine);

    member.backup();
    EXPECT_EQ(member.evaluate(*square), 0.0);
    member.restore();
    EXPECT_EQ(member.degree(), onLine);
    EXPECT_EQ(member.attachedDrawing(), line.get());
    EXPECT_EQ(member.ends()[0], CInkPoint(200, 3));

    CCommandTap tap;
    tap.attach(*line);
    EXPECT_EQ(tap.degree(), 1.0);
    EXPECT_EQ(tap.point(), CInkPoint(0, 0));
}

TEST(ShapeGesture, TheEllipseOutlineIsCentredOnItsCorners) {
    DrawingGenerator g(5);
    auto drawing = g.draw({paths::ellipse({250, 180}, 120, 50, 0.6)});
    CShapeEllipse ellipse;
    ellipse.attach(*drawing);
    ASSERT_NE(ellipse.outline(), nullptr);
    int minX = INT32_MAX, maxX = INT32_MIN, minY = INT32_MAX, maxY = INT32_MIN;
    for (const CInkPoint& p : ellipse.outline()->vertices()) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    double cx = 0, cy = 0;
    for (const CInkPoint& c : ellipse.corners())
        cx += c.x / 4.0, cy += c.y / 4.0;
    EXPECT_NEAR((minX + maxX) / 2.0, cx, 1.0);
    EXPECT_NEAR((minY + maxY) / 2.0, cy, 1.0);
    EXPECT_NEAR(maxX - minX, 2 * 120 * std::cos(0.6) + 0, 40);
}

TEST(ShapeGesture, AHugeEllipseOutlineStaysWithinAThousandPointsAQuadrant) {
    auto huge = drawingOf(
        {{{-50'000'000, 0}, {0, -20'000'000}, {50'000'000, 0}, {0, 20'000'000}, {-50'000'000, 0}}});
    CShapeEllipse ellipse(false);
    ellipse.attach(*huge);
    ASSERT_NE(ellipse.outline(), nullptr);
    EXPECT_LE(ellipse.outline()->vertexCount(), 4 * 1000);
    int maxX = INT32_MIN;
    for (const CInkPoint& p : ellipse.outline()->vertices())
        maxX = std::max(maxX, p.x);
    EXPECT_NEAR(maxX, 50'000'000, 100'000);
}

TEST(Recognizer, AnAxisAlignedRecognizerUsesTheBoundingRectangleRules) {
    DrawingGenerator g(9);
    auto box = g.draw(familyGesture(FamilyKind::Rectangle, g, {300, 300}, 200, 0.0));
    CShapeRecognizer aligned(false, 0.0);
    EXPECT_EQ(namesOf(aligned.recognize(*box)).front(), "Rectangle");
}

TEST(Recognizer, MembersNeverPointAtADrawingOfAnEarlierRecognition) {
    CShapeRecognizer recognizer;
    DrawingGenerator g(21);
    {
        auto arrow = g.draw(familyGesture(FamilyKind::Arrow, g, {300, 300}, 200, 0.3));
        ASSERT_EQ(namesOf(recognizer.recognize(*arrow)).front(), "Arrow");
    }
    auto cross = g.draw(familyGesture(FamilyKind::Cross, g, {300, 300}, 150, 0.2));
    auto results = recognizer.recognize(*cross);
    EXPECT_EQ(namesOf(results).front(), "Cross");
    for (const auto& member : recognizer.prototypes()) {
        if (member->attachedDrawing()) {
            EXPECT_EQ(member->attachedDrawing(), cross.get()) << member->name();
        }
    }
}
