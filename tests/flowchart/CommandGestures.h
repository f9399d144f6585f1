#pragma once

#include "generator/DrawingGenerator.h"

#include <memory>

class CEnsemble;

// A commands set made for the tests, as a user would train one: one gesture
// per command code 202..217, drawn the same way round every time.
//   202 "<"  203 ">"  204 "V"  205 "^"  206 a slanted line  207 a scribble
//   208 an X  209 a wave  210 a triangle  211 a "C"  212 a circle
//   213 a diamond  214 a horizontal line  215 a "+"  216 a rectangle
//   217 a vertical line
std::vector<Path> commandGesture(int code, DrawingGenerator& g, Vec2 centre, double size);

// Trained, action type "Commandes", classes named after their commands.
std::unique_ptr<CEnsemble> commandSet(int examples, std::uint32_t seed);
