#include "flowchart/DrawingMeasures.h"

#include "engine/Ensemble.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

namespace {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

Point pointOf(const CInkPoint& p) {
    return {double(p.x), double(p.y)};
}

double gap(const Point& a, const Point& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// The points of strokes `first` to `last` of the drawing joined into one path,
// points where the pen stayed left out.
std::vector<Point> joinedPath(const CDessin& drawing, int first, int last) {
    std::vector<Point> path;
    for (int s = first; s <= last; ++s)
        for (const CInkPoint& p : drawing.stroke(s).points())
            if (path.empty() || path.back().x != p.x || path.back().y != p.y)
                path.push_back(pointOf(p));
    return path;
}

// The turns along `even`, each taken over `reach` steps on either side, without sign.
std::vector<double> turnsAlong(const std::vector<Point>& even, std::size_t reach) {
    std::vector<double> turns;
    for (std::size_t i = reach; i + reach < even.size(); ++i) {
        const Point& before = even[i - reach];
        const Point& at = even[i];
        const Point& after = even[i + reach];
        const double in = std::atan2(at.y - before.y, at.x - before.x);
        const double out = std::atan2(after.y - at.y, after.x - at.x);
        turns.push_back(std::abs(std::remainder(out - in, 2 * M_PI)));
    }
    return turns;
}

// `count` + 1 points evenly spaced along `path`, its two ends included.
std::vector<Point> resampled(const std::vector<Point>& path, int count) {
    double length = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i)
        length += gap(path[i - 1], path[i]);
    const double step = length / count;
    std::vector<Point> even{path.front()};
    double walked = 0.0; // along the path from the last even point
    for (std::size_t i = 1; i < path.size(); ++i) {
        Point from = path[i - 1];
        double left = gap(from, path[i]);
        while (walked + left >= step && static_cast<int>(even.size()) <= count) {
            const double t = (step - walked) / left;
            from = {from.x + t * (path[i].x - from.x), from.y + t * (path[i].y - from.y)};
            even.push_back(from);
            left = gap(from, path[i]);
            walked = 0.0;
        }
        walked += left;
    }
    if (static_cast<int>(even.size()) <= count)
        even.push_back(path.back());
    return even;
}

// The longer side of the drawing's upright box.
double sizeOf(const CDessin& drawing) {
    const CPolygon& box = drawing.boundingRectangle();
    return std::max(std::abs(box.vertex(2).x - box.vertex(0).x),
                    std::abs(box.vertex(2).y - box.vertex(0).y));
}

// The drawing's ink, each stroke resampled in proportion to its length, 64
// steps in all; the pen's jumps between strokes left out.
std::vector<Point> evenInk(const CDessin& drawing) {
    std::vector<Point> even;
    const double total = drawing.totalLength();
    for (int s = 0; s < drawing.strokeCount() && total > 0.0; ++s) {
        const std::vector<Point> path = joinedPath(drawing, s, s);
        const int steps = static_cast<int>(std::lround(64 * drawing.stroke(s).length() / total));
        if (path.size() >= 2 && steps >= 1) {
            const std::vector<Point> stroke = resampled(path, steps);
            even.insert(even.end(), stroke.begin(), stroke.end());
        }
    }
    return even;
}

// Where the line through `a` and `b` meets the line through `c` and `d`, as
// fractions of the way from `a` to `b` and from `c` to `d`; nothing when they
// are parallel.
std::optional<std::pair<double, double>> crossing(const Point& a, const Point& b, const Point& c,
                                                  const Point& d) {
    const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
    const double denominator = rx * sy - ry * sx;
    if (denominator == 0.0)
        return std::nullopt;
    return std::pair{((c.x - a.x) * sy - (c.y - a.y) * sx) / denominator,
                     ((c.x - a.x) * ry - (c.y - a.y) * rx) / denominator};
}

} // namespace

double windingArea(const CStroke& stroke) {
    double sum = 0.0;
    const int n = stroke.pointCount();
    for (int i = 0; i < n; ++i) {
        const CInkPoint& a = stroke.point(i);
        const CInkPoint& b = stroke.point((i + 1) % n);
        sum += double(a.x) * b.y - double(b.x) * a.y;
    }
    return sum;
}

