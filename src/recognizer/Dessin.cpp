#include "recognizer/Dessin.h"

#include <algorithm>
#include <cmath>
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

int truncated(double v) { return static_cast<int>(v); }

// Polygon of `points` followed by copies of `filler` up to `size` vertices.
std::unique_ptr<CPolygon> padded(const CIndexedList<CInkPoint>& points, const CInkPoint& filler,
                                 int size) {
    auto polygon = std::make_unique<CPolygon>();
    for (const CInkPoint& p : points)
        polygon->addVertex(p);
    while (polygon->vertexCount() < size)
        polygon->addVertex(filler);
    return polygon;
}

// Advances `c` while the area it closes keeps growing; the best area starts at 0.
template <typename AreaOf>
std::pair<double, int> climb(int c, int n, AreaOf areaOf) {
    double best = 0.0;
    int bestIndex = c;
    while (c < n - 1) {
        const double area = areaOf(c);
        if (area <= best)
            break;
        best = area;
        bestIndex = c;
        ++c;
    }
    return {best, bestIndex};
}

struct Triple {
    int a = 0, b = 1, c = 2;
    double area = 0.0;
};

Triple firstTrianglePass(const CIndexedList<CInkPoint>& h) {
    const int n = h.count();
    Triple best;
    for (int b = 1; b <= n - 2; ++b) {
        const auto [area, c] = climb(b < 2 ? 2 : b + 1, n, [&](int k) {
            return triangleArea(h.at(0), h.at(b), h.at(k));
        });
        if (area > best.area)
            best = {0, b, c, area};
    }
    return best;
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
    m_hull = std::make_unique<CPolygon>();
    if (pointCount() == 0)
        return *m_hull;

    CInkPoint pivot = firstPoint();
    for (const auto& s : m_strokes)
        for (const CInkPoint& p : s->points())
            if (p.y < pivot.y || (p.y == pivot.y && p.x > pivot.x))
                pivot = p;

    // Angular order around the pivot, one point per angle: the farthest, the
    // first met among equally far ones. The pivot itself comes first, at angle 0.
    struct Entry {
        double key;
        std::int64_t squaredDistance;
        CInkPoint point;
    };
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(pointCount()) + 1);
    entries.push_back({0.0, 0, pivot});
    for (const auto& s : m_strokes)
        for (const CInkPoint& p : s->points())
            entries.push_back({pseudoAngle(pivot, p), squaredDistance(pivot, p), p});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    std::vector<CInkPoint> sorted;
    for (std::size_t i = 0; i < entries.size();) {
        std::size_t kept = i, j = i + 1;
        for (; j < entries.size() && entries[j].key == entries[i].key; ++j)
            if (entries[j].squaredDistance > entries[kept].squaredDistance)
                kept = j;
        sorted.push_back(entries[kept].point);
        i = j;
    }

    const std::size_t n = sorted.size();
    std::vector<CInkPoint> hull{sorted[n - 1], sorted[0]};
    for (std::size_t i = 1; n > 2 && i < n;) {
        if (hull.size() < 2 || turnsPositive(hull[hull.size() - 2], hull.back(), sorted[i])) {
            hull.push_back(sorted[i]);
            ++i;
        } else {
            hull.pop_back();
        }
    }

    m_hull->addVertex(hull[0]);
    CInkPoint last = hull[0];
    for (std::size_t k = 1; k < hull.size(); ++k) {
        const bool far = distance(hull[k], last) > kThinningDistance;
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
    m_boundingRectangle = std::make_unique<CPolygon>();
    for (const CInkPoint& p : {CInkPoint(lo.x, lo.y), CInkPoint(hi.x, lo.y),
                               CInkPoint(hi.x, hi.y), CInkPoint(lo.x, hi.y), CInkPoint(lo.x, lo.y)})
        m_boundingRectangle->addVertex(p);
    return *m_boundingRectangle;
}

