#include "generator/CommandGestures.h"

#include "engine/Codes.h"
#include "generator/ShapePaths.h"

#include <algorithm>
#include <cmath>
#include <functional>

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

namespace {

std::string named(int code, const std::string& how) {
    return nomCode(TYPE_COMMANDES, code) + " (" + how + ")";
}

// Letters and signs drawn in a unit box (-0.5..0.5, y downward), `size` high
// and `width` times that wide, a width drawn between `low` and `high`; `unit`
// gives the strokes in the box, their proportions varying with `g`.
using UnitStrokes = std::function<std::vector<Path>(DrawingGenerator& g)>;

GestureVariant letterVariant(int code, const std::string& how, UnitStrokes unit, double low,
                             double high) {
    return {code, named(code, how),
            [unit = std::move(unit), low, high](DrawingGenerator& g, Vec2 c, double size) {
                const double width = size * g.uniform(low, high);
                std::vector<Path> strokes;
                for (const Path& stroke : unit(g))
                    strokes.push_back(placed(stroke, c, width, size, 0.0));
                return strokes;
            }};
}

GestureVariant letterVariant(int code, const std::string& how, std::vector<Path> unit, double low,
                             double high) {
    return letterVariant(
        code, how, [unit = std::move(unit)](DrawingGenerator&) { return unit; }, low, high);
}

// The bowl of a P from near the top of its stem round to the right, ending
// a little short of the stem or past it: people start it left of the stem or
// below its top, and make it a third to two thirds of the letter's height.
Path bowlOfP(DrawingGenerator& g) {
    const double low = g.uniform(-0.15, 0.15);
    const double gap = g.uniform(-0.1, 0.3);
    const double startX = g.uniform(-0.15, 0.1);
    const double startY = g.uniform(0.0, 0.2);
    return joined(joined({{-0.5 + startX, -0.5 + startY}},
                         ellipse({0.0, (low - 0.5) / 2}, 0.5, (low + 0.5) / 2, 0.0, -kPi / 2, kPi)),
                  {{-0.5 + gap, low}});
}

// The stem of a P, down from its top, which may lie below the bowl's, leaning
// as handwriting does.
Path stemOfP(DrawingGenerator& g) {
    const double top = g.uniform(-0.5, -0.3);
    const double lean = g.uniform(-0.05, 0.2);
    return {{-0.5, top}, {-0.5 + lean, 0.5}};
}

std::vector<GestureVariant> makeCommandVariants() {
    std::vector<GestureVariant> v;
    // The codes drawn one way only: the moves, the loop, G.
    const auto single = [&v](int code, const std::string& how) {
        v.push_back({code, named(code, how), [code](DrawingGenerator& g, Vec2 c, double s) {
                         return commandGesture(code, g, c, s);
                     }});
    };
    single(202, "trait de droite à gauche");
    single(203, "trait de gauche à droite");
    single(204, "trait de haut en bas");
    single(205, "trait de bas en haut");
    single(206, "trait puis boucle");

    const std::pair<const char*, double> scribbles[] = {
        {"va-et-vient horizontal, vers le bas", 0.0},
        {"va-et-vient horizontal, vers le haut", kPi},
        {"va-et-vient vertical, vers la gauche", kPi / 2},
        {"va-et-vient vertical, vers la droite", -kPi / 2}};
    for (const auto& [how, turn] : scribbles)
        v.push_back({207, named(207, how), [turn = turn](DrawingGenerator& g, Vec2 c, double s) {
                         const double height = s * g.uniform(0.35, 0.75);
                         // Three runs are an N or a Z written in one stroke.
                         const int passes = g.uniformInt(4, 7);
                         return std::vector<Path>{scribble(c, s, height, passes, turn)};
                     }});

    const std::pair<const char*, Path> diagonals[] = {{"↘", {{-0.5, -0.5}, {0.5, 0.5}}},
                                                      {"↙", {{0.5, -0.5}, {-0.5, 0.5}}},
                                                      {"↖", {{0.5, 0.5}, {-0.5, -0.5}}},
                                                      {"↗", {{-0.5, 0.5}, {0.5, -0.5}}}};
    for (const auto& [firstName, first] : diagonals)
        for (const auto& [secondName, second] : diagonals)
            if ((first[0].x == first[0].y) != (second[0].x == second[0].y))
                v.push_back(letterVariant(
                    208, std::string("trait ") + firstName + " puis trait " + secondName,
                    {first, second}, 0.75, 1.3));

    const Path stemDown{{-0.5, -0.5}, {-0.5, 0.5}};
    v.push_back(letterVariant(209, "N en trois traits vers le bas",
                              {stemDown, {{-0.5, -0.5}, {0.5, 0.5}}, {{0.5, -0.5}, {0.5, 0.5}}},
                              0.5, 1.3));
    v.push_back(letterVariant(209, "N en trois traits, le dernier vers le haut",
                              {stemDown, {{-0.5, -0.5}, {0.5, 0.5}}, {{0.5, 0.5}, {0.5, -0.5}}},
                              0.5, 1.3));
    v.push_back(letterVariant(209, "N d'un trait, départ en bas à gauche",
                              {{{-0.5, 0.5}, {-0.5, -0.5}, {0.5, 0.5}, {0.5, -0.5}}}, 0.5, 1.3));
    v.push_back(letterVariant(209, "N en deux traits",
                              {stemDown, {{-0.5, -0.5}, {0.5, 0.5}, {0.5, -0.5}}}, 0.5, 1.3));

    v.push_back(letterVariant(210, "R d'un trait, départ en bas", {letterR()}, 0.55, 0.85));

    // People end the right arm of a V higher than they began the left one.
    const auto armHeight = [](DrawingGenerator& g) { return g.uniform(-0.7, -0.45); };
    v.push_back(letterVariant(
        211, "V d'un trait",
        [armHeight](DrawingGenerator& g) {
            return std::vector<Path>{{{-0.5, -0.5}, {0.0, 0.5}, {0.5, armHeight(g)}}};
        },
        0.6, 1.1));
    v.push_back(letterVariant(212, "B en deux traits", letterB(), 0.5, 0.8));

    v.push_back({213, named(213, "C, départ en haut"), [](DrawingGenerator& g, Vec2 c, double s) {
                     const double width = s * g.uniform(0.6, 0.95);
                     const double start = g.uniform(-1.1, -0.4);
                     const double end = g.uniform(0.4, 1.0);
                     return std::vector<Path>{
                         placed(ellipse({0, 0}, 0.5, 0.5, 0.0, start, end - start - 2 * kPi), c,
                                width, s, 0.0)};
                 }});

    v.push_back(letterVariant(
        214, "P en deux traits",
        [](DrawingGenerator& g) {
            Path stem = stemOfP(g);
            Path bowl = bowlOfP(g);
            return std::vector<Path>{std::move(stem), std::move(bowl)};
        },
        0.45, 0.95));
    v.push_back(letterVariant(
        214, "P d'un trait, jambage de bas en haut",
        [](DrawingGenerator& g) {
            Path stem = stemOfP(g);
            std::reverse(stem.begin(), stem.end());
            return std::vector<Path>{joined(std::move(stem), bowlOfP(g))};
        },
        0.45, 0.95));

    single(215, "G d'un trait");

    v.push_back(
        letterVariant(216, "L d'un trait", {{{-0.5, -0.5}, {-0.5, 0.5}, {0.5, 0.5}}}, 0.6, 1.7));

    // The hook, then the stem down. A dot as a second stroke would make it a
    // two-stroke sign beside the X and the P: drawn so, it is rejected.
    v.push_back(letterVariant(
        217, "crochet",
        [](DrawingGenerator& g) {
            const double start = g.uniform(kPi - 0.7, kPi + 0.6);
            const double stem = g.uniform(0.3, 0.5);
            const Path hook = ellipse({0.0, -0.25}, 0.5, 0.25, 0.0, start, 2.5 * kPi - start);
            return std::vector<Path>{joined(hook, {{0.0, stem}})};
        },
        0.45, 0.75));
    // A command drawn one way only is named after its code alone.
    for (GestureVariant& one : v)
        if (std::count_if(v.begin(), v.end(), [&](const auto& w) { return w.code == one.code; }) ==
            1)
            one.name = nomCode(TYPE_COMMANDES, one.code);
    return v;
}

} // namespace

const std::vector<GestureVariant>& commandVariants() {
    static const std::vector<GestureVariant> variants = makeCommandVariants();
    return variants;
}
