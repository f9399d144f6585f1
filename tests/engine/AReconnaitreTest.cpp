#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A fresh drawing of component gesture `gesture` recognised against `set`.
std::unique_ptr<CAReconnaitre> recognised(const CEnsemble& set, int gesture, std::uint32_t seed) {
    DrawingGenerator g(seed);
    auto shape = std::make_unique<CAReconnaitre>(set);
    shape->setDessin(g.draw(componentGesture(gesture, g, {250, 320}, 120)));
    shape->calculerCaracteristiques();
    shape->reconnaitre();
    return shape;
}

} // namespace

// Two classes trained on the same circles evaluate alike and lie at the same
// distance: the earlier one is chosen with probability 1/2, so the shape is
// rejected but keeps its name; the candidates keep the class order and outrank
// the lines, and asking for fewer trims the list. A class alone is chosen with
// probability 1.
TEST(AReconnaitre, ProbabilityOfTheChoiceAndBestCandidates) {
    CEnsemble set;
    set.ajouterClasse(generatedClass("ligne", 0, 10, 7, 102));
    set.ajouterClasse(generatedClass("premier", 8, 10, 1, 110));
    set.ajouterClasse(generatedClass("second", 8, 10, 1, 111));
    set.apprendre();
    const auto shape = recognised(set, 8, 99);
    ASSERT_EQ(shape->evaluations().size(), 3u);
    EXPECT_EQ(shape->evaluations()[1], shape->evaluations()[2]);
    EXPECT_EQ(std::tuple(shape->meilleurIndice(), shape->probabilite(),
                         shape->rejeteParProbabilite(), shape->nomReconnu(),
                         shape->classeChoisie()->code(), shape->code()),
              std::tuple(1, 0.5, true, "premier", 110, AUCUN_CODE));
    const std::vector<CAReconnaitre::Candidate> best = shape->bestCandidates(5);
    ASSERT_EQ(best.size(), 3u);
    EXPECT_EQ(std::tuple(best[0].classIndex, best[1].classIndex, best[2].classIndex,
                         best[0].probability, best[1].probability, best[0].distance,
                         best[1].distance, shape->bestCandidates(1).size()),
              std::tuple(1, 2, 0, 0.5, 0.5, shape->distance(), shape->distance(), 1u));
    EXPECT_LT(best[2].probability, 1e-6);
    EXPECT_GT(best[2].distance, best[0].distance);

    set.supprimerClasse(2);
    set.supprimerClasse(0);
    set.apprendre();
    const auto alone = recognised(set, 8, 5);
    EXPECT_EQ(std::pair(alone->probabilite(), alone->rejeteParProbabilite()),
              std::pair(1.0, false));
    EXPECT_EQ(alone->rejeteParDistance(), alone->distance() > 110.0);
    EXPECT_EQ(alone->code(), alone->rejete() ? AUCUN_CODE : 110);

    // The evaluations follow the set: a class without examples has zero weights
    // and evaluates to 0; without classes nothing is recognised and no earlier
    // choice is kept.
    set.ajouterClasse(std::make_unique<CClasse>("vide", ""));
    alone->reconnaitre();
    ASSERT_EQ(alone->evaluations().size(), 2u);
    EXPECT_EQ(alone->evaluations()[1], 0.0);
    set.supprimerClasse(1);
    set.supprimerClasse(0);
    alone->reconnaitre();
    EXPECT_EQ(std::tuple(alone->classeChoisie().has_value(), alone->probabilite(),
                         alone->distance(), alone->meilleurIndice(), alone->code(),
                         alone->rejeteParProbabilite(), alone->rejeteParDistance(),
                         alone->evaluations().size()),
              std::tuple(false, 0.0, 0.0, 0, AUCUN_CODE, true, true, 0u));
}

TEST(AReconnaitre, BoundariesAreAccepted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(
        std::vector({CAReconnaitre::distanceAcceptee(110.0),
                     CAReconnaitre::distanceAcceptee(std::nextafter(110.0, 200.0)),
                     CAReconnaitre::distanceAcceptee(nan), CAReconnaitre::probabiliteAcceptee(0.98),
                     CAReconnaitre::probabiliteAcceptee(std::nextafter(0.98, 0.0)),
                     CAReconnaitre::probabiliteAcceptee(nan)}),
        std::vector({true, false, false, true, false, false}));
}
