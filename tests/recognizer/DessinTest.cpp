#include "recognizer/Dessin.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string verticesOf(const CPolygon& polygon) {
    std::ostringstream s;
    for (const CInkPoint& p : polygon.vertices())
        s << "(" << p.x << "," << p.y << ")";
    return s.str();
}

CPolygon polygonOf(std::initializer_list<CInkPoint> vertices) {
    CPolygon polygon;
    for (const CInkPoint& p : vertices)
        polygon.addVertex(p);
    return polygon;
}

using Figure = const CPolygon& (CDessin::*)() const;
constexpr Figure kHull = &CDessin::convexHull, kBox = &CDessin::boundingRectangle,
                 kEnclosing = &CDessin::enclosingRectangle, kTriangle = &CDessin::largestTriangle,
                 kQuadrilateral = &CDessin::largestQuadrilateral;

} // namespace

TEST(Stroke, LengthSpeedAndRecognitionDelay) {
    const struct {
        std::unique_ptr<CStroke> stroke;
        double length, speed;
    } strokes[] = {{strokeOf({{5, 5, 1.0}}), 0, 0},
                   {strokeOf({{0, 0, 2.0}, {3, 4, 2.0}}), 5, 1e30},
                   {strokeOf({{0, 0, 1.0}, {3, 4, 1.5}, {3, 4, 1.6}, {3, 10, 2.0}}), 11, 11}};
    for (const auto& s : strokes)
        EXPECT_EQ(std::pair(s.stroke->length(), s.stroke->speed()), std::pair(s.length, s.speed));

    // 750 - speed / 2 between 300 and 700, for the mean speed of the strokes.
    const std::pair<std::unique_ptr<CDessin>, int> delays[] = {
        {drawingOf({{{0, 0, 0}, {900, 0, 1}}}), 300},
        {drawingOf({{{0, 0, 0}, {100, 0, 1}}}), 700},
        {drawingOf({{{0, 0, 0}, {500, 0, 1}}}), 500},
        {drawingOf({{{0, 0, 0}, {200, 0, 1}}, {{0, 0, 2}, {800, 0, 3}}}), 500},
        {drawingOf({{{0, 0, 0}, {333, 0, 1}}}), 583},
        {std::make_unique<CDessin>(), 700}};
    for (const auto& [drawing, delay] : delays)
        EXPECT_EQ(drawing->recognitionDelay(), delay);
}

// Degenerate areas and perimeters are never zero, and areas are positive
// whichever way the vertices turn.
TEST(Polygon, AreaAndPerimeter) {
    const struct {
        CPolygon polygon;
        double area, perimeter;
    } cases[] = {
        {polygonOf({{0, 0}, {3, 4}}), 1e-30, 10},
        {polygonOf({{7, 7}}), 1e-30, 2e-30},
        {polygonOf({{0, 0}, {10, 0}, {20, 0}, {0, 0}}), 1e-30, 40},
        {polygonOf({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}), 100, 40},
        {polygonOf({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}), 100, 40},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(c.polygon.area(), c.polygon.perimeter()),
                  std::pair(c.area, c.perimeter))
            << verticesOf(c.polygon);
}

