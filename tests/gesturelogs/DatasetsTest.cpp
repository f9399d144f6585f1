// The gestures drawn by people in ../shared/datasets: skipped when that folder is absent.
#include "engine/FichierEnsemble.h"
#include "gesturelogs/DecisionScore.h"
#include "gesturelogs/LogFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kDatasets = VELMORA_DATASETS;

#define REQUIRE_DATASETS()                                                                         \
    if (!std::filesystem::is_directory(kDatasets))                                                 \
    GTEST_SKIP() << "Gestures drawn by people not found at " << kDatasets                          \
                 << " (../shared/datasets beside the project): skipped."

} // namespace

TEST(RealGestures, WholeSetsImportWithoutRefusal) {
    REQUIRE_DATASETS();
    for (const char* folder : {"/dollar1", "/mmg"}) {
        const FolderImport import = importLogFolder(kDatasets + folder);
        EXPECT_TRUE(import.error.empty() && import.refused.empty()) << folder;
        EXPECT_EQ(import.files, 2400);
        ASSERT_EQ(import.set->nbClasses(), 16) << folder;
        for (int c = 0; c < 16; ++c)
            EXPECT_EQ(import.set->classe(c).nbExemples(), 150) << import.set->classe(c).nom();
    }
    // As written in s02/fast/arrow01.xml: X="66" Y="252" T="11462293", then
    // X="68" Y="249" T="11462310"; and in 10-stylus-fast-H-02.csv,
    // "63,-44,1,1302127281991,1" with y upward.
    const LogReadResult xml = readLogFile(kDatasets + "/dollar1/s02/fast/arrow01.xml");
    const LogReadResult csv = readLogFile(kDatasets + "/mmg/H/10-stylus-fast-H-02.csv");
    ASSERT_TRUE(xml.log && csv.log);
    const CDessin& arrow = *xml.log->drawing;
    EXPECT_EQ(arrow.stroke(0).point(1).x, 68);
    EXPECT_EQ(arrow.stroke(0).point(1).y, 249);
    EXPECT_DOUBLE_EQ(arrow.stroke(0).point(1).t, 0.017);
    const CDessin& h = *csv.log->drawing;
    EXPECT_EQ(h.strokeCount(), 3);
    EXPECT_EQ(h.firstPoint().y, 44);
}

// What a new flowchart makes of the drawings of the writers whose drawings did
// not calibrate the generator, held to the figures the README gives.
TEST(RealGestures, TheFlowchartMakesWhatTheLeftOutWritersMeant) {
    REQUIRE_DATASETS();
    const FolderImport dollar = importLogFolder(kDatasets + "/dollar1");
    const FolderImport mmg = importLogFolder(kDatasets + "/mmg");
    struct Goal {
        KindCodes kind;
        GestureTarget target;
        double right;
        double wrong;
    };
    // The README's figures (right, wrong), a little below and above them.
    const Goal goals[] = {
        {{"rectangle", {105, 104, 108}}, GestureTarget::Component, 0.85, 0.07},
        {{"circle", {110, 111, 112}}, GestureTarget::Component, 0.93, 0.02},
        {{"triangle", {107, 106}}, GestureTarget::Component, 0.9, 0.02},
        {{"line", {102, 103}}, GestureTarget::Component, 0.95, 0.02},
        {{"X", {113}}, GestureTarget::Component, 0.95, 0.02},
        {{"arrowhead", {114}}, GestureTarget::Component, 0.88, 0.03},
        {{"N", {209}}, GestureTarget::Command, 0.86, 0.02},
        {{"P", {214}}, GestureTarget::Command, 0.75, 0.02},
        {{"X", {208}}, GestureTarget::Command, 0.8, 0.02},
        {{"v", {211}}, GestureTarget::Command, 0.92, 0.02},
        {{"question_mark", {217}}, GestureTarget::Command, 0.64, 0.08},
    };
    for (const Goal& goal : goals) {
        const std::string file =
            goal.target == GestureTarget::Component ? "formes.gst" : "commandes.gst";
        const LectureEnsemble set = chargerEnsemble(std::string(VELMORA_RES_DIR) + file);
        ScoreSettings settings;
        settings.kinds = {goal.kind};
        settings.target = goal.target;
        settings.excluded = {"s02", "s03", "10", "11"};
        const KindScore s =
            scoreDecision(*set.ensemble, {dollar.set.get(), mmg.set.get()}, settings).kinds[0];
        ASSERT_EQ(s.drawings, 90) << goal.kind.kind;
        EXPECT_GE(s.right, goal.right * s.drawings) << goal.kind.kind << " (" << file << ")";
        EXPECT_LE(s.wrong, goal.wrong * s.drawings) << goal.kind.kind << " (" << file << ")";
    }
}
