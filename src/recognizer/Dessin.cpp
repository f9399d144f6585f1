#include "recognizer/Dessin.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <span>
#include <vector>

namespace {

constexpr double kDegenerate = 1e-30;
constexpr double kThinningDistance = 5.0;

std::int64_t cross(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by) {
    return ax * by - ay * bx;
}

std::int64_t squaredDistance(const CInkPoint& a, const CInkPoint& b) {
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    return dx * dx + dy * dy;
}

// An edge of the polygon that leaves points out of the hull's search.
struct Edge {
    std::int64_t x, y, dx, dy;
};

// A point that may lie on the hull: its angle around the pivot, and its place
// among the points met.
struct Ranked {
    double angle;
    std::uint32_t index;
};

// The hull's working lists, kept from one drawing to the next, so that once
// they have grown a hull allocates nothing but its own vertices.
struct HullBuffers {
    std::vector<CInkPoint> points, sorted, hull;
    std::vector<Ranked> order;
};

HullBuffers& hullBuffers() {
    thread_local HullBuffers buffers;
    return buffers;
}

bool byAngle(const Ranked& a, const Ranked& b) {
    return a.angle < b.angle;
}

// Insertion sort that gives up, leaving a permutation, once it has moved more
// than `budget` elements: nearly sorted lists cost little, others are left to
// std::sort.
bool insertionSortWithin(std::span<Ranked> v, std::size_t budget) {
    std::size_t moved = 0;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (!byAngle(v[i], v[i - 1]))
            continue;
        const Ranked value = v[i];
        std::size_t j = i;
        do {
            v[j] = v[j - 1];
            --j;
        } while (j > 0 && byAngle(value, v[j - 1]));
        v[j] = value;
        moved += i - j;
        if (moved > budget)
            return false;
    }
    return true;
}

// Orders by angle alone; equal angles come in any order. The points of a
// stroke that goes round a figure come nearly in angular order around the
// pivot (the first element), up to a rotation and a reversal: undone, they
// leave an insertion sort little to do.
void sortByAngle(std::span<Ranked> v) {
    if (v.size() < 3) {
        std::sort(v.begin(), v.end(), byAngle);
        return;
    }
    const auto rest = std::next(v.begin());
    std::ptrdiff_t rising = 0;
    for (auto i = std::next(rest); i != v.end(); ++i)
        rising += byAngle(*std::prev(i), *i) ? 1 : -1;
    if (rising < 0)
        std::reverse(rest, v.end());
    std::rotate(rest, std::min_element(rest, v.end(), byAngle), v.end());
    if (!insertionSortWithin(v, v.size()))
        std::sort(v.begin(), v.end(), byAngle);
}

int truncated(double v) {
    return static_cast<int>(v);
}

// Polygon of `points` followed by copies of `filler` up to `size` vertices.
CPolygon padded(const CIndexedList<CInkPoint>& points, const CInkPoint& filler, int size) {
    CPolygon polygon;
    polygon.reserve(std::max(points.count(), size));
    for (const CInkPoint& p : points)
        polygon.addVertex(p);
    while (polygon.vertexCount() < size)
        polygon.addVertex(filler);
    return polygon;
}

// Twice the area of a triangle or quadrilateral, exact in integers: the
// searches below compare these instead of the halved doubles, in the same order.
std::int64_t doubleArea(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c) {
    const std::int64_t area = cross(std::int64_t{b.x} - a.x, std::int64_t{b.y} - a.y,
                                    std::int64_t{c.x} - a.x, std::int64_t{c.y} - a.y);
    return area < 0 ? -area : area;
}

std::int64_t doubleArea(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c,
                        const CInkPoint& d) {
    const std::int64_t area = cross(std::int64_t{c.x} - a.x, std::int64_t{c.y} - a.y,
                                    std::int64_t{d.x} - b.x, std::int64_t{d.y} - b.y);
    return area < 0 ? -area : area;
}

