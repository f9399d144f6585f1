#include "engine/Codes.h"

#include <gtest/gtest.h>

TEST(Codes, ActionTypesBothWays) {
    EXPECT_EQ(nomTypeAction(0), "Aucun");
    EXPECT_EQ(nomTypeAction(1), "Composants organigramme");
    EXPECT_EQ(nomTypeAction(2), "Commandes");
    EXPECT_EQ(nomTypeAction(3), "Texte");
    EXPECT_EQ(nomTypeAction(4), "Aucun");
    EXPECT_EQ(nomTypeAction(-1), "Aucun");
    for (int type = 0; type < NB_TYPES_ACTION; ++type)
        EXPECT_EQ(typeActionDuNom(nomTypeAction(type)), type);
    EXPECT_EQ(typeActionDuNom("texte"), TYPE_AUCUN);
}

TEST(Codes, ClassCodesBothWaysWithinTheirType) {
    EXPECT_EQ(nomCode(TYPE_COMPOSANTS, 108), "Carré");
    EXPECT_EQ(nomCode(TYPE_COMPOSANTS, 114), "Flèche (gauche-droite)");
    EXPECT_EQ(nomCode(TYPE_COMMANDES, 216), "Taille : Identique à celle du geste");
    EXPECT_EQ(nomCode(TYPE_TEXTE, 305), "Espace");
    EXPECT_EQ(nomCode(TYPE_COMMANDES, 108), "Aucun");
    EXPECT_EQ(nomCode(TYPE_AUCUN, 108), "Aucun");
    EXPECT_EQ(nomCode(TYPE_COMPOSANTS, AUCUN_CODE), "Aucun");
    EXPECT_EQ(codeDuNom(TYPE_COMMANDES, "Couleur : Rouge"), 210);
    EXPECT_EQ(codeDuNom(TYPE_COMPOSANTS, "Couleur : Rouge"), AUCUN_CODE);
    EXPECT_EQ(codeDuNom(TYPE_TEXTE, "Effacer"), 304);
    EXPECT_EQ(codeDuNom(TYPE_COMMANDES, "Effacer"), AUCUN_CODE);

    const std::pair<int, int> ranges[] = {{102, 118}, {202, 217}, {302, 305}};
    for (int type = 1; type <= 3; ++type) {
        const std::vector<int> codes = codesDuType(type);
        const auto [first, last] = ranges[type - 1];
        ASSERT_EQ(codes.size(), static_cast<std::size_t>(last - first + 1));
        for (int k = 0; k < static_cast<int>(codes.size()); ++k) {
            EXPECT_EQ(codes[k], first + k);
            EXPECT_EQ(codeDuNom(type, nomCode(type, codes[k])), codes[k]);
        }
    }
    EXPECT_TRUE(codesDuType(TYPE_AUCUN).empty());
}
