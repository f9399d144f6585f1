#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "generator/ShippedSets.h"
#include "recognizer/Files.h"

#include <gtest/gtest.h>

namespace {

std::string resourcePath(const ShippedSet& info) {
    return std::string(VELMORA_RES_DIR) + std::string(info.fichier);
}

} // namespace

// The files a new user gets: one usable class per way of drawing each code of
// their type, named after it, with at least fifteen examples each.
TEST(ShippedFiles, HoldEveryWayAsAUsableClass) {
    for (const ShippedSet& info : kShippedSets) {
        const LectureEnsemble read = chargerEnsemble(resourcePath(info));
        ASSERT_EQ(read.erreur, "") << info.fichier;
        const CEnsemble& set = *read.ensemble;
        EXPECT_EQ(set.typeAction(), info.typeAction);
        const auto& variants = shippedVariants(info.typeAction);
        ASSERT_EQ(set.nbClasses(), static_cast<int>(variants.size())) << info.fichier;
        for (int c = 0; c < set.nbClasses(); ++c) {
            const CClasse& classe = set.classe(c);
            EXPECT_EQ(classe.nom(), variants[static_cast<std::size_t>(c)].name);
            EXPECT_EQ(classe.code(), variants[static_cast<std::size_t>(c)].code);
            EXPECT_GE(classe.nbExemples(), 15) << classe.nom();
            EXPECT_EQ(classe.etat(), CClasse::ETAT_UTILISABLE) << classe.nom();
        }
    }
}

// The files are what `velmora-sets ecrire` makes from the shipped seed, byte for
// byte: whoever changes the gestures makes the files again.
TEST(ShippedFiles, AreWhatTheGeneratorMakes) {
    for (const ShippedSet& info : kShippedSets) {
        std::string content;
        ASSERT_TRUE(readWholeFile(resourcePath(info), content).ok) << info.fichier;
        EXPECT_TRUE(content == ecrireEnsemble(*shippedSet(info, info.exemples, kShippedSeed)))
            << info.fichier << " differs from the generator's output";
    }
}