// Advances `c` while the area it closes keeps growing; the best area starts at 0.
template <typename AreaOf> std::pair<std::int64_t, int> climb(int c, int n, AreaOf areaOf) {
    std::int64_t best = 0;
    int bestIndex = c;
    while (c < n - 1) {
        const std::int64_t area = areaOf(c);
        if (area <= best)
            break;
        best = area;
        bestIndex = c;
        ++c;
    }
    return {best, bestIndex};
}

// A series of climbs whose peaks never move backward: on a convex hull, the
// vertex farthest from a line moves forward as the line turns forward. Each
// climb resumes from the previous peak when that lies beyond its start, which
// gives what climbing from the start gives, in fewer steps.
class ForwardClimber {
public:
    template <typename AreaOf> std::pair<std::int64_t, int> climb(int start, int n, AreaOf areaOf) {
        if (start >= n - 1)
            return {0, start};
        const auto result = ::climb(std::max(start, m_peak), n, areaOf);
        m_peak = result.second;
        return result;
    }

private:
    int m_peak = 0;
};

struct Triple {
    int a = 0, b = 1, c = 2;
    std::int64_t area = 0;
};

std::vector<CInkPoint> vectorOf(const CIndexedList<CInkPoint>& points) {
    return std::vector<CInkPoint>(points.begin(), points.end());
}

Triple firstTrianglePass(const std::vector<CInkPoint>& h) {
    const int n = static_cast<int>(h.size());
    Triple best;
    ForwardClimber climber;
    for (int b = 1; b <= n - 2; ++b) {
        const auto [area, c] = climber.climb(b < 2 ? 2 : b + 1, n,
                                             [&](int k) { return doubleArea(h[0], h[b], h[k]); });
        if (area > best.area)
            best = {0, b, c, area};
    }
    return best;
}

// For one hull edge p->q: the first vertices of smallest and largest "along"
// (projection on the edge) and of largest "across" (distance to its left). Along
// and across are cos and sin of the angle between the edge and p->v times |pv|,
// that is the dot and cross products over |edge|: a positive constant for the
// edge, so the integer products order the vertices alike. A null edge makes the
// angle 0: along is then |pv| and across 0.
struct Extremes {
    int minAlong = 0, maxAlong = 0, maxAcross = 0;
};

struct EdgeMeasure {
    std::int64_t ex, ey;
    CInkPoint p;
    std::int64_t along(const CInkPoint& v) const {
        const std::int64_t vx = std::int64_t{v.x} - p.x, vy = std::int64_t{v.y} - p.y;
        return ex == 0 && ey == 0 ? vx * vx + vy * vy : ex * vx + ey * vy;
    }
    std::int64_t across(const CInkPoint& v) const {
        return cross(ex, ey, std::int64_t{v.x} - p.x, std::int64_t{v.y} - p.y);
    }
};

EdgeMeasure measureOf(const CInkPoint& p, const CInkPoint& q) {
    return {std::int64_t{q.x} - p.x, std::int64_t{q.y} - p.y, p};
}

Extremes extremesByScan(const std::vector<CInkPoint>& v, int m, const CInkPoint& p,
                        const CInkPoint& q) {
    const EdgeMeasure e = measureOf(p, q);
    Extremes x;
    std::int64_t minAlong = 0, maxAlong = 0, maxAcross = 0;
    for (int j = 0; j < m; ++j) {
        const std::int64_t along = e.along(v[j]);
        const std::int64_t across = e.ex == 0 && e.ey == 0 ? 0 : e.across(v[j]);
        if (j == 0 || along < minAlong)
            x.minAlong = j, minAlong = along;
        if (j == 0 || along > maxAlong)
            x.maxAlong = j, maxAlong = along;
        if (j == 0 || across > maxAcross)
            x.maxAcross = j, maxAcross = across;
    }
    return x;
}

// On a strictly convex hull, the values over the vertices rise to one peak of
// at most two equal vertices, then fall, cyclically; the peak for the next edge
// lies at or after the peak for this one. Walks forward from `from` to the last
// vertex of the peak.
template <typename Value> int peakFrom(int from, int m, Value value) {
    int k = from;
    for (int steps = 0; steps < m && value((k + 1) % m) >= value(k); ++steps)
        k = (k + 1) % m;
    return k;
}

