#include "generator/ShapePaths.h"

#include <algorithm>
#include <cmath>

namespace paths {

namespace {

constexpr double kPi = 3.14159265358979323846;

// `path` with `shift` pixels of its way taken off its start, or, when negative,
// its first segment drawn on that far back before its start.
Path shiftedStart(Path path, double shift) {
    if (path.size() < 2)
        return path;
    if (shift < 0) {
        const double dx = path[1].x - path[0].x, dy = path[1].y - path[0].y;
        const double length = std::hypot(dx, dy);
        if (length > 0)
            path[0] = {path[0].x + shift * dx / length, path[0].y + shift * dy / length};
        return path;
    }
    std::size_t i = 0;
    while (i + 2 < path.size()) {
        const double length = std::hypot(path[i + 1].x - path[i].x, path[i + 1].y - path[i].y);
        if (length > shift)
            break;
        shift -= length;
        ++i;
    }
    const double dx = path[i + 1].x - path[i].x, dy = path[i + 1].y - path[i].y;
    const double length = std::hypot(dx, dy);
    const double f = length > 0 ? std::min(1.0, shift / length) : 0.0;
    path[i] = {path[i].x + f * dx, path[i].y + f * dy};
    path.erase(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(i));
    return path;
}

} // namespace

Vec2 rotated(Vec2 p, Vec2 centre, double rotation) {
    const double c = std::cos(rotation), s = std::sin(rotation);
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    return {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

Path rotated(Path path, Vec2 centre, double rotation) {
    for (Vec2& p : path)
        p = rotated(p, centre, rotation);
    return path;
}

Path line(Vec2 from, Vec2 to) {
    return {from, to};
}

Path bowed(Vec2 from, Vec2 to, double bow) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return {from, to};
    // A quadratic curve whose middle lies `bow` off the chord: its control
    // point lies twice as far.
    const Vec2 control{(from.x + to.x) / 2 + 2 * bow * dy / length,
                       (from.y + to.y) / 2 - 2 * bow * dx / length};
    constexpr int kSegments = 8;
    Path path;
    for (int i = 0; i <= kSegments; ++i) {
        const double t = double(i) / kSegments, u = 1 - t;
        path.push_back({u * u * from.x + 2 * u * t * control.x + t * t * to.x,
                        u * u * from.y + 2 * u * t * control.y + t * t * to.y});
    }
    return path;
}

Path placed(const Path& unit, Vec2 centre, double width, double height, double rotation) {
    Path path;
    for (const Vec2& u : unit)
        path.push_back({centre.x + u.x * width, centre.y + u.y * height});
    return rotated(path, centre, rotation);
}

Path polygon(const std::vector<Vec2>& corners, bool closed, int startCorner) {
    Path path;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i)
        path.push_back(corners[(i + static_cast<std::size_t>(startCorner)) % n]);
    if (closed && n > 0)
        path.push_back(path.front());
    return path;
}

Path rectangle(Vec2 centre, double width, double height, double rotation, int startCorner) {
    const double w = width / 2, h = height / 2;
    return rotated(polygon({{centre.x - w, centre.y - h},
                            {centre.x + w, centre.y - h},
                            {centre.x + w, centre.y + h},
                            {centre.x - w, centre.y + h}},
                           true, startCorner),
                   centre, rotation);
}

Path diamond(Vec2 centre, double width, double height, double rotation, int startCorner) {
    const double w = width / 2, h = height / 2;
    return rotated(polygon({{centre.x, centre.y - h},
                            {centre.x + w, centre.y},
                            {centre.x, centre.y + h},
                            {centre.x - w, centre.y}},
                           true, startCorner),
                   centre, rotation);
}

Path triangle(Vec2 centre, double base, double height, double rotation, int startCorner) {
    const double b = base / 2;
    return rotated(polygon({{centre.x, centre.y - height * 2 / 3},
                            {centre.x + b, centre.y + height / 3},
                            {centre.x - b, centre.y + height / 3}},
                           true, startCorner),
                   centre, rotation);
}

Path ellipse(Vec2 centre, double rx, double ry, double rotation, double startAngle, double sweep) {
    const int segments = std::max(16, static_cast<int>(std::fabs(sweep) / (2 * kPi) * 72));
    Path path;
    for (int i = 0; i <= segments; ++i) {
        const double a = startAngle + sweep * i / segments;
        path.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
    }
    return rotated(path, centre, rotation);
}

Path chevron(Vec2 apex, double armLength, double openingAngle, double direction) {
    const double back = direction + kPi;
    const double half = openingAngle / 2;
    return {
        {apex.x + armLength * std::cos(back - half), apex.y + armLength * std::sin(back - half)},
        apex,
        {apex.x + armLength * std::cos(back + half), apex.y + armLength * std::sin(back + half)}};
}

Path wave(Vec2 start, double length, double amplitude, int periods, double rotation) {
    const int segments = std::max(24, periods * 24);
    Path path;
    for (int i = 0; i <= segments; ++i) {
        const double f = double(i) / segments;
        path.push_back(
            {start.x + f * length, start.y + amplitude * std::sin(2 * kPi * periods * f)});
    }
    return rotated(path, start, rotation);
}

Path scribble(Vec2 centre, double width, double height, int passes, double rotation) {
    Path path;
    for (int i = 0; i <= passes; ++i) {
        const double x = centre.x + (i % 2 == 0 ? -width / 2 : width / 2);
        const double y = centre.y - height / 2 + height * i / passes;
        path.push_back({x, y});
    }
    return rotated(path, centre, rotation);
}

Path withEnds(Path path, double startShift, double endShift) {
    path = shiftedStart(std::move(path), startShift);
    std::reverse(path.begin(), path.end());
    path = shiftedStart(std::move(path), endShift);
    std::reverse(path.begin(), path.end());
    return path;
}

Path rounded(const Path& path, double radius) {
    if (path.size() < 3 || radius <= 0)
        return path;
    Path out{path.front()};
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        const Vec2 a = path[i - 1], b = path[i], c = path[i + 1];
        const double in = std::hypot(b.x - a.x, b.y - a.y), on = std::hypot(c.x - b.x, c.y - b.y);
        const double cosine =
            in > 0 && on > 0 ? ((b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y)) / (in * on)
                             : 1.0;
        if (cosine > 0.87) {
            out.push_back(b);
            continue;
        }
        const double before = std::min(radius, 0.4 * in), after = std::min(radius, 0.4 * on);
        const Vec2 from{b.x - (b.x - a.x) * before / in, b.y - (b.y - a.y) * before / in};
        const Vec2 to{b.x + (c.x - b.x) * after / on, b.y + (c.y - b.y) * after / on};
        constexpr int kSegments = 4;
        for (int k = 0; k <= kSegments; ++k) {
            const double t = double(k) / kSegments, u = 1 - t;
            out.push_back({u * u * from.x + 2 * u * t * b.x + t * t * to.x,
                           u * u * from.y + 2 * u * t * b.y + t * t * to.y});
        }
    }
    out.push_back(path.back());
    return out;
}

Path runPast(Path path, double length) {
    const std::size_t n = path.size();
    for (std::size_t i = 1; i < n && length > 0; ++i) {
        const double step = std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
        if (step >= length) {
            const double f = length / step;
            path.push_back({path[i - 1].x + f * (path[i].x - path[i - 1].x),
                            path[i - 1].y + f * (path[i].y - path[i - 1].y)});
            break;
        }
        path.push_back(path[i]);
        length -= step;
    }
    return path;
}

} // namespace paths
