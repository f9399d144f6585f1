#include "shell/Config.h"
#include "shell/Configuration.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit* rootEdit(QWidget& dialog) {
    return dialog.findChild<QLineEdit*>("rootEdit");
}

QString question(const QString& root) {
    return "Le répertoire " + root + " n'existe pas.\nVoulez-vous le créer ?";
}

// Types `root` into the dialog, then clicks `button`.
ModalAnswers::Answer typeRoot(const QString& root, const QString& button = "OK") {
    return [root, button](QWidget& window) {
        typeOver(rootEdit(window), root);
        clickWithMouse(findButton(window, button));
    };
}

} // namespace

// The folders shown are the default ones, whatever the configuration holds.
TEST(ConfigurationDialog, TheRootGetsATrailingSlashAndAnEmptyRootDisablesOK) {
    Configuration configuration("/srv/velmora/");
    configuration.gestureFolder = "Ailleurs/";
    CConfigurationDlg dialog(configuration, nullptr);
    dialog.show();
    expectTexts("Dialogs", "configuration", windowTexts(dialog));
    QLineEdit* edit = rootEdit(dialog);
    QAbstractButton* ok = findButton(dialog, "OK");
    typeOver(edit, "/srv/donnees");
    EXPECT_EQ(dialog.root(), "/srv/donnees/");
    EXPECT_EQ(edit->text(), "/srv/donnees");
    typeOver(edit, "");
    EXPECT_EQ(dialog.root(), "");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(edit, "/a/");
    EXPECT_EQ(dialog.root(), "/a/");
    EXPECT_TRUE(ok->isEnabled());
}

TEST(ConfigurationDialog, LeavingTheEditTellsWhetherTheRootExists) {
    QTemporaryDir existing;
    CConfigurationDlg dialog(Configuration(existing.path().toStdString() + "/absent/"), nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_FALSE(dialog.rootExists());
    QLineEdit* edit = rootEdit(dialog);
    typeOver(edit, existing.path());
    EXPECT_FALSE(dialog.rootExists());
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(dialog.rootExists());
    typeOver(edit, existing.path() + "/autre");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(dialog.rootExists());
}

TEST(ConfigurationDialog, OuiCreatesTheMissingRootWithItsSixFoldersAndNonKeepsTheDialog) {
    QTemporaryDir temporary;
    const QString root = temporary.path() + "/a/b/";
    CConfigurationDlg dialog(Configuration(temporary.path().toStdString() + "/"), nullptr);
    bool openAfterNo = false;
    ModalAnswers answers;
    answers.then(typeRoot(root.chopped(1)))
        .then(clickButton("Non"))
        .then([&](QWidget& window) {
            openAfterNo = window.isVisible() && &window == &dialog;
            EXPECT_FALSE(QFileInfo::exists(root));
            clickWithMouse(findButton(window, "OK"));
        })
        .then(clickButton("Oui"));
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(answers.seen(), (QStringList{"Configuration...", question(root), "Configuration...",
                                           question(root)}));
    expectDataFolders(root);
}

TEST(ConfigurationDialog, AnExistingRootGetsItsMissingFoldersWithoutAQuestion) {
    QTemporaryDir temporary;
    const QString root = temporary.path() + "/";
    ASSERT_TRUE(QDir().mkpath(root + "Editeur"));
    CConfigurationDlg dialog(Configuration(root.toStdString()), nullptr);
    ModalAnswers answers;
    answers.then(clickButton("OK"));
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(answers.seen(), QStringList{"Configuration..."});
    expectDataFolders(root);
}

class ConfigurationCommand : public testing::Test {
protected:
    void SetUp() override {
        test.startReady();
        configuration().gestureFolder = "Ailleurs/";
    }
    Configuration& configuration() { return test.application().configuration(); }
    void run() { chooseMenuEntry(test.frame(), "O&ption", "&Configuration..."); }
    // The new root is the current folder, with its folders and the shipped sets.
    void expectReady(const QString& root) {
        EXPECT_EQ(configuration().dataRoot, root.toStdString());
        EXPECT_EQ(configuration().gestureFolder, "Gestes/");
        EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
                  QFileInfo(root).canonicalFilePath());
        expectDataFolders(root);
        EXPECT_EQ(QDir(root + "Gestes").entryList(QDir::Files),
                  (QStringList{"commandes.gst", "formes.gst", "lettres.gst"}));
    }

    TestApplication test;
    ModalAnswers answers;
};

TEST_F(ConfigurationCommand, TheApplicationTakesTheNewRootAndTheDefaultFolders) {
    QTemporaryDir other;
    ASSERT_TRUE(QDir().mkpath(other.path() + "/Gestes"));
    answers.then(typeRoot(other.path()));
    run();
    expectReady(other.path() + "/");
}

// The root becomes the current folder: a relative one must not be taken from
// there again, where the sets would be copied into a folder that does not exist.
TEST_F(ConfigurationCommand, ARelativeRootLiesInTheFolderCurrentWhenItIsTyped) {
    answers.then(typeRoot("Autre")).then(clickButton("Oui"));
    run();
    expectReady(test.root() + "Autre/");
    EXPECT_FALSE(QFileInfo::exists(test.root() + "Autre/Autre"));
}

TEST_F(ConfigurationCommand, AnnulerKeepsTheConfiguration) {
    answers.then(typeRoot("/nulle/part", "Annuler"));
    run();
    EXPECT_EQ(configuration().dataRoot, test.root().toStdString());
    EXPECT_EQ(configuration().gestureFolder, "Ailleurs/");
}
