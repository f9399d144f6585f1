#pragma once

#include "generator/DrawingGenerator.h"

// The four text gestures, as on handheld organisers:
//   302 "Lettre minuscule"  a stroke downward (shift down);
//   303 "Lettre majuscule"  a stroke upward (shift up);
//   304 "Effacer"           a stroke right to left, as the backspace key goes back;
//   305 "Espace"            the space sign: down, across to the right, up.

// Paths of one drawing of text gesture `code` (302..305), `size` pixels across.
std::vector<Path> textGesture(int code, DrawingGenerator& g, Vec2 centre, double size);
