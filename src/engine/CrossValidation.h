#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CEnsemble;

// Which recogniser the drawn examples train: the set's own trained classifier,
// or the template matcher (which never rejects; a drawing without length,
// which it cannot compare, counts as impossible to recognise).
enum class Recognizer { Trained, Templates };

// An example the evaluation did not recognise as its own class.
struct FailedExample {
    int classIndex = 0;
    int exampleIndex = 0;
    int recognisedAs = -1; // the class taken for it; -1 when rejected or impossible
};

// k-fold cross-validation so far: every example recognised by the recogniser
// trained on the folds it is not in.
struct CrossValidationResult {
    int folds = 0;
    int foldsDone = 0;
    int examples = 0;
    int right = 0;
    int rejectedByProbability = 0; // a gesture may be rejected by both tests
    int rejectedByDistance = 0;
    int wronglyAccepted = 0;
    int impossible = 0;
    // Rows: the example's class; columns: the class recognised, then "not recognised".
    std::vector<std::vector<int>> confusion;
    std::vector<FailedExample> failures; // in the order they were recognised

    double share(int count) const { return examples > 0 ? double(count) / examples : 0.0; }
    bool complete() const { return foldsDone == folds; }
};

// Told the result after each fold; returning false stops the evaluation there.
using FoldProgress = std::function<bool(const CrossValidationResult&)>;

// Each class's examples shuffled by `seed` and dealt to `folds` folds in turn;
// each fold recognised by a recogniser trained on the others as the editor
// trains a set. The result is complete unless `progress` stopped it.
CrossValidationResult crossValidate(const CEnsemble& set, int folds, std::uint32_t seed,
                                    Recognizer recognizer, const FoldProgress& progress = {});

// A set that shares nothing with `set`: its classes, examples and drawings are
// copied, so that it may be evaluated on another thread while `set` is edited.
// It is trained.
std::unique_ptr<CEnsemble> independentCopy(const CEnsemble& set);
