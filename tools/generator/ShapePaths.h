#pragma once

#include "generator/DrawingGenerator.h"

// Paths of the figures people draw, in view pixels (y downward). Angles are in
// radians; `rotation` turns the whole figure about its centre.
namespace paths {

Vec2 rotated(Vec2 p, Vec2 centre, double rotation);
Path rotated(Path path, Vec2 centre, double rotation);

Path line(Vec2 from, Vec2 to);
// Closed polygons repeat their first corner; `startCorner` picks where the pen starts.
Path polygon(const std::vector<Vec2>& corners, bool closed, int startCorner = 0);
Path rectangle(Vec2 centre, double width, double height, double rotation, int startCorner = 0);
Path diamond(Vec2 centre, double width, double height, double rotation, int startCorner = 0);
Path triangle(Vec2 centre, double base, double height, double rotation, int startCorner = 0);
// An arc of an ellipse from startAngle through sweep (2 pi closes it).
Path ellipse(Vec2 centre, double rx, double ry, double rotation, double startAngle = 0.0,
             double sweep = 6.283185307179586);
// A chevron: two arms meeting at the apex, opening away from `direction`.
Path chevron(Vec2 apex, double armLength, double openingAngle, double direction);
// A sine wave along a line.
Path wave(Vec2 start, double length, double amplitude, int periods, double rotation);
// Back-and-forth strokes filling a box, as when scribbling something out.
Path scribble(Vec2 centre, double width, double height, int passes, double rotation);

} // namespace paths
