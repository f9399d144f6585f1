// The hull and the figures that every feature of a drawing starts from, against
// the straightforward searches: every point in angular order, no point left out,
// every start climbed afresh.
#include "engine/Ensemble.h"
#include "generator/FamilyGestures.h"
#include "gesturelogs/LogFolder.h"
#include "recognizer/Dessin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Points = std::vector<CInkPoint>;

Points pointsOf(const CPolygon& polygon) {
    return Points(polygon.vertices().begin(), polygon.vertices().end());
}

Points straightforwardHull(const CDessin& d) {
    Points points;
    for (int s = 0; s < d.strokeCount(); ++s)
        for (const CInkPoint& p : d.stroke(s).points())
            points.push_back(p);
    if (points.empty())
        return {};
    CInkPoint pivot = points[0];
    for (const CInkPoint& p : points)
        if (p.y < pivot.y || (p.y == pivot.y && p.x > pivot.x))
            pivot = p;
    points.insert(points.begin(), pivot);
    const auto far = [&](const CInkPoint& p) {
        const double dx = double(p.x) - pivot.x, dy = double(p.y) - pivot.y;
        return dx * dx + dy * dy;
    };
    // By angle, the farthest first, the first met first.
    std::stable_sort(points.begin(), points.end(), [&](const CInkPoint& a, const CInkPoint& b) {
        const double angleA = pseudoAngle(pivot, a), angleB = pseudoAngle(pivot, b);
        return angleA != angleB ? angleA < angleB : far(a) > far(b);
    });
    Points sorted;
    for (const CInkPoint& p : points)
        if (sorted.empty() || pseudoAngle(pivot, p) != pseudoAngle(pivot, sorted.back()))
            sorted.push_back(p);
    Points hull{sorted.back(), sorted[0]};
    for (std::size_t i = 1; sorted.size() > 2 && i < sorted.size(); ++i) {
        while (hull.size() >= 2 && !turnsPositive(hull[hull.size() - 2], hull.back(), sorted[i]))
            hull.pop_back();
        hull.push_back(sorted[i]);
    }
    // Vertices within 5 pixels of the last one kept are dropped; the last closes the hull.
    Points thinned{hull[0]};
    for (std::size_t k = 1; k < hull.size(); ++k)
        if (k + 1 == hull.size())
            thinned.push_back(distance(hull[k], thinned.back()) > 5.0 ? hull[k] : hull[0]);
        else if (distance(hull[k], thinned.back()) > 5.0)
            thinned.push_back(hull[k]);
    return thinned;
}

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

// The area of a figure, then the indices of its vertices in the hull.
using Found = std::pair<double, std::vector<int>>;

Found firstPass(const Points& h) {
    Found best{0.0, {0, 1, 2}};
    for (int b = 1; b <= static_cast<int>(h.size()) - 2; ++b) {
        const auto [area, c] =
            climb(h, b < 2 ? 2 : b + 1, [&](int k) { return triangleArea(h[0], h[b], h[k]); });
        if (area > best.first)
            best = {area, {0, b, c}};
    }
    return best;
}

// The first pass's triangle (a0, b0, c0), then every (x, y) with a0 < x <= b0 <= y
// <= c0 and the last vertex climbed: the triangle (x, y, k) or the quadrilateral
// (a0, x, y, k).
Points referenceFigure(const Points& h, bool quadrilateral) {
    const Found first = firstPass(h);
    const int a0 = first.second[0], b0 = first.second[1], c0 = first.second[2];
    Found best = quadrilateral ? Found{0.0, {a0, 1, 2, 3}} : first;
    for (int x = a0 + 1; x <= b0; ++x)
        for (int y = x == b0 ? b0 + 1 : b0; y <= c0; ++y) {
            const auto [area, k] = climb(h, y == c0 ? c0 + 1 : c0, [&](int k) {
                return quadrilateral ? quadrilateralArea(h[a0], h[x], h[y], h[k])
                                     : triangleArea(h[x], h[y], h[k]);
            });
            if (area > best.first)
                best = {area, quadrilateral ? std::vector{a0, x, y, k} : std::vector{x, y, k}};
        }
    Points figure;
    for (int i : best.second)
        figure.push_back(h[static_cast<std::size_t>(i)]);
    figure.push_back(figure.front());
    return figure;
}

// The hull, times included; with `figures`, the enclosing rectangle, the
// largest triangle and the largest quadrilateral too.
void expectStraightforward(const CDessin& d, const std::string& what, bool figures = false) {
    const Points hull = pointsOf(d.convexHull()), expected = straightforwardHull(d);
    ASSERT_EQ(hull, expected) << what;
    for (std::size_t i = 0; i < hull.size(); ++i)
        ASSERT_EQ(hull[i].t, expected[i].t) << what << ", vertex " << i;
    if (figures && hull.size() >= 3) {
        EXPECT_EQ(pointsOf(d.enclosingRectangle()), referenceEnclosingRectangle(hull)) << what;
    }
    if (figures && hull.size() >= 5) {
        EXPECT_EQ(pointsOf(d.largestTriangle()), referenceFigure(hull, false)) << what;
        EXPECT_EQ(pointsOf(d.largestQuadrilateral()), referenceFigure(hull, true)) << what;
    }
}