// The first index of the peak ending at `k`.
template <typename Value> int firstOfPeak(int k, int m, Value value) {
    const int before = (k + m - 1) % m;
    return before < k && value(before) == value(k) ? before : k;
}

// Caliper positions (last vertex of each peak) and the first indices reported.
struct Calipers {
    Extremes walk;
    Extremes first;
};

Calipers calipersOf(const std::vector<CInkPoint>& v, int m, const CInkPoint& p, const CInkPoint& q,
                    const Extremes& from) {
    const EdgeMeasure e = measureOf(p, q);
    const auto low = [&](int j) { return -e.along(v[j]); };
    const auto high = [&](int j) { return e.along(v[j]); };
    const auto far = [&](int j) { return e.across(v[j]); };
    Calipers c;
    c.walk = {peakFrom(from.minAlong, m, low), peakFrom(from.maxAlong, m, high),
              peakFrom(from.maxAcross, m, far)};
    c.first = {firstOfPeak(c.walk.minAlong, m, low), firstOfPeak(c.walk.maxAlong, m, high),
               firstOfPeak(c.walk.maxAcross, m, far)};
    return c;
}

} // namespace

double distance(const CInkPoint& a, const CInkPoint& b) {
    return std::sqrt(static_cast<double>(squaredDistance(a, b)));
}

double triangleArea(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c) {
    const double abx = double(b.x) - a.x, aby = double(b.y) - a.y;
    const double acx = double(c.x) - a.x, acy = double(c.y) - a.y;
    return std::fabs(abx * acy - aby * acx) / 2.0;
}

double quadrilateralArea(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c,
                         const CInkPoint& d) {
    // The shoelace sum of a quadrilateral is the cross product of its diagonals.
    const double acx = double(c.x) - a.x, acy = double(c.y) - a.y;
    const double bdx = double(d.x) - b.x, bdy = double(d.y) - b.y;
    return std::fabs(acx * bdy - acy * bdx) / 2.0;
}

bool turnsPositive(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c) {
    return cross(std::int64_t{b.x} - a.x, std::int64_t{b.y} - a.y, std::int64_t{c.x} - a.x,
                 std::int64_t{c.y} - a.y) >= 1;
}

double pseudoAngle(const CInkPoint& a, const CInkPoint& b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double sum = std::fabs(dx) + std::fabs(dy);
    double t = sum == 0.0 ? 0.0 : dy / sum;
    if (dx < 0)
        t = 2.0 - t;
    else if (dy < 0)
        t = t + 4.0;
    return t * 90.0;
}

CInkPoint foot(const CInkPoint& p1, const CInkPoint& p2, const CInkPoint& q) {
    if (p1.x == p2.x)
        return {p1.x, q.y};
    if (q == p1 || q == p2)
        return {q.x, q.y};
    const double m = (double(p2.y) - p1.y) / (double(p2.x) - p1.x);
    if (m == 0.0)
        return {q.x, p1.y};
    const double b = p2.y - p2.x * m;
    const double c = q.y + q.x / m;
    const double x = (c - b) / (1.0 / m + m);
    const double y = m * x + b;
    return {truncated(x), truncated(y)};
}

void CStroke::addPoint(int x, int y, double t) {
    m_points.append(CInkPoint(x, y, t));
    if (m_points.count() < 2) {
        m_startTime = t;
    } else {
        m_length += distance(m_previous, CInkPoint(x, y));
        m_speed = t == m_startTime ? 1e30 : m_length / (t - m_startTime);
    }
    m_previous = CInkPoint(x, y);
}

double CPolygon::area() const {
    if (m_area == 0.0) {
        if (m_vertices.count() < 3) {
            m_area = kDegenerate;
        } else {
            double sum = 0.0;
            for (int i = 0; i + 1 < m_vertices.count(); ++i) {
                const CInkPoint& p = m_vertices.at(i);
                const CInkPoint& q = m_vertices.at(i + 1);
                sum += double(p.x) * q.y - double(q.x) * p.y;
            }
            m_area = sum / 2.0;
            if (m_area == 0.0)
                m_area = kDegenerate;
        }
    }
    return std::fabs(m_area);
}

