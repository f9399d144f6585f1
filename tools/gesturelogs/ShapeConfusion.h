#pragma once

#include <string>
#include <vector>

class CEnsemble;

// How the rule-based recogniser fares on the classes of a set: for each class
// (a gesture kind), how often each member of its family came first.
struct ShapeConfusion {
    // The recogniser's members in its own order, then "Tap" and "Unknown".
    std::vector<std::string> members;
    std::vector<std::string> kinds;       // the set's classes, in order
    std::vector<std::vector<int>> counts; // [kind][member]
};

// Every example's drawing is recognised (rotation invariant, threshold 0, as
// everywhere in Velmora); examples without a drawing are not counted.
ShapeConfusion shapeConfusion(const CEnsemble& set);
