#include "shell/Config.h"
#include "shell/Configuration.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"
#include "support/Typing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QLineEdit* rootEdit(QWidget& dialog) {
    return dialog.findChild<QLineEdit*>("rootEdit");
}

} // namespace

TEST(ConfigurationDialog, ShowsTheRootAndTheDefaultFolderNames) {
    Configuration configuration("/srv/velmora/");
    configuration.gestureFolder = "Ailleurs/";
    CConfigurationDlg dialog(configuration, nullptr);

    EXPECT_EQ(dialog.windowTitle(), "Configuration...");
    EXPECT_EQ(rootEdit(dialog)->text(), "/srv/velmora/");
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    for (const char* text : {"Répertoire courant :", "Documents texte :", "Editeur/",
                             "Organigrammes :", "Organigrammes/", "Ensembles de gestes :",
                             "Gestes/", "Apprentissage :", "Statistiques/Apprentissage/",
                             "Reconnaissance :", "Statistiques/Reconnaissance/"})
        EXPECT_TRUE(labels.contains(text)) << text;
    EXPECT_FALSE(labels.contains("Ailleurs/"));
}

TEST(ConfigurationDialog, TypedRootGetsATrailingSlashAndAnEmptyRootDisablesOK) {
    const Configuration configuration("/srv/velmora/");
    CConfigurationDlg dialog(configuration, nullptr);
    dialog.show();
    QLineEdit* edit = rootEdit(dialog);
    QAbstractButton* ok = findButton(dialog, "OK");
    ASSERT_NE(ok, nullptr);

    typeOver(edit, "/srv/donnees");
    EXPECT_EQ(dialog.root(), "/srv/donnees/");
    EXPECT_EQ(edit->text(), "/srv/donnees");
    EXPECT_TRUE(ok->isEnabled());

    typeOver(edit, "");
    EXPECT_EQ(dialog.root(), "");
    EXPECT_FALSE(ok->isEnabled());

    QTest::keyClicks(edit, "/a/");
    EXPECT_EQ(dialog.root(), "/a/");
    EXPECT_TRUE(ok->isEnabled());
}

TEST(ConfigurationDialog, LeavingTheEditTellsWhetherTheRootExists) {
    QTemporaryDir existing;
    const Configuration configuration(existing.path().toStdString() + "/absent/");
    CConfigurationDlg dialog(configuration, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_FALSE(dialog.rootExists());

    QLineEdit* edit = rootEdit(dialog);
    typeOver(edit, existing.path());
    EXPECT_FALSE(dialog.rootExists());
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_FALSE(edit->hasFocus());
    EXPECT_TRUE(dialog.rootExists());

    typeOver(edit, existing.path() + "/autre");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_FALSE(dialog.rootExists());
}

TEST(ConfigurationDialog, YesCreatesTheMissingRootWithItsSixFoldersAndCloses) {
    QTemporaryDir temporary;
    const QString root = temporary.path() + "/a/b/";
    CConfigurationDlg dialog(Configuration(temporary.path().toStdString() + "/"), nullptr);
    ModalAnswers answers;
    answers
        .then([&](QWidget& window) {
            typeOver(rootEdit(window), root.chopped(1));
            clickWithMouse(findButton(window, "OK"));
        })
        .then(clickButton("Oui"));

    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(answers.seen(),
              (QStringList{"Configuration...",
                           "Le répertoire " + root + " n'existe pas.\nVoulez-vous le créer ?"}));
    EXPECT_EQ(dialog.root(), root);
    expectDataFolders(root);
}

TEST(ConfigurationDialog, NoKeepsTheDialogOpenAndCreatesNothing) {
    QTemporaryDir temporary;
    CConfigurationDlg dialog(Configuration(temporary.path().toStdString() + "/neuf/"), nullptr);
    bool openAfterNo = false;
    ModalAnswers answers;
    answers.then(clickButton("OK")).then(clickButton("Non")).then([&](QWidget& window) {
        openAfterNo = window.isVisible() && &window == &dialog;
        clickWithMouse(findButton(window, "Annuler"));
    });

    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_TRUE(openAfterNo);
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST(ConfigurationDialog, ExistingRootGetsItsMissingFoldersWithoutAQuestion) {
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
    // Runs the command, types `root` into the dialog and clicks `button`.
    void run(const QString& root, const QString& button) {
        ModalAnswers answers;
        answers.then([&](QWidget& window) {
            typeOver(rootEdit(window), root);
            clickWithMouse(findButton(window, button));
        });
        chooseMenuEntry(test.frame(), "O&ption", "&Configuration...");
    }

    TestApplication test;
};

TEST_F(ConfigurationCommand, TheApplicationTakesTheNewRootAndTheDefaultFolders) {
    QTemporaryDir other;
    const QString newRoot = other.path() + "/";
    ASSERT_TRUE(QDir().mkpath(newRoot + "Gestes"));
    run(other.path(), "OK");

    EXPECT_EQ(configuration().dataRoot, newRoot.toStdString());
    EXPECT_EQ(configuration().gestureFolder, "Gestes/");
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(newRoot).canonicalFilePath());
    expectDataFolders(newRoot);
    EXPECT_EQ(QDir(newRoot + "Gestes").entryList(QDir::Files),
              (QStringList{"commandes.gst", "formes.gst", "lettres.gst"}));
}

// The root becomes the current folder: a relative one must not be taken from
// there again, where the sets would be copied into a folder that does not exist.
TEST_F(ConfigurationCommand, ARelativeRootLiesInTheFolderCurrentWhenItIsTyped) {
    const QString newRoot = test.root() + "Autre/";
    ModalAnswers answers;
    answers
        .then([](QWidget& window) {
            typeOver(rootEdit(window), "Autre");
            clickWithMouse(findButton(window, "OK"));
        })
        .then(clickButton("Oui"));
    chooseMenuEntry(test.frame(), "O&ption", "&Configuration...");

    EXPECT_EQ(configuration().dataRoot, newRoot.toStdString());
    EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
              QFileInfo(newRoot).canonicalFilePath());
    expectDataFolders(newRoot);
    EXPECT_EQ(QDir(newRoot + "Gestes").entryList(QDir::Files),
              (QStringList{"commandes.gst", "formes.gst", "lettres.gst"}));
    EXPECT_FALSE(QFileInfo::exists(newRoot + "Autre"));
}

TEST_F(ConfigurationCommand, CancelKeepsTheConfiguration) {
    run("/nulle/part", "Annuler");

    EXPECT_EQ(configuration().dataRoot, test.root().toStdString());
    EXPECT_EQ(configuration().gestureFolder, "Ailleurs/");
}
