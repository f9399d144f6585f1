#include "shell/Configuration.h"
#include "shell/MainFrm.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSplashScreen>

#include <gtest/gtest.h>

namespace {

const QString kWorkingDirectoryMessage =
    "Une erreur a été trouvée dans le chemin du répertoire de travail...\nVous devez "
    "modifier le chemin...";

QString question(const QString& root) {
    return "Le répertoire " + root + " n'existe pas.\nVoulez-vous le créer ?";
}

bool isCurrentDirectory(const QString& folder) {
    return QFileInfo(QDir::currentPath()).canonicalFilePath() ==
           QFileInfo(folder).canonicalFilePath();
}

} // namespace

TEST(Startup, MissingRootCreatesNothingUntilTheUserConfirmsARoot) {
    TestApplication test;
    const QString root = test.root();
    bool rootExistedInDialog = true;
    ModalAnswers answers;
    answers.then(clickButton("OK"))
        .then([&](QWidget& dialog) {
            EXPECT_EQ(dialog.findChild<QLineEdit*>("rootEdit")->text(), root);
            rootExistedInDialog = QFileInfo::exists(root);
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then([&](QWidget& box) {
            EXPECT_FALSE(QFileInfo::exists(root));
            clickWithMouse(findButton(box, "Oui"));
        });
    test.start();

    EXPECT_EQ(answers.seen(),
              (QStringList{kWorkingDirectoryMessage, "Configuration...", question(root)}));
    EXPECT_FALSE(rootExistedInDialog);
    expectDataFolders(root);
    EXPECT_EQ(test.application().configuration().dataRoot, root.toStdString());
    EXPECT_TRUE(isCurrentDirectory(root));
}

TEST(Startup, MissingRootRefusedThenCancelledLeavesTheDiskUntouched) {
    TestApplication test;
    const QString parent = QFileInfo(test.root().chopped(1)).path();
    ModalAnswers answers;
    answers.then(clickButton("OK"))
        .then(clickButton("OK"))
        .then(clickButton("Non"))
        .then(clickButton("Annuler"));
    test.start();

    EXPECT_EQ(answers.seen(), (QStringList{kWorkingDirectoryMessage, "Configuration...",
                                           question(test.root()), "Configuration..."}));
    EXPECT_TRUE(QDir(parent).isEmpty());
    EXPECT_TRUE(test.frame().isVisible());
}

TEST(Startup, ExistingRootGetsItsMissingFoldersWithoutAnyQuestion) {
    TestApplication test;
    ASSERT_TRUE(QDir().mkpath(test.root() + "Gestes"));
    ASSERT_TRUE(QDir().mkpath(test.root() + "Statistiques"));
    ModalAnswers none;
    test.start();

    expectDataFolders(test.root());
    EXPECT_TRUE(isCurrentDirectory(test.root()));
    EXPECT_TRUE(none.seen().isEmpty());
}

TEST(Startup, ShowsTheSplashPictureBeforeTheMainWindow) {
    TestApplication test;
    ASSERT_TRUE(QDir().mkpath(test.root()));
    bool splashShown = false;
    bool frameHiddenMeanwhile = false;
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* splash = qobject_cast<QSplashScreen*>(window); splash && splash->isVisible())
                splashShown = !splash->pixmap().isNull();
        }
        frameHiddenMeanwhile = !test.application().mainFrame()->isVisible();
    });
    look.start(300);
    test.application().initInstance(CApplication::Splash::Show);

    EXPECT_TRUE(splashShown);
    EXPECT_TRUE(frameHiddenMeanwhile);
    EXPECT_TRUE(test.frame().isVisible());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QSplashScreen*>(window) && window->isVisible());
}
