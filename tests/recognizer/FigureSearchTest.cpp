#include "generator/FamilyGestures.h"
#include "recognizer/Dessin.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

using Points = std::vector<CInkPoint>;

// The smallest enclosing rectangle computed the slow way: every vertex measured
// against every hull edge. cos(theta)|v| and sin(theta)|v| are the dot and cross
// products over |e|, taken exactly here: through atan2, cos and sin, vertices
// with equal values would be told apart by rounding alone.
Points referenceEnclosingRectangle(const Points& h) {
    Points best;
    double bestArea = 0.0;
    for (std::size_t i = 0; i + 1 < h.size(); ++i) {
        const CInkPoint &p = h[i], &q = h[i + 1];
        const double ex = q.x - p.x, ey = q.y - p.y, length = std::hypot(ex, ey);
        std::size_t lo = 0, hi = 0, far = 0;
        const auto along = [&](std::size_t j) {
            return (ex * (h[j].x - p.x) + ey * (h[j].y - p.y)) / length;
        };
        const auto across = [&](std::size_t j) {
            return (ex * (h[j].y - p.y) - ey * (h[j].x - p.x)) / length;
        };
        for (std::size_t j = 1; j < h.size(); ++j) {
            lo = along(j) < along(lo) ? j : lo;
            hi = along(j) > along(hi) ? j : hi;
            far = across(j) > across(far) ? j : far;
        }
        const CInkPoint c0 = foot(p, q, h[lo]), c1 = foot(p, q, h[hi]);
        const double phi = std::atan2(ey, ex);
        const double ox = 100.0 * std::cos(phi + M_PI / 2), oy = 100.0 * std::sin(phi + M_PI / 2);
        const CInkPoint q0(static_cast<int>(c0.x + ox), static_cast<int>(c0.y + oy));
        const CInkPoint q1(static_cast<int>(c1.x + ox), static_cast<int>(c1.y + oy));
        const CInkPoint c2 = foot(c1, q1, h[far]), c3 = foot(c0, q0, h[far]);
        const double area = quadrilateralArea(c0, c1, c2, c3);
        if (i == 0 || area < bestArea)
            best = {c0, c1, c2, c3, c0}, bestArea = area;
    }
    return best;
}

// The climbing searches for the largest triangle and quadrilateral, step by
// step from every start, without resuming from earlier peaks: `area(c)` of the
// figure closed by vertex c, climbed from `c` while it grows.
std::pair<double, int> climb(const Points& h, int c, const std::function<double(int)>& area) {
    double best = 0.0;
    int bestIndex = c;
    for (; c < static_cast<int>(h.size()) - 1 && area(c) > best; ++c)
        best = area(c), bestIndex = c;
    return {best, bestIndex};
}

struct Found {
    std::vector<int> indices;
    double area = 0.0;
};

Found firstPass(const Points& h) {
    Found best{{0, 1, 2}, 0.0};
    for (int b = 1; b <= static_cast<int>(h.size()) - 2; ++b) {
        const auto [area, c] =
            climb(h, b < 2 ? 2 : b + 1, [&](int k) { return triangleArea(h[0], h[b], h[k]); });
        if (area > best.area)
            best = {{0, b, c}, area};
    }
    return best;
}

// The first pass's triangle (a0, b0, c0), then every (x, y) with a0 < x <= b0 <= y
// <= c0 and the last vertex climbed: the triangle (x, y, k) or the quadrilateral
// (a0, x, y, k).
Points referenceFigure(const Points& h, bool quadrilateral) {
    const Found first = firstPass(h);
    const int a0 = first.indices[0], b0 = first.indices[1], c0 = first.indices[2];
    Found best = quadrilateral ? Found{{a0, 1, 2, 3}, 0.0} : first;
    for (int x = a0 + 1; x <= b0; ++x)
        for (int y = x == b0 ? b0 + 1 : b0; y <= c0; ++y) {
            const auto [area, k] = climb(h, y == c0 ? c0 + 1 : c0, [&](int k) {
                return quadrilateral ? quadrilateralArea(h[a0], h[x], h[y], h[k])
                                     : triangleArea(h[x], h[y], h[k]);
            });
            if (area > best.area)
                best = quadrilateral ? Found{{a0, x, y, k}, area} : Found{{x, y, k}, area};
        }
    Points figure;
    for (int i : best.indices)
        figure.push_back(h[static_cast<std::size_t>(i)]);
    figure.push_back(figure.front());
    return figure;
}

} // namespace

// The searches that reuse earlier results find what the slow searches find, on
// hundreds of drawings of every kind.
TEST(FigureSearch, MatchesTheSlowSearches) {
    int compared = 0;
    for (FamilyKind kind : kFamilyKinds)
        for (int seed = 0; seed < 60; ++seed) {
            DrawingGenerator g(static_cast<std::uint32_t>(seed * 131 + static_cast<int>(kind)));
            const auto drawing =
                g.draw(familyGesture(kind, g, {400, 400}, g.uniform(20, 400), g.uniform(0, 6.3)));
            const Points hull(drawing->convexHull().vertices().begin(),
                              drawing->convexHull().vertices().end());
            const auto points = [](const CPolygon& p) {
                return Points(p.vertices().begin(), p.vertices().end());
            };
            if (hull.size() >= 3) {
                EXPECT_EQ(points(drawing->enclosingRectangle()), referenceEnclosingRectangle(hull));
            }
            if (hull.size() < 5)
                continue;
            EXPECT_EQ(points(drawing->largestTriangle()), referenceFigure(hull, false));
            EXPECT_EQ(points(drawing->largestQuadrilateral()), referenceFigure(hull, true));
            ++compared;
        }
    EXPECT_GT(compared, 600);
}
