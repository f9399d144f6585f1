#include "recognizer/Dessin.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

std::vector<std::pair<int, int>> verticesOf(const CPolygon& polygon) {
    std::vector<std::pair<int, int>> v;
    for (const CInkPoint& p : polygon.vertices())
        v.emplace_back(p.x, p.y);
    return v;
}

using Vertices = std::vector<std::pair<int, int>>;

} // namespace

TEST(Stroke, LengthAndSpeedFollowThePoints) {
    auto single = strokeOf({{5, 5, 1.0}});
    EXPECT_EQ(single->length(), 0.0);
    EXPECT_EQ(single->speed(), 0.0);

    auto instant = strokeOf({{0, 0, 2.0}, {3, 4, 2.0}});
    EXPECT_EQ(instant->length(), 5.0);
    EXPECT_EQ(instant->speed(), 1e30);

    auto timed = strokeOf({{0, 0, 1.0}, {3, 4, 1.5}, {3, 4, 1.6}, {3, 10, 2.0}});
    EXPECT_DOUBLE_EQ(timed->length(), 11.0);
    EXPECT_DOUBLE_EQ(timed->speed(), 11.0);
}

TEST(Dessin, RecognitionDelayFollowsTheWritersSpeed) {
    EXPECT_EQ(drawingOf({{{0, 0, 0}, {900, 0, 1}}})->recognitionDelay(), 300);
    EXPECT_EQ(drawingOf({{{0, 0, 0}, {100, 0, 1}}})->recognitionDelay(), 700);
    EXPECT_EQ(drawingOf({{{0, 0, 0}, {500, 0, 1}}})->recognitionDelay(), 500);
    // Average of the stroke speeds 200 and 800.
    EXPECT_EQ(drawingOf({{{0, 0, 0}, {200, 0, 1}}, {{0, 0, 2}, {800, 0, 3}}})->recognitionDelay(),
              500);
    EXPECT_EQ(drawingOf({{{0, 0, 0}, {333, 0, 1}}})->recognitionDelay(), 583);
    EXPECT_EQ(CDessin().recognitionDelay(), 700);
}

TEST(Polygon, DegenerateAreasAndPerimetersAreNeverZero) {
    CPolygon segment;
    segment.addVertex({0, 0});
    segment.addVertex({3, 4});
    EXPECT_EQ(segment.area(), 1e-30);
    EXPECT_EQ(segment.perimeter(), 10.0);

    CPolygon point;
    point.addVertex({7, 7});
    EXPECT_EQ(point.perimeter(), 2e-30);

    CPolygon flat;
    for (const CInkPoint& p :
         {CInkPoint(0, 0), CInkPoint(10, 0), CInkPoint(20, 0), CInkPoint(0, 0)})
        flat.addVertex(p);
    EXPECT_EQ(flat.area(), 1e-30);
    EXPECT_EQ(flat.perimeter(), 40.0);
}

TEST(Polygon, AreaIsPositiveWhicheverWayTheVerticesTurn) {
    CPolygon clockwise, counter;
    for (const CInkPoint& p :
         {CInkPoint(0, 0), CInkPoint(10, 0), CInkPoint(10, 10), CInkPoint(0, 10), CInkPoint(0, 0)})
        clockwise.addVertex(p);
    for (const CInkPoint& p :
         {CInkPoint(0, 0), CInkPoint(0, 10), CInkPoint(10, 10), CInkPoint(10, 0), CInkPoint(0, 0)})
        counter.addVertex(p);
    EXPECT_EQ(clockwise.area(), 100.0);
    EXPECT_EQ(counter.area(), 100.0);
    EXPECT_EQ(counter.perimeter(), 40.0);
}

