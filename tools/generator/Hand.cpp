#include "generator/Hand.h"

#include "generator/ShapePaths.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double logUniform(DrawingGenerator& g, double lo, double hi) {
    return std::exp(g.uniform(std::log(lo), std::log(hi)));
}

// Where the pen is `length` pixels before `from` when it goes on towards
// `next`: a little to one side of the way, as a pen lands or lifts.
Vec2 flick(DrawingGenerator& g, Vec2 from, Vec2 next, double length) {
    const double way = std::atan2(from.y - next.y, from.x - next.x);
    const double angle = way + g.uniform(-1.2, 1.2);
    return {from.x + length * std::cos(angle), from.y + length * std::sin(angle)};
}

// The long straight sides of `path` curving as a hand's do.
Path bowedSides(DrawingGenerator& g, const Path& path, double bow, double size) {
    Path out{path.front()};
    for (std::size_t i = 1; i < path.size(); ++i) {
        const double length = std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
        if (length < 0.2 * size) {
            out.push_back(path[i]);
            continue;
        }
        const double amount = g.uniform(-bow, bow) * length;
        const Path side = paths::bowed(path[i - 1], path[i], amount);
        out.insert(out.end(), side.begin() + 1, side.end());
    }
    return out;
}

bool isClosed(const Path& path) {
    return path.size() > 2 &&
           std::hypot(path.front().x - path.back().x, path.front().y - path.back().y) < 1e-6;
}

} // namespace

// Random draws are made one statement at a time, never two in one call's arguments.
Hand randomHand(DrawingGenerator& g, double smallest, double largest) {
    Hand hand;
    hand.pen.sampleRateHz = logUniform(g, 60, 250);
    hand.pen.speed = logUniform(g, 100, 4000);
    // Into a corner the pen slows down, but hardly under 80 pixels a second.
    hand.pen.cornerSpeed = std::max(g.uniform(0.1, 0.5), 80 / hand.pen.speed);
    hand.pen.brakingTime = g.uniform(0.05, 0.2);
    hand.pen.curveRadius = logUniform(g, 40, 250);
    hand.pen.jitter = g.uniform(0.2, 0.7);
    hand.pen.tremorTime = g.uniform(0.005, 0.02);
    hand.pen.minStep = g.uniform(2, 4.5);
    hand.pen.pause = g.uniform(0.05, 0.6);
    // Some loggers stamp points by the display's frame, every 16 ms.
    hand.pen.clockStep = g.uniform(0, 1) < 0.3 ? 0.016 : 0.001;
    hand.size = logUniform(g, smallest, largest);
    hand.slant = g.uniform(-0.08, 0.08);
    hand.rounding = g.uniform(0, 0.06);
    hand.bow = g.uniform(0, 0.025);
    hand.closing = g.uniform(-0.1, 0.25);
    const double startHook = g.uniform(0, 1);
    hand.startHook = startHook < 0.5 ? 0.0 : g.uniform(2, 7);
    const double endHook = g.uniform(0, 1);
    hand.endHook = endHook < 0.5 ? 0.0 : g.uniform(2, 7);
    return hand;
}

std::unique_ptr<CDessin> drawByHand(const GestureVariant& variant, const Hand& hand,
                                    DrawingGenerator& g, Vec2 centre) {
    std::vector<Path> strokes = variant.strokes(g, centre, hand.size);
    for (Path& stroke : strokes) {
        const bool closed = isClosed(stroke);
        stroke = paths::rotated(bowedSides(g, stroke, hand.bow, hand.size), centre, hand.slant);
        stroke = paths::rounded(stroke, hand.rounding * hand.size);
        if (closed) {
            const double startShift = hand.size * g.uniform(-0.02, 0.05);
            stroke =
                hand.closing >= 0
                    ? paths::withEnds(std::move(stroke), startShift, hand.closing * hand.size)
                    : paths::withEnds(paths::runPast(std::move(stroke), -hand.closing * hand.size),
                                      startShift, 0.0);
        } else {
            const double startShift = g.uniform(-4, 4);
            const double endShift = g.uniform(-4, 4);
            stroke = paths::withEnds(std::move(stroke), startShift, endShift);
        }
        if (hand.startHook > 0 && stroke.size() > 1)
            stroke.insert(stroke.begin(), flick(g, stroke.front(), stroke[1], hand.startHook));
        if (hand.endHook > 0 && stroke.size() > 1)
            stroke.push_back(flick(g, stroke.back(), stroke[stroke.size() - 2], hand.endHook));
    }
    return g.draw(strokes, hand.pen);
}
