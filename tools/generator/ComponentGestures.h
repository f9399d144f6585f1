#pragma once

#include "generator/DrawingGenerator.h"

#include <cstdint>
#include <memory>

class CEnsemble;

// The seventeen flowchart-component gestures, in the order of their codes
// (102 "Ligne horizontale" .. 118 "Texte"). Each is drawn the same way round
// every time, as a user trains a set: same start, same direction; the size, the
// proportions, a slight slant and the writer's style vary.
inline constexpr int kComponentGestureCount = 17;
inline constexpr int kFirstComponentCode = 102;

// Paths of one drawing of gesture `index` (0..16), about `size` pixels across.
std::vector<Path> componentGesture(int index, DrawingGenerator& g, Vec2 centre, double size);

// A trained components set of the first `classes` gestures (at most 17),
// each with `examples` generated examples, named after their codes.
std::unique_ptr<CEnsemble> componentSet(int classes, int examples, std::uint32_t seed);