const CPolygon& CDessin::enclosingRectangle() const {
    if (m_enclosingRectangle)
        return *m_enclosingRectangle;
    const CIndexedList<CInkPoint>& h = convexHull().vertices();
    const int n = h.count();
    const CInkPoint h0 = hullStart();
    m_enclosingRectangle = std::make_unique<CPolygon>();
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

    CInkPoint best[4];
    double bestArea = 0.0;
    for (int i = 0; i + 1 < n; ++i) {
        const CInkPoint& p = h.at(i);
        const CInkPoint& q = h.at(i + 1);
        const std::int64_t ex = std::int64_t{q.x} - p.x, ey = std::int64_t{q.y} - p.y;
        const double edgeLength = std::sqrt(double(ex * ex + ey * ey));
        // Along and across are cos and sin of the angle between the edge and
        // p->h(j), times |p h(j)|: the dot and cross products over |edge|.
        int minAlong = 0, maxAlong = 0, maxAcross = 0;
        double minAlongValue = 0, maxAlongValue = 0, maxAcrossValue = 0;
        for (int j = 0; j < n; ++j) {
            const CInkPoint& v = h.at(j);
            const std::int64_t vx = std::int64_t{v.x} - p.x, vy = std::int64_t{v.y} - p.y;
            double along, across;
            if (edgeLength == 0.0) {
                along = distance(p, v);
                across = 0.0;
            } else {
                along = double(ex * vx + ey * vy) / edgeLength;
                across = double(cross(ex, ey, vx, vy)) / edgeLength;
            }
            if (j == 0 || along < minAlongValue)
                minAlong = j, minAlongValue = along;
            if (j == 0 || along > maxAlongValue)
                maxAlong = j, maxAlongValue = along;
            if (j == 0 || across > maxAcrossValue)
                maxAcross = j, maxAcrossValue = across;
        }
        const CInkPoint c0 = foot(p, q, h.at(minAlong));
        const CInkPoint c1 = foot(p, q, h.at(maxAlong));
        const double phi = std::atan2(double(ey), double(ex));
        const double offsetX = 100.0 * std::cos(phi + M_PI / 2);
        const double offsetY = 100.0 * std::sin(phi + M_PI / 2);
        const CInkPoint q0(truncated(c0.x + offsetX), truncated(c0.y + offsetY));
        const CInkPoint q1(truncated(c1.x + offsetX), truncated(c1.y + offsetY));
        const CInkPoint c2 = foot(c1, q1, h.at(maxAcross));
        const CInkPoint c3 = foot(c0, q0, h.at(maxAcross));
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
    const CIndexedList<CInkPoint>& h = convexHull().vertices();
    const int n = h.count();
    if (n < 4) {
        m_largestTriangle = padded(h, hullStart(), 4);
        return *m_largestTriangle;
    }
    const Triple first = firstTrianglePass(h);
    Triple best = first;
    for (int a = first.a + 1; a <= first.b; ++a) {
        for (int b = a == first.b ? first.b + 1 : first.b; b <= first.c; ++b) {
            const auto [area, c] = climb(b == first.c ? first.c + 1 : first.c, n, [&](int k) {
                return triangleArea(h.at(a), h.at(b), h.at(k));
            });
            if (area > best.area)
                best = {a, b, c, area};
        }
    }
    m_largestTriangle = std::make_unique<CPolygon>();
    for (int i : {best.a, best.b, best.c, best.a})
        m_largestTriangle->addVertex(h.at(i));
    return *m_largestTriangle;
}

const CPolygon& CDessin::largestQuadrilateral() const {
    if (m_largestQuadrilateral)
        return *m_largestQuadrilateral;
    const CIndexedList<CInkPoint>& h = convexHull().vertices();
    const int n = h.count();
    if (n < 5) {
        m_largestQuadrilateral = padded(h, hullStart(), 5);
        return *m_largestQuadrilateral;
    }
    const Triple first = firstTrianglePass(h);
    int bestB = 1, bestC = 2, bestD = 3;
    double bestArea = 0.0;
    for (int b = first.a + 1; b <= first.b; ++b) {
        for (int c = b == first.b ? first.b + 1 : first.b; c <= first.c; ++c) {
            const auto [area, d] = climb(c == first.c ? first.c + 1 : first.c, n, [&](int k) {
                return quadrilateralArea(h.at(first.a), h.at(b), h.at(c), h.at(k));
            });
            if (area > bestArea)
                bestB = b, bestC = c, bestD = d, bestArea = area;
        }
    }
    m_largestQuadrilateral = std::make_unique<CPolygon>();
    for (int i : {first.a, bestB, bestC, bestD, first.a})
        m_largestQuadrilateral->addVertex(h.at(i));
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
            left |= w.x < p.x, right |= w.x > p.x;
            above |= w.y < p.y, below |= w.y > p.y;
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
