#include "generator/ShippedSets.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "support/ShippedSetChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const CClasse& classOfCode(const CEnsemble& set, int code) {
    for (int c = 0; c < set.nbClasses(); ++c)
        if (set.classe(c).code() == code)
            return set.classe(c);
    throw std::invalid_argument("no class of code " + std::to_string(code));
}

} // namespace

// Each set holds one usable class per code of its type, named after the code.
TEST(ShippedSets, OneUsableClassPerCode) {
    for (const ShippedSet& info : kShippedSets) {
        const auto set = shippedSet(info, 15, 3);
        EXPECT_EQ(set->nom(), info.nom);
        expectOneUsableClassPerCode(*set, info.typeAction, 15);
        for (int c = 0; c < set->nbClasses(); ++c)
            EXPECT_EQ(set->classe(c).nbExemples(), 15);
    }
}

// The same seed makes the same file, to the byte; another seed other drawings.
TEST(ShippedSets, TheSeedDecidesEverything) {
    const ShippedSet& commands = kShippedSets[1];
    const std::string once = ecrireEnsemble(*shippedSet(commands, 4, 11));
    EXPECT_EQ(ecrireEnsemble(*shippedSet(commands, 4, 11)), once);
    EXPECT_NE(ecrireEnsemble(*shippedSet(commands, 4, 12)), once);
}

// Closed figures turn counterclockwise on the screen (the signed sum of the
// turning angles, f9, is positive), the diamond the other way; each stops
// short of where it began, by less than a quarter of its diagonal.
TEST(ShippedSets, ClosedFiguresTurnTheirOwnWay) {
    const auto set = shippedSet(kShippedSets[0], 15, 4);
    const auto turning = [&](int code) {
        const CClasse& classe = classOfCode(*set, code);
        return classe.moyenne()[8];
    };
    for (const int code : {104, 105, 106, 107, 108, 110, 111, 112})
        EXPECT_GT(turning(code), 3.0) << code;
    EXPECT_LT(turning(109), -3.0);
    for (const int code : {104, 105, 106, 107, 108, 109, 110, 111, 112}) {
        const CClasse& classe = classOfCode(*set, code);
        for (int e = 0; e < classe.nbExemples(); ++e) {
            const CExemple& x = classe.exemple(e);
            EXPECT_LT(x.caracteristique(4), 0.25 * x.caracteristique(2)) << classe.nom();
        }
    }
}

// Fresh drawings are counted class by class; a set that cannot recognise
// rejects them all.
TEST(ShippedSets, FreshRecognitionCounts) {
    const auto set = shippedSet(kShippedSets[2], 20, 5);
    const FreshRecognition fresh = recogniseFresh(*set, 10, 6);
    ASSERT_TRUE(fresh.possible);
    ASSERT_EQ(fresh.classes.size(), 4u);
    for (const auto& counts : fresh.classes) {
        EXPECT_EQ(counts.drawings, 10);
        EXPECT_EQ(counts.right + counts.rejected + counts.wronglyAccepted, 10);
    }
    EXPECT_EQ(fresh.total().drawings, 40);
    EXPECT_GE(fresh.total().right, 38);

    CEnsemble empty("vide", "");
    empty.setTypeAction(TYPE_TEXTE);
    auto classe = std::make_unique<CClasse>("Espace", "");
    classe->setCode(305);
    empty.ajouterClasse(std::move(classe));
    empty.apprendre();
    const FreshRecognition none = recogniseFresh(empty, 3, 6);
    EXPECT_FALSE(none.possible);
    EXPECT_EQ(none.total().rejected, 3);
    EXPECT_EQ(none.total().right, 0);
}
