#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

std::unique_ptr<CDessin> freshGesture(int gesture, std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw(componentGesture(gesture, g, {250, 320}, 120));
}

} // namespace

// Two classes trained on the same examples evaluate alike: the earlier one is
// chosen with probability 1/2, so the shape is rejected but keeps its name.
TEST(AReconnaitre, EqualEvaluationsGiveOneHalf) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("premier", 8, 10, 1, 110));
    set.ajouterClasse(generatedClass("second", 8, 10, 1, 111));
    set.apprendre();
    ASSERT_TRUE(set.reconnaissancePossible());
    CAReconnaitre shape(set);
    shape.setDessin(freshGesture(8, 99));
    shape.calculerCaracteristiques();
    shape.reconnaitre();
    ASSERT_EQ(shape.evaluations().size(), 2u);
    EXPECT_EQ(shape.evaluations()[0], shape.evaluations()[1]);
    EXPECT_EQ(shape.meilleurIndice(), 0);
    EXPECT_EQ(shape.probabilite(), 0.5);
    EXPECT_TRUE(shape.rejeteParProbabilite());
    EXPECT_EQ(shape.nomReconnu(), "premier");
    EXPECT_EQ(shape.classeChoisie()->code(), 110);
    EXPECT_EQ(shape.code(), AUCUN_CODE);
}

TEST(AReconnaitre, OneClassGivesProbabilityOne) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("cercle", 8, 10, 1, 110));
    set.apprendre();
    CAReconnaitre shape(set);
    shape.setDessin(freshGesture(8, 5));
    shape.calculerCaracteristiques();
    shape.reconnaitre();
    EXPECT_EQ(shape.probabilite(), 1.0);
    EXPECT_FALSE(shape.rejeteParProbabilite());
    EXPECT_EQ(shape.rejeteParDistance(), shape.distance() > 110.0);
    EXPECT_EQ(shape.code(), shape.rejete() ? AUCUN_CODE : 110);
}

TEST(AReconnaitre, BoundariesAreAccepted) {
    EXPECT_TRUE(CAReconnaitre::distanceAcceptee(110.0));
    EXPECT_FALSE(CAReconnaitre::distanceAcceptee(std::nextafter(110.0, 200.0)));
    EXPECT_TRUE(CAReconnaitre::probabiliteAcceptee(0.98));
    EXPECT_FALSE(CAReconnaitre::probabiliteAcceptee(std::nextafter(0.98, 0.0)));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(CAReconnaitre::distanceAcceptee(nan));
    EXPECT_FALSE(CAReconnaitre::probabiliteAcceptee(nan));
}

// Over the examples of a one-class set, the squared Mahalanobis distances to the
// mean add up to (E - 1) times the rank of the scatter: 19 x 13 for 20 examples.
TEST(AReconnaitre, DistancesOfTheTrainingExamplesAddUpToTheirDegrees) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("triangle", 5, 20, 8));
    set.apprendre();
    double sum = 0.0;
    for (int e = 0; e < 20; ++e) {
        CAReconnaitre shape(set.classe(0).exemple(e), set);
        shape.reconnaitre();
        EXPECT_GE(shape.distance(), 0.0);
        sum += shape.distance();
    }
    EXPECT_NEAR(sum, 19.0 * 13.0, 1e-6);
}

TEST(AReconnaitre, EvaluationsFollowTheBoundSet) {
    const auto three = componentSet(3, 6, 1);
    const auto five = componentSet(5, 6, 2);
    CAReconnaitre shape(*three);
    EXPECT_EQ(shape.evaluations().size(), 3u);
    shape.setDessin(freshGesture(4, 3));
    shape.calculerCaracteristiques();

    shape.setEnsemble(*five);
    shape.reconnaitre();
    ASSERT_EQ(shape.evaluations().size(), 5u);
    EXPECT_EQ(shape.meilleurIndice(), 4);
    EXPECT_EQ(shape.nomReconnu(), "Triangle (pointe en V)");

    shape.setEnsemble(*three);
    three->ajouterClasse(std::make_unique<CClasse>("vide", ""));
    shape.reconnaitre();
    ASSERT_EQ(shape.evaluations().size(), 4u);
    // A class without examples has zero weights, so evaluates to 0.
    EXPECT_EQ(shape.evaluations()[3], 0.0);
}

TEST(AReconnaitre, SetWithoutClassesRecognisesNothing) {
    const CEnsemble empty;
    CAReconnaitre shape(empty);
    shape.setDessin(freshGesture(0, 1));
    shape.calculerCaracteristiques();
    shape.reconnaitre();
    EXPECT_TRUE(shape.rejeteParProbabilite());
    EXPECT_TRUE(shape.rejeteParDistance());
    EXPECT_EQ(shape.code(), AUCUN_CODE);
    EXPECT_FALSE(shape.classeChoisie().has_value());
    EXPECT_TRUE(shape.evaluations().empty());
}

TEST(AReconnaitre, BuiltFromAnExampleKeepsItsFeatures) {
    const auto set = componentSet(4, 6, 1);
    const CExemple& example = set->classe(2).exemple(3);
    const CAReconnaitre shape(example, *set);
    EXPECT_EQ(shape.caracteristiques(), example.caracteristiques());
    EXPECT_EQ(shape.dessin(), example.dessin());
    EXPECT_EQ(shape.code(), AUCUN_CODE);
    EXPECT_EQ(shape.nomReconnu(), "");
}
