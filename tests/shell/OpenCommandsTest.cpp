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
// configuration, is told and nothing opens; Annuler opens nothing. The file
// chosen opens, even outside the flowchart folder, where one of the same name
// waits; it and a new flowchart start in component mode.
TEST_F(OpenFlowchart, RefusesWhatItCannotOpenAndOpensTheChosenFile) {
    open("Organigrammes/plan.txt", 1);
    writeFile(editor.root() + "Organigrammes/faux.org", "ceci n'est pas un organigramme");
    open("Organigrammes/faux.org", 1);
    QFile::rename(editor.root() + "Gestes/formes.gst", editor.root() + "Gestes/formes.bak");
    editor.application().configuration().commandSet = "autres.gst";
    open("Organigrammes/plan.org", 2);
    expectTexts("Dialogs", "messages of a refused flowchart", answers.seen(), editor.root());
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(editor.frame(), "&Organigrammes", "&Ouvrir");
    EXPECT_EQ(editor.windowCount(), 0);

    QFile::rename(editor.root() + "Gestes/formes.bak", editor.root() + "Gestes/formes.gst");
    editor.application().configuration().commandSet = "commandes.gst";
    editor.application().setTraceMode(1);
    open("Editeur/plan.org", 0);
    ASSERT_EQ(editor.windowCount(), 1);
    EXPECT_EQ(editor.frame().activeChildFrame()->document().pathName(),
              QFileInfo(editor.root() + "Editeur/plan.org").absoluteFilePath());
    EXPECT_EQ(editor.application().traceMode(), 0);
    editor.application().setTraceMode(1);
    chooseMenuEntry(editor.frame(), "&Organigrammes", "&Nouveau");
    EXPECT_EQ(editor.application().traceMode(), 0);
    EXPECT_TRUE(editor.frame().action(CMainFrame::Action::TraceComposant)->isChecked());
}
