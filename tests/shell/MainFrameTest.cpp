#include "shell/FakeEditor.h"
#include "shell/MainFrm.h"
#include "shell/RecentFileList.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"
#include "support/WindowTexts.h"

#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

// Without an editor, the entries that would make or open its documents are
// disabled; the recent files come into the "&Editeur" menu.
TEST(MainFrame, ShowsItsMenusBarsAndStatusLine) {
    TestApplication bare;
    bare.startReady();
    EXPECT_TRUE(bare.frame().windowState() & Qt::WindowMaximized);
    expectTexts("MainFrame", "no editor", frameTexts(bare.frame()));

    std::vector<std::unique_ptr<CDocTemplate>> templates;
    for (const QString& docString : {kTextDocString, kGestureDocString, kFlowchartDocString})
        templates.push_back(fakeTemplate(docString));
    TestApplication test(std::move(templates));
    test.startReady();
    CRecentFileList& recent = test.application().documents().recentFiles();
    recent.add("/x/un.svk");
    recent.add("/x/deux.org");
    expectTexts("MainFrame", "three editors, two recent files", frameTexts(test.frame()));
}

TEST(MainFrame, BarsAndTheStatusLineComeAndGoFromTheAffichageMenu) {
    TestApplication test;
    test.startReady();
    CMainFrame& frame = test.frame();
    for (QToolBar* bar : {frame.standardBar(), frame.formatBar(), frame.traceBar()}) {
        EXPECT_TRUE(bar->isMovable());
        EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
        EXPECT_EQ(frame.toolBarArea(bar), Qt::TopToolBarArea);
    }
    chooseMenuEntry(frame, "&Affichage", "Barre de mise en &forme");
    chooseMenuEntry(frame, "&Affichage", "Barre d'&outils");
    chooseMenuEntry(frame, "&Affichage", "Barre d'é&tat");
    EXPECT_FALSE(frame.formatBar()->isVisible());
    EXPECT_FALSE(frame.standardBar()->isVisible());
    EXPECT_TRUE(frame.traceBar()->isVisible());
    EXPECT_FALSE(frame.statusBar()->isVisible());
    expectTexts("MainFrame", "bars hidden", frameTexts(frame));
    chooseMenuEntry(frame, "&Affichage", "Barre de mise en &forme");
    EXPECT_TRUE(frame.formatBar()->isVisible());
    EXPECT_TRUE(menuEntry(frame, "&Affichage", "Barre de mise en &forme")->isChecked());
}

TEST(MainFrame, AboutBoxShowsTheNameAndTheVersion) {
    TestApplication test;
    test.startReady();
    ModalAnswers answers;
    answers.then([](QWidget& box) {
        expectTexts("Dialogs", "about", windowTexts(box));
        clickWithMouse(findButton(box, "OK"));
    });
    chooseMenuEntry(test.frame(), "&?", "&A propos de Strovik...");
    EXPECT_EQ(answers.pending(), 0);
}

TEST(MainFrame, TheTraceBarSwitchesTheTraceMode) {
    TestApplication test;
    test.startReady();
    CMainFrame& frame = test.frame();
    QAction* commande = frame.action(CMainFrame::Action::TraceCommande);
    QAction* composant = frame.action(CMainFrame::Action::TraceComposant);
    QTest::mouseClick(frame.traceBar()->widgetForAction(commande), Qt::LeftButton);
    EXPECT_EQ(test.application().traceMode(), 1);
    EXPECT_FALSE(composant->isChecked());
    QTest::mouseClick(frame.traceBar()->widgetForAction(composant), Qt::LeftButton);
    EXPECT_EQ(test.application().traceMode(), 0);
    EXPECT_TRUE(composant->isChecked());
    EXPECT_FALSE(commande->isChecked());
}

TEST(MainFrame, PanesAndLockIndicators) {
    TestApplication test;
    test.startReady();
    CMainFrame& frame = test.frame();
    frame.setPaneText(1, "x = 12");
    frame.setPaneText(2, "y = 40");
    EXPECT_EQ(frame.paneText(1), "x = 12");
    EXPECT_EQ(frame.paneText(2), "y = 40");

    using I = CMainFrame::Indicator;
    EXPECT_EQ(frame.indicatorText(I::Caps), "");
    QWindow* window = frame.windowHandle();
    QTest::keyClick(window, Qt::Key_CapsLock);
    EXPECT_EQ(frame.indicatorText(I::Caps), "MAJ");
    QTest::keyClick(window, Qt::Key_NumLock);
    QTest::keyClick(window, Qt::Key_ScrollLock);
    EXPECT_EQ(frame.indicatorText(I::Num), "NUM");
    EXPECT_EQ(frame.indicatorText(I::Scroll), "DEF");
    QTest::keyClick(window, Qt::Key_CapsLock);
    EXPECT_EQ(frame.indicatorText(I::Caps), "");
    EXPECT_EQ(frame.indicatorText(I::Num), "NUM");
}

TEST(RecentFiles, KeepsTheFourLatestFilesInTheSettings) {
    QSettings().clear();
    CRecentFileList recent;
    for (const char* path : {"/a", "/b", "/c", "/d", "/e"})
        recent.add(path);
    EXPECT_EQ(recent.files(), (QStringList{"/e", "/d", "/c", "/b"}));
    recent.add("/c");
    EXPECT_EQ(recent.files(), (QStringList{"/c", "/e", "/d", "/b"}));
    recent.remove("/d");

    EXPECT_EQ(CRecentFileList().files(), (QStringList{"/c", "/e", "/b"}));
    QSettings settings;
    EXPECT_EQ(settings.organizationName(), "Local AppWizard-Generated Applications");
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), "/c");
    EXPECT_FALSE(settings.contains("Recent File List/File4"));
}
