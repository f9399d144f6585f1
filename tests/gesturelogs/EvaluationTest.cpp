#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "gesturelogs/PersonSpeedEvaluation.h"

#include <gtest/gtest.h>

namespace {

// Component gestures (horizontal line, V triangle, circle), `perGroup` drawings
// of each for every group, named as the gesture-log readers name them.
std::unique_ptr<CEnsemble> drawnSet(const std::vector<std::string>& groups, int perGroup,
                                    std::uint32_t seed) {
    auto set = std::make_unique<CEnsemble>("dessins", "");
    DrawingGenerator g(seed);
    for (const int gesture : {0, 4, 8}) {
        auto classe = std::make_unique<CClasse>("geste" + std::to_string(gesture), "");
        for (const std::string& group : groups) {
            for (int e = 0; e < perGroup; ++e) {
                auto exemple = std::make_unique<CExemple>(group + "-" + std::to_string(e));
                exemple->setDessin(g.draw(componentGesture(gesture, g, {300, 300}, 120)));
                classe->ajouterExemple(std::move(exemple));
            }
        }
        set->ajouterClasse(std::move(classe));
    }
    set->apprendre();
    return set;
}

void expectAccountedFor(const RecognitionCounts& c) {
    EXPECT_EQ(c.right + c.rejected + c.wronglyAccepted + c.impossible, c.tests);
    EXPECT_LE(c.right, c.bestRight);
    EXPECT_LE(c.rejected, c.rejectedByProbability + c.rejectedByDistance);
}

} // namespace

// Each person and speed trains on N drawings of each class and recognises its
// other drawings; a class with no more than N drawings there is left out; names
// that carry no person make one group; one example per class cannot recognise.
TEST(PersonSpeedEvaluation, EachPersonAndSpeedTrainsOnNAndRecognisesTheRest) {
    auto set = drawnSet({"s01-fast", "s02-slow"}, 10, 11);
    const PersonSpeedResult r = evaluatePerPersonAndSpeed(*set, 7, 4, 7);
    EXPECT_EQ(r.groups, 2);
    EXPECT_EQ(r.classesLeftOut, 0);
    for (const RecognitionCounts& c : r.perClass) {
        // 2 groups x 4 draws x the 3 drawings of each group left out of training.
        EXPECT_EQ(c.tests, 24);
        expectAccountedFor(c);
    }
    EXPECT_EQ(r.overall.tests, 72);
    EXPECT_GE(r.overall.bestRight, 68) << "three gestures that look nothing alike";
    EXPECT_EQ(evaluatePerPersonAndSpeed(*set, 7, 4, 7).overall.right, r.overall.right);

    // geste8 keeps only three drawings of s01.
    for (int e = 3; e < 20; ++e)
        set->classe(2).supprimerExemple(3);
    set->apprendre();
    const PersonSpeedResult sparse = evaluatePerPersonAndSpeed(*set, 3, 2, 1);
    EXPECT_EQ(sparse.classesLeftOut, 1);
    EXPECT_EQ(sparse.perClass[2].tests, 0);
    EXPECT_EQ(sparse.perClass[0].tests, 2 * 2 * 7);

    const auto loose = drawnSet({"a", "b"}, 4, 9);
    EXPECT_EQ(evaluatePerPersonAndSpeed(*loose, 5, 2, 1).groups, 1);
    const PersonSpeedResult one = evaluatePerPersonAndSpeed(*loose, 1, 2, 1);
    EXPECT_EQ(one.overall.impossible, one.overall.tests);
}
