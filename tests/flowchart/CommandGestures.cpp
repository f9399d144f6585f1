#include "flowchart/CommandGestures.h"

#include "engine/Ensemble.h"
#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"

#include <cmath>
#include <string>

using namespace paths;

namespace {
constexpr double kPi = 3.14159265358979323846;
}

std::vector<Path> commandGesture(int code, DrawingGenerator& g, Vec2 c, double size) {
    const double s = size * g.uniform(0.8, 1.25);
    const double tilt = g.uniform(-0.08, 0.08);
    const double opening = g.uniform(1.0, 1.4);
    // Chevrons point where they move, their tip half an arm from the centre.
    const auto chevronTo = [&](double direction) {
        const Vec2 tip{c.x + s / 4 * std::cos(direction), c.y + s / 4 * std::sin(direction)};
        return std::vector<Path>{chevron(tip, s / 2, opening, direction)};
    };
    const auto straight = [&](Vec2 from, Vec2 to) { return rotated(line(from, to), c, tilt); };
    switch (code) {
    case 202:
        return chevronTo(kPi + tilt);
    case 203:
        return chevronTo(tilt);
    case 204:
        return chevronTo(kPi / 2 + tilt);
    case 205:
        return chevronTo(-kPi / 2 + tilt);
    case 206:
        return {straight({c.x - s / 2, c.y - s / 4}, {c.x + s / 2, c.y + s / 4})};
    case 207:
        return familyGesture(FamilyKind::Delete, g, c, s, tilt);
    case 208:
        return familyGesture(FamilyKind::Cross, g, c, s, tilt);
    case 209:
        return familyGesture(FamilyKind::WavyLine, g, c, s, tilt);
    case 210:
        return {triangle(c, s, s * g.uniform(0.8, 0.95), tilt)};
    case 211:
        return familyGesture(FamilyKind::Copy, g, c, s, tilt);
    case 212:
        return {ellipse(c, s / 2, s / 2 * g.uniform(0.95, 1.05), tilt, -kPi / 2)};
    case 213:
        return {diamond(c, s, s * g.uniform(0.6, 0.75), tilt)};
    case 214:
        return {straight({c.x - s / 2, c.y}, {c.x + s / 2, c.y})};
    case 215:
        return {straight({c.x - s / 2, c.y}, {c.x + s / 2, c.y}),
                straight({c.x, c.y - s / 2}, {c.x, c.y + s / 2})};
    case 216:
        return {rectangle(c, s, s * g.uniform(0.15, 0.8), tilt)};
    default:
        return {straight({c.x, c.y - s / 2}, {c.x, c.y + s / 2})};
    }
}

std::unique_ptr<CEnsemble> commandSet(int examples, std::uint32_t seed) {
    auto ensemble = std::make_unique<CEnsemble>("commandes", "Commandes d'organigramme");
    ensemble->setTypeAction(TYPE_COMMANDES);
    DrawingGenerator g(seed);
    for (int code = 202; code <= 217; ++code) {
        auto classe = std::make_unique<CClasse>(nomCode(TYPE_COMMANDES, code), "");
        classe->setCode(static_cast<std::uint16_t>(code));
        for (int e = 0; e < examples; ++e) {
            auto exemple = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
            const double x = g.uniform(200, 400);
            const double y = g.uniform(200, 400);
            exemple->setDessin(g.draw(commandGesture(code, g, {x, y}, 120.0)));
            classe->ajouterExemple(std::move(exemple));
        }
        ensemble->ajouterClasse(std::move(classe));
    }
    ensemble->apprendre();
    return ensemble;
}
