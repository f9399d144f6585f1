#include "engine/Codes.h"

#include <span>

namespace {

struct NamedCode {
    int code;
    std::string_view nom;
};

constexpr std::string_view kTypeNames[NB_TYPES_ACTION] = {"Aucun", "Composants organigramme",
                                                          "Commandes", "Texte"};

constexpr NamedCode kComposants[] = {
    {102, "Ligne horizontale"},
    {103, "Ligne verticale"},
    {104, "Rectangle vertical"},
    {105, "Rectangle horizontal"},
    {106, "Triangle (pointe en V)"},
    {107, "Triangle (pointe en haut)"},
    {108, "Carré"},
    {109, "Losange"},
    {110, "Cercle"},
    {111, "Ellipse verticale"},
    {112, "Ellipse horizontale"},
    {113, "Croix"},
    {114, "Flèche (gauche-droite)"},
    {115, "Flèche (droite-gauche)"},
    {116, "Flèche (haut-bas)"},
    {117, "Flèche (bas-haut)"},
    {118, "Texte"},
};

constexpr NamedCode kCommandes[] = {
    {202, "Déplacement horizontal : Droite-Gauche"},
    {203, "Déplacement horizontal : Gauche-Droite"},
    {204, "Déplacement vertical : Haut-Bas"},
    {205, "Déplacement vertical : Bas-Haut"},
    {206, "Déplacement : Autre"},
    {207, "Effacer : Sélection"},
    {208, "Effacer : Tout"},
    {209, "Couleur : Noir"},
    {210, "Couleur : Rouge"},
    {211, "Couleur : Vert"},
    {212, "Couleur : Bleu"},
    {213, "Couleur : Autre"},
    {214, "Taille : Réduire"},
    {215, "Taille : Agrandir"},
    {216, "Taille : Identique à celle du geste"},
    {217, "Taille : Autre"},
};

constexpr NamedCode kTexte[] = {
    {302, "Lettre minuscule"},
    {303, "Lettre majuscule"},
    {304, "Effacer"},
    {305, "Espace"},
};

std::span<const NamedCode> tableOf(int typeAction) {
    switch (typeAction) {
    case TYPE_COMPOSANTS:
        return kComposants;
    case TYPE_COMMANDES:
        return kCommandes;
    case TYPE_TEXTE:
        return kTexte;
    default:
        return {};
    }
}

} // namespace

std::string nomTypeAction(int typeAction) {
    const bool known = typeAction >= 0 && typeAction < NB_TYPES_ACTION;
    return std::string(kTypeNames[known ? typeAction : TYPE_AUCUN]);
}

int typeActionDuNom(std::string_view nom) {
    for (int type = 0; type < NB_TYPES_ACTION; ++type)
        if (kTypeNames[type] == nom)
            return type;
    return TYPE_AUCUN;
}

std::string nomCode(int typeAction, int code) {
    for (const NamedCode& entry : tableOf(typeAction))
        if (entry.code == code)
            return std::string(entry.nom);
    return "Aucun";
}

int codeDuNom(int typeAction, std::string_view nom) {
    for (const NamedCode& entry : tableOf(typeAction))
        if (entry.nom == nom)
            return entry.code;
    return AUCUN_CODE;
}

std::vector<int> codesDuType(int typeAction) {
    std::vector<int> codes;
    for (const NamedCode& entry : tableOf(typeAction))
        codes.push_back(entry.code);
    return codes;
}
