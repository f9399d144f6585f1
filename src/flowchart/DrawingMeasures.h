#pragma once

#include "recognizer/Dessin.h"

#include <optional>
#include <utility>

// Measures of a drawing that tell apart gestures both recognisers confuse.

// Twice the area the stroke encloses with the chord from its end back to its
// start, positive when it turns clockwise on the screen (y grows downward).
double windingArea(const CStroke& stroke);

// Whether a stroke runs a third longer than the way from its start to its end.
bool hasBentStroke(const CDessin& drawing);

// Whether the drawing is two strokes whose chords cut each other well inside
// both (a fifth to four fifths along each), as the strokes of an X do.
bool chordsCross(const CDessin& drawing);

// Whether the drawing is two strokes whose ink crosses well inside both (a
// fifth to four fifths along each), as an X's does, however its ends hook.
bool inkCrosses(const CDessin& drawing);

// Whether the drawing is one stroke that comes back within a tenth of its size
// of where it passed a quarter of its length before: a loop, or a figure gone
// round, which no straight stroke is.
bool loops(const CDessin& drawing);

// How much of the drawing's turning its sharpest eighth holds, the strokes
// joined and resampled every 1/64 of their length, each turn taken over two
// steps on either side: a rectangle turns at its four corners, about half of
// its turning and more, a round figure all along, about a quarter.
double cornerShare(const CDessin& drawing);

// The turning of every stroke, each resampled every 1/32 of its length, summed
// without sign, in radians: a line of handwriting winds through several turns,
// a figure's strokes through one or less each.
double windingTurns(const CDessin& drawing);

// How much of the drawing's width its lowest third spans: a B's lower bowl
// spans nearly all of it, a P's stem little.
double lowerWidthShare(const CDessin& drawing);

// Whether the drawing is an N in three strokes: two steep stems, the second
// right of the first, and a slanting stroke between them.
bool threeStrokeN(const CDessin& drawing);

// How many times the drawing's one stroke runs one way and back along either
// axis, a run counted once it covers a quarter of the stroke's extent there:
// an N or a Z runs three times, a scribble five times and more.
int passes(const CDessin& drawing);

// Whether the drawing is an arrow drawn as a head and a shaft, in either order:
// two strokes, one bent (its farthest point from its chord a fifth of the
// chord's length away or more), and an end of the other within a sixth of the
// drawing's size of that farthest point, the arrow's tip. Gives the shaft's
// other end, the arrow's tail, then the tip.
std::optional<std::pair<CInkPoint, CInkPoint>> shaftAndHead(const CDessin& drawing);

// Whether the drawing is one stroke that ends within a fifth of its size of
// where it began: a figure gone round, which no line is.
bool closedStroke(const CDessin& drawing);

// How much narrower than long the ellipse is that best fits the drawing's ink
// (least squares over its conic, its strokes resampled every 1/64 of their
// length): a round figure stopped short or run past keeps the shape its
// box loses. Nothing when a hyperbola fits better, as for an X.
std::optional<double> fittedAspect(const CDessin& drawing);

// How far the drawing's hull stays from the corners of its smallest enclosing
// rectangle, over half its diagonal, at the third nearest corner (one corner
// may be cut where the pen stopped short): a rectangle reaches its corners,
// an ellipse stays about 0.29 away, however its outline trembles.
double cornerReach(const CDessin& drawing);

// How much shorter one side is than the other of the rectangle along `a`-`b`
// and `b`-`c` that holds the drawing's ink but its farthest fortieth on each
// side: the flick of a pen landing or lifting, which stretches the drawing's
// box, is left out. Nothing without such sides or ink.
std::optional<double> trimmedAspect(const CDessin& drawing, const CInkPoint& a, const CInkPoint& b,
                                    const CInkPoint& c);
