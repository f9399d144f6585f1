#include "shell/FakeEditor.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QString missingSet(const char* name) {
    return QString("L'ensemble de gestes 'Gestes/%1' n'existe pas...\nPour le créer, utiliser "
                   "l'application 'Gestes'")
        .arg(name);
}

std::vector<std::unique_ptr<CDocTemplate>> flowchartEditor() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(fakeTemplate(kFlowchartDocString));
    return templates;
}

// The application with the fake flowchart editor and the three sets installed.
class OpenFlowchart : public testing::Test {
protected:
    void SetUp() override {
        test.startReady();
        for (const char* file : {"Organigrammes/plan.org", "Organigrammes/plan.txt"})
            writeFile(root() + file, "contenu");
    }
    QString root() { return test.root(); }
    std::vector<CDocument*> documents() { return test.application().documents().documents(); }
    // Opens `file` through the command; the messages that follow get OK.
    QStringList open(const QString& file, int messages) {
        ModalAnswers answers;
        answers.then(chooseFile(root() + file));
        for (int i = 0; i < messages; ++i)
            answers.then(clickButton("OK"));
        chooseMenuEntry(test.frame(), "&Organigrammes", "&Ouvrir");
        return answers.seen().mid(1);
    }

    TestApplication test{flowchartEditor()};
};

} // namespace

TEST_F(OpenFlowchart, RefusesAnotherExtensionAndMissingSetsOneMessageEach) {
    EXPECT_EQ(open("Organigrammes/plan.txt", 1),
              QStringList{"Le fichier plan.txt ne peut être ouvert."});
    ASSERT_TRUE(QFile::remove(root() + "Gestes/formes.gst"));
    ASSERT_TRUE(QFile::remove(root() + "Gestes/lettres.gst"));
    EXPECT_EQ(open("Organigrammes/plan.org", 2),
              (QStringList{missingSet("formes.gst"), missingSet("lettres.gst")}));
    EXPECT_TRUE(documents().empty());
}

TEST_F(OpenFlowchart, TheConfiguredSetsAreTheOnesChecked) {
    test.application().configuration().commandSet = "autres.gst";
    EXPECT_EQ(open("Organigrammes/plan.org", 1), QStringList{missingSet("autres.gst")});
    EXPECT_TRUE(documents().empty());
}

// Only the name of the file chosen counts: it is opened from the flowchart folder.
TEST_F(OpenFlowchart, WithItsSetsTheFileOfTheFlowchartFolderOpens) {
    writeFile(root() + "Editeur/plan.org", "ailleurs");
    EXPECT_EQ(open("Editeur/plan.org", 0), QStringList{});
    ASSERT_EQ(documents().size(), 1u);
    EXPECT_EQ(documents()[0]->pathName(),
              QFileInfo(root() + "Organigrammes/plan.org").absoluteFilePath());
    EXPECT_EQ(documents()[0]->title(), "plan.org");
}

TEST_F(OpenFlowchart, NewResetsTheTraceModeAndAnnulerOpensNothing) {
    ModalAnswers answers;
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Ouvrir");
    EXPECT_TRUE(documents().empty());

    test.application().setTraceMode(1);
    chooseMenuEntry(test.frame(), "&Organigrammes", "&Nouveau");
    EXPECT_EQ(test.application().traceMode(), 0);
    EXPECT_TRUE(test.frame().action(CMainFrame::Action::TraceComposant)->isChecked());
    ASSERT_EQ(documents().size(), 1u);
    EXPECT_EQ(documents()[0]->title(), "sans_nom_1");
}

TEST(PrintSetup, OpensThePageSetupOfTheApplicationPrinter) {
    TestApplication test;
    test.startReady();
    ModalAnswers answers;
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(test.frame(), "&Editeur", "&Configuration de l'impression...");
    EXPECT_EQ(answers.pending(), 0);
}
