#include "engine/Codes.h"

#include <gtest/gtest.h>

// Names and codes both ways, each within its action type.
TEST(Codes, NamesBothWays) {
    const std::pair<int, const char*> types[] = {
        {0, "Aucun"}, {1, "Composants organigramme"}, {2, "Commandes"}, {3, "Texte"}};
    for (const auto& [type, name] : types) {
        EXPECT_EQ(nomTypeAction(type), name);
        EXPECT_EQ(typeActionDuNom(name), type);
    }
    EXPECT_EQ(nomTypeAction(4) + nomTypeAction(-1), "AucunAucun");
    EXPECT_EQ(typeActionDuNom("texte"), TYPE_AUCUN);

    const std::tuple<int, int, const char*> codes[] = {
        {TYPE_COMPOSANTS, 108, "Carré"},
        {TYPE_COMPOSANTS, 114, "Flèche (gauche-droite)"},
        {TYPE_COMMANDES, 216, "Taille : Identique à celle du geste"},
        {TYPE_COMMANDES, 210, "Couleur : Rouge"},
        {TYPE_TEXTE, 304, "Effacer"},
        {TYPE_TEXTE, 305, "Espace"}};
    for (const auto& [type, code, name] : codes) {
        EXPECT_EQ(nomCode(type, code), name);
        EXPECT_EQ(codeDuNom(type, name), code);
        EXPECT_EQ(nomCode(type % 3 + 1, code), "Aucun");
        EXPECT_EQ(codeDuNom(type % 3 + 1, name), AUCUN_CODE);
    }
    EXPECT_EQ(nomCode(TYPE_AUCUN, 108) + nomCode(TYPE_COMPOSANTS, AUCUN_CODE), "AucunAucun");

    const std::pair<int, int> ranges[] = {{102, 118}, {202, 217}, {302, 305}};
    for (int type = 1; type <= 3; ++type) {
        const std::vector<int> all = codesDuType(type);
        const auto [first, last] = ranges[type - 1];
        ASSERT_EQ(all.size(), static_cast<std::size_t>(last - first + 1));
        for (int k = 0; k < static_cast<int>(all.size()); ++k) {
            EXPECT_EQ(all[k], first + k);
            EXPECT_EQ(codeDuNom(type, nomCode(type, all[k])), all[k]);
        }
    }
    EXPECT_TRUE(codesDuType(TYPE_AUCUN).empty());
}
