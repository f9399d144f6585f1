#include "generator/ShippedSets.h"

#include "engine/Ensemble.h"
#include "flowchart/GestureDecision.h"
#include "generator/CommandGestures.h"
#include "generator/ComponentGestures.h"
#include "generator/Hand.h"
#include "generator/TextGestures.h"

#include <algorithm>
#include <string>

namespace {

std::vector<GestureVariant> makeTextVariants() {
    std::vector<GestureVariant> variants;
    for (const int code : codesDuType(TYPE_TEXTE))
        variants.push_back(
            {code, nomCode(TYPE_TEXTE, code),
             [code](DrawingGenerator& g, Vec2 c, double s) { return textGesture(code, g, c, s); }});
    return variants;
}

const GestureVariant* variantNamed(int typeAction, const std::string& name, int code) {
    const auto& variants = shippedVariants(typeAction);
    const auto named = std::find_if(variants.begin(), variants.end(),
                                    [&](const GestureVariant& v) { return v.name == name; });
    if (named != variants.end())
        return &*named;
    const auto natural = std::find_if(variants.begin(), variants.end(),
                                      [&](const GestureVariant& v) { return v.code == code; });
    return natural != variants.end() ? &*natural : nullptr;
}

// Whether the flowchart makes the same component of `code` as of `meant`: a
// rectangle or an ellipse takes its orientation from the drawing's size.
bool sameComponent(int code, int meant) {
    const auto pair = [](int c) { return c == 105 ? 104 : c == 112 ? 111 : c; };
    return pair(code) == pair(meant);
}

} // namespace

const std::vector<GestureVariant>& shippedVariants(int typeAction) {
    static const std::vector<GestureVariant> text = makeTextVariants();
    static const std::vector<GestureVariant> none;
    switch (typeAction) {
    case TYPE_COMPOSANTS:
        return componentVariants();
    case TYPE_COMMANDES:
        return commandVariants();
    case TYPE_TEXTE:
        return text;
    default:
        return none;
    }
}

// Random draws are made one statement at a time, never two in one call's arguments.
std::unique_ptr<CDessin> variantDrawing(int typeAction, const GestureVariant& variant,
                                        DrawingGenerator& g) {
    const double x = g.uniform(150, 650);
    const double y = g.uniform(150, 450);
    // A line of handwriting standing for a text is not written tiny.
    const bool text = typeAction == TYPE_COMPOSANTS && variant.code == 118;
    const Hand hand = randomHand(g, text ? 90 : 40, text ? 350 : 250);
    return drawByHand(variant, hand, g, {x, y});
}

std::unique_ptr<CDessin> shippedGesture(int typeAction, int code, DrawingGenerator& g) {
    const GestureVariant* natural = variantNamed(typeAction, {}, code);
    return natural ? variantDrawing(typeAction, *natural, g) : nullptr;
}

std::unique_ptr<CEnsemble> shippedSet(const ShippedSet& info, int examples, std::uint32_t seed) {
    const int typeAction = info.typeAction;
    auto ensemble =
        std::make_unique<CEnsemble>(std::string(info.nom), std::string(info.description));
    ensemble->setTypeAction(typeAction);
    DrawingGenerator g(seed);
    for (const GestureVariant& variant : shippedVariants(typeAction)) {
        auto classe = std::make_unique<CClasse>(variant.name, "");
        classe->setCode(static_cast<std::uint16_t>(variant.code));
        for (int e = 0; e < examples; ++e) {
            auto exemple = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
            exemple->setDessin(variantDrawing(typeAction, variant, g));
            classe->ajouterExemple(std::move(exemple));
        }
        ensemble->ajouterClasse(std::move(classe));
    }
    ensemble->apprendre();
    return ensemble;
}

FreshRecognition::PerClass FreshRecognition::total() const {
    PerClass sum;
    for (const PerClass& c : classes) {
        sum.drawings += c.drawings;
        sum.right += c.right;
        sum.rejected += c.rejected;
        sum.wronglyAccepted += c.wronglyAccepted;
    }
    return sum;
}

FreshRecognition recogniseFresh(const CEnsemble& set, int perClass, std::uint32_t seed,
                                bool combine) {
    FreshRecognition result;
    result.possible = set.reconnaissancePossible();
    result.classes.resize(static_cast<std::size_t>(set.nbClasses()));
    const GestureTarget target =
        set.typeAction() == TYPE_COMMANDES ? GestureTarget::Command : GestureTarget::Component;
    DrawingGenerator g(seed);
    for (int c = 0; c < set.nbClasses(); ++c) {
        FreshRecognition::PerClass& counts = result.classes[static_cast<std::size_t>(c)];
        const CClasse& classe = set.classe(c);
        const GestureVariant* variant = variantNamed(set.typeAction(), classe.nom(), classe.code());
        for (int i = 0; i < perClass; ++i) {
            ++counts.drawings;
            if (!variant || !result.possible) {
                ++counts.rejected;
                continue;
            }
            // The text gestures are not the flowchart's: their set is recognised as such.
            const GestureDecision decision =
                decideGesture(variantDrawing(set.typeAction(), *variant, g), set, target,
                              combine && set.typeAction() != TYPE_TEXTE);
            if (decision.rejected())
                ++counts.rejected;
            else if (sameComponent(decision.code, classe.code()))
                ++counts.right;
            else
                ++counts.wronglyAccepted;
        }
    }
    return result;
}