TEST(PointOperations, WorkedCases) {
    EXPECT_EQ(pseudoAngle({0, 0}, {5, 0}), 0.0);
    EXPECT_EQ(pseudoAngle({0, 0}, {0, 5}), 90.0);
    EXPECT_EQ(pseudoAngle({0, 0}, {-5, 0}), 180.0);
    EXPECT_EQ(pseudoAngle({0, 0}, {0, -5}), 270.0);
    EXPECT_EQ(pseudoAngle({0, 0}, {5, -5}), 315.0);
    EXPECT_EQ(pseudoAngle({3, 3}, {3, 3}), 0.0);
    EXPECT_LT(pseudoAngle({0, 0}, {10, 1}), pseudoAngle({0, 0}, {10, 2}));

    EXPECT_TRUE(turnsPositive({0, 0}, {10, 0}, {10, 10}));
    EXPECT_FALSE(turnsPositive({0, 0}, {10, 0}, {20, 0}));
    EXPECT_FALSE(turnsPositive({0, 0}, {10, 0}, {10, -10}));

    EXPECT_EQ(triangleArea({0, 0}, {10, 0}, {0, 10}), 50.0);
    EXPECT_EQ(quadrilateralArea({0, 0}, {10, 0}, {10, 10}, {0, 10}), 100.0);

    const auto same = [](const CInkPoint& p, int x, int y) { return p.x == x && p.y == y; };
    EXPECT_TRUE(same(foot({4, 0}, {4, 9}, {1, 7}), 4, 7));       // vertical line
    EXPECT_TRUE(same(foot({0, 0}, {10, 10}, {10, 10}), 10, 10)); // q on the line's end
    EXPECT_TRUE(same(foot({0, 3}, {10, 3}, {6, -8}), 6, 3));     // horizontal line
    EXPECT_TRUE(same(foot({0, 0}, {10, 10}, {10, 0}), 5, 5));
    EXPECT_TRUE(same(foot({0, 0}, {10, 5}, {0, 10}), 4, 2)); // (4, 2) truncated from (4, 2)
}

TEST(Dessin, FiguresOfASquare) {
    auto square = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}});
    const Vertices closed{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
    EXPECT_EQ(verticesOf(square->convexHull()), closed);
    EXPECT_EQ(square->convexHull().area(), 10000.0);
    EXPECT_EQ(square->convexHull().perimeter(), 400.0);
    EXPECT_EQ(verticesOf(square->boundingRectangle()), closed);
    // The offset along the third edge's normal is 100 * cos(3 pi / 2), a hair
    // below zero: truncated, it tilts that rectangle's far side by a pixel, and
    // its area (9,900) beats the square's.
    EXPECT_EQ(verticesOf(square->enclosingRectangle()),
              (Vertices{{100, 100}, {0, 100}, {0, 0}, {98, 0}, {100, 100}}));
    EXPECT_EQ(verticesOf(square->largestTriangle()),
              (Vertices{{0, 0}, {100, 0}, {100, 100}, {0, 0}}));
    EXPECT_EQ(verticesOf(square->largestQuadrilateral()), closed);
    EXPECT_EQ(verticesOf(*square->coreTriangle()),
              (Vertices{{80, 20}, {80, 60}, {40, 20}, {80, 20}}));
    EXPECT_EQ(square->pointsInsideCoreTriangle(), 0);
}

TEST(Dessin, CountsOnlyPointsInsideTheContractedTriangle) {
    // Core triangle of this square: (80, 20), (80, 60), (40, 20).
    auto marked = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}},
                             {{70, 30}, {75, 25}, {45, 50}, {60, 20}, {79, 59}}});
    // (70, 30) and (75, 25) are inside; (45, 50) is beyond the hypotenuse; (60, 20)
    // is on the edge's row, not strictly inside; (79, 59) is inside the ranges
    // but past the hypotenuse.
    EXPECT_EQ(marked->pointsInsideCoreTriangle(), 2);
}

TEST(Dessin, ARightTriangleIsItsOwnLargestTriangle) {
    auto triangle = drawingOf({{{0, 0}, {120, 0}, {0, 90}, {0, 0}}});
    EXPECT_EQ(triangle->convexHull().vertexCount(), 4);
    EXPECT_EQ(triangle->largestTriangle().area(), 5400.0);
    EXPECT_EQ(triangle->largestTriangle().perimeter(), triangle->convexHull().perimeter());
    // Fewer than five hull vertices: the quadrilateral is padded with the first one.
    EXPECT_EQ(triangle->largestQuadrilateral().vertexCount(), 5);
    EXPECT_EQ(triangle->largestQuadrilateral().area(), 5400.0);
    const CPolygon& box = triangle->boundingRectangle();
    EXPECT_EQ(box.area(), 120.0 * 90.0);
    EXPECT_EQ(distance(box.vertex(0), box.vertex(1)), 120.0);
    EXPECT_EQ(distance(box.vertex(1), box.vertex(2)), 90.0);
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

TEST(Dessin, HullThinningDropsVerticesWithinFivePixels) {
    // (0, 97) lies 4.24 px from the kept (3, 100).
    auto cut = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {3, 100}, {0, 97}, {0, 0}}});
    EXPECT_EQ(verticesOf(cut->convexHull()),
              (Vertices{{0, 0}, {100, 0}, {100, 100}, {3, 100}, {0, 0}}));
    auto kept = drawingOf({{{0, 0}, {100, 0}, {100, 100}, {4, 100}, {0, 96}, {0, 0}}});
    EXPECT_EQ(kept->convexHull().vertexCount(), 6);
}

