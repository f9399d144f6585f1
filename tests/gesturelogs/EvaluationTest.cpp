#include "engine/FichierEnsemble.h"
#include "engine/PersonSpeedEvaluation.h"
#include "gesturelogs/DecisionScore.h"
#include "gesturelogs/LogFolder.h"
#include "support/GeneratedClasses.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Component gestures (horizontal line, V triangle, circle), `perGroup` drawings
// of each for every group, named as the gesture-log readers name them.
std::unique_ptr<CEnsemble> drawnSet(const std::vector<std::string>& groups, int perGroup,
                                    std::uint32_t seed) {
    auto set = std::make_unique<CEnsemble>("dessins", "");
    for (const int gesture : {0, 4, 8}) {
        auto classe = generatedClass("geste" + std::to_string(gesture), gesture,
                                     perGroup * static_cast<int>(groups.size()), seed + gesture);
        for (int e = 0; e < classe->nbExemples(); ++e)
            classe->exemple(e).setNom(groups[e / perGroup] + "-" + std::to_string(e % perGroup));
        set->ajouterClasse(std::move(classe));
    }
    set->apprendre();
    return set;
}

} // namespace

// Each person and speed trains on N drawings of each class and recognises its
// other drawings; a class with no more than N drawings there is left out; names
// that carry no person make one group; one example per class cannot recognise.
TEST(PersonSpeedEvaluation, EachPersonAndSpeedTrainsOnNAndRecognisesTheRest) {
    auto set = drawnSet({"s01-fast", "s02-slow"}, 10, 11);
    const PersonSpeedResult r = evaluatePerPersonAndSpeed(*set, 7, 4, 7);
    EXPECT_EQ(std::tuple(r.groups, r.classesLeftOut, r.overall.tests), std::tuple(2, 0, 72));
    // 2 groups x 4 draws x the 3 drawings of each group left out of training.
    for (const RecognitionCounts& c : r.perClass)
        EXPECT_EQ(c.tests, 24);
    EXPECT_GE(r.overall.bestRight, 68) << "three gestures that look nothing alike";
    EXPECT_EQ(evaluatePerPersonAndSpeed(*set, 7, 4, 7).overall.right, r.overall.right);

    // geste8 keeps only three drawings of s01.
    for (int e = 3; e < 20; ++e)
        set->classe(2).supprimerExemple(3);
    set->apprendre();
    const PersonSpeedResult sparse = evaluatePerPersonAndSpeed(*set, 3, 2, 1);
    EXPECT_EQ(std::tuple(sparse.classesLeftOut, sparse.perClass[2].tests, sparse.perClass[0].tests),
              std::tuple(1, 0, 2 * 2 * 7));

    const auto loose = drawnSet({"a", "b"}, 4, 9);
    EXPECT_EQ(evaluatePerPersonAndSpeed(*loose, 5, 2, 1).groups, 1);
    const PersonSpeedResult one = evaluatePerPersonAndSpeed(*loose, 1, 2, 1);
    EXPECT_EQ(one.overall.impossible, one.overall.tests);
}

// Skipped when the gestures drawn by people in ../shared/datasets are absent.
// What a new flowchart makes of the drawings of the writers whose drawings did
// not calibrate the generator, held to the figures the README gives.
TEST(RealGestures, TheFlowchartMakesWhatTheLeftOutWritersMeant) {
    const std::string datasets = VELMORA_DATASETS;
    if (!std::filesystem::is_directory(datasets))
        GTEST_SKIP() << "Gestures drawn by people not found at " << datasets
                     << " (../shared/datasets beside the project): skipped.";
    const FolderImport dollar = importLogFolder(datasets + "/dollar1");
    const FolderImport mmg = importLogFolder(datasets + "/mmg");
    // The README's figures (right, wrong), a little below and above them.
    const std::tuple<KindCodes, GestureTarget, double, double> goals[] = {
        {{"rectangle", {105, 104, 108}}, GestureTarget::Component, 0.95, 0.02},
        {{"circle", {110, 111, 112}}, GestureTarget::Component, 0.97, 0.02},
        {{"triangle", {107, 106}}, GestureTarget::Component, 0.97, 0.02},
        {{"line", {102, 103}}, GestureTarget::Component, 0.95, 0.02},
        {{"X", {113}}, GestureTarget::Component, 0.95, 0.02},
        {{"arrowhead", {114}}, GestureTarget::Component, 0.97, 0.02},
        {{"N", {209}}, GestureTarget::Command, 0.97, 0.02},
        {{"P", {214}}, GestureTarget::Command, 0.93, 0.02},
        {{"X", {208}}, GestureTarget::Command, 0.95, 0.02},
        {{"v", {211}}, GestureTarget::Command, 0.93, 0.02},
        {{"question_mark", {217}}, GestureTarget::Command, 0.95, 0.02},
    };
    const LectureEnsemble formes = chargerEnsemble(std::string(VELMORA_RES_DIR) + "formes.gst");
    const LectureEnsemble commandes =
        chargerEnsemble(std::string(VELMORA_RES_DIR) + "commandes.gst");
    for (const auto& [kind, target, right, wrong] : goals) {
        const bool component = target == GestureTarget::Component;
        const ScoreSettings settings{{kind}, target, true, {}, {"s02", "s03", "10", "11"}};
        const KindScore s = scoreDecision(component ? *formes.ensemble : *commandes.ensemble,
                                          {dollar.set.get(), mmg.set.get()}, settings)
                                .kinds[0];
        ASSERT_EQ(s.drawings, 90) << kind.kind;
        EXPECT_GE(s.right, right * s.drawings) << kind.kind << " " << component;
        EXPECT_LE(s.wrong, wrong * s.drawings) << kind.kind << " " << component;
    }
}
