#include "shell/DocManager.h"
#include "shell/FakeEditor.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"
#include "support/WindowTexts.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

std::vector<std::unique_ptr<CDocTemplate>> textEditor() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(fakeTemplate(kTextDocString));
    return templates;
}

// The application with the fake text editor.
class Documents : public testing::Test {
protected:
    void SetUp() override { test.startReady(); }
    CMainFrame& frame() { return test.frame(); }
    std::vector<CDocument*> documents() { return test.application().documents().documents(); }
    FakeFrame* activeFrame() { return dynamic_cast<FakeFrame*>(frame().activeChildFrame()); }
    void newText() { chooseMenuEntry(frame(), "&Editeur", "&Nouveau"); }

    TestApplication test{textEditor()};
};

} // namespace

// The fields of a document string, and the first template of a file-new name
// in registration order.
TEST(DocTemplate, ReadsItsDocumentStringAndIsFoundByItsNames) {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    for (const QString& docString : {kTextDocString, kGestureDocString, kFlowchartDocString,
                                     QString("\nseul_\nOrga\nOrga Files (*.org)")})
        templates.push_back(fakeTemplate(docString));
    const CDocTemplate& flowchart = *templates[2];
    EXPECT_EQ(QStringList({flowchart.windowTitle(), flowchart.docName(), flowchart.fileNewName(),
                           flowchart.filterName(), flowchart.extension(),
                           flowchart.registryTypeId(), flowchart.registryTypeName()}),
              QString(kFlowchartDocString).split('\n'));
    EXPECT_EQ(flowchart.dialogFilters(), (QStringList{"Orga Files (*.org)", "All Files (*.*)"}));
    for (const auto& [file, matches] :
         {std::pair{"/a/plan.org", true}, {"PLAN.ORG", true}, {"plan.orga", false}, {"org", false}})
        EXPECT_EQ(flowchart.matchesFile(file), matches) << file;
    EXPECT_EQ(templates[3]->extension(), "");
    EXPECT_FALSE(templates[3]->matchesFile("x."));
    TestApplication context;
    const CDocManager manager(context.application(), std::move(templates));
    const auto& all = manager.templates();
    EXPECT_EQ(manager.findTemplate("Gesture"), all[1].get());
    EXPECT_EQ(manager.findTemplate("Orga"), all[2].get());
    EXPECT_EQ(manager.findTemplate("orga"), nullptr);
    EXPECT_EQ(manager.templateForFile("/x/y.gst"), all[1].get());
    EXPECT_EQ(manager.templateForFile("/x/y.txt"), nullptr);
}

TEST_F(Documents, NewDocumentsAreNumberedInTheirOwnWindows) {
    newText();
    newText();
    ASSERT_EQ(documents().size(), 2u);
    EXPECT_EQ(documents()[0]->title(), "sans_nom_1");
    EXPECT_TRUE(documents()[1]->pathName().isEmpty());
    EXPECT_EQ(frame().mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(&frame().activeChildFrame()->document(), documents()[1]);
    expectTexts("MainFrame", "a document of an editor without menus of its own",
                frameTexts(frame()));
    documents()[1]->setTitle("lettre.svk");
    EXPECT_EQ(frame().windowTitle(), "Velmora - lettre.svk");
}

// A file opened twice shows its window again; it is remembered, and once it is
// gone, its recent-file entry tells so and forgets it.
TEST_F(Documents, OpenedFilesAreRememberedUntilTheyAreGone) {
    const QString path = test.root() + "Editeur/notes.svk";
    writeFile(path, "bonjour");
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(chooseFile(path));
    chooseMenuEntry(frame(), "&Editeur", "&Ouvrir...");
    chooseMenuEntry(frame(), "&Editeur", "&Ouvrir...");
    ASSERT_EQ(documents().size(), 1u);
    EXPECT_EQ(documents()[0]->title(), "notes.svk");
    EXPECT_EQ(documents()[0]->pathName(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(documents()[0]->isModified());
    EXPECT_EQ(activeFrame()->view->toPlainText(), "bonjour");
    frame().mdiArea()->closeAllSubWindows();
    flushDeletes();
    ASSERT_TRUE(QFile::remove(path));
    answers.then(clickButton("OK"));
    chooseMenuEntry(frame(), "&Editeur", "&1 " + QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(answers.seen().last(), "Le fichier notes.svk ne peut être ouvert.");
    EXPECT_TRUE(documents().empty());
    EXPECT_TRUE(test.application().documents().recentFiles().files().isEmpty());
}

TEST_F(Documents, YesSavesAnUntitledDocumentUnderTheChosenName) {
    newText();
    auto* document = static_cast<FakeDocument*>(documents().at(0));
    document->text = "abc";
    document->setModifiedFlag();

    ModalAnswers answers;
    answers.then(clickButton("Oui")).then(chooseFile(test.root() + "Editeur/lettre"));
    frame().mdiArea()->activeSubWindow()->close();
    flushDeletes();
    EXPECT_EQ(readFile(test.root() + "Editeur/lettre.svk"), "abc");
    EXPECT_TRUE(documents().empty());
}

TEST_F(Documents, TheMainWindowStaysOpenWhileADocumentRefusesToClose) {
    newText();
    documents().at(0)->setModifiedFlag();
    ModalAnswers answers;
    answers.then(clickButton("Annuler")).then(clickButton("Non"));
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(documents().size(), 1u);
    EXPECT_TRUE(frame().close());
    flushDeletes();
    EXPECT_TRUE(documents().empty());
    EXPECT_EQ(frame().windowTitle(), "Velmora");
}

TEST_F(Documents, ToolBarCommandsGoToTheActiveWindow) {
    QAction* save = frame().commandAction(DocCommand::Save);
    QAction* bold = frame().commandAction(DocCommand::Bold);
    newText();
    FakeFrame* child = activeFrame();
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(save->isEnabled());

    child->enabled = {DocCommand::Save, DocCommand::Bold};
    child->checked = {DocCommand::Bold};
    emit child->commandStateChanged();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(bold->isChecked());
    EXPECT_FALSE(frame().commandAction(DocCommand::Cut)->isEnabled());
    QTest::mouseClick(frame().standardBar()->widgetForAction(save), Qt::LeftButton);
    QTest::mouseClick(frame().formatBar()->widgetForAction(bold), Qt::LeftButton);
    EXPECT_EQ(child->ran, (std::vector<DocCommand>{DocCommand::Save, DocCommand::Bold}));

    frame().mdiArea()->closeAllSubWindows();
    flushDeletes();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(bold->isChecked());
}

TEST(Views, UpdateAllViewsSkipsTheSenderAndViewsLeaveWithTheirWidgets) {
    auto docTemplate = fakeTemplate(kTextDocString);
    TestApplication context;
    FakeDocument document(*docTemplate, context.application());
    FakeView first(document, nullptr);
    FakeView second(document, nullptr);
    { FakeView gone(document, nullptr); }
    ASSERT_EQ(document.views().size(), 2u);
    document.updateAllViews(&first, 7);
    EXPECT_EQ(first.updates, 0);
    EXPECT_EQ(second.lastHint, 7);
    document.updateAllViews(nullptr);
    EXPECT_EQ(first.updates, 1);
    EXPECT_EQ(second.updates, 2);
}
