#pragma once

#include "generator/GestureVariant.h"

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

// Every way people draw each component, in code order, its natural way first:
// closed figures from each corner (or from the top, right, bottom and left of a
// round one) both ways round, lines both ways, crosses in each stroke order,
// arrows with their head drawn either way, and text as handwritten words.
const std::vector<GestureVariant>& componentVariants();
