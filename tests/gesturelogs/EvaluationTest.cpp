#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "generator/FamilyGestures.h"
#include "gesturelogs/PersonSpeedEvaluation.h"
#include "gesturelogs/ShapeConfusion.h"
#include "recognizer/ShapeRecognizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

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
    EXPECT_LE(c.rejectedByProbability, c.rejected);
    EXPECT_LE(c.rejectedByDistance, c.rejected);
    EXPECT_LE(c.rejected, c.rejectedByProbability + c.rejectedByDistance);
}

} // namespace

TEST(PersonSpeedEvaluation, EachPersonAndSpeedTrainsOnNAndRecognisesTheRest) {
    // Seven per class: the pooled covariance has more degrees of freedom than
    // there are features.
    const auto set = drawnSet({"s01-fast", "s02-slow"}, 10, 11);
    const PersonSpeedResult r = evaluatePerPersonAndSpeed(*set, 7, 4, 7);
    EXPECT_EQ(r.training, 7);
    EXPECT_EQ(r.repetitions, 4);
    EXPECT_EQ(r.groups, 2);
    EXPECT_EQ(r.classesLeftOut, 0);
    ASSERT_EQ(r.perClass.size(), 3u);
    RecognitionCounts sum;
    for (const RecognitionCounts& c : r.perClass) {
        // 2 groups x 4 draws x the 3 drawings of each group left out of training.
        EXPECT_EQ(c.tests, 24);
        expectAccountedFor(c);
        sum.add(c);
    }
    expectAccountedFor(r.overall);
    EXPECT_EQ(r.overall.tests, 72);
    EXPECT_EQ(r.overall.right, sum.right);
    EXPECT_EQ(r.overall.bestRight, sum.bestRight);
    EXPECT_EQ(r.overall.rejected, sum.rejected);
    EXPECT_EQ(r.overall.impossible, 0);
    // Three gestures that look nothing alike.
    EXPECT_GE(r.overall.bestRight, 68);

    const PersonSpeedResult again = evaluatePerPersonAndSpeed(*set, 7, 4, 7);
    for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_EQ(again.perClass[c].right, r.perClass[c].right);
        EXPECT_EQ(again.perClass[c].rejectedByDistance, r.perClass[c].rejectedByDistance);
    }
}

TEST(PersonSpeedEvaluation, AClassWithTooFewExamplesForAPersonIsLeftOutThere) {
    auto set = drawnSet({"s01-fast", "s02-fast"}, 5, 3);
    // geste8 keeps only two drawings of s01 (its first two).
    CClasse& sparse = set->classe(2);
    for (int e = 2; e < 5; ++e)
        sparse.supprimerExemple(2);
    set->apprendre();
    const PersonSpeedResult r = evaluatePerPersonAndSpeed(*set, 2, 3, 1);
    EXPECT_EQ(r.groups, 2);
    EXPECT_EQ(r.classesLeftOut, 1);
    EXPECT_EQ(r.perClass[0].tests, 2 * 3 * 3);
    EXPECT_EQ(r.perClass[2].tests, 1 * 3 * 3);
    expectAccountedFor(r.overall);
}

TEST(PersonSpeedEvaluation, OneTrainingExampleCannotRecognise) {
    const auto set = drawnSet({"10-stylus-medium"}, 3, 5);
    const PersonSpeedResult r = evaluatePerPersonAndSpeed(*set, 1, 2, 1);
    EXPECT_EQ(r.overall.tests, 3 * 2 * 2);
    EXPECT_EQ(r.overall.impossible, r.overall.tests);
    EXPECT_EQ(r.overall.right + r.overall.rejected + r.overall.bestRight, 0);
}

TEST(PersonSpeedEvaluation, NamesWithoutPersonOrSpeedMakeOneGroup) {
    const auto set = drawnSet({"a", "b"}, 4, 9);
    const PersonSpeedResult r = evaluatePerPersonAndSpeed(*set, 5, 2, 1);
    EXPECT_EQ(r.groups, 1);
    EXPECT_EQ(r.overall.tests, 3 * 2 * 3);
    expectAccountedFor(r.overall);

    const PersonSpeedResult tooMany = evaluatePerPersonAndSpeed(*set, 8, 2, 1);
    EXPECT_EQ(tooMany.groups, 0);
    EXPECT_EQ(tooMany.classesLeftOut, 3);
    EXPECT_EQ(tooMany.overall.tests, 0);
}

TEST(ShapeConfusion, CountsTheMemberThatCameFirstForEachKind) {
    CEnsemble set("formes", "");
    const FamilyKind kinds[] = {FamilyKind::Circle, FamilyKind::Cross, FamilyKind::Move};
    DrawingGenerator g(4);
    for (const FamilyKind kind : kinds) {
        auto classe = std::make_unique<CClasse>(std::string(familyName(kind)), "");
        for (int e = 0; e < 6; ++e) {
            auto exemple = std::make_unique<CExemple>(std::to_string(e));
            exemple->setDessin(g.draw(familyGesture(kind, g, {300, 300}, 150, 0.2 * e)));
            classe->ajouterExemple(std::move(exemple));
        }
        set.ajouterClasse(std::move(classe));
    }
    auto taps = std::make_unique<CClasse>("points", "");
    auto tap = std::make_unique<CExemple>("tap");
    tap->setDessin(g.draw({{{10, 10}, {13, 12}}}));
    taps->ajouterExemple(std::move(tap));
    taps->ajouterExemple(std::make_unique<CExemple>("sans dessin"));
    set.ajouterClasse(std::move(taps));

    const ShapeConfusion confusion = shapeConfusion(set);
    ASSERT_EQ(confusion.members.size(), 14u);
    EXPECT_EQ(confusion.members.front(), "Delete");
    EXPECT_EQ(confusion.members[12], "Tap");
    EXPECT_EQ(confusion.members[13], "Unknown");
    ASSERT_EQ(confusion.kinds, (std::vector<std::string>{"Circle", "Cross", "Move", "points"}));

    // Each drawing recognised on its own gives the same table.
    CShapeRecognizer recognizer;
    for (int c = 0; c < set.nbClasses(); ++c) {
        std::vector<int> row(confusion.members.size(), 0);
        for (int e = 0; e < set.classe(c).nbExemples(); ++e) {
            const auto& drawing = set.classe(c).exemple(e).dessin();
            if (!drawing)
                continue;
            const std::string_view first = recognizer.recognize(*drawing).at(0)->name();
            for (std::size_t m = 0; m < row.size(); ++m)
                row[m] += confusion.members[m] == first;
        }
        EXPECT_EQ(confusion.counts[static_cast<std::size_t>(c)], row) << confusion.kinds[c];
    }
    const auto column = [&](const char* member) {
        return static_cast<std::size_t>(
            std::find(confusion.members.begin(), confusion.members.end(), member) -
            confusion.members.begin());
    };
    EXPECT_GE(confusion.counts[0][column("Circle")], 5);
    EXPECT_GE(confusion.counts[1][column("Cross")], 5);
    EXPECT_GE(confusion.counts[2][column("Move")], 5);
    EXPECT_EQ(confusion.counts[3][column("Tap")], 1);
    EXPECT_EQ(std::accumulate(confusion.counts[3].begin(), confusion.counts[3].end(), 0), 1);
}
