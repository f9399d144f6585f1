#pragma once

#include "generator/DrawingGenerator.h"

#include <functional>
#include <string>
#include <vector>

// One way of drawing a gesture: where the pen starts, which way it turns, in
// which order the strokes come. Each is a class of the shipped sets, since the
// trained recogniser's features depend on all of these: a gesture is then
// recognised by its code however it is drawn.
struct GestureVariant {
    int code;
    // What the gesture-set editor shows, e.g. "Rectangle horizontal (départ en
    // haut à droite, sens horaire)".
    std::string name;
    // The strokes, upright, about `size` pixels across and centred on `centre`;
    // the proportions vary with `g`.
    std::function<std::vector<Path>(DrawingGenerator& g, Vec2 centre, double size)> strokes;
};
