#include "app/Editors.h"
#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "shell/Config.h"
#include "shell/FakeEditor.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// A gesture-set document of the tests: it takes the application's pending set.
class PendingSetDocument : public CDocument {
public:
    PendingSetDocument(const CDocTemplate& docTemplate, EditorContext& context)
        : CDocument(docTemplate, context), set(context.takePendingSet()) {}
    bool onOpenDocument(const QString&) override { return false; }
    bool onSaveDocument(const QString&) override { return false; }

    std::unique_ptr<CEnsemble> set;
};

std::vector<std::unique_ptr<CDocTemplate>> editors() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(fakeTemplate(kTextDocString));
    templates.push_back(std::make_unique<CDocTemplate>(
        kGestureDocString,
        [](const CDocTemplate& t, EditorContext& context) {
            return std::make_unique<PendingSetDocument>(t, context);
        },
        [](CDocument& d) { return std::make_unique<FakeFrame>(d); }));
    templates.push_back(fakeTemplate(kFlowchartDocString));
    return templates;
}

// The application with its gesture-set folder holding a set of each type and
// a file that is no set.
class GestureCommands : public testing::Test {
protected:
    void SetUp() override {
        test.startReady();
        writeSet("cmd.gst", "commandes", TYPE_COMMANDES);
        writeSet("formes2.gst", "formes", TYPE_COMPOSANTS);
        writeSet("texte.gst", "texte", TYPE_TEXTE);
        writeFile(gestures() + "casse.gst", "ceci n'est pas un ensemble\n");
        writeFile(gestures() + "notes.txt", "ceci n'est pas un ensemble\n");
    }
    QString gestures() { return test.root() + "Gestes/"; }
    // A set of one class, of the type's first code.
    void writeSet(const char* file, const std::string& name, int type) {
        CEnsemble set(name, "pour les tests");
        set.setTypeAction(type);
        auto classe = std::make_unique<CClasse>("rond", "");
        classe->setCode(static_cast<std::uint16_t>(codesDuType(type)[0]));
        set.ajouterClasse(std::move(classe));
        ASSERT_TRUE(enregistrerEnsemble(set, gestures().toStdString(), file).ok);
    }
    PendingSetDocument* opened() {
        const std::vector<CDocument*> documents = test.application().documents().documents();
        return documents.size() == 1 ? dynamic_cast<PendingSetDocument*>(documents[0]) : nullptr;
    }
    ModalAnswers::Answer choose(const QString& file) { return chooseFile(gestures() + file); }
    // In the chooser, clicks "Modifier" of a row; the file dialog comes next.
    static ModalAnswers::Answer change(int kind) {
        return [kind](QWidget& dialog) {
            clickWithMouse(dialog.findChild<QPushButton*>(QStringLiteral("change%1").arg(kind)));
        };
    }
    const Configuration& configuration() { return test.application().configuration(); }

    TestApplication test{editors(), newSetDialog()};
    ModalAnswers answers;
};

} // namespace

TEST_F(GestureCommands, NewBuildsThePendingSetFromTheDialogAndOpensItsDocument) {
    answers.then(clickButton("Annuler")).then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("setName"), "formes");
        chooseByKeys(dialog.findChild<QComboBox*>("actionType"), "Composants organigramme");
        chooseByKeys(dialog.findChild<QComboBox*>("codeName"), "Cercle");
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(test.frame(), "&Gestes", "&Nouveau");
    EXPECT_TRUE(test.application().documents().documents().empty());
    chooseMenuEntry(test.frame(), "&Gestes", "&Nouveau");

    EXPECT_EQ(answers.seen(), QStringList(2, "Nouvel ensemble de gestes"));
    ASSERT_NE(opened(), nullptr);
    ASSERT_NE(opened()->set, nullptr);
    const CEnsemble& set = *opened()->set;
    EXPECT_EQ(set.nom(), "formes");
    EXPECT_EQ(set.description(), "Aucune description");
    EXPECT_EQ(set.nomFichier(), "formes.gst");
    EXPECT_EQ(set.typeAction(), TYPE_COMPOSANTS);
    ASSERT_EQ(set.nbClasses(), 1);
    EXPECT_EQ(set.classe(0).nom(), "geste1");
    EXPECT_EQ(set.classe(0).description(), "Aucune description");
    EXPECT_EQ(set.classe(0).code(), 110);
    EXPECT_EQ(opened()->title(), "ensemble_1");
    EXPECT_EQ(test.application().lastGestureDocument(), opened());
    EXPECT_EQ(test.application().takePendingSet(), nullptr);
}

