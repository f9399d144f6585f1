#pragma once

#include "flowchart/GestureDecision.h"

#include <map>
#include <string>
#include <vector>

class CEnsemble;

// A kind of gesture in the logs and the codes that make what its writers meant;
// a personal class takes the first.
struct KindCodes {
    std::string kind;
    std::vector<int> codes;
};

struct KindScore {
    int drawings = 0;
    int right = 0;
    int rejected = 0;
    int wrong = 0;
    std::map<int, int> wrongCodes; // what the wrong ones became

    void add(const KindScore& other);
};

struct ScoreSettings {
    std::vector<KindCodes> kinds;
    GestureTarget target = GestureTarget::Component;
    bool combine = true;
    std::vector<std::string> people;   // only these writers; empty: everyone
    std::vector<std::string> excluded; // never these
    // A writer's first `personal` drawings of each kind make a class of their
    // own, added to the set, and only the others are scored.
    int personal = 0;
};

struct DecisionScore {
    std::vector<KindScore> kinds;     // in the settings' order
    std::vector<std::string> writers; // those scored, in order
};

// What the flowchart decides (GestureDecision.h) on each drawing of the logs
// (sets imported from gesture-log folders, one class per kind, examples named
// after their writer) with `set`.
DecisionScore scoreDecision(const CEnsemble& set, const std::vector<const CEnsemble*>& logs,
                            const ScoreSettings& settings);
