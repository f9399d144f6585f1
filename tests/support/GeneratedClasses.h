#pragma once

#include "engine/Classe.h"
#include "generator/ComponentGestures.h"

#include <memory>
#include <string>

// A class of `examples` generated drawings of component gesture `gesture`, all
// centred at one place; not trained.
inline std::unique_ptr<CClasse> generatedClass(const std::string& name, int gesture, int examples,
                                               std::uint32_t seed, int code = AUCUN_CODE) {
    auto c = std::make_unique<CClasse>(name, "");
    c->setCode(static_cast<std::uint16_t>(code));
    DrawingGenerator g(seed);
    for (int e = 0; e < examples; ++e) {
        auto x = std::make_unique<CExemple>(name + std::to_string(e));
        x->setDessin(g.draw(componentGesture(gesture, g, {300, 300}, 120)));
        c->ajouterExemple(std::move(x));
    }
    return c;
}
