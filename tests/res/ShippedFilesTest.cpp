#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "generator/ShippedSets.h"
#include "recognizer/Files.h"

#include <gtest/gtest.h>

#include <set>

// The files a new user gets: one usable class per way of drawing each code of
// their type, with at least fifteen examples each, named after the code and
// told apart, every code of the type in order: what Gestes > Ouvrir lists.
// They are what `velmora-sets ecrire` makes from the shipped seed, byte for
// byte: whoever changes the gestures makes the files again.
TEST(ShippedFiles, HoldEveryWayAsAUsableClassAndAreWhatTheGeneratorMakes) {
    for (const ShippedSet& info : kShippedSets) {
        const std::string path = std::string(VELMORA_RES_DIR) + std::string(info.fichier);
        std::string content;
        ASSERT_TRUE(readWholeFile(path, content).ok) << info.fichier;
        EXPECT_TRUE(content == ecrireEnsemble(*shippedSet(info, info.exemples, kShippedSeed)))
            << info.fichier << " differs from the generator's output";
        const LectureEnsemble read = chargerEnsemble(path);
        ASSERT_EQ(read.erreur, "") << info.fichier;
        const CEnsemble& set = *read.ensemble;
        EXPECT_EQ(set.typeAction(), info.typeAction);
        const auto& variants = shippedVariants(info.typeAction);
        ASSERT_EQ(set.nbClasses(), static_cast<int>(variants.size())) << info.fichier;
        std::set<std::string> names;
        std::vector<int> codes;
        for (int c = 0; c < set.nbClasses(); ++c) {
            const CClasse& classe = set.classe(c);
            const GestureVariant& variant = variants[static_cast<std::size_t>(c)];
            EXPECT_EQ(std::tuple(classe.nom(), classe.code(), classe.etat()),
                      std::tuple(variant.name, variant.code, CClasse::ETAT_UTILISABLE));
            EXPECT_TRUE(classe.nom().starts_with(nomCode(info.typeAction, classe.code())) &&
                        names.insert(classe.nom()).second && classe.nbExemples() >= 15)
                << classe.nom();
            if (codes.empty() || codes.back() != classe.code())
                codes.push_back(classe.code());
        }
        EXPECT_EQ(codes, codesDuType(info.typeAction)) << info.fichier;
    }
    EXPECT_EQ(shippedVariants(TYPE_COMPOSANTS)[4].name,
              "Rectangle vertical (départ en haut à gauche, sens antihoraire)");
}
