#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

// Two classes trained on the same circles tie: each would be chosen with
// probability 1/2 and lies at the same distance; they keep the class order
// and outrank the lines, and asking for fewer trims the list.
TEST(AReconnaitre, BestCandidatesRankEveryClass) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("ligne", 0, 10, 7, 102));
    set.ajouterClasse(generatedClass("premier", 8, 10, 1, 110));
    set.ajouterClasse(generatedClass("second", 8, 10, 1, 111));
    set.apprendre();
    CAReconnaitre shape(set);
    DrawingGenerator g(99);
    shape.setDessin(g.draw(componentGesture(8, g, {250, 320}, 120)));
    shape.calculerCaracteristiques();
    shape.reconnaitre();

    const std::vector<CAReconnaitre::Candidate> best = shape.bestCandidates(5);
    ASSERT_EQ(best.size(), 3u);
    EXPECT_EQ(best[0].classIndex, 1);
    EXPECT_EQ(best[1].classIndex, 2);
    EXPECT_EQ(best[2].classIndex, 0);
    EXPECT_DOUBLE_EQ(best[0].probability, 0.5);
    EXPECT_DOUBLE_EQ(best[1].probability, 0.5);
    EXPECT_EQ(best[0].distance, best[1].distance);
    EXPECT_EQ(best[0].distance, shape.distance());
    EXPECT_LT(best[2].probability, 1e-6);
    EXPECT_GT(best[2].distance, best[0].distance);
    EXPECT_EQ(shape.bestCandidates(1).size(), 1u);
}
