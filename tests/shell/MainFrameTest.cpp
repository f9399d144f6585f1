#include "shell/MainFrm.h"
#include "shell/RecentFileList.h"
#include "support/EditorFixture.h"
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
// disabled; the recent files come into the "&Editeur" menu. The about box
// shows the name and the version.
TEST(MainFrame, ItsMenusBarsPanesIndicatorsAndAboutBox) {
    TestApplication bare;
    bare.startReady();
    EXPECT_TRUE(bare.frame().windowState() & Qt::WindowMaximized);
    expectTexts("MainFrame", "no editor", frameTexts(bare.frame()));
    ModalAnswers answers;
    answers.then([](QWidget& box) {
        expectTexts("Dialogs", "about", windowTexts(box));
        clickWithMouse(findButton(box, "OK"));
    });
    chooseMenuEntry(bare.frame(), "&?", "&A propos de Strovik...");
    EditorFixture editor;
    editor.application().documents().recentFiles().add("/x/un.svk");
    editor.application().documents().recentFiles().add("/x/deux.org");
    expectTexts("MainFrame", "three editors, two recent files", frameTexts(editor.frame()));

    // The bars can be docked on any side and come and go from "&Affichage"; the
    // trace bar switches the trace mode; the panes show what they are given and
    // the indicators the lock keys.
    CMainFrame& frame = bare.frame();
    for (QToolBar* bar : {frame.standardBar(), frame.formatBar(), frame.traceBar()}) {
        EXPECT_TRUE(bar->isMovable());
        EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
        EXPECT_EQ(frame.toolBarArea(bar), Qt::TopToolBarArea);
    }
    for (const char* entry : {"Barre de mise en &forme", "Barre d'&outils", "Barre d'é&tat"})
        chooseMenuEntry(frame, "&Affichage", entry);
    EXPECT_FALSE(frame.statusBar()->isVisible());
    QTest::mouseClick(
        frame.traceBar()->widgetForAction(frame.action(CMainFrame::Action::TraceCommande)),
        Qt::LeftButton);
    EXPECT_EQ(bare.application().traceMode(), 1);
    frame.setPaneText(1, "x = 12");
    frame.setPaneText(2, "y = 40");
    for (Qt::Key key : {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock})
        QTest::keyClick(frame.windowHandle(), key);
    expectTexts("MainFrame", "bars hidden, command mode, locks on", frameTexts(frame));
    chooseMenuEntry(frame, "&Affichage", "Barre de mise en &forme");
    QTest::mouseClick(
        frame.traceBar()->widgetForAction(frame.action(CMainFrame::Action::TraceComposant)),
        Qt::LeftButton);
    EXPECT_EQ(bare.application().traceMode(), 0);
    QTest::keyClick(frame.windowHandle(), Qt::Key_CapsLock);
    expectTexts("MainFrame", "format bar back, component mode, caps off", frameTexts(frame));
}

TEST(RecentFiles, KeepsTheFourLatestFilesInTheSettings) {
    QSettings().clear();
    CRecentFileList recent;
    for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/c"})
        recent.add(path);
    EXPECT_EQ(recent.files(), (QStringList{"/c", "/e", "/d", "/b"}));
    recent.remove("/d");
    EXPECT_EQ(CRecentFileList().files(), (QStringList{"/c", "/e", "/b"}));
    QSettings settings;
    EXPECT_EQ(settings.organizationName(), "Local AppWizard-Generated Applications");
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), "/c");
    EXPECT_FALSE(settings.contains("Recent File List/File4"));
}
