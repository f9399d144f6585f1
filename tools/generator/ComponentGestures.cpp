#include "generator/ComponentGestures.h"

#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "generator/ShapePaths.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

using namespace paths;

namespace {

constexpr double kPi = 3.14159265358979323846;

// A shaft from `from` to `to`, then the head as a second stroke at `to`.
std::vector<Path> arrow(DrawingGenerator& g, Vec2 from, Vec2 to, double size) {
    const double head = size * g.uniform(0.2, 0.3);
    const double opening = g.uniform(0.9, 1.2);
    const double direction = std::atan2(to.y - from.y, to.x - from.x);
    return {line(from, to), chevron(to, head, opening, direction)};
}

} // namespace

// Random draws are made one statement at a time, never two in one call's arguments.
std::vector<Path> componentGesture(int index, DrawingGenerator& g, Vec2 c, double size) {
    const double s = size * g.uniform(0.8, 1.25);
    const double slant = g.uniform(-0.08, 0.08);
    const double h = s / 2;
    const auto at = [&](double dx, double dy) {
        return rotated(Vec2{c.x + dx, c.y + dy}, c, slant);
    };
    switch (index) {
    case 0:
        return {line(at(-h, 0), at(h, 0))};
    case 1:
        return {line(at(0, -h), at(0, h))};
    case 2:
        return {rectangle(c, s * g.uniform(0.45, 0.6), s, slant)};
    case 3:
        return {rectangle(c, s, s * g.uniform(0.45, 0.6), slant)};
    case 4:
        return {triangle(c, s, s * g.uniform(0.8, 0.95), kPi + slant)};
    case 5:
        return {triangle(c, s, s * g.uniform(0.8, 0.95), slant)};
    case 6:
        return {rectangle(c, s * 0.8, s * 0.8 * g.uniform(0.93, 1.07), slant)};
    case 7:
        return {diamond(c, s, s * g.uniform(0.6, 0.75), slant)};
    case 8:
        return {ellipse(c, h, h * g.uniform(0.95, 1.05), slant, -kPi / 2)};
    case 9:
        return {ellipse(c, h * g.uniform(0.5, 0.6), h, slant, -kPi / 2)};
    case 10:
        return {ellipse(c, h, h * g.uniform(0.5, 0.6), slant, -kPi / 2)};
    case 11:
        return {line(at(-h, -h), at(h, h)), line(at(h, -h), at(-h, h))};
    case 12:
        return arrow(g, at(-h, 0), at(h, 0), s);
    case 13:
        return arrow(g, at(h, 0), at(-h, 0), s);
    case 14:
        return arrow(g, at(0, -h), at(0, h), s);
    case 15:
        return arrow(g, at(0, h), at(0, -h), s);
    default: {
        // A line of handwriting stands for text.
        const double amplitude = s * g.uniform(0.1, 0.16);
        return {wave(at(-h, 0), s, amplitude, g.uniformInt(3, 4), slant)};
    }
    }
}

std::unique_ptr<CEnsemble> componentSet(int classes, int examples, std::uint32_t seed) {
    auto ensemble = std::make_unique<CEnsemble>("composants", "Composants d'organigramme");
    ensemble->setTypeAction(TYPE_COMPOSANTS);
    DrawingGenerator g(seed);
    for (int k = 0; k < std::min(classes, kComponentGestureCount); ++k) {
        const int code = kFirstComponentCode + k;
        auto classe = std::make_unique<CClasse>(nomCode(TYPE_COMPOSANTS, code), "");
        classe->setCode(static_cast<std::uint16_t>(code));
        for (int e = 0; e < examples; ++e) {
            auto exemple = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
            exemple->setDessin(
                g.draw(componentGesture(k, g, {g.uniform(200, 400), g.uniform(200, 400)}, 120.0)));
            classe->ajouterExemple(std::move(exemple));
        }
        ensemble->ajouterClasse(std::move(classe));
    }
    ensemble->apprendre();
    return ensemble;
}

