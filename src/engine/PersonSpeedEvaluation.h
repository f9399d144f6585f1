#pragma once

#include "engine/CrossValidation.h"

#include <cstdint>
#include <string>
#include <vector>

class CEnsemble;

// What became of the drawings recognised by sets trained on other drawings.
struct RecognitionCounts {
    int tests = 0;
    int right = 0;     // accepted, and of their own class
    int bestRight = 0; // their own class came first, rejected or not
    int rejected = 0;  // by either test
    int rejectedByProbability = 0;
    int rejectedByDistance = 0;
    int wronglyAccepted = 0;
    int impossible = 0; // the training set could not recognise at all

    void add(const RecognitionCounts& other);
    double share(int count) const { return tests > 0 ? double(count) / tests : 0.0; }
};

struct PersonSpeedResult {
    int training = 0;    // examples per class in each training set
    int repetitions = 0; // draws of them per person and speed
    int groups = 0;      // persons and speeds that had a class to evaluate
    // (person and speed, class) pairs left out for holding no more examples than `training`.
    int classesLeftOut = 0;
    RecognitionCounts overall;
    std::vector<RecognitionCounts> perClass; // in the set's class order
};

// The protocol of the gesture-recognition literature, for each person and speed
// the examples' names carry (GestureLog.h; names that carry none make one group
// of their own): `training` examples of each class drawn at random, a set
// trained on them as the editor trains one, and every other example of that
// person and speed recognised; `repetitions` times over. A class with no more
// than `training` examples for a person and speed is left out of that group.
//
// The examples' features must have been computed (a set read from a file, or
// trained with apprendre()): they are shared, not computed again. The draws
// depend only on `seed` and `training`, so one N gives the same figures alone or
// among others.
// The same draws are made for either recogniser.
PersonSpeedResult evaluatePerPersonAndSpeed(const CEnsemble& set, int training, int repetitions,
                                            std::uint32_t seed,
                                            Recognizer recognizer = Recognizer::Trained);

// The training sizes of a learning curve on `set`: 2, 3, 5, 8... examples per
// class, each the sum of the two before, while some class keeps an example
// beyond them to recognise.
std::vector<int> learningCurveSizes(const CEnsemble& set);
