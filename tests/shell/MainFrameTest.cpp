#include "shell/FakeEditor.h"
#include "shell/MainFrm.h"
#include "shell/RecentFileList.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

struct Entry {
    const char* menu;
    const char* entry;
};

constexpr Entry kEditorEntries[] = {
    {"&Editeur", "&Nouveau"},      {"&Editeur", "&Ouvrir..."}, {"&Organigrammes", "&Nouveau"},
    {"&Organigrammes", "&Ouvrir"}, {"&Gestes", "&Nouveau"},    {"&Gestes", "&Ouvrir..."},
};

constexpr Entry kAlwaysEnabled[] = {
    {"&Editeur", "&Configuration de l'impression..."},
    {"&Editeur", "&Quitter"},
    {"O&ption", "&Configuration..."},
    {"&Affichage", "Barre de mise en &forme"},
    {"&?", "&A propos de Strovik..."},
};

} // namespace

TEST(MainFrame, EntriesOfEditorsNotRegisteredAreDisabled) {
    TestApplication bare;
    bare.startReady();
    for (const Entry& e : kEditorEntries) {
        QAction* action = menuEntry(bare.frame(), e.menu, e.entry);
        ASSERT_NE(action, nullptr) << e.menu << " " << e.entry;
        EXPECT_FALSE(action->isEnabled()) << e.menu << " " << e.entry;
    }
    for (const Entry& e : kAlwaysEnabled) {
        QAction* action = menuEntry(bare.frame(), e.menu, e.entry);
        ASSERT_NE(action, nullptr) << e.menu << " " << e.entry;
        EXPECT_TRUE(action->isEnabled()) << e.menu << " " << e.entry;
    }
    EXPECT_FALSE(bare.frame().action(CMainFrame::Action::ChoisirGestes)->isEnabled());
}

TEST(MainFrame, EntriesOfRegisteredEditorsAreEnabled) {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(fakeTemplate(kTextDocString));
    templates.push_back(fakeTemplate(kGestureDocString));
    templates.push_back(fakeTemplate(kFlowchartDocString));
    TestApplication test(std::move(templates));
    test.startReady();
    for (const Entry& e : kEditorEntries)
        EXPECT_TRUE(menuEntry(test.frame(), e.menu, e.entry)->isEnabled()) << e.menu << e.entry;
    EXPECT_TRUE(test.frame().action(CMainFrame::Action::ChoisirGestes)->isEnabled());
}

TEST(MainFrame, FormatBarEntryHidesAndShowsTheBarWithItsTick) {
    TestApplication test;
    test.startReady();
    CMainFrame& frame = test.frame();
    QAction* entry = menuEntry(frame, "&Affichage", "Barre de mise en &forme");
    ASSERT_TRUE(frame.formatBar()->isVisible());
    ASSERT_TRUE(entry->isChecked());

    chooseMenuEntry(frame, "&Affichage", "Barre de mise en &forme");
    EXPECT_FALSE(frame.formatBar()->isVisible());
    EXPECT_FALSE(entry->isChecked());
    EXPECT_TRUE(frame.standardBar()->isVisible());

    chooseMenuEntry(frame, "&Affichage", "Barre de mise en &forme");
    EXPECT_TRUE(frame.formatBar()->isVisible());
    EXPECT_TRUE(entry->isChecked());
}

TEST(MainFrame, AboutBoxShowsTheNameAndTheVersion) {
    TestApplication test;
    test.startReady();
    QStringList texts;
    ModalAnswers answers;
    answers.then([&](QWidget& box) {
        for (QLabel* label : box.findChildren<QLabel*>())
            texts << label->text();
        clickWithMouse(findButton(box, "OK"));
    });
    chooseMenuEntry(test.frame(), "&?", "&A propos de Strovik...");

    EXPECT_EQ(answers.seen(), QStringList{"A propos de Strovik"});
    EXPECT_TRUE(texts.contains("Velmora"));
    EXPECT_TRUE(texts.contains("version 1.0"));
}

TEST(MainFrame, TraceBarSwitchesTheTraceMode) {
    TestApplication test;
    test.startReady();
    CMainFrame& frame = test.frame();
    QAction* commande = frame.action(CMainFrame::Action::TraceCommande);
    QAction* composant = frame.action(CMainFrame::Action::TraceComposant);
    EXPECT_EQ(test.application().traceMode(), 0);
    EXPECT_TRUE(composant->isChecked());

    QTest::mouseClick(frame.traceBar()->widgetForAction(commande), Qt::LeftButton);
    EXPECT_EQ(test.application().traceMode(), 1);
    EXPECT_TRUE(commande->isChecked());
    EXPECT_FALSE(composant->isChecked());

    QTest::mouseClick(frame.traceBar()->widgetForAction(composant), Qt::LeftButton);
    EXPECT_EQ(test.application().traceMode(), 0);
    EXPECT_TRUE(composant->isChecked());
}

TEST(MainFrame, ToolBarsSitAtTheTopAndCanBeDockedOnAnySide) {
    TestApplication test;
    test.startReady();
    CMainFrame& frame = test.frame();
    for (QToolBar* bar : {frame.standardBar(), frame.formatBar(), frame.traceBar()}) {
        EXPECT_TRUE(bar->isMovable());
        EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
        EXPECT_EQ(frame.toolBarArea(bar), Qt::TopToolBarArea);
    }
    QStringList trace;
    for (QAction* action : frame.traceBar()->actions())
        trace << action->text();
    EXPECT_EQ(trace, (QStringList{"commande", "composant"}));
    QStringList format;
    for (QAction* action : frame.formatBar()->actions())
        if (!action->isSeparator())
            format << action->toolTip();
    EXPECT_EQ(format.mid(0, 9), (QStringList{"Gras", "Italique", "Souligné", "Puces", "Gauche",
                                             "Centré", "Droite", "Flèche", "Texte"}));
    EXPECT_EQ(format.size(), 10);

    frame.addToolBar(Qt::LeftToolBarArea, frame.traceBar());
    EXPECT_EQ(frame.toolBarArea(frame.traceBar()), Qt::LeftToolBarArea);
}

TEST(MainFrame, StatusBarHasItsMessageLineItsPanesAndTheLockIndicators) {
    TestApplication test;
    test.startReady();
    CMainFrame& frame = test.frame();
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Prêt");
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
    EXPECT_TRUE(recent.files().isEmpty());
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

TEST(MainFrame, RecentFilesAreListedInTheEditorMenu) {
    TestApplication test;
    test.startReady();
    CRecentFileList& recent = test.application().documents().recentFiles();
    recent.add("/x/un.svk");
    recent.add("/x/deux.org");
    EXPECT_NE(menuEntry(test.frame(), "&Editeur", "&1 /x/deux.org"), nullptr);
    EXPECT_NE(menuEntry(test.frame(), "&Editeur", "&2 /x/un.svk"), nullptr);
    recent.remove("/x/deux.org");
    EXPECT_EQ(menuEntry(test.frame(), "&Editeur", "&1 /x/deux.org"), nullptr);
    EXPECT_NE(menuEntry(test.frame(), "&Editeur", "&1 /x/un.svk"), nullptr);
}