namespace {

const char* const kTurn[] = {"sens antihoraire", "sens horaire"};

std::string named(int code, const std::string& how) {
    return nomCode(TYPE_COMPOSANTS, code) + " (" + how + ")";
}

// A closed figure through `corners` (listed clockwise on the screen), from
// corner `start`, clockwise or not.
Path closedFrom(const std::vector<Vec2>& corners, int start, bool clockwise) {
    Path path = polygon(corners, true, start);
    if (!clockwise)
        std::reverse(path.begin(), path.end());
    return path;
}

// Four figures of one kind: from each corner or side, both ways round. The
// natural way (counterclockwise from the first start) comes first.
void closedVariants(
    std::vector<GestureVariant>& variants, int code, const std::vector<std::string>& starts,
    const std::function<std::vector<Vec2>(DrawingGenerator&, Vec2, double)>& shape) {
    for (int clockwise = 0; clockwise < 2; ++clockwise)
        for (int start = 0; start < static_cast<int>(starts.size()); ++start)
            variants.push_back({code,
                                named(code, "départ " + starts[start] + ", " + kTurn[clockwise]),
                                [=](DrawingGenerator& g, Vec2 c, double s) -> std::vector<Path> {
                                    return {closedFrom(shape(g, c, s), start, clockwise == 1)};
                                }});
}

std::vector<Vec2> box(Vec2 c, double w, double h) {
    return {{c.x - w / 2, c.y - h / 2},
            {c.x + w / 2, c.y - h / 2},
            {c.x + w / 2, c.y + h / 2},
            {c.x - w / 2, c.y + h / 2}};
}

// A round figure from `start` (radians; 0 is the right, y grows downward),
// clockwise or not; the pen starts a little either side of it.
void roundVariants(std::vector<GestureVariant>& variants, int code, double lowAspect,
                   double highAspect, bool wide) {
    const std::pair<const char*, double> starts[] = {
        {"en haut", -kPi / 2}, {"à gauche", kPi}, {"en bas", kPi / 2}, {"à droite", 0.0}};
    for (int clockwise = 0; clockwise < 2; ++clockwise)
        for (const auto& [where, angle] : starts)
            variants.push_back(
                {code, named(code, std::string("départ ") + where + ", " + kTurn[clockwise]),
                 [=, angle = angle](DrawingGenerator& g, Vec2 c, double s) -> std::vector<Path> {
                     const double aspect = g.uniform(lowAspect, highAspect);
                     const double rx = wide ? s / 2 : s / 2 * aspect;
                     const double ry = wide ? s / 2 * aspect : s / 2;
                     const double start = angle + g.uniform(-0.35, 0.35);
                     Path round = ellipse(c, rx, ry, 0.0, start, clockwise ? 2 * kPi : -2 * kPi);
                     round.back() = round.front();
                     return {round};
                 }});
}

// The shaft from `from` to `to`, then the head at `to` as a second stroke: from
// its upper arm down (its left arm across for an upright shaft), or the other
// way when `reversed`.
std::vector<Path> arrowFrom(DrawingGenerator& g, Vec2 from, Vec2 to, double size, bool reversed) {
    const double head = size * g.uniform(0.2, 0.6);
    const double opening = g.uniform(0.9, 1.8);
    Path arms = chevron(to, head, opening, std::atan2(to.y - from.y, to.x - from.x));
    const bool upright = std::fabs(to.x - from.x) < std::fabs(to.y - from.y);
    const bool firstArmFirst =
        upright ? arms.front().x < arms.back().x : arms.front().y < arms.back().y;
    if (firstArmFirst == reversed)
        std::reverse(arms.begin(), arms.end());
    return {line(from, to), arms};
}

// Letters as a hand joins them, in units of the height of an "x", y upward from
// the line; each ends where the next begins to the right.
struct Glyph {
    double width;
    std::vector<Vec2> points;
};

const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> all{
        {0.75,
         {{0, 0.2},
          {0.55, 0.5},
          {0.45, 0.95},
          {0.15, 0.85},
          {0, 0.45},
          {0.15, 0.05},
          {0.5, 0},
          {0.75, 0.15}}},
        {0.6,
         {{0, 0.1},
          {0.45, 1.3},
          {0.5, 1.9},
          {0.3, 2.05},
          {0.15, 1.7},
          {0.15, 0.3},
          {0.35, 0},
          {0.6, 0.1}}},
        {0.8,
         {{0, 0.05},
          {0.05, 0.95},
          {0.1, 0},
          {0.25, 0.8},
          {0.45, 1},
          {0.6, 0.75},
          {0.6, 0.05},
          {0.8, 0.15}}},
        {1.2,
         {{0, 0.05},
          {0.05, 0.95},
          {0.1, 0},
          {0.2, 0.8},
          {0.35, 1},
          {0.5, 0.75},
          {0.5, 0},
          {0.6, 0.8},
          {0.8, 1},
          {0.95, 0.75},
          {0.95, 0.05},
          {1.2, 0.15}}},
        {0.75, {{0, 1}, {0.05, 0.2}, {0.25, 0}, {0.5, 0.3}, {0.55, 1}, {0.55, 0.1}, {0.75, 0.1}}},
        {0.75,
         {{0.45, 1},
          {0.15, 0.85},
          {0, 0.4},
          {0.2, 0},
          {0.5, 0.2},
          {0.55, 0.75},
          {0.45, 1},
          {0.75, 0.9}}},
        {0.8,
         {{0.55, 0.9},
          {0.25, 1},
          {0, 0.5},
          {0.2, 0},
          {0.5, 0.35},
          {0.58, 1},
          {0.55, 0.1},
          {0.8, 0.1}}},
        {0.5, {{0, 0.1}, {0.15, 1}, {0.15, 0.15}, {0.35, 0}, {0.5, 0.1}}},
        {0.55, {{0, 0.1}, {0.2, 1.6}, {0.2, 0.15}, {0.4, 0}, {0.55, 0.1}}},
        {0.65, {{0, 0.1}, {0.1, 1}, {0.2, 0.75}, {0.45, 1}, {0.45, 0.05}, {0.65, 0.1}}},
        {0.6, {{0, 0.1}, {0.35, 1}, {0.45, 0.5}, {0.3, 0.05}, {0.05, 0.1}, {0.6, 0.1}}},
        {0.65, {{0.5, 0.85}, {0.3, 1}, {0, 0.5}, {0.2, 0}, {0.65, 0.15}}},
        {0.8,
         {{0.55, 0.9},
          {0.25, 1},
          {0, 0.5},
          {0.2, 0},
          {0.5, 0.35},
          {0.6, 2},
          {0.55, 0.1},
          {0.8, 0.1}}},
        {0.8,
         {{0, 0.1},
          {0.15, 1},
          {0.1, -0.9},
          {0.15, 0.6},
          {0.45, 1},
          {0.65, 0.5},
          {0.35, 0.05},
          {0.8, 0.1}}},
    };
    return all;
}

