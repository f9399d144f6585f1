#pragma once

#include "generator/DrawingGenerator.h"

// Paths of the figures people draw, in view pixels (y downward). Angles are in
// radians; `rotation` turns the whole figure about its centre.
namespace paths {

Vec2 rotated(Vec2 p, Vec2 centre, double rotation);
Path rotated(Path path, Vec2 centre, double rotation);

Path line(Vec2 from, Vec2 to);
// A path given in a unit box (-0.5..0.5 both ways), stretched to `width` x
// `height` about `centre` and turned by `rotation`.
Path placed(const Path& unit, Vec2 centre, double width, double height, double rotation);
// A stroke meant to be straight, curving as a hand's does: its middle lies `bow`
// pixels to the left of the chord (to the right when negative).
Path bowed(Vec2 from, Vec2 to, double bow);
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
// The pen starting and stopping a little off: `startShift` pixels of the way are
// left out at the start (when negative, the first segment begins that far
// before it), and likewise `endShift` at the end.
Path withEnds(Path path, double startShift, double endShift);
// Corners sharper than about 30 degrees cut by a curve that leaves each side
// `radius` pixels before the corner (at most 40 % of the side).
Path rounded(const Path& path, double radius);
// A closed path (ending where it began) that goes on past its start, over the
// first `length` pixels of its own way again.
Path runPast(Path path, double length);

} // namespace paths
