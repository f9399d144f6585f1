#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "shell/Config.h"
#include "support/EditorFixture.h"
#include "support/GeneratedClasses.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"
#include "training/Apprentissage.h"
#include "training/ApprentissageDoc.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

// The application with its gesture-set folder holding a set of each type and
// files that are no sets.
class GestureCommands : public testing::Test {
protected:
    void SetUp() override {
        for (const auto& [file, type] : {std::pair{"cmd.gst", TYPE_COMMANDES},
                                         {"formes2.gst", TYPE_COMPOSANTS},
                                         {"texte.gst", TYPE_TEXTE}}) {
            CEnsemble set(QString(file).chopped(4).toStdString(), "pour les tests");
            set.setTypeAction(type);
            set.ajouterClasse(generatedClass("rond", 0, 0, 1, codesDuType(type)[0]));
            ASSERT_TRUE(enregistrerEnsemble(set, gestures().toStdString(), file).ok);
        }
        writeFile(gestures() + "casse.gst", "ceci n'est pas un ensemble\n");
        writeFile(gestures() + "notes.txt", "ceci n'est pas un ensemble\n");
    }
    QString gestures() { return editor.root() + "Gestes/"; }
    CEnsemble* opened() {
        auto* window = editor.active<CApprentissage>();
        return window ? &static_cast<CApprentissageDoc&>(window->document()).ensemble() : nullptr;
    }
    ModalAnswers::Answer choose(const QString& file) { return chooseFile(gestures() + file); }
    // In the chooser, clicks "Modifier" of a row; the file dialog comes next.
    static ModalAnswers::Answer change(int kind) {
        return [kind](QWidget& dialog) {
            clickWithMouse(dialog.findChild<QPushButton*>(QStringLiteral("change%1").arg(kind)));
        };
    }
    const Configuration& configuration() { return editor.application().configuration(); }

    EditorFixture editor;
    ModalAnswers answers;
};

// The file dialog starts in the gesture-set folder; both open commands read a
// set; another extension is refused before any read, an unsound file after.
TEST_F(GestureCommands, OpenReadsTheChosenSetAndTheChooserTakesTheAcceptedSetsOnOK) {
    QString folderShown;
    answers.then([&](QWidget& dialog) {
        folderShown = static_cast<QFileDialog&>(dialog).directory().canonicalPath() + "/";
        choose("cmd.gst")(dialog);
    });
    chooseMenuEntry(editor.frame(), "&Gestes", "&Ouvrir...");
    EXPECT_EQ(folderShown, QFileInfo(gestures()).canonicalFilePath() + "/");
    ASSERT_NE(opened(), nullptr);
    editor.closeActive();
    answers.then(choose("texte.gst"));
    chooseMenuEntry(editor.frame(), "&Editeur", "&Ouvrir...");
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->nom(), "texte");
    editor.closeActive();
    for (const char* file : {"notes.txt", "casse.gst"}) {
        answers.then(choose(file)).then(clickButton("OK"));
        chooseMenuEntry(editor.frame(), "&Gestes", "&Ouvrir...");
    }
    EXPECT_EQ(editor.windowCount(), 0);
    EXPECT_EQ(answers.seen().value(3),
              "Le fichier notes.txt ne peut être ouvert.\n(Mauvaise extension)");
    EXPECT_TRUE(answers.seen().value(5).contains("casse.gst"));

    // A set of another type or another extension is refused for a row, with the
    // row's own wording; the file dialog starts on the row's file. The sets
    // accepted replace the configured names on OK only.
    const qsizetype before = answers.seen().size();
    QString nameShown;
    answers.then(change(1)).then(choose("cmd.gst")).then(clickButton("OK"));
    answers.then(change(2)).then(choose("texte.gst")).then(clickButton("OK"));
    answers.then(change(3)).then([&](QWidget& dialog) {
        nameShown = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
        choose("formes2.gst")(dialog);
    });
    answers.then(clickButton("OK"))
        .then(change(3))
        .then(choose("notes.txt"))
        .then(clickButton("OK"));
    answers.then(change(2)).then(choose("cmd.gst")).then([](QWidget& dialog) {
        expectTexts("Dialogs", "gesture-set chooser", windowTexts(dialog));
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    EXPECT_FALSE(editor.application().OnChoisirGestes());
    EXPECT_EQ(nameShown, "lettres.gst");
    EXPECT_EQ(configuration().commandSet, "commandes.gst");
    EXPECT_FALSE(configuration().setsChanged);
    expectTexts("Dialogs", "messages of the gesture-set chooser", answers.seen().mid(before));

    answers.then(change(2)).then(choose("cmd.gst")).then(change(1)).then(choose("formes2.gst"));
    answers.then(clickButton("OK"));
    EXPECT_TRUE(editor.application().OnChoisirGestes());
    EXPECT_EQ(std::tuple(configuration().componentSet, configuration().commandSet,
                         configuration().textSet, configuration().setsChanged),
              std::tuple("formes2.gst", "cmd.gst", "lettres.gst", true));
}