// `words` handwritten words of three to eight letters side by side, one stroke
// each, about `size` pixels long in all.
std::vector<Path> handwriting(DrawingGenerator& g, Vec2 c, double size, int words) {
    std::vector<std::vector<const Glyph*>> text(static_cast<std::size_t>(words));
    double units = words - 1.0; // the spaces
    for (auto& word : text) {
        const int letters = g.uniformInt(3, 8);
        for (int l = 0; l < letters; ++l) {
            const Glyph& glyph = glyphs()[static_cast<std::size_t>(
                g.uniformInt(0, static_cast<int>(glyphs().size()) - 1))];
            word.push_back(&glyph);
            units += glyph.width;
        }
    }
    const double xHeight = size / units;
    const double lean = g.uniform(0.0, 0.35);
    std::vector<Path> strokes;
    double x = c.x - size / 2;
    for (const auto& word : text) {
        Path stroke;
        for (const Glyph* glyph : word) {
            for (const Vec2& p : glyph->points) {
                const double wobbleX = g.uniform(-0.06, 0.06);
                const double wobbleY = g.uniform(-0.06, 0.06);
                stroke.push_back({x + (p.x + wobbleX + lean * p.y) * xHeight,
                                  c.y + xHeight / 2 - (p.y + wobbleY) * xHeight});
            }
            x += glyph->width * xHeight;
        }
        strokes.push_back(std::move(stroke));
        x += xHeight;
    }
    return strokes;
}