TEST(Dessin, HullOfInteriorAndCollinearPointsKeepsTheFarthest) {
    auto drawing = drawingOf(
        {{{50, 50}, {0, 0}, {25, 25}, {100, 0}, {50, 0}, {100, 100}, {0, 100}, {30, 60}}});
    EXPECT_EQ(verticesOf(drawing->convexHull()),
              (Vertices{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}));
}

TEST(Dessin, DegenerateDrawingsStillHaveFigures) {
    auto dot = drawingOf({{{5, 5}}});
    EXPECT_EQ(dot->convexHull().vertexCount(), 2);
    EXPECT_EQ(dot->enclosingRectangle().vertexCount(), 5);
    EXPECT_EQ(dot->largestTriangle().vertexCount(), 4);
    EXPECT_EQ(dot->largestQuadrilateral().vertexCount(), 5);
    EXPECT_EQ(dot->convexHull().area(), 1e-30);

    auto segment = drawingOf({{{0, 0}, {60, 0}}});
    EXPECT_EQ(verticesOf(segment->convexHull()), (Vertices{{0, 0}, {60, 0}}));
    EXPECT_EQ(verticesOf(segment->enclosingRectangle()),
              (Vertices{{0, 0}, {60, 0}, {60, 0}, {0, 0}, {0, 0}}));
    EXPECT_EQ(segment->convexHull().perimeter(), 120.0);

    CDessin empty;
    EXPECT_EQ(empty.convexHull().vertexCount(), 0);
    EXPECT_EQ(empty.boundingRectangle().vertexCount(), 5);
    EXPECT_EQ(empty.pointsInsideCoreTriangle(), 0);
    EXPECT_EQ(empty.firstPoint().x, 0);
}

TEST(Dessin, RemovingTheLastStrokeForgetsEveryFigure) {
    auto drawing = drawingOf({{{0, 0}, {100, 0}, {100, 100}}, {{0, 0, 1}, {0, 300, 2}}});
    const double before = drawing->totalLength();
    EXPECT_EQ(drawing->boundingRectangle().area(), 100.0 * 300.0);
    auto removed = drawing->removeLastStroke();
    EXPECT_EQ(drawing->strokeCount(), 1);
    EXPECT_EQ(removed->length(), 300.0);
    EXPECT_EQ(drawing->totalLength(), before - 300.0);
    EXPECT_EQ(drawing->boundingRectangle().area(), 100.0 * 100.0);
    EXPECT_EQ(drawing->convexHull().vertexCount(), 4);
}

TEST(Dessin, CloneRebuildsEveryStrokeAndFirstAndLastPoints) {
    auto drawing =
        drawingOf({{{1, 2, 0.0}, {4, 6, 0.5}}, {{10, 10, 1.0}, {10, 20, 1.25}, {7, 8, 1.5}}});
    auto copy = drawing->clone();
    ASSERT_EQ(copy->strokeCount(), 2);
    EXPECT_EQ(copy->stroke(1).pointCount(), 3);
    EXPECT_EQ(copy->totalLength(), drawing->totalLength());
    EXPECT_EQ(copy->stroke(1).speed(), drawing->stroke(1).speed());
    EXPECT_EQ(copy->stroke(1).point(2).t, 1.5);
    EXPECT_EQ(copy->firstPoint(), CInkPoint(1, 2));
    EXPECT_EQ(copy->lastPoint(), CInkPoint(7, 8));
    EXPECT_EQ(copy->lastPoint().t, 1.5);
    copy->removeLastStroke();
    EXPECT_EQ(drawing->strokeCount(), 2);
}
