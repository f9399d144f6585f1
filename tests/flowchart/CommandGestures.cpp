#include "flowchart/CommandGestures.h"

#include "engine/Ensemble.h"
#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"

#include <string>

using namespace paths;

namespace {
constexpr double kPi = 3.14159265358979323846;
}

std::vector<Path> commandGesture(int code, DrawingGenerator& g, Vec2 c, double size) {
    const double s = size * g.uniform(0.8, 1.25);
    const double slant = g.uniform(-0.08, 0.08);
    const double h = s / 2;
    const auto at = [&](double dx, double dy) {
        return rotated(Vec2{c.x + dx, c.y + dy}, c, slant);
    };
    const double opening = g.uniform(1.0, 1.4);
    switch (code) {
    case 202:
        return {chevron(at(-h / 2, 0), h, opening, kPi + slant)};
    case 203:
        return {chevron(at(h / 2, 0), h, opening, slant)};
    case 204:
        return {chevron(at(0, h / 2), h, opening, kPi / 2 + slant)};
    case 205:
        return {chevron(at(0, -h / 2), h, opening, -kPi / 2 + slant)};
    case 206:
        return {line(at(-h, -h / 2), at(h, h / 2))};
    case 207:
        return familyGesture(FamilyKind::Delete, g, c, s, slant);
    case 208:
        return familyGesture(FamilyKind::Cross, g, c, s, slant);
    case 209:
        return familyGesture(FamilyKind::WavyLine, g, c, s, slant);
    case 210:
        return {triangle(c, s, s * g.uniform(0.8, 0.95), slant)};
    case 211:
        return familyGesture(FamilyKind::Copy, g, c, s, slant);
    case 212:
        return {ellipse(c, h, h * g.uniform(0.95, 1.05), slant, -kPi / 2)};
    case 213:
        return {diamond(c, s, s * g.uniform(0.6, 0.75), slant)};
    case 214:
        return {line(at(-h, 0), at(h, 0))};
    case 215:
        return {line(at(-h, 0), at(h, 0)), line(at(0, -h), at(0, h))};
    case 216:
        return {rectangle(c, s, s * g.uniform(0.15, 0.8), slant)};
    default:
        return {line(at(0, -h), at(0, h))};
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