std::vector<GestureVariant> makeComponentVariants() {
    std::vector<GestureVariant> v;
    const auto straight = [&v](int code, const char* how, Vec2 from, Vec2 to) {
        v.push_back(
            {code, named(code, how), [=](DrawingGenerator&, Vec2 c, double s) -> std::vector<Path> {
                 return {
                     line({c.x + from.x * s, c.y + from.y * s}, {c.x + to.x * s, c.y + to.y * s})};
             }});
    };
    straight(102, "de gauche à droite", {-0.5, 0}, {0.5, 0});
    straight(102, "de droite à gauche", {0.5, 0}, {-0.5, 0});
    straight(103, "de haut en bas", {0, -0.5}, {0, 0.5});
    straight(103, "de bas en haut", {0, 0.5}, {0, -0.5});

    const std::vector<std::string> corners{"en haut à gauche", "en haut à droite",
                                           "en bas à droite", "en bas à gauche"};
    const auto boxOf = [](double lowW, double highW, double lowH, double highH) {
        return [=](DrawingGenerator& g, Vec2 c, double s) {
            const double w = s * g.uniform(lowW, highW);
            const double h = s * g.uniform(lowH, highH);
            return box(c, w, h);
        };
    };
    closedVariants(v, 104, corners, boxOf(0.35, 0.8, 1, 1));
    closedVariants(v, 105, corners, boxOf(1, 1, 0.35, 0.8));
    closedVariants(
        v, 106, {"à la pointe", "en haut à gauche", "en haut à droite"},
        [](DrawingGenerator& g, Vec2 c, double s) -> std::vector<Vec2> {
            const double h = s * g.uniform(0.6, 1.5);
            return {{c.x, c.y + h / 2}, {c.x - s / 2, c.y - h / 2}, {c.x + s / 2, c.y - h / 2}};
        });
    closedVariants(
        v, 107, {"à la pointe", "en bas à droite", "en bas à gauche"},
        [](DrawingGenerator& g, Vec2 c, double s) -> std::vector<Vec2> {
            const double h = s * g.uniform(0.6, 1.5);
            return {{c.x, c.y - h / 2}, {c.x + s / 2, c.y + h / 2}, {c.x - s / 2, c.y + h / 2}};
        });
    closedVariants(v, 108, corners, boxOf(1, 1, 0.87, 1.15));
    closedVariants(
        v, 109, {"en haut", "à droite", "en bas", "à gauche"},
        [](DrawingGenerator& g, Vec2 c, double s) -> std::vector<Vec2> {
            const double h = s * g.uniform(0.55, 0.85);
            return {{c.x, c.y - h / 2}, {c.x + s / 2, c.y}, {c.x, c.y + h / 2}, {c.x - s / 2, c.y}};
        });
    roundVariants(v, 110, 0.8, 1.25, true);
    roundVariants(v, 111, 0.35, 0.75, false);
    roundVariants(v, 112, 0.35, 0.75, true);

    // The diagonals, each either way: from top left down (↘), from top right down
    // (↙), and back up (↖, ↗).
    const std::pair<const char*, std::pair<Vec2, Vec2>> diagonals[] = {
        {"↘", {{-0.5, -0.5}, {0.5, 0.5}}},
        {"↙", {{0.5, -0.5}, {-0.5, 0.5}}},
        {"↖", {{0.5, 0.5}, {-0.5, -0.5}}},
        {"↗", {{-0.5, 0.5}, {0.5, -0.5}}},
    };
    for (const auto& [firstName, first] : diagonals)
        for (const auto& [secondName, second] : diagonals) {
            const bool crossing =
                (first.first.x == first.first.y) != (second.first.x == second.first.y);
            if (!crossing)
                continue;
            v.push_back(
                {113, named(113, std::string("trait ") + firstName + " puis trait " + secondName),
                 [first = first, second = second](DrawingGenerator& g, Vec2 c, double s) {
                     const double h = s * g.uniform(0.75, 1.3);
                     const auto at = [&](Vec2 u) { return Vec2{c.x + u.x * s, c.y + u.y * h}; };
                     return std::vector<Path>{line(at(first.first), at(first.second)),
                                              line(at(second.first), at(second.second))};
                 }});
        }

    const std::pair<Vec2, Vec2> shafts[] = {
        {{-0.5, 0}, {0.5, 0}}, {{0.5, 0}, {-0.5, 0}}, {{0, -0.5}, {0, 0.5}}, {{0, 0.5}, {0, -0.5}}};
    for (int a = 0; a < 4; ++a) {
        const bool horizontal = a < 2;
        for (int swap = 0; swap < 2; ++swap) {
            const char* how = horizontal ? (swap ? "tige puis pointe, de bas en haut"
                                                 : "tige puis pointe, de haut en bas")
                                         : (swap ? "tige puis pointe, de droite à gauche"
                                                 : "tige puis pointe, de gauche à droite");
            const auto [from, to] = shafts[a];
            v.push_back({114 + a, named(114 + a, how),
                         [from = from, to = to, swap](DrawingGenerator& g, Vec2 c, double s) {
                             return arrowFrom(g, {c.x + from.x * s, c.y + from.y * s},
                                              {c.x + to.x * s, c.y + to.y * s}, s, swap == 1);
                         }});
        }
    }

    v.push_back({118, named(118, "un mot écrit à la main"),
                 [](DrawingGenerator& g, Vec2 c, double s) { return handwriting(g, c, s, 1); }});
    v.push_back({118, named(118, "plusieurs mots écrits à la main"),
                 [](DrawingGenerator& g, Vec2 c, double s) {
                     const int words = g.uniformInt(2, 3);
                     return handwriting(g, c, s, words);
                 }});
    return v;
}

} // namespace

const std::vector<GestureVariant>& componentVariants() {
    static const std::vector<GestureVariant> variants = makeComponentVariants();
    return variants;
}