TEST(PointOperations, WorkedCases) {
    const std::pair<CInkPoint, double> angles[] = {{{5, 0}, 0},    {{0, 5}, 90},   {{-5, 0}, 180},
                                                   {{0, -5}, 270}, {{5, -5}, 315}, {{0, 0}, 0}};
    for (const auto& [to, angle] : angles)
        EXPECT_EQ(pseudoAngle({0, 0}, to), angle) << to.x << "," << to.y;
    EXPECT_LT(pseudoAngle({0, 0}, {10, 1}), pseudoAngle({0, 0}, {10, 2}));

    EXPECT_TRUE(turnsPositive({0, 0}, {10, 0}, {10, 10}));
    EXPECT_FALSE(turnsPositive({0, 0}, {10, 0}, {20, 0}));
    EXPECT_FALSE(turnsPositive({0, 0}, {10, 0}, {10, -10}));
    EXPECT_EQ(triangleArea({0, 0}, {10, 0}, {0, 10}), 50.0);
    EXPECT_EQ(quadrilateralArea({0, 0}, {10, 0}, {10, 10}, {0, 10}), 100.0);

    // Vertical and horizontal lines, q on the line's end, (4, 2) truncated from (4, 2).
    const CInkPoint feet[][4] = {{{4, 0}, {4, 9}, {1, 7}, {4, 7}},
                                 {{0, 0}, {10, 10}, {10, 10}, {10, 10}},
                                 {{0, 3}, {10, 3}, {6, -8}, {6, 3}},
                                 {{0, 0}, {10, 10}, {10, 0}, {5, 5}},
                                 {{0, 0}, {10, 5}, {0, 10}, {4, 2}}};
    for (const auto& f : feet)
        EXPECT_EQ(foot(f[0], f[1], f[2]), f[3]) << f[2].x << "," << f[2].y;
}

// Each figure of drawings whose figures are worked out by hand.
TEST(Dessin, FiguresWorkedByHand) {
    const auto square = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}});
    const auto triangle = drawingOf({{{0, 0}, {120, 0}, {0, 90}, {0, 0}}});
    // (0, 96) lies 5 px from the kept (3, 100): thinned out; 5.66 px from (4, 100), kept.
    const auto cut = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {3, 100}, {0, 96}, {0, 0}}});
    const auto kept = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {4, 100}, {0, 96}, {0, 0}}});
    const auto inner = drawingOf(
        {{{50, 50}, {0, 0}, {25, 25}, {100, 0}, {50, 0}, {100, 100}, {0, 100}, {30, 60}}});
    const auto dot = drawingOf({{{5, 5}}});
    const auto segment = drawingOf({{{0, 0}, {60, 0}}});
    const CDessin empty;
    const std::string closed = "(0,0)(100,0)(100,100)(0,100)(0,0)";
    const struct {
        const CDessin& drawing;
        Figure figure;
        std::string vertices;
    } cases[] = {
        {*square, kHull, closed},
        {*square, kBox, closed},
        // The offset along the third edge's normal is 100 * cos(3 pi / 2), a hair
        // below zero: truncated, it tilts that rectangle's far side by a pixel,
        // and its area (9,900) beats the square's.
        {*square, kEnclosing, "(100,100)(0,100)(0,0)(98,0)(100,100)"},
        {*square, kTriangle, "(0,0)(100,0)(100,100)(0,0)"},
        {*square, kQuadrilateral, closed},
        {*triangle, kHull, "(0,0)(120,0)(0,90)(0,0)"},
        {*triangle, kTriangle, "(0,0)(120,0)(0,90)(0,0)"},
        // Fewer than five hull vertices: padded with the first one.
        {*triangle, kQuadrilateral, "(0,0)(120,0)(0,90)(0,0)(0,0)"},
        {*triangle, kBox, "(0,0)(120,0)(120,90)(0,90)(0,0)"},
        {*cut, kHull, "(0,0)(100,0)(100,100)(3,100)(0,0)"},
        {*kept, kHull, "(0,0)(100,0)(100,100)(4,100)(0,96)(0,0)"},
        {*inner, kHull, closed},
        {*dot, kHull, "(5,5)(5,5)"},
        {*dot, kEnclosing, "(5,5)(5,5)(5,5)(5,5)(5,5)"},
        {*dot, kTriangle, "(5,5)(5,5)(5,5)(5,5)"},
        {*dot, kQuadrilateral, "(5,5)(5,5)(5,5)(5,5)(5,5)"},
        {*segment, kHull, "(0,0)(60,0)"},
        {*segment, kEnclosing, "(0,0)(60,0)(60,0)(0,0)(0,0)"},
        {empty, kHull, ""},
        {empty, kBox, "(0,0)(0,0)(0,0)(0,0)(0,0)"},
        {empty, kEnclosing, "(0,0)(0,0)(0,0)(0,0)(0,0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(verticesOf((c.drawing.*c.figure)()), c.vertices) << &c - cases;
    EXPECT_EQ(square->convexHull().area(), 10000.0);
    EXPECT_EQ(square->convexHull().perimeter(), 400.0);
    EXPECT_EQ(triangle->largestTriangle().perimeter(), triangle->convexHull().perimeter());
    EXPECT_EQ(segment->convexHull().perimeter(), 120.0);
    EXPECT_EQ(verticesOf(*square->coreTriangle()), "(80,20)(80,60)(40,20)(80,20)");
    EXPECT_EQ(square->pointsInsideCoreTriangle(), 0);
    EXPECT_EQ(empty.pointsInsideCoreTriangle(), 0);
}

TEST(Dessin, CountsOnlyPointsInsideTheContractedTriangle) {
    // Core triangle of this square: (80, 20), (80, 60), (40, 20). (70, 30) and
    // (75, 25) are inside; (45, 50) is beyond the hypotenuse; (60, 20) is on the
    // edge's row, not strictly inside; (79, 59) is inside the ranges but past
    // the hypotenuse.
    auto marked = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}},
                             {{70, 30}, {75, 25}, {45, 50}, {60, 20}, {79, 59}}});
    EXPECT_EQ(marked->pointsInsideCoreTriangle(), 2);
}

