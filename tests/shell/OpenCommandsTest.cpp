#include "shell/FakeEditor.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

std::vector<std::unique_ptr<CDocTemplate>> flowchartEditor() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(fakeTemplate(kFlowchartDocString));
    return templates;
}

void touch(const QString& path) {
    writeFile(path, "contenu");
}

QString missingSet(const char* name) {
    return QString("L'ensemble de gestes 'Gestes/%1' n'existe pas...\nPour le créer, utiliser "
                   "l'application 'Gestes'")
        .arg(name);
}

} // namespace

TEST(OpenFlowchart, AnotherExtensionIsRefusedAndNothingOpens) {
    TestApplication test(flowchartEditor());
    test.startReady();
    touch(test.root() + "Organigrammes/plan.txt");
    ModalAnswers answers;
    answers.then(chooseFile(test.root() + "Organigrammes/plan.txt")).then(clickButton("OK"));
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Ouvrir");

    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen()[1], "Le fichier plan.txt ne peut être ouvert.");
    EXPECT_TRUE(test.application().documents().documents().empty());
}

TEST(OpenFlowchart, TwoMissingSetsGiveTwoMessagesAndNothingOpens) {
    TestApplication test(flowchartEditor());
    test.startReady();
    touch(test.root() + "Organigrammes/plan.org");
    // The sets installed at start-up, two of them deleted since.
    ASSERT_TRUE(QFile::remove(test.root() + "Gestes/formes.gst"));
    ASSERT_TRUE(QFile::remove(test.root() + "Gestes/lettres.gst"));
    ModalAnswers answers;
    answers.then(chooseFile(test.root() + "Organigrammes/plan.org"))
        .then(clickButton("OK"))
        .then(clickButton("OK"));
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Ouvrir");

    EXPECT_EQ(answers.seen().mid(1),
              (QStringList{missingSet("formes.gst"), missingSet("lettres.gst")}));
    EXPECT_TRUE(test.application().documents().documents().empty());
}

TEST(OpenFlowchart, TheConfiguredSetsAreTheOnesChecked) {
    TestApplication test(flowchartEditor());
    test.startReady();
    test.application().configuration().commandSet = "autres.gst";
    for (const char* set : {"formes.gst", "commandes.gst", "lettres.gst"})
        touch(test.root() + "Gestes/" + set);
    touch(test.root() + "Organigrammes/plan.org");
    ModalAnswers answers;
    answers.then(chooseFile(test.root() + "Organigrammes/plan.org")).then(clickButton("OK"));
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Ouvrir");

    EXPECT_EQ(answers.seen().mid(1), QStringList{missingSet("autres.gst")});
    EXPECT_TRUE(test.application().documents().documents().empty());
}

TEST(OpenFlowchart, WithItsSetsTheFileOfTheFlowchartFolderOpens) {
    TestApplication test(flowchartEditor());
    test.startReady();
    for (const char* set : {"formes.gst", "commandes.gst", "lettres.gst"})
        touch(test.root() + "Gestes/" + set);
    touch(test.root() + "Organigrammes/plan.org");
    touch(test.root() + "Editeur/plan.org");
    ModalAnswers answers;
    answers.then(chooseFile(test.root() + "Editeur/plan.org"));
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Ouvrir");

    const std::vector<CDocument*> documents = test.application().documents().documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0]->pathName(),
              QFileInfo(test.root() + "Organigrammes/plan.org").absoluteFilePath());
    EXPECT_EQ(documents[0]->title(), "plan.org");
}

TEST(OpenFlowchart, CancelOpensNothing) {
    TestApplication test(flowchartEditor());
    test.startReady();
    ModalAnswers answers;
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Ouvrir");

    EXPECT_EQ(answers.pending(), 0);
    EXPECT_TRUE(test.application().documents().documents().empty());
}

TEST(NewFlowchart, ResetsTheTraceModeAndOpensAnUntitledFlowchart) {
    TestApplication test(flowchartEditor());
    test.startReady();
    test.application().setTraceMode(1);
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Nouveau");

    EXPECT_EQ(test.application().traceMode(), 0);
    EXPECT_TRUE(test.frame().action(CMainFrame::Action::TraceComposant)->isChecked());
    const std::vector<CDocument*> documents = test.application().documents().documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0]->title(), "sans_nom_1");
}

TEST(PrintSetup, OpensThePageSetupOfTheApplicationPrinter) {
    TestApplication test;
    test.startReady();
    ModalAnswers answers;
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(test.frame(), "&Editeur", "&Configuration de l'impression...");
    EXPECT_EQ(answers.pending(), 0);
}
