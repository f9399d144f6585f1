#include "generator/CommandGestures.h"

#include "generator/ShapePaths.h"

#include <cmath>

using namespace paths;

namespace {

constexpr double kPi = 3.14159265358979323846;

// `path` followed by the points of `more`.
Path joined(Path path, const Path& more) {
    path.insert(path.end(), more.begin(), more.end());
    return path;
}

Path letterR() {
    const Path bowl = ellipse({0.05, -0.25}, 0.35, 0.25, 0.0, -kPi / 2, kPi);
    return joined(joined({{-0.5, 0.5}, {-0.5, -0.5}}, bowl), {{-0.45, 0.0}, {0.5, 0.5}});
}

Path letterP() {
    const Path bowl = ellipse({0.0, -0.25}, 0.5, 0.25, 0.0, -kPi / 2, kPi);
    return joined(joined({{-0.5, 0.5}, {-0.5, -0.5}}, bowl), {{-0.5, 0.0}});
}

Path letterG() {
    return joined(ellipse({0, 0}, 0.5, 0.5, 0.0, -0.75, 0.75 - 2 * kPi), {{0.0, 0.0}});
}

std::vector<Path> letterB() {
    const Path top = ellipse({0.0, -0.27}, 0.35, 0.23, 0.0, -kPi / 2, kPi);
    const Path bottom = ellipse({0.05, 0.24}, 0.45, 0.26, 0.0, -kPi / 2, kPi);
    return {{{-0.5, -0.5}, {-0.5, 0.5}},
            joined(joined(joined({{-0.5, -0.5}}, top), {{-0.45, -0.02}}),
                   joined(bottom, {{-0.5, 0.5}}))};
}

std::vector<Path> questionMark() {
    const Path hook = ellipse({0.0, -0.25}, 0.35, 0.25, 0.0, kPi + 0.35, 1.5 * kPi - 0.35);
    return {joined(hook, {{0.0, 0.25}}), {{0.0, 0.47}, {0.02, 0.5}}};
}

} // namespace

// Random draws are made one statement at a time, never two in one call's arguments.
std::vector<Path> commandGesture(int code, DrawingGenerator& g, Vec2 c, double size) {
    const double slant = g.uniform(-0.1, 0.1);
    const double h = size / 2;
    const auto move = [&](Vec2 from, Vec2 to) -> std::vector<Path> {
        const double bow = size * g.uniform(-0.15, 0.15);
        return {
            rotated(bowed({c.x + from.x, c.y + from.y}, {c.x + to.x, c.y + to.y}, bow), c, slant)};
    };
    // Letters and signs are drawn in a unit box, `size` high.
    const auto letter = [&](const std::vector<Path>& unit, double width) {
        std::vector<Path> strokes;
        for (const Path& stroke : unit)
            strokes.push_back(placed(stroke, c, width, size, slant));
        return strokes;
    };
    switch (code) {
    case 202:
        return move({h, 0}, {-h, 0});
    case 203:
        return move({-h, 0}, {h, 0});
    case 204:
        return move({0, -h}, {0, h});
    case 205:
        return move({0, h}, {0, -h});
    case 206: {
        const double radius = size * g.uniform(0.1, 0.14);
        const double heading = g.uniform(3 * kPi / 4 - 0.35, 3 * kPi / 4 + 0.35);
        const Vec2 way{std::cos(heading), std::sin(heading)};
        const Vec2 end{c.x + h * way.x, c.y + h * way.y};
        const Vec2 loopCentre{end.x - radius * way.y, end.y + radius * way.x};
        const double onLoop = heading - kPi / 2;
        return {joined({{c.x - h * way.x, c.y - h * way.y}},
                       ellipse(loopCentre, radius, radius, 0.0, onLoop, -2 * kPi))};
    }
    case 207: {
        const double height = size * g.uniform(0.4, 0.7);
        return {scribble(c, size, height, 4, slant)};
    }
    case 208: {
        const double height = size * g.uniform(0.8, 1.2);
        return {placed({{-0.5, -0.5}, {0.5, 0.5}}, c, size, height, slant),
                placed({{0.5, -0.5}, {-0.5, 0.5}}, c, size, height, slant)};
    }
    case 209: {
        const double width = size * g.uniform(0.65, 0.85);
        return letter({{{-0.5, 0.5}, {-0.5, -0.5}, {0.5, 0.5}, {0.5, -0.5}}}, width);
    }
    case 210: {
        const double width = size * g.uniform(0.6, 0.8);
        return letter({letterR()}, width);
    }
    case 211: {
        const double width = size * g.uniform(0.7, 0.95);
        return letter({{{-0.5, -0.5}, {0.0, 0.5}, {0.5, -0.5}}}, width);
    }
    case 212: {
        const double width = size * g.uniform(0.55, 0.75);
        return letter(letterB(), width);
    }
    case 213: {
        const double width = size * g.uniform(0.7, 0.9);
        return letter({ellipse({0, 0}, 0.5, 0.5, 0.0, -0.75, 1.5 - 2 * kPi)}, width);
    }
    case 214: {
        const double width = size * g.uniform(0.55, 0.75);
        return letter({letterP()}, width);
    }
    case 215: {
        const double width = size * g.uniform(0.75, 0.95);
        return letter({letterG()}, width);
    }
    case 216: {
        const double width = size * g.uniform(0.6, 1.7);
        return letter({{{-0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}}}, width);
    }
    default: {
        const double width = size * g.uniform(0.5, 0.7);
        return letter(questionMark(), width);
    }
    }
}