double CPolygon::perimeter() const {
    if (m_perimeter == 0.0) {
        double sum = 0.0;
        for (int i = 0; i + 1 < m_vertices.count(); ++i)
            sum += distance(m_vertices.at(i), m_vertices.at(i + 1));
        if (sum == 0.0)
            sum = kDegenerate;
        if (m_vertices.count() < 3)
            sum *= 2.0;
        m_perimeter = sum;
    }
    return m_perimeter;
}

void CDessin::addStroke(std::unique_ptr<CStroke> stroke) {
    m_totalLength += stroke->length();
    m_speedSum += stroke->speed();
    m_strokes.append(std::move(stroke));
}

std::unique_ptr<CStroke> CDessin::removeLastStroke() {
    std::unique_ptr<CStroke> last = m_strokes.removeLast();
    m_totalLength -= last->length();
    m_speedSum -= last->speed();
    forgetFigures();
    return last;
}

void CDessin::forgetFigures() {
    m_hull.reset();
    m_boundingRectangle.reset();
    m_enclosingRectangle.reset();
    m_largestTriangle.reset();
    m_largestQuadrilateral.reset();
    m_pointsInsideCore.reset();
}

int CDessin::pointCount() const {
    int n = 0;
    for (const auto& s : m_strokes)
        n += s->pointCount();
    return n;
}

std::unique_ptr<CDessin> CDessin::clone() const {
    auto copy = std::make_unique<CDessin>();
    for (const auto& s : m_strokes) {
        auto stroke = std::make_unique<CStroke>();
        for (const CInkPoint& p : s->points())
            stroke->addPoint(p.x, p.y, p.t);
        copy->addStroke(std::move(stroke));
    }
    return copy;
}

CInkPoint CDessin::firstPoint() const {
    if (m_strokes.empty() || m_strokes.at(0)->pointCount() == 0)
        return {};
    return m_strokes.at(0)->point(0);
}

CInkPoint CDessin::lastPoint() const {
    if (m_strokes.empty())
        return {};
    const CStroke& last = *m_strokes.at(m_strokes.count() - 1);
    if (last.pointCount() == 0)
        return {};
    return last.point(last.pointCount() - 1);
}

double CDessin::averageSpeed() const {
    return m_strokes.empty() ? 0.0 : m_speedSum / m_strokes.count();
}

int CDessin::recognitionDelay() const {
    const double s = averageSpeed();
    if (s >= 900.0)
        return 300;
    if (s <= 100.0 || std::isnan(s))
        return 700;
    return truncated(750.0 - 0.5 * s);
}

CInkPoint CDessin::hullStart() const {
    const CPolygon& hull = convexHull();
    return hull.vertexCount() > 0 ? hull.vertex(0) : CInkPoint();
}

