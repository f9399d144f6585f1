#include "generator/FamilyGestures.h"
#include "recognizer/Dessin.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The smallest enclosing rectangle computed the slow way: every vertex measured
// against every hull edge. cos(theta)|v| and sin(theta)|v| are the dot and cross
// products over |e|, taken exactly here: through atan2, cos and sin, vertices
// with equal values would be told apart by rounding alone.
std::vector<CInkPoint> referenceEnclosingRectangle(const CPolygon& hull) {
    const int n = hull.vertexCount();
    std::vector<CInkPoint> best;
    double bestArea = 0.0;
    for (int i = 0; i + 1 < n; ++i) {
        const CInkPoint& p = hull.vertex(i);
        const CInkPoint& q = hull.vertex(i + 1);
        const double ex = q.x - p.x, ey = q.y - p.y;
        int minAlong = 0, maxAlong = 0, maxAcross = 0;
        double lo = 0, hi = 0, far = 0;
        for (int j = 0; j < n; ++j) {
            const CInkPoint& v = hull.vertex(j);
            const double vx = v.x - p.x, vy = v.y - p.y;
            const double length = std::hypot(ex, ey);
            const double along = (ex * vx + ey * vy) / length;
            const double across = (ex * vy - ey * vx) / length;
            if (j == 0 || along < lo)
                minAlong = j, lo = along;
            if (j == 0 || along > hi)
                maxAlong = j, hi = along;
            if (j == 0 || across > far)
                maxAcross = j, far = across;
        }
        const CInkPoint c0 = foot(p, q, hull.vertex(minAlong));
        const CInkPoint c1 = foot(p, q, hull.vertex(maxAlong));
        const double phi = std::atan2(ey, ex);
        const double ox = 100.0 * std::cos(phi + M_PI / 2), oy = 100.0 * std::sin(phi + M_PI / 2);
        const CInkPoint q0(static_cast<int>(c0.x + ox), static_cast<int>(c0.y + oy));
        const CInkPoint q1(static_cast<int>(c1.x + ox), static_cast<int>(c1.y + oy));
        const CInkPoint c2 = foot(c1, q1, hull.vertex(maxAcross));
        const CInkPoint c3 = foot(c0, q0, hull.vertex(maxAcross));
        const double area = quadrilateralArea(c0, c1, c2, c3);
        if (i == 0 || area < bestArea)
            best = {c0, c1, c2, c3, c0}, bestArea = area;
    }
    return best;
}

// The climbing searches for the largest triangle and quadrilateral, step by
// step from every start, without resuming from earlier peaks.
std::pair<double, int> climb(const CPolygon& h, int c,
                             double (*area)(const CPolygon&, int, int, int, int), int a, int b,
                             int third) {
    double best = 0.0;
    int bestIndex = c;
    const int n = h.vertexCount();
    while (c < n - 1) {
        const double value = area(h, a, b, third, c);
        if (value <= best)
            break;
        best = value, bestIndex = c, ++c;
    }
    return {best, bestIndex};
}

double triangleAt(const CPolygon& h, int a, int b, int, int c) {
    return triangleArea(h.vertex(a), h.vertex(b), h.vertex(c));
}
double quadrilateralAt(const CPolygon& h, int a, int b, int c, int d) {
    return quadrilateralArea(h.vertex(a), h.vertex(b), h.vertex(c), h.vertex(d));
}

struct Found {
    std::vector<int> indices;
    double area = 0.0;
};

Found firstPass(const CPolygon& h) {
    Found best{{0, 1, 2}, 0.0};
    for (int b = 1; b <= h.vertexCount() - 2; ++b) {
        const auto [area, c] = climb(h, b < 2 ? 2 : b + 1, triangleAt, 0, b, 0);
        if (area > best.area)
            best = {{0, b, c}, area};
    }
    return best;
}

std::vector<int> referenceTriangle(const CPolygon& h) {
    const Found first = firstPass(h);
    const int a0 = first.indices[0], b0 = first.indices[1], c0 = first.indices[2];
    Found best = first;
    for (int a = a0 + 1; a <= b0; ++a)
        for (int b = a == b0 ? b0 + 1 : b0; b <= c0; ++b) {
            const auto [area, c] = climb(h, b == c0 ? c0 + 1 : c0, triangleAt, a, b, 0);
            if (area > best.area)
                best = {{a, b, c}, area};
        }
    return best.indices;
}

std::vector<int> referenceQuadrilateral(const CPolygon& h) {
    const Found first = firstPass(h);
    const int a0 = first.indices[0], b0 = first.indices[1], c0 = first.indices[2];
    Found best{{a0, 1, 2, 3}, 0.0};
    for (int b = a0 + 1; b <= b0; ++b)
        for (int c = b == b0 ? b0 + 1 : b0; c <= c0; ++c) {
            const auto [area, d] = climb(h, c == c0 ? c0 + 1 : c0, quadrilateralAt, a0, b, c);
            if (area > best.area)
                best = {{a0, b, c, d}, area};
        }
    return best.indices;
}

std::vector<std::unique_ptr<CDessin>> manyDrawings() {
    std::vector<std::unique_ptr<CDessin>> drawings;
    for (FamilyKind kind : kFamilyKinds) {
        for (int seed = 0; seed < 60; ++seed) {
            DrawingGenerator g(static_cast<std::uint32_t>(seed * 131 + static_cast<int>(kind)));
            drawings.push_back(
                g.draw(familyGesture(kind, g, {400, 400}, g.uniform(20, 400), g.uniform(0, 6.3))));
        }
    }
    return drawings;
}

} // namespace

TEST(FigureSearch, LargestTriangleAndQuadrilateralMatchTheStepByStepClimb) {
    int compared = 0;
    for (const auto& drawing : manyDrawings()) {
        const CPolygon& hull = drawing->convexHull();
        if (hull.vertexCount() < 5)
            continue;
        const std::vector<int> t = referenceTriangle(hull);
        const std::vector<int> q = referenceQuadrilateral(hull);
        const CPolygon& triangle = drawing->largestTriangle();
        const CPolygon& quadrilateral = drawing->largestQuadrilateral();
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_EQ(triangle.vertex(static_cast<int>(k)), hull.vertex(t[k]))
                << "drawing " << compared;
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(quadrilateral.vertex(static_cast<int>(k)), hull.vertex(q[k]))
                << "drawing " << compared;
        ++compared;
    }
    EXPECT_GT(compared, 600);
}

TEST(FigureSearch, EnclosingRectangleMatchesTheEdgeByEdgeSearch) {
    int compared = 0;
    for (const auto& drawing : manyDrawings()) {
        const CPolygon& hull = drawing->convexHull();
        if (hull.vertexCount() < 3)
            continue;
        const std::vector<CInkPoint> expected = referenceEnclosingRectangle(hull);
        const CPolygon& actual = drawing->enclosingRectangle();
        ASSERT_EQ(actual.vertexCount(), 5);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(actual.vertex(k), expected[static_cast<std::size_t>(k)])
                << "drawing " << compared;
        ++compared;
    }
    EXPECT_GT(compared, 700);
}