TEST(Dessin, TheEnclosingRectangleOfATurnedRectangleFitsItsSides) {
    // A 100 x 50 rectangle turned so that its long side runs along (60, 80).
    auto turned = drawingOf({{{100, 0}, {160, 80}, {120, 110}, {60, 30}, {100, 0}}});
    const CPolygon& r = turned->enclosingRectangle();
    ASSERT_EQ(r.vertexCount(), 5);
    EXPECT_NEAR(r.area(), 5000.0, 100.0);
    const double side1 = distance(r.vertex(0), r.vertex(1));
    const double side2 = distance(r.vertex(1), r.vertex(2));
    EXPECT_NEAR(std::min(side1, side2), 50.0, 1.5);
    EXPECT_NEAR(std::max(side1, side2), 100.0, 1.5);
    EXPECT_EQ(turned->boundingRectangle().area(), 100.0 * 110.0);
}

// A copy is rebuilt point by point; removing a stroke forgets every figure.
TEST(Dessin, CloneAndRemoveLastStroke) {
    auto drawing = drawingOf({{{0, 0, 0.0}, {100, 0, 0.5}, {100, 100, 0.5}},
                              {{10, 10, 1.0}, {10, 300, 1.25}, {10, 8, 1.5}}});
    EXPECT_EQ(drawing->boundingRectangle().area(), 100.0 * 300.0);
    auto copy = drawing->clone();
    ASSERT_EQ(copy->strokeCount(), 2);
    EXPECT_EQ(copy->stroke(1).pointCount(), 3);
    EXPECT_EQ(copy->totalLength(), 200.0 + 290.0 + 292.0);
    EXPECT_EQ(copy->stroke(1).speed(), 582.0 / 0.5);
    EXPECT_EQ(copy->stroke(1).point(2).t, 1.5);
    EXPECT_EQ(copy->firstPoint(), CInkPoint(0, 0));
    EXPECT_EQ(copy->lastPoint(), CInkPoint(10, 8));
    EXPECT_EQ(copy->lastPoint().t, 1.5);

    const auto removed = copy->removeLastStroke();
    EXPECT_EQ(drawing->strokeCount(), 2);
    EXPECT_EQ(copy->strokeCount(), 1);
    EXPECT_EQ(removed->length(), 582.0);
    EXPECT_EQ(copy->totalLength(), 200.0);
    EXPECT_EQ(drawing->boundingRectangle().area(), 100.0 * 300.0);
    drawing->removeLastStroke();
    EXPECT_EQ(drawing->boundingRectangle().area(), 100.0 * 100.0);
    EXPECT_EQ(drawing->convexHull().vertexCount(), 4);
    EXPECT_EQ(CDessin().firstPoint(), CInkPoint(0, 0));
}
