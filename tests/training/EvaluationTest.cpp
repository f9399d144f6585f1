#include "GestureEditor.h"
#include "generator/ComponentGestures.h"
#include "support/Menus.h"
#include "training/EvaluationDialog.h"
#include "training/ExampleGallery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

// Lines across, lines down and circles, a scribble named "intrus" among the circles.
class Evaluation : public GestureEditor {
protected:
    void SetUp() override {
        auto made = setOf({{"across", 15, 0}, {"down", 15, 1}, {"round", 15, 8}});
        auto intruder = std::make_unique<CExemple>("intrus");
        intruder->setDessin(scribble(99));
        made->classe(2).ajouterExemple(std::move(intruder));
        made->apprendre();
        open(*made);
    }
    QJsonObject tool(const QString& recognizer) {
        QProcess process;
        process.start(VELMORA_GST, {"eval", gestureFolder() + "essai.gst", "--json", "--recognizer",
                                    recognizer});
        EXPECT_TRUE(process.waitForFinished(30'000));
        return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    }
};

// The gallery of the circles marks the planted scribble alone and replays a
// drawing; the evaluation gives the command-line tool's counts and points at
// the failures.
TEST_F(Evaluation, GalleryAndCountsOfTheCommandLineToolPointAtThePlantedScribble) {
    chooseRow("classes", "round");
    chooseMenuEntry(editor.frame(), "&Gestes", "&Galerie des exemples...");
    auto* gallery = window().findChild<ExampleGallery*>();
    ASSERT_NE(gallery, nullptr);
    EXPECT_EQ(gallery->outliers(), QStringList{"intrus"});
    auto* thumbnails = gallery->findChild<QListWidget*>("vignettes");
    ASSERT_EQ(thumbnails->count(), 16);
    auto* replay = gallery->findChild<ReplayView*>("rejeu");
    emit thumbnails->itemDoubleClicked(thumbnails->item(0));
    EXPECT_TRUE(replay->replaying());
    // Generated drawings last well under ten seconds.
    QTRY_VERIFY_WITH_TIMEOUT(!replay->replaying(), 10'000);

    chooseMenuEntry(editor.frame(), "&Gestes", "É&valuer l'ensemble...");
    auto* dialog = window().findChild<EvaluationDialog*>();
    ASSERT_NE(dialog, nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->finished(), 20'000);
    auto* counts = dialog->findChild<QTableWidget*>("resultats");
    const char* keys[] = {"reconnus", "rejetes_probabilite", "rejetes_distance", "acceptes_a_tort",
                          "impossibles"};
    const QJsonObject rubine = tool("rubine");
    for (const auto& [column, expected] : {std::pair{0, rubine}, {1, tool("templates")}}) {
        ASSERT_EQ(expected["exemples"].toInt(), 46) << column;
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(counts->item(row, column)->data(Qt::UserRole).toInt(),
                      expected[keys[row]].toInt())
                << column << " " << keys[row];
    }
    const QJsonArray confusion = rubine["confusion"].toArray();
    auto* matrix = dialog->findChild<QTableWidget*>("confusion");
    ASSERT_EQ(matrix->columnCount(), 4);
    EXPECT_EQ(matrix->horizontalHeaderItem(3)->text(), "non reconnu");
    int wrong = 0;
    for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < 4; ++k) {
            const int n = confusion[c].toArray()[k].toInt();
            wrong += k != c ? n : 0;
            EXPECT_EQ(matrix->item(c, k)->text(), n > 0 ? QString::number(n) : QString());
        }
    }
    // The scribble cannot pass for a circle: it fails, and choosing it shows it in the form.
    auto* failures = dialog->findChild<QTreeWidget*>("echecs");
    const auto found = failures->findItems("intrus", Qt::MatchStartsWith | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    int listed = 0;
    for (int c = 0; c < failures->topLevelItemCount(); ++c)
        listed += failures->topLevelItem(c)->childCount();
    EXPECT_EQ(listed, wrong);
    emit failures->itemDoubleClicked(found[0], 0);
    EXPECT_EQ(widget<QListWidget>("classes")->currentItem()->text(), "round");
    EXPECT_EQ(widget<QListWidget>("exemples")->currentItem()->text(), "intrus");
}

TEST_F(Evaluation, AnnulerStopsAfterTheFoldUnderWay) {
    const auto large = componentSet(16, 80, 5);
    EvaluationDialog dialog(*large, nullptr);
    QTest::mouseClick(dialog.findChild<QPushButton*>("annuler"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.finished(), 20'000);
    EXPECT_EQ(dialog.findChild<QLabel*>("etat")->text(), "Évaluation annulée.");
    EXPECT_LE(dialog.trainedResult().foldsDone, 1);
    EXPECT_LE(dialog.findChild<QProgressBar*>("progression")->value(), 1);
}

} // namespace