const CPolygon& CDessin::convexHull() const {
    if (m_hull)
        return *m_hull;
    m_hull.emplace();
    if (pointCount() == 0)
        return *m_hull;

    // Angular order around the pivot, one point per angle: the farthest, the
    // first met among equally far ones. The pivot itself comes first, at angle 0.
    // A point strictly inside the polygon of the extreme points is strictly
    // inside the hull, so never on it: it is left out of the ordering. Which
    // points are left out changes nothing while the angles order exactly, which
    // they do within 2^20 pixels (two different directions then differ by more
    // than 2^-42 before rounding, which moves each by less than 2^-43); there
    // the extremes of eight directions leave out most of a drawing, beyond it
    // those of four. Any points of the drawing make such a polygon, so which of
    // equally extreme points is taken does not matter. One scan finds the pivot
    // and the extremes, by address, so that it moves no points.
    const CInkPoint start = firstPoint();
    const CInkPoint* pivotAt = &start;
    const CInkPoint* firstMet = nullptr;
    for (const auto& s : m_strokes)
        if (firstMet == nullptr && s->pointCount() > 0)
            firstMet = &s->point(0);
    const CInkPoint *leftAt = firstMet, *rightAt = firstMet, *bottomAt = firstMet;
    const CInkPoint *sumLowAt = firstMet, *sumHighAt = firstMet;
    const CInkPoint *differenceLowAt = firstMet, *differenceHighAt = firstMet;
    std::int64_t sumLow = std::int64_t{firstMet->x} + firstMet->y, sumHigh = sumLow;
    std::int64_t differenceLow = std::int64_t{firstMet->x} - firstMet->y;
    std::int64_t differenceHigh = differenceLow;
    for (const auto& s : m_strokes)
        for (const CInkPoint& p : s->points()) {
            if (p.y < pivotAt->y || (p.y == pivotAt->y && p.x > pivotAt->x))
                pivotAt = &p;
            leftAt = p.x < leftAt->x ? &p : leftAt;
            rightAt = p.x > rightAt->x ? &p : rightAt;
            bottomAt = p.y > bottomAt->y ? &p : bottomAt;
            const std::int64_t sum = std::int64_t{p.x} + p.y;
            const std::int64_t difference = std::int64_t{p.x} - p.y;
            if (sum < sumLow)
                sumLow = sum, sumLowAt = &p;
            if (sum > sumHigh)
                sumHigh = sum, sumHighAt = &p;
            if (difference < differenceLow)
                differenceLow = difference, differenceLowAt = &p;
            if (difference > differenceHigh)
                differenceHigh = difference, differenceHighAt = &p;
        }
    const CInkPoint pivot = *pivotAt;
    const CInkPoint &left = *leftAt, &right = *rightAt, &bottom = *bottomAt;
    const CInkPoint &sumLowPoint = *sumLowAt, &sumHighPoint = *sumHighAt;
    const CInkPoint &differenceLowPoint = *differenceLowAt,
                    &differenceHighPoint = *differenceHighAt;
    constexpr std::int64_t kExactSpan = std::int64_t{1} << 20;
    const bool exactAngles = std::int64_t{right.x} - left.x <= kExactSpan &&
                             std::int64_t{bottom.y} - pivot.y <= kExactSpan;
    // The edges twice over, so that a search may start at any of them and go
    // once round without wrapping.
    std::array<Edge, 16> edges;
    std::size_t m = 0;
    // A corner met twice makes an edge of no length, on whose line every point
    // lies: where the angles are exact it is skipped, beyond it nothing is left out.
    const auto addEdges = [&edges, &m, exactAngles](std::initializer_list<CInkPoint> corners) {
        for (auto a = corners.begin(); a != corners.end(); ++a) {
            const CInkPoint& b = std::next(a) == corners.end() ? *corners.begin() : *std::next(a);
            if (!exactAngles || !(*a == b))
                edges[m++] = {a->x, a->y, std::int64_t{b.x} - a->x, std::int64_t{b.y} - a->y};
        }
        std::copy_n(edges.begin(), m, edges.begin() + static_cast<std::ptrdiff_t>(m));
    };
    if (exactAngles)
        addEdges({left, sumLowPoint, pivot, differenceHighPoint, right, sumHighPoint, bottom,
                  differenceLowPoint});
    else
        addEdges({left, pivot, right, bottom});
    // Strictly to the left of every edge: the corners go round the inside that
    // way, and a polygon of no area has nothing on the left of all its edges.
    // Successive points tend to leave by the same edge, so each search starts
    // from the last one that did.
    std::size_t lastOut = 0;
    const auto strictlyInside = [&edges, m, &lastOut](const CInkPoint& p) {
        for (std::size_t i = lastOut; i < lastOut + m; ++i) {
            const Edge& e = edges[i];
            if (cross(e.dx, e.dy, p.x - e.x, p.y - e.y) <= 0) {
                lastOut = i < m ? i : i - m;
                return false;
            }
        }
        return m > 0;
    };

    // A point where the stroke stayed adds nothing: the first met of equally
    // far points at one angle is kept. The lists only grow, so that filling
    // them needs no check of their room.
    HullBuffers& buffers = hullBuffers();
    std::vector<CInkPoint>& points = buffers.points;
    std::vector<Ranked>& ranked = buffers.order;
    const std::size_t most = static_cast<std::size_t>(pointCount()) + 1;
    if (ranked.size() < most) {
        ranked.resize(most);
        points.resize(most);
    }
    points[0] = pivot;
    ranked[0] = {pseudoAngle(pivot, pivot), 0};
    std::uint32_t count = 1;
    for (const auto& s : m_strokes) {
        const CInkPoint* previous = nullptr;
        for (const CInkPoint& p : s->points()) {
            const bool repeated = previous != nullptr && p == *previous;
            previous = &p;
            if (repeated || strictlyInside(p))
                continue;
            points[count] = p;
            ranked[count] = {pseudoAngle(pivot, p), count};
            ++count;
        }
    }
    const std::span<Ranked> order(ranked.data(), count);
    sortByAngle(order);
    std::vector<CInkPoint>& sorted = buffers.sorted;
    sorted.clear();
    for (std::size_t i = 0; i < order.size();) {
        std::size_t kept = i, j = i + 1;
        std::int64_t keptDistance = squaredDistance(pivot, points[order[i].index]);
        for (; j < order.size() && order[j].angle == order[i].angle; ++j) {
            const std::int64_t d = squaredDistance(pivot, points[order[j].index]);
            if (d > keptDistance || (d == keptDistance && order[j].index < order[kept].index))
                kept = j, keptDistance = d;
        }
        sorted.push_back(points[order[kept].index]);
        i = j;
    }

    const std::size_t n = sorted.size();
    std::vector<CInkPoint>& hull = buffers.hull;
    hull.assign({sorted[n - 1], sorted[0]});
    for (std::size_t i = 1; n > 2 && i < n;) {
        if (hull.size() < 2 || turnsPositive(hull[hull.size() - 2], hull.back(), sorted[i])) {
            hull.push_back(sorted[i]);
            ++i;
        } else {
            hull.pop_back();
        }
    }

    // Farther than 5 pixels: sqrt(d) > 5 exactly when d > 25, d an integer.
    constexpr std::int64_t kSquaredThinningDistance = 25;
    static_assert(kThinningDistance * kThinningDistance == kSquaredThinningDistance);
    m_hull->reserve(static_cast<int>(hull.size()));
    m_hull->addVertex(hull[0]);
    CInkPoint last = hull[0];
    for (std::size_t k = 1; k < hull.size(); ++k) {
        const bool far = squaredDistance(hull[k], last) > kSquaredThinningDistance;
        if (k + 1 == hull.size()) {
            m_hull->addVertex(far ? hull[k] : hull[0]);
        } else if (far) {
            m_hull->addVertex(hull[k]);
            last = hull[k];
        }
    }
    return *m_hull;
}

