#pragma once

#include "engine/Codes.h"
#include "recognizer/Dessin.h"

#include <memory>
#include <string>

class CEnsemble;

// The set a finished gesture is recognised against: the components set (left
// button in composant mode) or the commands set (commande mode, right button).
enum class GestureTarget { Component, Command };

// What a flowchart view makes of a finished gesture.
struct GestureDecision {
    // The set could recognise at all; when not, the view says "Reconnaissance impossible".
    bool possible = false;
    // The component to create or the command to apply; AUCUN_CODE when rejected.
    int code = AUCUN_CODE;
    // The class recognised; when rejected, the nearest one.
    std::string className;
    // Which tests rejected the gesture, for the status text: (1) and (2).
    bool rejectedByProbability = false;
    bool rejectedByDistance = false;

    bool rejected() const { return code == AUCUN_CODE; }
};

// The flowchart's decision on `drawing` with `set`, trained.
//
// Without `combine` it is the trained recogniser's own: the best class, refused
// when its probability is under 0.98 or its distance over 110.
//
// With `combine` (the default of a new flowchart) only the classes drawn in as
// many strokes as the drawing compete, and the classes of one code count
// together: a code is chosen with the probability of all its classes summed
// and the distance of its nearest class, since one code has a class per way of
// drawing it and those classes compete with each other. A drawing refused so is
// then given to the rule-based recogniser, which ignores where a drawing starts
// and which way it turns; when that one finds the same kind of thing the code
// stands for, the code is taken.
GestureDecision decideGesture(std::shared_ptr<CDessin> drawing, const CEnsemble& set,
                              GestureTarget target, bool combine);
