#include "generator/ShapePaths.h"

#include <cmath>

namespace paths {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

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

Path line(Vec2 from, Vec2 to) { return {from, to}; }

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
    return {{apex.x + armLength * std::cos(back - half), apex.y + armLength * std::sin(back - half)},
            apex,
            {apex.x + armLength * std::cos(back + half), apex.y + armLength * std::sin(back + half)}};
}

Path wave(Vec2 start, double length, double amplitude, int periods, double rotation) {
    const int segments = std::max(24, periods * 24);
    Path path;
    for (int i = 0; i <= segments; ++i) {
        const double f = double(i) / segments;
        path.push_back({start.x + f * length, start.y + amplitude * std::sin(2 * kPi * periods * f)});
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

} // namespace paths
