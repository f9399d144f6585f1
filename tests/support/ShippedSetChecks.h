#pragma once

#include "engine/Ensemble.h"

#include <gtest/gtest.h>

// The set is of `typeAction` and holds one usable class per code of that type,
// in code order and named after the code, each with at least `minExamples`
// examples: a feature that never varied within a class would make it unusable.
inline void expectOneUsableClassPerCode(const CEnsemble& set, int typeAction, int minExamples) {
    EXPECT_EQ(set.typeAction(), typeAction);
    const std::vector<int> codes = codesDuType(typeAction);
    ASSERT_EQ(set.nbClasses(), static_cast<int>(codes.size())) << set.nom();
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& classe = set.classe(c);
        EXPECT_EQ(classe.code(), codes[c]);
        EXPECT_EQ(classe.nom(), nomCode(typeAction, codes[c]));
        EXPECT_GE(classe.nbExemples(), minExamples) << classe.nom();
        EXPECT_EQ(classe.etat(), CClasse::ETAT_UTILISABLE) << classe.nom();
    }
    EXPECT_TRUE(set.reconnaissancePossible()) << set.nom();
}
