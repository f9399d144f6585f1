#include "shell/DocManager.h"
#include "shell/FakeEditor.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

std::vector<std::unique_ptr<CDocTemplate>> textEditor() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(fakeTemplate(kTextDocString));
    return templates;
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

FakeFrame* activeFrame(CMainFrame& frame) {
    return dynamic_cast<FakeFrame*>(frame.activeChildFrame());
}

QStringList menuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions())
        titles << menu->text();
    return titles;
}

} // namespace

TEST(DocTemplate, ReadsTheFieldsOfItsDocumentString) {
    auto flowchart = fakeTemplate(kFlowchartDocString);
    EXPECT_EQ(flowchart->windowTitle(), "");
    EXPECT_EQ(flowchart->docName(), "sans_nom_");
    EXPECT_EQ(flowchart->fileNewName(), "Orga");
    EXPECT_EQ(flowchart->filterName(), "Orga Files (*.org)");
    EXPECT_EQ(flowchart->extension(), ".org");
    EXPECT_EQ(flowchart->registryTypeId(), "Organigramme Document");
    EXPECT_EQ(flowchart->registryTypeName(), "Orga Document");
    EXPECT_EQ(flowchart->dialogFilters(), (QStringList{"Orga Files (*.org)", "All Files (*.*)"}));
    EXPECT_TRUE(flowchart->matchesFile("/a/plan.org"));
    EXPECT_TRUE(flowchart->matchesFile("PLAN.ORG"));
    EXPECT_FALSE(flowchart->matchesFile("plan.orga"));
    EXPECT_FALSE(flowchart->matchesFile("org"));
    EXPECT_EQ(flowchart->nextUntitledNumber(), 1);
    EXPECT_EQ(flowchart->nextUntitledNumber(), 2);

    auto truncated = fakeTemplate("\nseul_");
    EXPECT_EQ(truncated->docName(), "seul_");
    EXPECT_EQ(truncated->extension(), "");
    EXPECT_FALSE(truncated->matchesFile("x."));
}

TEST(DocManager, FindsTheFirstTemplateOfAFileNewNameInRegistrationOrder) {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(fakeTemplate(kTextDocString));
    templates.push_back(fakeTemplate(kGestureDocString));
    templates.push_back(fakeTemplate(kFlowchartDocString));
    templates.push_back(fakeTemplate("\nsecond_\nOrga\nOrga Files (*.org)\n.org\n\n"));
    TestApplication context;
    const CDocManager manager(context.application(), std::move(templates));

    ASSERT_EQ(manager.templates().size(), 4u);
    EXPECT_EQ(manager.findTemplate("Strovik"), manager.templates()[0].get());
    EXPECT_EQ(manager.findTemplate("Gesture"), manager.templates()[1].get());
    EXPECT_EQ(manager.findTemplate("Orga"), manager.templates()[2].get());
    EXPECT_EQ(manager.findTemplate("orga"), nullptr);
    EXPECT_EQ(manager.templateForFile("/x/y.gst"), manager.templates()[1].get());
    EXPECT_EQ(manager.templateForFile("/x/y.txt"), nullptr);
}

TEST(Documents, NewTextDocumentsAreNumberedInTheirOwnWindows) {
    TestApplication test(textEditor());
    test.startReady();
    CMainFrame& frame = test.frame();
    chooseMenuEntry(frame, "&Editeur", "&Nouveau");
    chooseMenuEntry(frame, "&Editeur", "&Nouveau");

    const std::vector<CDocument*> documents = test.application().documents().documents();
    ASSERT_EQ(documents.size(), 2u);
    EXPECT_EQ(documents[0]->title(), "sans_nom_1");
    EXPECT_EQ(documents[1]->title(), "sans_nom_2");
    EXPECT_TRUE(documents[1]->pathName().isEmpty());
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(&frame.activeChildFrame()->document(), documents[1]);
    EXPECT_EQ(frame.windowTitle(), "Velmora - sans_nom_2");
    EXPECT_EQ(menuTitles(frame), (QStringList{"&Editeur", "&Organigrammes", "&Gestes", "O&ption",
                                              "&Affichage", "Fe&nêtre", "&?"}));

    documents[1]->setTitle("lettre.svk");
    EXPECT_EQ(frame.windowTitle(), "Velmora - lettre.svk");
}

