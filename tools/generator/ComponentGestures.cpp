#include "generator/ComponentGestures.h"

#include "engine/Ensemble.h"
#include "generator/ShapePaths.h"

#include <algorithm>
#include <cmath>
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
