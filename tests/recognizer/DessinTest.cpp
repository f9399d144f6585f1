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

} // namespace

// 750 - speed / 2 between 300 and 700, for the mean speed of the strokes.
TEST(Dessin, RecognitionDelayFollowsTheMeanSpeed) {
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

    EXPECT_EQ(std::tuple(
                  turnsPositive({0, 0}, {10, 0}, {10, 10}), turnsPositive({0, 0}, {10, 0}, {20, 0}),
                  turnsPositive({0, 0}, {10, 0}, {10, -10}), triangleArea({0, 0}, {10, 0}, {0, 10}),
                  quadrilateralArea({0, 0}, {10, 0}, {10, 10}, {0, 10})),
              std::tuple(true, false, false, 50.0, 100.0));

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
    const auto dot = drawingOf({{{5, 5}}});
    const auto segment = drawingOf({{{0, 0}, {60, 0}}});
    const CDessin empty;
    const std::string closed = "(0,0)(100,0)(100,100)(0,100)(0,0)";
    const struct {
        const CDessin& drawing;
        const CPolygon& (CDessin::*figure)() const;
        std::string vertices;
    } cases[] = {
        {*square, &CDessin::convexHull, closed},
        {*square, &CDessin::boundingRectangle, closed},
        // The offset along the third edge's normal is 100 * cos(3 pi / 2), a hair
        // below zero: truncated, it tilts that rectangle's far side by a pixel,
        // and its area (9,900) beats the square's.
        {*square, &CDessin::enclosingRectangle, "(100,100)(0,100)(0,0)(98,0)(100,100)"},
        {*square, &CDessin::largestTriangle, "(0,0)(100,0)(100,100)(0,0)"},
        {*square, &CDessin::largestQuadrilateral, closed},
        {*triangle, &CDessin::largestTriangle, "(0,0)(120,0)(0,90)(0,0)"},
        // Fewer than five hull vertices: padded with the first one.
        {*triangle, &CDessin::largestQuadrilateral, "(0,0)(120,0)(0,90)(0,0)(0,0)"},
        {*triangle, &CDessin::boundingRectangle, "(0,0)(120,0)(120,90)(0,90)(0,0)"},
        {*dot, &CDessin::enclosingRectangle, "(5,5)(5,5)(5,5)(5,5)(5,5)"},
        {*dot, &CDessin::largestTriangle, "(5,5)(5,5)(5,5)(5,5)"},
        {*dot, &CDessin::largestQuadrilateral, "(5,5)(5,5)(5,5)(5,5)(5,5)"},
        {*segment, &CDessin::convexHull, "(0,0)(60,0)"},
        {*segment, &CDessin::enclosingRectangle, "(0,0)(60,0)(60,0)(0,0)(0,0)"},
        {empty, &CDessin::convexHull, ""},
        {empty, &CDessin::boundingRectangle, "(0,0)(0,0)(0,0)(0,0)(0,0)"},
        {empty, &CDessin::enclosingRectangle, "(0,0)(0,0)(0,0)(0,0)(0,0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(verticesOf((c.drawing.*c.figure)()), c.vertices) << &c - cases;
    EXPECT_EQ(verticesOf(*square->coreTriangle()), "(80,20)(80,60)(40,20)(80,20)");
    // Inside that core triangle: (70, 30) and (75, 25); not (45, 50), beyond the
    // hypotenuse, (60, 20), on the edge's row, nor (79, 59), inside the ranges
    // but past the hypotenuse.
    auto marked = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}},
                             {{70, 30}, {75, 25}, {45, 50}, {60, 20}, {79, 59}}});
    EXPECT_EQ(std::vector({marked->pointsInsideCoreTriangle(), square->pointsInsideCoreTriangle(),
                           empty.pointsInsideCoreTriangle()}),
              std::vector({2, 0, 0}));
}

// Removing a stroke forgets every figure worked out before.
TEST(Dessin, RemovingTheLastStrokeForgetsTheFigures) {
    auto drawing = drawingOf({{{0, 0}, {100, 0}, {100, 100}}, {{10, 10}, {10, 300}, {10, 8}}});
    EXPECT_EQ(drawing->boundingRectangle().area(), 100.0 * 300.0);
    const auto removed = drawing->removeLastStroke();
    EXPECT_EQ(std::pair(drawing->strokeCount(), removed->length()), std::pair(1, 290.0 + 292.0));
    EXPECT_EQ(drawing->boundingRectangle().area(), 100.0 * 100.0);
}
