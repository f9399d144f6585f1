#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/GestureDecision.h"
#include "generator/ShippedSets.h"
#include "recognizer/ShapeRecognizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

const CEnsemble& shipped(int typeAction) {
    static const auto formes = chargerEnsemble(std::string(VELMORA_RES_DIR) + "formes.gst");
    static const auto commandes = chargerEnsemble(std::string(VELMORA_RES_DIR) + "commandes.gst");
    return typeAction == TYPE_COMPOSANTS ? *formes.ensemble : *commandes.ensemble;
}

const GestureVariant& variant(int typeAction, const std::string& name) {
    const auto& all = shippedVariants(typeAction);
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&](const GestureVariant& v) { return v.name == name; });
    if (it == all.end())
        throw std::invalid_argument("no way named " + name);
    return *it;
}

} // namespace

// A new flowchart with the shipped sets makes what was meant however it was
// drawn: of ten fresh drawings of each way, at least eight right and at most
// one of them something else; never an arrow for a line.
TEST(GestureDecision, EveryWayBecomesWhatItMeans) {
    struct Case {
        int typeAction;
        const char* way;
        int meant;
    };
    const Case cases[] = {
        {TYPE_COMPOSANTS, "Rectangle horizontal (départ en bas à droite, sens horaire)", 105},
        {TYPE_COMPOSANTS, "Rectangle vertical (départ en haut à droite, sens antihoraire)", 104},
        {TYPE_COMPOSANTS, "Ligne horizontale (de droite à gauche)", 102},
        {TYPE_COMPOSANTS, "Ligne verticale (de bas en haut)", 103},
        {TYPE_COMPOSANTS, "Cercle (départ en bas, sens horaire)", 110},
        {TYPE_COMPOSANTS, "Triangle (pointe en haut) (départ en bas à gauche, sens horaire)", 107},
        {TYPE_COMPOSANTS, "Triangle (pointe en V) (départ en haut à droite, sens antihoraire)",
         106},
        {TYPE_COMPOSANTS, "Croix (trait ↗ puis trait ↖)", 113},
        {TYPE_COMPOSANTS, "Flèche (droite-gauche) (tige puis pointe, de haut en bas)", 115},
        {TYPE_COMMANDES, "Effacer : Tout (trait ↙ puis trait ↘)", 208},
        {TYPE_COMMANDES, "Couleur : Vert", 211},
        {TYPE_COMMANDES, "Taille : Autre", 217},
        {TYPE_COMMANDES, "Taille : Réduire (P en deux traits)", 214},
        {TYPE_COMMANDES, "Couleur : Noir (N en trois traits vers le bas)", 209},
        {TYPE_COMMANDES, "Déplacement horizontal : Droite-Gauche", 202},
    };
    DrawingGenerator g(2024);
    for (const Case& c : cases) {
        int right = 0, wrong = 0;
        const bool component = c.typeAction == TYPE_COMPOSANTS;
        for (int i = 0; i < 10; ++i) {
            const GestureDecision d =
                decideGesture(variantDrawing(c.typeAction, variant(c.typeAction, c.way), g),
                              shipped(c.typeAction),
                              component ? GestureTarget::Component : GestureTarget::Command, true);
            right += d.code == c.meant;
            wrong += !d.rejected() && d.code != c.meant;
            EXPECT_FALSE((c.meant == 102 || c.meant == 103) && d.code >= 114 && d.code <= 117)
                << c.way;
        }
        EXPECT_TRUE(right >= 8 && wrong <= 1)
            << c.way << ": " << right << " right, " << wrong << " wrong";
    }
}

// "Effacer : Tout" erases the whole flowchart: an X whose second stroke was
// drawn beside the first, the two meeting at their feet, erases nothing,
// though the rule-based recogniser takes some of them for a cross.
TEST(GestureDecision, EraseEverythingNeedsStrokesThatCross) {
    DrawingGenerator g(3);
    const GestureVariant& x = variant(TYPE_COMMANDES, "Effacer : Tout (trait ↘ puis trait ↙)");
    CShapeRecognizer rules;
    int seenAsCross = 0;
    for (int i = 0; i < 100; ++i) {
        const std::shared_ptr<CDessin> drawn = variantDrawing(TYPE_COMMANDES, x, g);
        const auto& first = drawn->stroke(0).points();
        const auto [left, right] = std::minmax_element(
            first.begin(), first.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
        auto apart = std::make_shared<CDessin>();
        for (int s = 0; s < 2; ++s) {
            auto stroke = std::make_unique<CStroke>();
            for (const CInkPoint& p : drawn->stroke(s).points())
                stroke->addPoint(p.x + (right->x - left->x) * s, p.y, p.t);
            apart->addStroke(std::move(stroke));
        }
        seenAsCross += rules.recognize(*apart).at(0)->name() == "Cross";
        EXPECT_NE(decideGesture(apart, shipped(TYPE_COMMANDES), GestureTarget::Command, true).code,
                  208);
    }
    EXPECT_GE(seenAsCross, 3);
}