TEST(Documents, OpeningAFileTwiceShowsItsWindowAgainAndRemembersIt) {
    TestApplication test(textEditor());
    test.startReady();
    const QString path = test.root() + "Editeur/notes.svk";
    writeFile(path, "bonjour");
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(chooseFile(path));
    chooseMenuEntry(test.frame(), "&Editeur", "&Ouvrir...");
    chooseMenuEntry(test.frame(), "&Editeur", "&Ouvrir...");

    const std::vector<CDocument*> documents = test.application().documents().documents();
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0]->title(), "notes.svk");
    EXPECT_EQ(documents[0]->pathName(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(documents[0]->isModified());
    EXPECT_EQ(activeFrame(test.frame())->view->toPlainText(), "bonjour");
    EXPECT_EQ(test.application().documents().recentFiles().files(),
              QStringList{QFileInfo(path).absoluteFilePath()});
    EXPECT_NE(menuEntry(test.frame(), "&Editeur", "&1 " + QFileInfo(path).absoluteFilePath()),
              nullptr);
}

TEST(Documents, AMissingRecentFileIsReportedAndForgotten) {
    TestApplication test(textEditor());
    test.startReady();
    const QString path = test.root() + "Editeur/notes.svk";
    writeFile(path, "bonjour");
    ASSERT_NE(test.application().documents().openDocumentFile(path), nullptr);
    test.frame().mdiArea()->closeAllSubWindows();
    flushDeletes();
    ASSERT_TRUE(test.application().documents().documents().empty());
    ASSERT_TRUE(QFile::remove(path));

    ModalAnswers answers;
    answers.then(clickButton("OK"));
    chooseMenuEntry(test.frame(), "&Editeur", "&1 " + path);

    EXPECT_EQ(answers.seen(), QStringList{"Le fichier notes.svk ne peut être ouvert."});
    EXPECT_TRUE(test.application().documents().documents().empty());
    EXPECT_TRUE(test.application().documents().recentFiles().files().isEmpty());
}

TEST(Documents, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
    TestApplication test(textEditor());
    test.startReady();
    chooseMenuEntry(test.frame(), "&Editeur", "&Nouveau");
    CDocument* document = test.application().documents().documents().at(0);
    document->setModifiedFlag();
    QMdiSubWindow* window = test.frame().mdiArea()->activeSubWindow();

    ModalAnswers answers;
    answers.then(clickButton("Annuler")).then(clickButton("Non"));
    window->close();
    flushDeletes();
    EXPECT_EQ(test.application().documents().documents().size(), 1u);
    window->close();
    flushDeletes();

    EXPECT_EQ(answers.seen(),
              QStringList(2, "Enregistrer les modifications apportées à sans_nom_1 ?"));
    EXPECT_TRUE(test.application().documents().documents().empty());
    EXPECT_TRUE(test.frame().mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(test.frame().windowTitle(), "Velmora");
}

TEST(Documents, YesSavesAnUntitledDocumentUnderTheChosenName) {
    TestApplication test(textEditor());
    test.startReady();
    chooseMenuEntry(test.frame(), "&Editeur", "&Nouveau");
    auto* document = static_cast<FakeDocument*>(test.application().documents().documents().at(0));
    document->text = "abc";
    document->setModifiedFlag();

    const QString expected = test.root() + "Editeur/lettre.svk";
    ModalAnswers answers;
    answers.then(clickButton("Oui")).then(chooseFile(test.root() + "Editeur/lettre"));
    test.frame().mdiArea()->activeSubWindow()->close();
    flushDeletes();

    EXPECT_EQ(readFile(expected), "abc");
    EXPECT_TRUE(test.application().documents().documents().empty());
    EXPECT_EQ(test.application().documents().recentFiles().files(),
              QStringList{QFileInfo(expected).absoluteFilePath()});
}

TEST(Documents, UpdateAllViewsSkipsTheSenderAndViewsLeaveWithTheirWidgets) {
    auto docTemplate = fakeTemplate(kTextDocString);
    TestApplication context;
    FakeDocument document(*docTemplate, context.application());
    FakeView first(document, nullptr);
    FakeView second(document, nullptr);
    { FakeView gone(document, nullptr); }
    ASSERT_EQ(document.views().size(), 2u);

    document.updateAllViews(&first, 7);
    EXPECT_EQ(first.updates, 0);
    EXPECT_EQ(second.updates, 1);
    EXPECT_EQ(second.lastHint, 7);
    document.updateAllViews(nullptr);
    EXPECT_EQ(first.updates, 1);
    EXPECT_EQ(second.updates, 2);
}

TEST(Documents, ToolBarCommandsGoToTheActiveWindow) {
    TestApplication test(textEditor());
    test.startReady();
    CMainFrame& frame = test.frame();
    QAction* save = frame.commandAction(DocCommand::Save);
    QAction* bold = frame.commandAction(DocCommand::Bold);
    EXPECT_FALSE(save->isEnabled());
    chooseMenuEntry(frame, "&Editeur", "&Nouveau");
    FakeFrame* child = activeFrame(frame);
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(save->isEnabled());

    child->enabled = {DocCommand::Save, DocCommand::Bold};
    child->checked = {DocCommand::Bold};
    emit child->commandStateChanged();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(bold->isChecked());
    EXPECT_FALSE(frame.commandAction(DocCommand::Cut)->isEnabled());

    QTest::mouseClick(frame.standardBar()->widgetForAction(save), Qt::LeftButton);
    QTest::mouseClick(frame.formatBar()->widgetForAction(bold), Qt::LeftButton);
    EXPECT_EQ(child->ran, (std::vector<DocCommand>{DocCommand::Save, DocCommand::Bold}));

    frame.mdiArea()->closeAllSubWindows();
    flushDeletes();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(bold->isChecked());
}

TEST(Documents, TheMainWindowStaysOpenWhileADocumentRefusesToClose) {
    TestApplication test(textEditor());
    test.startReady();
    chooseMenuEntry(test.frame(), "&Editeur", "&Nouveau");
    test.application().documents().documents().at(0)->setModifiedFlag();

    ModalAnswers answers;
    answers.then(clickButton("Annuler")).then(clickButton("Non"));
    EXPECT_FALSE(test.frame().close());
    EXPECT_TRUE(test.frame().isVisible());
    EXPECT_EQ(test.application().documents().documents().size(), 1u);

    EXPECT_TRUE(test.frame().close());
    flushDeletes();
    EXPECT_TRUE(test.application().documents().documents().empty());
}