const CPolygon& CDessin::boundingRectangle() const {
    if (m_boundingRectangle)
        return *m_boundingRectangle;
    const CPolygon& hull = convexHull();
    CInkPoint lo = hullStart(), hi = hullStart();
    for (const CInkPoint& p : hull.vertices()) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
    }
    m_boundingRectangle.emplace();
    m_boundingRectangle->reserve(5);
    for (const CInkPoint& p : {CInkPoint(lo.x, lo.y), CInkPoint(hi.x, lo.y), CInkPoint(hi.x, hi.y),
                               CInkPoint(lo.x, hi.y), CInkPoint(lo.x, lo.y)})
        m_boundingRectangle->addVertex(p);
    return *m_boundingRectangle;
}

const CPolygon& CDessin::enclosingRectangle() const {
    if (m_enclosingRectangle)
        return *m_enclosingRectangle;
    const CIndexedList<CInkPoint>& h = convexHull().vertices();
    const int n = h.count();
    const CInkPoint h0 = hullStart();
    m_enclosingRectangle.emplace();
    if (n < 2) {
        for (int i = 0; i < 5; ++i)
            m_enclosingRectangle->addVertex(h0);
        return *m_enclosingRectangle;
    }
    if (n < 3) {
        for (const CInkPoint& p : {h.at(0), h.at(1), h.at(1), h.at(0), h.at(0)})
            m_enclosingRectangle->addVertex(p);
        return *m_enclosingRectangle;
    }

    // The last vertex repeats the first: the m distinct ones are enough, and the
    // first index among equal values is then the same.
    const std::vector<CInkPoint> v = vectorOf(h);
    const int m = n - 1;
    Calipers calipers;
    CInkPoint best[4];
    double bestArea = 0.0;
    for (int i = 0; i < m; ++i) {
        const CInkPoint& p = v[i];
        const CInkPoint& q = v[i + 1];
        const std::int64_t ex = std::int64_t{q.x} - p.x, ey = std::int64_t{q.y} - p.y;
        if (i == 0 || (ex == 0 && ey == 0))
            calipers.walk = calipers.first = extremesByScan(v, m, p, q);
        else
            calipers = calipersOf(v, m, p, q, calipers.walk);
        const Extremes& extremes = calipers.first;
        const CInkPoint c0 = foot(p, q, v[extremes.minAlong]);
        const CInkPoint c1 = foot(p, q, v[extremes.maxAlong]);
        const double phi = std::atan2(double(ey), double(ex));
        const double offsetX = 100.0 * std::cos(phi + M_PI / 2);
        const double offsetY = 100.0 * std::sin(phi + M_PI / 2);
        const CInkPoint q0(truncated(c0.x + offsetX), truncated(c0.y + offsetY));
        const CInkPoint q1(truncated(c1.x + offsetX), truncated(c1.y + offsetY));
        const CInkPoint c2 = foot(c1, q1, v[extremes.maxAcross]);
        const CInkPoint c3 = foot(c0, q0, v[extremes.maxAcross]);
        const double area = quadrilateralArea(c0, c1, c2, c3);
        if (i == 0 || area < bestArea) {
            best[0] = c0, best[1] = c1, best[2] = c2, best[3] = c3;
            bestArea = area;
        }
    }
    for (const CInkPoint& p : {best[0], best[1], best[2], best[3], best[0]})
        m_enclosingRectangle->addVertex(p);
    return *m_enclosingRectangle;
}

