#include "recognizer/TemplateMatcher.h"

#include "recognizer/Dessin.h"

#include <algorithm>
#include <cmath>

// The vectors keep their orientation: no rotation is searched for. The
// flowchart tells an arrow drawn upward from one drawn downward, and a V from a
// caret, by direction alone, which a rotation-invariant match would confuse.
// The cosine of two unit vectors is then simply their dot product.

namespace {

struct Point {
    double x, y;
};

std::vector<Point> joinedPath(const CDessin& drawing) {
    std::vector<Point> path;
    for (int s = 0; s < drawing.strokeCount(); ++s)
        for (const CInkPoint& p : drawing.stroke(s).points())
            path.push_back({double(p.x), double(p.y)});
    return path;
}

double segmentLength(const std::vector<Point>& path, std::size_t i) {
    return std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
}

// kPoints points at equal distances along the path, its ends included.
std::vector<Point> resample(const std::vector<Point>& path, double length) {
    constexpr int n = CTemplateMatcher::kPoints;
    std::vector<Point> points;
    points.reserve(n);
    points.push_back(path.front());
    const double step = length / (n - 1);
    std::size_t i = 1;   // the segment from path[i - 1] to path[i]
    double walked = 0.0; // path length up to path[i - 1]
    double segment = segmentLength(path, i);
    for (int k = 1; k < n - 1; ++k) {
        const double target = k * step;
        while (walked + segment < target && i + 1 < path.size()) {
            walked += segment;
            segment = segmentLength(path, ++i);
        }
        // Rounding can leave the target a hair past the last segment's end.
        const double f = segment > 0.0 ? std::min(1.0, (target - walked) / segment) : 1.0;
        points.push_back({path[i - 1].x + f * (path[i].x - path[i - 1].x),
                          path[i - 1].y + f * (path[i].y - path[i - 1].y)});
    }
    points.push_back(path.back());
    return points;
}

} // namespace

std::optional<std::vector<double>> CTemplateMatcher::vectorOf(const CDessin& drawing) {
    const std::vector<Point> path = joinedPath(drawing);
    double length = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i)
        length += segmentLength(path, i);
    if (length <= 0.0)
        return std::nullopt;
    const std::vector<Point> points = resample(path, length);
    Point centroid{0.0, 0.0};
    for (const Point& p : points) {
        centroid.x += p.x / kPoints;
        centroid.y += p.y / kPoints;
    }
    std::vector<double> vector;
    vector.reserve(2 * kPoints);
    double norm = 0.0;
    for (const Point& p : points) {
        vector.push_back(p.x - centroid.x);
        vector.push_back(p.y - centroid.y);
        norm +=
            vector[vector.size() - 2] * vector[vector.size() - 2] + vector.back() * vector.back();
    }
    norm = std::sqrt(norm);
    for (double& v : vector)
        v /= norm;
    return vector;
}

bool CTemplateMatcher::addTemplate(int classIndex, const CDessin& drawing) {
    auto vector = vectorOf(drawing);
    if (!vector)
        return false;
    addTemplate(classIndex, std::move(*vector));
    return true;
}

void CTemplateMatcher::addTemplate(int classIndex, std::vector<double> vector) {
    m_templates.push_back({classIndex, std::move(vector)});
}

std::optional<CTemplateMatcher::Match> CTemplateMatcher::match(const CDessin& drawing) const {
    const auto vector = vectorOf(drawing);
    if (!vector)
        return std::nullopt;
    return match(*vector);
}

std::optional<CTemplateMatcher::Match>
CTemplateMatcher::match(const std::vector<double>& vector) const {
    std::optional<Match> best;
    for (const Template& t : m_templates) {
        double cosine = 0.0;
        for (std::size_t i = 0; i < vector.size(); ++i)
            cosine += vector[i] * t.vector[i];
        if (!best || cosine > best->score)
            best = Match{t.classIndex, cosine};
    }
    return best;
}
