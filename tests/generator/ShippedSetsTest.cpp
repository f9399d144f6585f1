#include "generator/ShippedSets.h"
#include "engine/Ensemble.h"
#include "engine/Exemple.h"
#include "engine/FichierEnsemble.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

bool says(const std::string& name, const char* words) {
    return name.find(words) != std::string::npos;
}

// Where in its box (0 left or top .. 1 right or bottom) a drawing that starts
// as `name` says must start; none for a name that says nothing of it.
std::optional<Vec2> namedStart(const GestureVariant& v) {
    const std::pair<const char*, Vec2> starts[] = {
        {"en haut à gauche", {0, 0}},  {"en haut à droite", {1, 0}}, {"en bas à droite", {1, 1}},
        {"en bas à gauche", {0, 1}},   {"départ en haut", {0.5, 0}}, {"départ en bas", {0.5, 1}},
        {"départ à gauche", {0, 0.5}}, {"départ à droite", {1, 0.5}}};
    for (const auto& [words, at] : starts)
        if (says(v.name, words))
            return at;
    if (says(v.name, "à la pointe"))
        return Vec2{0.5, v.code == 107 ? 0.0 : 1.0};
    return std::nullopt;
}

} // namespace

// The same seed makes the same file, to the byte; another seed other drawings.
TEST(ShippedSets, TheSeedDecidesEverything) {
    const ShippedSet& commands = kShippedSets[1];
    const std::string once = ecrireEnsemble(*shippedSet(commands, 3, 11));
    EXPECT_EQ(ecrireEnsemble(*shippedSet(commands, 3, 11)), once);
    EXPECT_NE(ecrireEnsemble(*shippedSet(commands, 3, 12)), once);
}

// Every code of each type has its ways, named after the code and told apart,
// the natural one first: what Gestes > Ouvrir lists.
TEST(ShippedSets, EveryCodeHasItsWaysNamed) {
    for (const ShippedSet& info : kShippedSets) {
        const auto& variants = shippedVariants(info.typeAction);
        std::set<std::string> names;
        std::vector<int> codes;
        for (const GestureVariant& v : variants) {
            EXPECT_EQ(v.name.rfind(nomCode(info.typeAction, v.code), 0), 0u) << v.name;
            EXPECT_TRUE(names.insert(v.name).second) << v.name;
            if (codes.empty() || codes.back() != v.code)
                codes.push_back(v.code);
        }
        EXPECT_EQ(codes, codesDuType(info.typeAction)) << info.nom;
    }
    EXPECT_EQ(shippedVariants(TYPE_COMPOSANTS)[4].name,
              "Rectangle vertical (départ en haut à gauche, sens antihoraire)");
}

// Each way is drawn as its name says: where the pen starts, which way a closed
// figure turns (the signed sum of the turning angles, f9, is negative
// clockwise on the screen: over five drawings, whatever tremor adds), which way
// a line goes, how many strokes a letter has.
TEST(ShippedSets, WaysAreDrawnAsTheirNamesSay) {
    DrawingGenerator g(4);
    for (const ShippedSet& info : kShippedSets) {
        for (const GestureVariant& v : shippedVariants(info.typeAction)) {
            double turning = 0.0;
            for (int i = 0; i < 5; ++i) {
                CExemple drawn;
                drawn.setDessin(variantDrawing(info.typeAction, v, g));
                drawn.calculerCaracteristiques();
                turning += drawn.caracteristique(8);
                const CDessin& d = *drawn.dessin();
                const CInkPoint min = drawn.boiteMin(), max = drawn.boiteMax(),
                                first = d.firstPoint();
                if (const auto start = namedStart(v)) {
                    EXPECT_NEAR(double(first.x - min.x) / (max.x - min.x), start->x, 0.4) << v.name;
                    EXPECT_NEAR(double(first.y - min.y) / (max.y - min.y), start->y, 0.4) << v.name;
                }
                const CInkPoint last = d.stroke(0).points().at(d.stroke(0).pointCount() - 1);
                if (says(v.name, "de gauche à droite") && v.code < 114)
                    EXPECT_GT(last.x - first.x, 0) << v.name;
                if (says(v.name, "de bas en haut") && v.code < 114)
                    EXPECT_LT(last.y - first.y, 0) << v.name;
                const int strokes = says(v.name, "trois traits") ? 3
                                    : says(v.name, "deux traits") || says(v.name, "puis trait") ||
                                            says(v.name, "tige puis") || says(v.name, "et point")
                                        ? 2
                                        : 0;
                if (strokes > 0 || says(v.name, "d'un trait"))
                    EXPECT_EQ(d.strokeCount(), std::max(strokes, 1)) << v.name;
            }
            if (says(v.name, "sens horaire"))
                EXPECT_LT(turning, -15.0) << v.name;
            if (says(v.name, "sens antihoraire"))
                EXPECT_GT(turning, 15.0) << v.name;
        }
    }
}

// Fresh drawings are counted class by class, and all rejected by a set that
// cannot recognise.
TEST(ShippedSets, FreshRecognitionCounts) {
    const auto set = shippedSet(kShippedSets[2], 20, 5);
    const FreshRecognition fresh = recogniseFresh(*set, 10, 6);
    ASSERT_TRUE(fresh.possible);
    for (const auto& counts : fresh.classes)
        EXPECT_EQ(counts.right + counts.rejected + counts.wronglyAccepted, 10);
    EXPECT_GE(fresh.total().right, 38);

    CEnsemble empty("vide", "");
    empty.setTypeAction(TYPE_TEXTE);
    empty.ajouterClasse(std::make_unique<CClasse>("Espace", ""));
    empty.apprendre();
    EXPECT_EQ(recogniseFresh(empty, 3, 6).total().rejected, 3);
}
