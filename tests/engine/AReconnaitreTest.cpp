#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// `drawing` recognised against `set`.
std::unique_ptr<CAReconnaitre> recognised(const CEnsemble& set, std::unique_ptr<CDessin> drawing) {
    auto shape = std::make_unique<CAReconnaitre>(set);
    shape->setDessin(std::move(drawing));
    shape->calculerCaracteristiques();
    shape->reconnaitre();
    return shape;
}

std::unique_ptr<CDessin> freshGesture(int gesture, std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw(componentGesture(gesture, g, {250, 320}, 120));
}

} // namespace

// Two classes trained on the same examples evaluate alike: the earlier one is
// chosen with probability 1/2, so the shape is rejected but keeps its name. A
// class alone is chosen with probability 1.
TEST(AReconnaitre, ProbabilityOfTheChoice) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("premier", 8, 10, 1, 110));
    set.ajouterClasse(generatedClass("second", 8, 10, 1, 111));
    set.apprendre();
    ASSERT_TRUE(set.reconnaissancePossible());
    const auto shape = recognised(set, freshGesture(8, 99));
    ASSERT_EQ(shape->evaluations().size(), 2u);
    EXPECT_EQ(shape->evaluations()[0], shape->evaluations()[1]);
    EXPECT_EQ(shape->meilleurIndice(), 0);
    EXPECT_EQ(shape->probabilite(), 0.5);
    EXPECT_TRUE(shape->rejeteParProbabilite());
    EXPECT_EQ(shape->nomReconnu(), "premier");
    EXPECT_EQ(shape->classeChoisie()->code(), 110);
    EXPECT_EQ(shape->code(), AUCUN_CODE);

    set.supprimerClasse(1);
    set.apprendre();
    const auto alone = recognised(set, freshGesture(8, 5));
    EXPECT_EQ(alone->probabilite(), 1.0);
    EXPECT_FALSE(alone->rejeteParProbabilite());
    EXPECT_EQ(alone->rejeteParDistance(), alone->distance() > 110.0);
    EXPECT_EQ(alone->code(), alone->rejete() ? AUCUN_CODE : 110);
}

TEST(AReconnaitre, BoundariesAreAccepted) {
    EXPECT_TRUE(CAReconnaitre::distanceAcceptee(110.0));
    EXPECT_FALSE(CAReconnaitre::distanceAcceptee(std::nextafter(110.0, 200.0)));
    EXPECT_TRUE(CAReconnaitre::probabiliteAcceptee(0.98));
    EXPECT_FALSE(CAReconnaitre::probabiliteAcceptee(std::nextafter(0.98, 0.0)));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(CAReconnaitre::distanceAcceptee(nan) || CAReconnaitre::probabiliteAcceptee(nan));
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

// The evaluations follow the set bound last; a class without examples has zero
// weights and evaluates to 0; a set without classes recognises nothing.
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
    EXPECT_EQ(shape.evaluations()[3], 0.0);
    // Its classes gone, the set recognises nothing: no earlier choice is kept.
    while (three->nbClasses() > 0)
        three->supprimerClasse(0);
    shape.reconnaitre();
    EXPECT_EQ(std::tuple(shape.classeChoisie().has_value(), shape.probabilite(), shape.distance(),
                         shape.meilleurIndice(), shape.code(), shape.rejete()),
              std::tuple(false, 0.0, 0.0, 0, AUCUN_CODE, true));

    const CEnsemble empty;
    const auto nothing = recognised(empty, freshGesture(0, 1));
    EXPECT_TRUE(nothing->rejeteParProbabilite() && nothing->rejeteParDistance());
    EXPECT_EQ(nothing->code(), AUCUN_CODE);
    EXPECT_FALSE(nothing->classeChoisie().has_value());
    EXPECT_TRUE(nothing->evaluations().empty());

    const CExemple& example = five->classe(2).exemple(3);
    const CAReconnaitre fromExample(example, *five);
    EXPECT_EQ(fromExample.caracteristiques(), example.caracteristiques());
    EXPECT_EQ(fromExample.dessin(), example.dessin());
    EXPECT_EQ(
        std::tuple(fromExample.code(), fromExample.nomReconnu(), fromExample.meilleurIndice()),
        std::tuple(AUCUN_CODE, "", 0));
}