const CPolygon& CDessin::largestTriangle() const {
    if (m_largestTriangle)
        return *m_largestTriangle;
    const CIndexedList<CInkPoint>& hull = convexHull().vertices();
    if (hull.count() < 4) {
        m_largestTriangle = padded(hull, hullStart(), 4);
        return *m_largestTriangle;
    }
    const std::vector<CInkPoint> h = vectorOf(hull);
    const int n = static_cast<int>(h.size());
    const Triple first = firstTrianglePass(h);
    Triple best = first;
    for (int a = first.a + 1; a <= first.b; ++a) {
        ForwardClimber climber;
        for (int b = a == first.b ? first.b + 1 : first.b; b <= first.c; ++b) {
            const auto [area, c] =
                climber.climb(b == first.c ? first.c + 1 : first.c, n,
                              [&](int k) { return doubleArea(h[a], h[b], h[k]); });
            if (area > best.area)
                best = {a, b, c, area};
        }
    }
    m_largestTriangle.emplace();
    for (int i : {best.a, best.b, best.c, best.a})
        m_largestTriangle->addVertex(h[i]);
    return *m_largestTriangle;
}

const CPolygon& CDessin::largestQuadrilateral() const {
    if (m_largestQuadrilateral)
        return *m_largestQuadrilateral;
    const CIndexedList<CInkPoint>& hull = convexHull().vertices();
    if (hull.count() < 5) {
        m_largestQuadrilateral = padded(hull, hullStart(), 5);
        return *m_largestQuadrilateral;
    }
    const std::vector<CInkPoint> h = vectorOf(hull);
    const int n = static_cast<int>(h.size());
    const Triple first = firstTrianglePass(h);
    // The quadrilateral (a, b, c, d) is the triangles (a, b, c) and (a, c, d):
    // the fourth vertex's climb depends on c alone, so it is done once per c.
    std::vector<int> fourth(static_cast<std::size_t>(first.c + 1));
    ForwardClimber climber;
    for (int c = first.b; c <= first.c; ++c)
        fourth[c] = climber
                        .climb(c == first.c ? first.c + 1 : first.c, n,
                               [&](int k) { return doubleArea(h[first.a], h[c], h[k]); })
                        .second;
    int bestB = 1, bestC = 2, bestD = 3;
    std::int64_t bestArea = 0;
    for (int b = first.a + 1; b <= first.b; ++b) {
        for (int c = b == first.b ? first.b + 1 : first.b; c <= first.c; ++c) {
            const int d = fourth[c];
            const std::int64_t area = d < n - 1 ? doubleArea(h[first.a], h[b], h[c], h[d]) : 0;
            if (area > bestArea)
                bestB = b, bestC = c, bestD = d, bestArea = area;
        }
    }
    m_largestQuadrilateral.emplace();
    for (int i : {first.a, bestB, bestC, bestD, first.a})
        m_largestQuadrilateral->addVertex(h[i]);
    return *m_largestQuadrilateral;
}

