#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a set's gestures are for (its action type) and what each class stands for
// within that use (its code), with the names the user sees.

constexpr int TYPE_AUCUN = 0;
constexpr int TYPE_COMPOSANTS = 1; // flowchart components, codes 102..118
constexpr int TYPE_COMMANDES = 2;  // flowchart commands, codes 202..217
constexpr int TYPE_TEXTE = 3;      // text actions, codes 302..305
constexpr int NB_TYPES_ACTION = 4;

// A class that stands for nothing; also the code of a rejected gesture.
constexpr int AUCUN_CODE = 101;

// "Aucun", "Composants organigramme", "Commandes", "Texte"; "Aucun" for any other type.
std::string nomTypeAction(int typeAction);
// TYPE_AUCUN for a name that is none of the four.
int typeActionDuNom(std::string_view nom);

// The code's name within the type's table; "Aucun" for a code outside it or for type 0.
std::string nomCode(int typeAction, int code);
// AUCUN_CODE for a name outside the type's table.
int codeDuNom(int typeAction, std::string_view nom);
// The type's codes in increasing order, as the dialogs list them; empty for type 0.
std::vector<int> codesDuType(int typeAction);
