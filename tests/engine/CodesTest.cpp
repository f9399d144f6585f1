#include "engine/Codes.h"

#include <gtest/gtest.h>

#include <numeric>

// Names and codes both ways, each within its action type.
TEST(Codes, NamesBothWays) {
    const std::pair<int, const char*> types[] = {
        {0, "Aucun"}, {1, "Composants organigramme"}, {2, "Commandes"}, {3, "Texte"}};
    for (const auto& [type, name] : types)
        EXPECT_EQ(std::pair(nomTypeAction(type), typeActionDuNom(name)),
                  std::pair(std::string(name), type));

    const std::tuple<int, int, const char*> codes[] = {
        {TYPE_COMPOSANTS, 108, "Carré"},
        {TYPE_COMPOSANTS, 114, "Flèche (gauche-droite)"},
        {TYPE_COMMANDES, 216, "Taille : Identique à celle du geste"},
        {TYPE_COMMANDES, 210, "Couleur : Rouge"},
        {TYPE_TEXTE, 304, "Effacer"},
        {TYPE_TEXTE, 305, "Espace"}};
    for (const auto& [type, code, name] : codes)
        EXPECT_EQ(std::tuple(nomCode(type, code), codeDuNom(type, name),
                             nomCode(type % 3 + 1, code), codeDuNom(type % 3 + 1, name)),
                  std::tuple(std::string(name), code, std::string("Aucun"), AUCUN_CODE));
    EXPECT_EQ(nomTypeAction(4) + nomTypeAction(-1) + nomCode(TYPE_AUCUN, 108) +
                  nomCode(TYPE_COMPOSANTS, AUCUN_CODE),
              "AucunAucunAucunAucun");

    const std::tuple<int, int, int> ranges[] = {{1, 102, 118}, {2, 202, 217}, {3, 302, 305}};
    for (const auto& [type, first, last] : ranges) {
        std::vector<int> expected(static_cast<std::size_t>(last - first + 1));
        std::iota(expected.begin(), expected.end(), first);
        EXPECT_EQ(codesDuType(type), expected);
        for (int code : expected)
            EXPECT_EQ(codeDuNom(type, nomCode(type, code)), code);
    }
    EXPECT_EQ(std::pair(typeActionDuNom("texte"), codesDuType(TYPE_AUCUN).size()),
              std::pair(TYPE_AUCUN, std::size_t{0}));
}
