#pragma once

#include "engine/Codes.h"
#include "generator/GestureVariant.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CEnsemble;

// The three gesture sets a new user starts with: the flowchart's components
// (codes 102..118), its commands (202..217) and the text gestures (302..305).
// Each holds a class per way of drawing a code (GestureVariant.h).
struct ShippedSet {
    int typeAction;
    std::string_view fichier;
    std::string_view nom;
    std::string_view description;
    int exemples; // per class; the four text gestures are so alike that they need more
};

inline constexpr ShippedSet kShippedSets[] = {
    {TYPE_COMPOSANTS, "formes.gst", "formes", "Composants d'organigramme", 20},
    {TYPE_COMMANDES, "commandes.gst", "commandes", "Commandes d'organigramme", 20},
    {TYPE_TEXTE, "lettres.gst", "lettres", "Insertion de texte", 50},
};

// The seed the files in src/res/ are made from; drawings for checking them come
// from other seeds.
inline constexpr std::uint32_t kShippedSeed = 1;

// The ways of drawing the codes of `typeAction`, in code order, each code's
// natural way first.
const std::vector<GestureVariant>& shippedVariants(int typeAction);

// One drawing of `variant` by a person and device picked at random, at a random
// place and size (small to large).
std::unique_ptr<CDessin> variantDrawing(int typeAction, const GestureVariant& variant,
                                        DrawingGenerator& g);

// One drawing of the gesture of `code` in a set of `typeAction`, drawn its
// natural way by a person picked at random.
std::unique_ptr<CDessin> shippedGesture(int typeAction, int code, DrawingGenerator& g);

// The shipped set `info`, trained: one class per way of drawing each code of
// its type, named after it, with `examples` drawings each.
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

// `perClass` fresh drawings of each class of `set`, made from `seed` the way the
// class's name says (a class of another name: its code's natural way), decided
// as a new flowchart decides (GestureDecision.h, the recognisers combined or
// not): right when the code is the class's. A set that cannot recognise
// rejects them all.
FreshRecognition recogniseFresh(const CEnsemble& set, int perClass, std::uint32_t seed,
                                bool combine = true);