std::unique_ptr<CPolygon> CDessin::coreTriangle() const {
    const CPolygon& t = largestTriangle();
    const CInkPoint& a = t.vertex(0);
    const CInkPoint& b = t.vertex(1);
    const CInkPoint& c = t.vertex(2);
    const auto midpoint = [](const CInkPoint& p, const CInkPoint& q) {
        return CInkPoint(p.x + (q.x - p.x) / 2, p.y + (q.y - p.y) / 2);
    };
    // Each vertex keeps 0.6 of the way from the midpoint of its opposite edge.
    const auto pulled = [](const CInkPoint& from, const CInkPoint& to) {
        return CInkPoint(truncated(from.x + 0.6 * (to.x - from.x)),
                         truncated(from.y + 0.6 * (to.y - from.y)));
    };
    const CInkPoint b2 = pulled(midpoint(c, a), b);
    const CInkPoint c2 = pulled(midpoint(a, b), c);
    const CInkPoint a2 = pulled(midpoint(b, c), a);
    auto core = std::make_unique<CPolygon>();
    for (const CInkPoint& p : {b2, c2, a2, b2})
        core->addVertex(p);
    return core;
}

int CDessin::pointsInsideCoreTriangle() const {
    if (m_pointsInsideCore)
        return *m_pointsInsideCore;
    const std::unique_ptr<CPolygon> core = coreTriangle();
    CInkPoint v[3];
    double slope[3];
    for (int i = 0; i < 3; ++i)
        v[i] = core->vertex(i);
    for (int i = 0; i < 3; ++i) {
        const CInkPoint& p = v[i];
        const CInkPoint& q = v[(i + 1) % 3];
        slope[i] = p.x == q.x ? 1e30 : (double(p.y) - q.y) / (double(p.x) - q.x);
    }
    const auto strictlyWithin = [&](const CInkPoint& p) {
        bool left = false, right = false, above = false, below = false;
        for (const CInkPoint& w : v) {
            left |= w.x<p.x, right |= w.x> p.x;
            above |= w.y<p.y, below |= w.y> p.y;
        }
        return left && right && above && below;
    };
    int inside = 0;
    for (const auto& s : m_strokes) {
        for (const CInkPoint& p : s->points()) {
            if (!strictlyWithin(p))
                continue;
            int crossings = 0;
            for (int i = 0; i < 3; ++i) {
                const double m = slope[i];
                if (m == 0.0)
                    continue;
                const CInkPoint& a = v[i];
                const CInkPoint& b = v[(i + 1) % 3];
                if (m < 1e30) {
                    const double x = (a.x * m + (p.y - a.y)) / m;
                    if (p.x <= x && x < std::max(a.x, b.x))
                        ++crossings;
                } else if (p.x <= a.x) {
                    ++crossings;
                }
            }
            if (crossings % 2 == 1)
                ++inside;
        }
    }
    m_pointsInsideCore = inside;
    return inside;
}