bool hasBentStroke(const CDessin& drawing) {
    for (int i = 0; i < drawing.strokeCount(); ++i) {
        const CStroke& stroke = drawing.stroke(i);
        if (stroke.pointCount() > 1 &&
            stroke.length() >
                1.3 * distance(stroke.point(0), stroke.point(stroke.pointCount() - 1)))
            return true;
    }
    return false;
}

bool chordsCross(const CDessin& drawing) {
    if (drawing.strokeCount() != 2)
        return false;
    const auto ends = [&](int i) {
        const CStroke& stroke = drawing.stroke(i);
        return std::pair{pointOf(stroke.point(0)), pointOf(stroke.point(stroke.pointCount() - 1))};
    };
    const auto [a, b] = ends(0);
    const auto [c, d] = ends(1);
    const auto at = crossing(a, b, c, d);
    return at && at->first > 0.2 && at->first < 0.8 && at->second > 0.2 && at->second < 0.8;
}

bool inkCrosses(const CDessin& drawing) {
    if (drawing.strokeCount() != 2)
        return false;
    constexpr int kSteps = 32;
    std::array<std::vector<Point>, 2> even;
    for (int s = 0; s < 2; ++s) {
        const std::vector<Point> path = joinedPath(drawing, s, s);
        if (path.size() < 2)
            return false;
        even[s] = resampled(path, kSteps);
    }
    const auto inside = [](std::size_t segment, double t) {
        const double along = (double(segment) + t) / kSteps;
        return along > 0.2 && along < 0.8;
    };
    for (std::size_t i = 1; i < even[0].size(); ++i)
        for (std::size_t j = 1; j < even[1].size(); ++j) {
            const auto at = crossing(even[0][i - 1], even[0][i], even[1][j - 1], even[1][j]);
            if (at && at->first >= 0 && at->first <= 1 && at->second >= 0 && at->second <= 1 &&
                inside(i - 1, at->first) && inside(j - 1, at->second))
                return true;
        }
    return false;
}

bool loops(const CDessin& drawing) {
    if (drawing.strokeCount() != 1)
        return false;
    const std::vector<Point> path = joinedPath(drawing, 0, 0);
    if (path.size() < 3)
        return false;
    constexpr std::size_t kSteps = 64;
    const std::vector<Point> even = resampled(path, kSteps);
    const double near = sizeOf(drawing) / 10;
    for (std::size_t i = 0; i < even.size(); ++i)
        for (std::size_t j = i + kSteps / 4; j < even.size(); ++j)
            if (gap(even[i], even[j]) <= near)
                return true;
    return false;
}

double cornerShare(const CDessin& drawing) {
    const std::vector<Point> path = joinedPath(drawing, 0, drawing.strokeCount() - 1);
    if (path.size() < 3)
        return 0.0;
    std::vector<double> turns = turnsAlong(resampled(path, 64), 2);
    const double all = std::accumulate(turns.begin(), turns.end(), 0.0);
    if (all <= 0.0)
        return 0.0;
    const auto sharpest = turns.begin() + static_cast<std::ptrdiff_t>(turns.size() / 8);
    std::partial_sort(turns.begin(), sharpest, turns.end(), std::greater<>());
    return std::accumulate(turns.begin(), sharpest, 0.0) / all;
}

double windingTurns(const CDessin& drawing) {
    double sum = 0.0;
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        const std::vector<Point> path = joinedPath(drawing, s, s);
        if (path.size() < 3)
            continue;
        for (const double turn : turnsAlong(resampled(path, 32), 1))
            sum += turn;
    }
    return sum;
}

double lowerWidthShare(const CDessin& drawing) {
    int left = 0, right = 0, top = 0, bottom = 0;
    bool first = true;
    for (int s = 0; s < drawing.strokeCount(); ++s)
        for (const CInkPoint& p : drawing.stroke(s).points()) {
            left = first ? p.x : std::min(left, p.x);
            right = first ? p.x : std::max(right, p.x);
            top = first ? p.y : std::min(top, p.y);
            bottom = first ? p.y : std::max(bottom, p.y);
            first = false;
        }
    const double low = bottom - (bottom - top) / 3.0;
    int lowLeft = right, lowRight = left;
    for (int s = 0; s < drawing.strokeCount(); ++s)
        for (const CInkPoint& p : drawing.stroke(s).points())
            if (p.y >= low) {
                lowLeft = std::min(lowLeft, p.x);
                lowRight = std::max(lowRight, p.x);
            }
    return right > left ? std::max(0, lowRight - lowLeft) / double(right - left) : 0.0;
}