// The file dialog starts in the gesture-set folder; both open commands read a set.
TEST_F(GestureCommands, OpenReadsTheChosenSetIntoANewDocument) {
    QString folderShown;
    answers.then([&](QWidget& dialog) {
        folderShown = static_cast<QFileDialog&>(dialog).directory().canonicalPath() + "/";
        choose("cmd.gst")(dialog);
    });
    chooseMenuEntry(test.frame(), "&Gestes", "&Ouvrir...");
    EXPECT_EQ(folderShown, QFileInfo(gestures()).canonicalFilePath() + "/");
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->set->nom(), "commandes");
    EXPECT_EQ(opened()->set->classe(0).code(), 202);
    EXPECT_EQ(test.application().lastGestureDocument(), opened());

    test.frame().activeChildFrame()->parentWidget()->close();
    flushDeletes();
    answers.then(choose("texte.gst"));
    chooseMenuEntry(test.frame(), "&Editeur", "&Ouvrir...");
    ASSERT_NE(opened(), nullptr);
    EXPECT_EQ(opened()->set->nom(), "texte");
}

TEST_F(GestureCommands, OpenRefusesAnotherExtensionBeforeReadingAndAnUnsoundFile) {
    const struct {
        const char* file;
        const char* message;
    } cases[] = {{"notes.txt", "Le fichier notes.txt ne peut être ouvert.\n(Mauvaise extension)"},
                 {"casse.gst", "casse.gst"}};
    for (const auto& c : cases) {
        answers.then(choose(c.file)).then(clickButton("OK"));
        chooseMenuEntry(test.frame(), "&Gestes", "&Ouvrir...");
        EXPECT_TRUE(answers.seen().last().contains(c.message))
            << answers.seen().last().toStdString();
        EXPECT_TRUE(test.application().documents().documents().empty());
    }
    EXPECT_EQ(answers.seen().size(), 4);
}

// A set of another type is refused for a row, with the row's own wording; the
// file dialog starts on the row's file.
TEST_F(GestureCommands, TheChooserRefusesASetOfAnotherTypeWithTheRowsWording) {
    QString nameShown;
    answers.then(change(1))
        .then(choose("cmd.gst"))
        .then(clickButton("OK"))
        .then(change(2))
        .then(choose("texte.gst"))
        .then(clickButton("OK"))
        .then(change(3))
        .then([&](QWidget& dialog) {
            nameShown = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
            choose("formes2.gst")(dialog);
        })
        .then(clickButton("OK"))
        .then([](QWidget& dialog) {
            expectTexts("Dialogs", "gesture-set chooser", windowTexts(dialog));
            clickWithMouse(findButton(dialog, "OK"));
        });
    EXPECT_FALSE(test.application().OnChoisirGestes());

    const QString wording = "Le fichier %1 ne contient pas de gestes associés\n%2";
    EXPECT_EQ(answers.seen().value(2), wording.arg("cmd.gst", "aux composants d'un organigramme."));
    EXPECT_EQ(answers.seen().value(5),
              wording.arg("texte.gst", "aux commandes d'un organigramme (changement de couleur, "
                                       "de taille,...)."));
    EXPECT_EQ(answers.seen().value(8),
              wording.arg("formes2.gst", "à l'insertion de texte dans un organigramme."));
    EXPECT_EQ(nameShown, "lettres.gst");
    EXPECT_EQ(configuration().componentSet, "formes.gst");
    EXPECT_FALSE(configuration().setsChanged);
}

TEST_F(GestureCommands, TheChooserTakesTheAcceptedSetsOnOKOnly) {
    answers.then(change(2)).then(choose("cmd.gst")).then(clickButton("Annuler"));
    EXPECT_FALSE(test.application().OnChoisirGestes());
    EXPECT_EQ(configuration().commandSet, "commandes.gst");
    EXPECT_FALSE(configuration().setsChanged);

    QStringList rows;
    answers.then(change(2))
        .then(choose("cmd.gst"))
        .then(change(1))
        .then(choose("formes2.gst"))
        .then([&](QWidget& dialog) {
            for (const char* row : {"set1", "set2", "set3"})
                rows << dialog.findChild<QLineEdit*>(row)->text();
            clickWithMouse(findButton(dialog, "OK"));
        });
    EXPECT_TRUE(test.application().OnChoisirGestes());
    EXPECT_EQ(rows, (QStringList{"formes2.gst", "cmd.gst", "lettres.gst"}));
    EXPECT_EQ(configuration().componentSet, "formes2.gst");
    EXPECT_EQ(configuration().commandSet, "cmd.gst");
    EXPECT_EQ(configuration().textSet, "lettres.gst");
    EXPECT_TRUE(configuration().setsChanged);
}

TEST_F(GestureCommands, TheChooserRefusesAnotherExtensionAndAnUnknownKind) {
    CChoixFichiers dialog(configuration(), nullptr);
    QString target = "formes.gst";
    answers.then(choose("notes.txt")).then(clickButton("OK"));
    dialog.choixFichier(target, 1);
    answers.then(choose("cmd.gst")).then(clickButton("OK"));
    dialog.choixFichier(target, 4);
    EXPECT_EQ(answers.seen().value(1),
              "Le fichier notes.txt ne possède pas la bonne extension (.gst).");
    EXPECT_EQ(answers.seen().value(3), "Erreur dans CChoixFichiers::choixFichier()");
    EXPECT_EQ(target, "formes.gst");
    EXPECT_FALSE(dialog.setsChanged());
}