// The example's turning sums f9..f11 against atan2 called afresh at every turn.
void expectPlainTurns(const CExemple& example) {
    CExemple computed(example);
    computed.calculerCaracteristiques();
    const std::span<const CInkPoint> p = computed.points();
    double sum = 0.0, absolute = 0.0, squares = 0.0;
    for (std::size_t i = 2; i < p.size(); ++i) {
        const double ax = p[i - 1].x - p[i - 2].x, ay = p[i - 1].y - p[i - 2].y;
        const double bx = p[i].x - p[i - 1].x, by = p[i].y - p[i - 1].y;
        const double theta = std::atan2(bx * ay - ax * by, bx * ax + by * ay);
        sum += theta, absolute += std::fabs(theta), squares += theta * theta;
    }
    EXPECT_EQ(computed.caracteristiques()[8], sum) << example.nom();
    EXPECT_EQ(computed.caracteristiques()[9], absolute) << example.nom();
    EXPECT_EQ(computed.caracteristiques()[10], squares) << example.nom();
}

} // namespace

// Hundreds of drawings of every kind, then drawings made to reach every branch: repeated points,
// lines, one point, a dense circle, and spans past 2^20 pixels.
TEST(FastPath, HullsAndFiguresAreTheStraightforwardOnes) {
    for (FamilyKind kind : kFamilyKinds)
        for (int seed = 0; seed < 60; ++seed) {
            DrawingGenerator g(static_cast<std::uint32_t>(seed * 131 + static_cast<int>(kind)));
            expectStraightforward(
                *g.draw(familyGesture(kind, g, {400, 400}, g.uniform(20, 400), g.uniform(0, 6.3))),
                std::string(familyName(kind)) + " " + std::to_string(seed), true);
        }

    std::mt19937 random(7);
    std::vector<std::vector<Points>> odd = {
        {{{5, 5, 0.0}}},
        {{{5, 5, 0.0}, {5, 5, 0.1}, {5, 5, 0.2}}},
        {{{0, 0, 0.0}, {3, 0, 0.1}, {9, 0, 0.2}, {3, 0, 0.3}}},
        {{{0, 0, 0.0}, {4, 4, 0.1}}, {{8, 8, 0.2}, {4, 4, 0.3}, {-2, -2, 0.4}}},
        {{{0, 0, 0.0}, {100, 0, 0.1}, {100, 100, 0.2}, {100, 100, 0.3}, {0, 100, 0.4}}},
    };
    for (const int span : {60, 300, 1 << 21, 1 << 29}) {
        std::uniform_int_distribution<int> coordinate(-span, span);
        Points scribble, circle;
        for (int i = 0; i < 3000; ++i) {
            scribble.push_back({coordinate(random), coordinate(random) / 3, i * 0.01});
            const double a = i * 0.0021;
            circle.push_back({static_cast<int>(span * std::cos(a)),
                              static_cast<int>(span * 0.7 * std::sin(a)), i * 0.01});
        }
        odd.push_back({scribble});
        odd.push_back({circle, {{0, 0, 40.0}, {span / 2, -span, 40.1}}});
        // Round the other way, from a quarter turn on, past the start.
        Points around(circle.rbegin(), circle.rend());
        std::rotate(around.begin(), around.begin() + 700, around.end());
        around.insert(around.end(), around.begin(), around.begin() + 200);
        odd.push_back({around});
    }
    for (std::size_t i = 0; i < odd.size(); ++i) {
        CDessin drawing;
        for (const Points& points : odd[i]) {
            auto stroke = std::make_unique<CStroke>();
            for (const CInkPoint& p : points)
                stroke->addPoint(p.x, p.y, p.t);
            drawing.addStroke(std::move(stroke));
        }
        expectStraightforward(drawing, "odd drawing " + std::to_string(i));
    }
}

// Skipped when the gestures drawn by people in ../shared/datasets are absent.
TEST(FastPath, HullsFiguresAndTurnsOfPeoplesDrawingsAreTheStraightforwardOnes) {
    const std::string datasets = VELMORA_DATASETS;
    if (!std::filesystem::is_directory(datasets))
        GTEST_SKIP() << "Gestures drawn by people not found at " << datasets
                     << " (../shared/datasets beside the project): skipped.";
    int drawings = 0;
    for (const char* folder : {"/dollar1", "/mmg"}) {
        const FolderImport logs = importLogFolder(datasets + folder);
        ASSERT_TRUE(logs.set) << logs.error;
        for (int c = 0; c < logs.set->nbClasses(); ++c)
            for (int e = 0; e < logs.set->classe(c).nbExemples(); ++e, ++drawings) {
                const CExemple& example = logs.set->classe(c).exemple(e);
                expectStraightforward(*example.dessin(), example.nom(), true);
                expectPlainTurns(example);
            }
    }
    EXPECT_EQ(drawings, 4800);
}