bool threeStrokeN(const CDessin& drawing) {
    if (drawing.strokeCount() != 3)
        return false;
    struct Chord {
        double dx, dy, midX;
    };
    const auto chord = [&](int i) {
        const CStroke& stroke = drawing.stroke(i);
        const CInkPoint& a = stroke.point(0);
        const CInkPoint& b = stroke.point(stroke.pointCount() - 1);
        return Chord{double(b.x - a.x), double(b.y - a.y), (a.x + b.x) / 2.0};
    };
    const Chord left = chord(0), slant = chord(1), right = chord(2);
    const auto steep = [](const Chord& c) { return std::abs(c.dy) >= 2 * std::abs(c.dx); };
    const double height = std::max(std::abs(left.dy), std::abs(right.dy));
    return steep(left) && steep(right) && right.midX - left.midX >= 0.3 * height &&
           std::abs(slant.dx) >= 0.3 * height && std::abs(slant.dy) >= 0.5 * height;
}

int passes(const CDessin& drawing) {
    if (drawing.strokeCount() != 1 || drawing.stroke(0).pointCount() < 2)
        return 0;
    const auto& points = drawing.stroke(0).points();
    const auto extent = [&](auto coordinate) {
        const auto [low, high] = std::minmax_element(
            points.begin(), points.end(),
            [&](const CInkPoint& a, const CInkPoint& b) { return coordinate(a) < coordinate(b); });
        return double(coordinate(*high) - coordinate(*low));
    };
    const auto x = [](const CInkPoint& p) { return p.x; };
    const auto y = [](const CInkPoint& p) { return p.y; };
    const double width = extent(x), height = extent(y);
    // Along an axis the stroke hardly spans, a hand's tremor would count.
    const auto runsAlong = [&](auto coordinate, double along, double across) {
        if (along < 0.25 * across || along <= 0.0)
            return 0;
        int runs = 0, direction = 0;
        double extreme = coordinate(points.at(0));
        for (const CInkPoint& p : points) {
            const double v = coordinate(p);
            if (direction * (v - extreme) > 0.0)
                extreme = v;
            else if (std::abs(v - extreme) >= 0.25 * along) {
                direction = v > extreme ? 1 : -1;
                extreme = v;
                ++runs;
            }
        }
        return runs;
    };
    return std::max(runsAlong(x, width, height), runsAlong(y, height, width));
}

std::optional<std::pair<CInkPoint, CInkPoint>> shaftAndHead(const CDessin& drawing) {
    if (drawing.strokeCount() != 2)
        return std::nullopt;
    const double size = sizeOf(drawing);
    for (int head = 0; head < 2; ++head) {
        const CStroke& bent = drawing.stroke(head);
        const CStroke& shaft = drawing.stroke(1 - head);
        const CInkPoint& a = bent.point(0);
        const CInkPoint& b = bent.point(bent.pointCount() - 1);
        const double chord = distance(a, b);
        if (chord <= 0.0 || shaft.pointCount() < 2)
            continue;
        // The farthest point from the chord, by the cross product's size.
        const auto away = [&](const CInkPoint& p) {
            return std::abs(double(b.x - a.x) * (p.y - a.y) - double(b.y - a.y) * (p.x - a.x));
        };
        const auto& points = bent.points();
        const CInkPoint tip = *std::max_element(
            points.begin(), points.end(),
            [&](const CInkPoint& p, const CInkPoint& q) { return away(p) < away(q); });
        if (away(tip) / chord < 0.2 * chord)
            continue;
        const CInkPoint& first = shaft.point(0);
        const CInkPoint& last = shaft.point(shaft.pointCount() - 1);
        const bool lastAtTip = distance(last, tip) <= distance(first, tip);
        if (distance(lastAtTip ? last : first, tip) <= size / 6)
            return std::pair{lastAtTip ? first : last, tip};
    }
    return std::nullopt;
}

bool closedStroke(const CDessin& drawing) {
    if (drawing.strokeCount() != 1 || drawing.stroke(0).pointCount() < 3)
        return false;
    const CStroke& stroke = drawing.stroke(0);
    const double size = sizeOf(drawing);
    return size > 0 && distance(stroke.point(0), stroke.point(stroke.pointCount() - 1)) <= size / 5;
}

