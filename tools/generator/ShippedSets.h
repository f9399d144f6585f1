#pragma once

#include "engine/Codes.h"
#include "generator/DrawingGenerator.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CEnsemble;

// The three gesture sets a new user starts with: the flowchart's components
// (codes 102..118), its commands (202..217) and the text gestures (302..305).
struct ShippedSet {
    int typeAction;
    std::string_view fichier;
    std::string_view nom;
    std::string_view description;
    int exemples; // per class; the four text gestures are so alike that they need more
};

inline constexpr ShippedSet kShippedSets[] = {
    {TYPE_COMPOSANTS, "formes.gst", "formes", "Composants d'organigramme", 40},
    {TYPE_COMMANDES, "commandes.gst", "commandes", "Commandes d'organigramme", 30},
    {TYPE_TEXTE, "lettres.gst", "lettres", "Insertion de texte", 50},
};

// The seed the files in src/res/ are made from; drawings for checking them come
// from other seeds.
inline constexpr std::uint32_t kShippedSeed = 1;

// One drawing of the gesture of `code` in a set of `typeAction`, as any user
// draws it: at a random place and size (small to large), the pen starting and
// stopping a few pixels off, by a writer picked at random.
std::unique_ptr<CDessin> shippedGesture(int typeAction, int code, DrawingGenerator& g);

// The shipped set `info`, trained: one class per code of its type, named after
// the code, with `examples` drawings each.
std::unique_ptr<CEnsemble> shippedSet(const ShippedSet& info, int examples, std::uint32_t seed);

// How a set fares on fresh drawings of its own classes.
struct FreshRecognition {
    struct PerClass {
        int drawings = 0;
        int right = 0;
        int rejected = 0;
        int wronglyAccepted = 0;
    };
    std::vector<PerClass> classes; // in the set's class order
    bool possible = false;         // the set could recognise at all

    PerClass total() const;
};

// Recognises `perClass` fresh drawings of each class of `set` (its code says
// which gesture), made from `seed`; a set that cannot recognise rejects them all.
FreshRecognition recogniseFresh(const CEnsemble& set, int perClass, std::uint32_t seed);
