#include "flowchart/OrgArchive.h"
#include "flowchart/Organigramme.h"
#include "shell/MainFrm.h"
#include "support/EditorFixture.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/WindowTexts.h"

#include <QFile>

#include <gtest/gtest.h>

// The application with an empty flowchart in its flowchart folder, another in
// its text folder, and the three gesture sets installed.
class OpenFlowchart : public testing::Test {
protected:
    void SetUp() override {
        COrganigramme empty;
        const QByteArray stored = QByteArray::fromStdString(storeOrganigramme(empty));
        for (const char* file :
             {"Organigrammes/plan.org", "Organigrammes/plan.txt", "Editeur/plan.org"})
            writeFile(editor.root() + file, stored);
    }
    // Opens `file` through the command; the messages that follow get OK.
    void open(const QString& file, int messages) {
        answers.then(chooseFile(editor.root() + file));
        for (int i = 0; i < messages; ++i)
            answers.then(clickButton("OK"));
        chooseMenuEntry(editor.frame(), "&Organigrammes", "&Ouvrir");
    }

    EditorFixture editor;
    ModalAnswers answers;
};

// Another extension, a file that is no flowchart, then each missing set of the
// configuration, is told; nothing opens.
TEST_F(OpenFlowchart, RefusesAnotherExtensionAndMissingSetsOneMessageEach) {
    open("Organigrammes/plan.txt", 1);
    writeFile(editor.root() + "Organigrammes/faux.org", "ceci n'est pas un organigramme");
    open("Organigrammes/faux.org", 1);
    ASSERT_TRUE(QFile::remove(editor.root() + "Gestes/formes.gst"));
    editor.application().configuration().commandSet = "autres.gst";
    open("Organigrammes/plan.org", 2);
    EXPECT_EQ(editor.windowCount(), 0);
    expectTexts("Dialogs", "messages of a refused flowchart", answers.seen(), editor.root());
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(editor.frame(), "&Organigrammes", "&Ouvrir");
    EXPECT_EQ(editor.windowCount(), 0);
}

// The file chosen opens, even outside the flowchart folder, where one of the
// same name waits. A new flowchart starts in component mode.
TEST_F(OpenFlowchart, TheFileOfTheFlowchartFolderOpens) {
    editor.application().setTraceMode(1);
    open("Editeur/plan.org", 0);
    ASSERT_EQ(editor.windowCount(), 1);
    EXPECT_EQ(editor.frame().activeChildFrame()->document().pathName(),
              QFileInfo(editor.root() + "Editeur/plan.org").absoluteFilePath());
    EXPECT_EQ(editor.application().traceMode(), 0);
    editor.application().setTraceMode(1);
    chooseMenuEntry(editor.frame(), "&Organigrammes", "&Nouveau");
    EXPECT_EQ(editor.frame().activeChildFrame()->document().title(), "sans_nom_1");
    EXPECT_EQ(editor.application().traceMode(), 0);
    EXPECT_TRUE(editor.frame().action(CMainFrame::Action::TraceComposant)->isChecked());
}

TEST_F(OpenFlowchart, PrintSetupOpensThePageSetupOfTheApplicationPrinter) {
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(editor.frame(), "&Editeur", "&Configuration de l'impression...");
    EXPECT_EQ(answers.pending(), 0);
}