std::optional<double> fittedAspect(const CDessin& drawing) {
    const std::vector<Point> even = evenInk(drawing);
    if (even.size() < 5)
        return std::nullopt;
    // Centred and scaled to unit size, so that the sums stay well conditioned.
    Point mean;
    for (const Point& p : even) {
        mean.x += p.x / even.size();
        mean.y += p.y / even.size();
    }
    double scale = 0.0;
    for (const Point& p : even)
        scale = std::max(scale, gap(p, mean));
    if (scale <= 0.0)
        return std::nullopt;
    // The conic a x^2 + b xy + c y^2 + d x + e y + f = 0 with a + c = 1, which
    // no turn or shift of the drawing changes: with c = 1 - a, the unknowns
    // (a, b, d, e, f) solve a linear least-squares problem.
    CMatrice normal(5);
    std::array<double, 5> right{};
    for (const Point& p : even) {
        const double x = (p.x - mean.x) / scale, y = (p.y - mean.y) / scale;
        const std::array<double, 5> row{x * x - y * y, x * y, x, y, 1.0};
        for (int i = 0; i < 5; ++i) {
            for (int j = 0; j < 5; ++j)
                normal.setValeur(i, j, normal.valeur(i, j) + row[i] * row[j]);
            right[i] -= row[i] * y * y;
        }
    }
    normal.inverser();
    const auto solution = [&](int i) {
        double sum = 0.0;
        for (int j = 0; j < 5; ++j)
            sum += normal.inverse(i, j) * right[j];
        return sum;
    };
    const double a = solution(0), b = solution(1), c = 1.0 - a;
    // The axes go as one over the square roots of the quadratic part's eigenvalues.
    const double half = (a + c) / 2, spread = std::hypot((a - c) / 2, b / 2);
    const double low = half - spread, high = half + spread;
    if (low <= 0.0)
        return std::nullopt;
    return std::sqrt(low / high);
}

double cornerReach(const CDessin& drawing) {
    const CPolygon& hull = drawing.convexHull();
    const CPolygon& box = drawing.enclosingRectangle();
    const int n = hull.vertexCount();
    if (n < 3 || box.vertexCount() < 4)
        return 1.0;
    const double halfDiagonal = gap(pointOf(box.vertex(0)), pointOf(box.vertex(2))) / 2;
    if (halfDiagonal <= 0.0)
        return 1.0;
    std::array<double, 4> reach{};
    for (int c = 0; c < 4; ++c) {
        const Point corner = pointOf(box.vertex(c));
        double nearest = halfDiagonal;
        for (int i = 0; i < n; ++i) {
            const Point a = pointOf(hull.vertex(i)), b = pointOf(hull.vertex((i + 1) % n));
            const double dx = b.x - a.x, dy = b.y - a.y, squared = dx * dx + dy * dy;
            const double t =
                squared > 0.0
                    ? std::clamp(((corner.x - a.x) * dx + (corner.y - a.y) * dy) / squared, 0.0,
                                 1.0)
                    : 0.0;
            nearest = std::min(nearest, gap(corner, {a.x + t * dx, a.y + t * dy}));
        }
        reach[c] = nearest / halfDiagonal;
    }
    std::sort(reach.begin(), reach.end());
    return reach[2];
}

std::optional<double> trimmedAspect(const CDessin& drawing, const CInkPoint& a, const CInkPoint& b,
                                    const CInkPoint& c) {
    const std::vector<Point> even = evenInk(drawing);
    // The ink's extent along the way from `from` to `to`, its farthest fortieth
    // left out at either end.
    const auto span = [&](const CInkPoint& from, const CInkPoint& to) {
        const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
        std::vector<double> along;
        for (const Point& p : even)
            along.push_back((p.x * dx + p.y * dy) / length);
        std::sort(along.begin(), along.end());
        const std::size_t trimmed = along.size() / 40;
        return along[along.size() - 1 - trimmed] - along[trimmed];
    };
    if (even.size() < 8 || a == b || b == c)
        return std::nullopt;
    const double one = span(a, b), two = span(b, c);
    if (std::max(one, two) <= 0.0)
        return std::nullopt;
    return std::min(one, two) / std::max(one, two);
}
