#include "shell/Config.h"
#include "shell/Configuration.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSplashScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit* rootEdit(QWidget& dialog) {
    return dialog.findChild<QLineEdit*>("rootEdit");
}

// The root is the current folder, with its six folders.
void expectReady(const QString& root) {
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(root).canonicalFilePath());
    expectDataFolders(root);
}

} // namespace

// A missing root creates nothing until the user confirms one; refused, then
// cancelled, the disk is left as it was.
TEST(Startup, AMissingRootIsCreatedOnlyOnceConfirmedAndTheSplashComesFirst) {
    TestApplication test;
    ModalAnswers answers;
    answers.then(clickButton("OK"))
        .then([&](QWidget& dialog) {
            EXPECT_EQ(rootEdit(dialog)->text(), test.root());
            EXPECT_FALSE(QFileInfo::exists(test.root()));
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then(clickButton("Oui"));
    test.start();
    expectReady(test.root());
    EXPECT_EQ(test.application().configuration().dataRoot, test.root().toStdString());

    TestApplication refused;
    answers.then(clickButton("OK"))
        .then(clickButton("OK"))
        .then(clickButton("Non"))
        .then(clickButton("Annuler"));
    refused.start();
    EXPECT_TRUE(QDir(QFileInfo(refused.root().chopped(1)).path()).isEmpty());
    EXPECT_TRUE(refused.frame().isVisible());
    QStringList seen = answers.seen();
    expectTexts("Dialogs", "messages of a missing root",
                seen.replaceInStrings(refused.root(), "<racine>/"), test.root());

    // With its splash picture, shown before the main window.
    TestApplication splashed;
    ASSERT_TRUE(QDir().mkpath(splashed.root()));
    bool splashShown = false;
    bool frameHiddenMeanwhile = false;
    QTimer::singleShot(300, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* splash = qobject_cast<QSplashScreen*>(window); splash && splash->isVisible())
                splashShown = !splash->pixmap().isNull();
        frameHiddenMeanwhile = !splashed.application().mainFrame()->isVisible();
    });
    splashed.application().initInstance(CApplication::Splash::Show);
    EXPECT_EQ(std::tuple(splashShown, frameHiddenMeanwhile, splashed.frame().isVisible()),
              std::tuple(true, true, true));
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QSplashScreen*>(window) && window->isVisible());
}

// The root becomes the current folder: a relative one must not be taken from
// there again, where the sets would be copied into a folder that does not exist.
// The folders shown are the default ones, whatever the configuration holds; an
// empty root disables OK; leaving the edit tells whether the root exists.
TEST(ConfigurationCommand, TheApplicationTakesTheNewRootTheDefaultFoldersAndTheSets) {
    TestApplication test;
    test.startReady();
    Configuration& configuration = test.application().configuration();
    ModalAnswers answers;
    configuration.gestureFolder = "Ailleurs/";
    answers.then([&test](QWidget& window) {
        auto& dialog = static_cast<CConfigurationDlg&>(window);
        expectTexts("Dialogs", "configuration", windowTexts(dialog), test.root());
        EXPECT_TRUE(dialog.rootExists());
        QLineEdit* edit = rootEdit(dialog);
        typeOver(edit, test.root() + "absent");
        EXPECT_TRUE(dialog.rootExists());
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_FALSE(dialog.rootExists());
        typeOver(edit, "");
        EXPECT_FALSE(findButton(dialog, "OK")->isEnabled());
        QTest::keyClicks(edit, "/nulle/part/");
        EXPECT_EQ(dialog.root(), "/nulle/part/");
        EXPECT_TRUE(findButton(dialog, "OK")->isEnabled());
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    chooseMenuEntry(test.frame(), "O&ption", "&Configuration...");
    EXPECT_EQ(configuration.dataRoot, test.root().toStdString());
    EXPECT_EQ(configuration.gestureFolder, "Ailleurs/");

    answers
        .then([](QWidget& dialog) {
            typeOver(rootEdit(dialog), "Autre");
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then(clickButton("Oui"));
    chooseMenuEntry(test.frame(), "O&ption", "&Configuration...");
    const QString root = test.root() + "Autre/";
    EXPECT_EQ(configuration.dataRoot, root.toStdString());
    EXPECT_EQ(configuration.gestureFolder, "Gestes/");
    expectReady(root);
    EXPECT_EQ(QDir(root + "Gestes").entryList(QDir::Files),
              (QStringList{"commandes.gst", "formes.gst", "lettres.gst"}));
    EXPECT_FALSE(QFileInfo::exists(root + "Autre"));
}
