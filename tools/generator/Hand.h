#pragma once

#include "generator/GestureVariant.h"

#include <memory>

// How one person draws one gesture with their device. Each quantity ranges
// over what the people of the gesture logs do (README: the calibration
// writers) and somewhat beyond, and each is drawn independently of the
// gesture: a set trained on such drawings learns that the hand and the device
// tell nothing about what was drawn.
struct Hand {
    PenStyle pen;
    double size = 120.0;    // pixels across the figure
    double slant = 0.0;     // radians the whole figure is turned
    double rounding = 0.0;  // corner radius, as a share of the size
    double bow = 0.0;       // how far a straight side curves, as a share of its length
    double closing = 0.1;   // a closed figure stops this share of its size short of
                            // its start; when negative it runs past it
    double startHook = 0.0; // pixels the pen comes from, to one side, as it lands
    double endHook = 0.0;   // and goes on, to one side, as it lifts
};

// A person and device picked at random; the figure `smallest` to `largest`
// pixels across.
Hand randomHand(DrawingGenerator& g, double smallest, double largest);

// `variant` drawn by `hand` around `centre`.
std::unique_ptr<CDessin> drawByHand(const GestureVariant& variant, const Hand& hand,
                                    DrawingGenerator& g, Vec2 centre);
