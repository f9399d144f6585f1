#include "generator/FamilyGestures.h"

#include "generator/ShapePaths.h"

#include <cmath>

using namespace paths;

namespace {
constexpr double kPi = 3.14159265358979323846;
}

std::string_view familyName(FamilyKind kind) {
    switch (kind) {
    case FamilyKind::Line:
        return "Line";
    case FamilyKind::Triangle:
        return "Triangle";
    case FamilyKind::Rectangle:
        return "Rectangle";
    case FamilyKind::Circle:
        return "Circle";
    case FamilyKind::Ellipse:
        return "Ellipse";
    case FamilyKind::Diamond:
        return "Diamond";
    case FamilyKind::Arrow:
        return "Arrow";
    case FamilyKind::Cross:
        return "Cross";
    case FamilyKind::Delete:
        return "Delete";
    case FamilyKind::WavyLine:
        return "WavyLine";
    case FamilyKind::Copy:
        return "Copy";
    case FamilyKind::Move:
        return "Move";
    case FamilyKind::Tap:
        return "Tap";
    }
    return "";
}

// Random draws are made one statement at a time: the order in which a compiler
// evaluates function arguments is not fixed, and the drawings must not depend on it.
std::vector<Path> familyGesture(FamilyKind kind, DrawingGenerator& g, Vec2 c, double size,
                                double rotation) {
    const double s = size;
    switch (kind) {
    case FamilyKind::Line:
        return {
            rotated(line({c.x - s / 2, c.y + g.uniform(-1, 1)}, {c.x + s / 2, c.y}), c, rotation)};
    case FamilyKind::Triangle: {
        const int start = g.uniformInt(0, 2);
        return {triangle(c, s, s * g.uniform(0.8, 0.95), rotation, start)};
    }
    case FamilyKind::Rectangle: {
        const int start = g.uniformInt(0, 3);
        return {rectangle(c, s, s * g.uniform(0.5, 0.8), rotation, start)};
    }
    case FamilyKind::Circle: {
        const double start = g.uniform(0, 2 * kPi);
        return {ellipse(c, s / 2, s / 2 * g.uniform(0.95, 1.0), rotation, start)};
    }
    case FamilyKind::Ellipse: {
        const double start = g.uniform(0, 2 * kPi);
        return {ellipse(c, s / 2, s / 2 * g.uniform(0.4, 0.55), rotation, start)};
    }
    case FamilyKind::Diamond: {
        const int start = g.uniformInt(0, 3);
        return {diamond(c, s, s * g.uniform(0.55, 0.7), rotation, start)};
    }
    case FamilyKind::Arrow: {
        // The shaft is gone over three times, the head is a small closed triangle
        // beyond its tip: drawn so, the ink follows the outline of the whole arrow.
        const Vec2 tail = rotated(Vec2{c.x - s / 2, c.y}, c, rotation);
        const Vec2 tip = rotated(Vec2{c.x + s / 2, c.y}, c, rotation);
        const double head = s * g.uniform(0.22, 0.3);
        const Vec2 headCentre = rotated(Vec2{c.x + s / 2 + head * 0.3, c.y}, c, rotation);
        return {{tail, tip, tail, tip}, triangle(headCentre, head, head, rotation + kPi / 2)};
    }
    case FamilyKind::Cross: {
        const double h = s / 2 * g.uniform(0.8, 1.0);
        return {rotated(line({c.x - s / 2, c.y - h}, {c.x + s / 2, c.y + h}), c, rotation),
                rotated(line({c.x + s / 2, c.y - h}, {c.x - s / 2, c.y + h}), c, rotation)};
    }
    case FamilyKind::Delete: {
        const int passes = g.uniformInt(7, 10);
        return {scribble(c, s, s * g.uniform(0.4, 0.6), passes, rotation)};
    }
    case FamilyKind::WavyLine: {
        const int periods = g.uniformInt(2, 4);
        return {wave({c.x - s / 2, c.y}, s, s * g.uniform(0.12, 0.18), periods, rotation)};
    }
    case FamilyKind::Copy: {
        // A "C", taller than wide: three quarters of an ellipse, open on the right.
        const double gap = g.uniform(0.3, 0.36) * 2 * kPi;
        return {ellipse(c, s / 2 * g.uniform(0.65, 0.8), s / 2, rotation, gap / 2, 2 * kPi - gap)};
    }
    case FamilyKind::Move:
        return {chevron(c, s, g.uniform(0.9, 1.15), rotation)};
    case FamilyKind::Tap:
        return {{{c.x, c.y}, {c.x + g.uniform(0, 4), c.y + g.uniform(0, 4)}}};
    }
    return {};
}
