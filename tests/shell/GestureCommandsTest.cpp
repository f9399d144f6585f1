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

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

std::vector<PendingSetDocument*> gestureDocuments(TestApplication& test) {
    std::vector<PendingSetDocument*> found;
    for (CDocument* document : test.application().documents().documents())
        if (auto* gestures = dynamic_cast<PendingSetDocument*>(document))
            found.push_back(gestures);
    return found;
}

// A set of one class with one example, written into the gesture-set folder.
void writeSet(const QString& folder, const QString& file, const std::string& name, int type) {
    CEnsemble set(name, "pour les tests");
    set.setTypeAction(type);
    auto classe = std::make_unique<CClasse>("rond", "");
    classe->setCode(
        static_cast<std::uint16_t>(codesDuType(type).empty() ? AUCUN_CODE : codesDuType(type)[0]));
    set.ajouterClasse(std::move(classe));
    const FileResult written = enregistrerEnsemble(set, folder.toStdString(), file.toStdString());
    ASSERT_TRUE(written.ok) << written.error;
}

void writeGarbage(const QString& path) {
    writeFile(path, "ceci n'est pas un ensemble\n");
}

QString gestures(TestApplication& test) {
    return test.root() + "Gestes/";
}

} // namespace

TEST(NewGestureSet, BuildsThePendingSetFromTheDialogAndOpensItsDocument) {
    TestApplication test(editors(), newSetDialog());
    test.startReady();
    ModalAnswers answers;
    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("setName"), "formes");
        chooseByKeys(dialog.findChild<QComboBox*>("actionType"), "Composants organigramme");
        chooseByKeys(dialog.findChild<QComboBox*>("codeName"), "Cercle");
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(test.frame(), "&Gestes", "&Nouveau");

    EXPECT_EQ(answers.seen(), QStringList{"Nouvel ensemble de gestes"});
    const std::vector<PendingSetDocument*> documents = gestureDocuments(test);
    ASSERT_EQ(documents.size(), 1u);
    ASSERT_NE(documents[0]->set, nullptr);
    const CEnsemble& set = *documents[0]->set;
    EXPECT_EQ(set.nom(), "formes");
    EXPECT_EQ(set.description(), "Aucune description");
    EXPECT_EQ(set.nomFichier(), "formes.gst");
    EXPECT_EQ(set.typeAction(), TYPE_COMPOSANTS);
    ASSERT_EQ(set.nbClasses(), 1);
    EXPECT_EQ(set.classe(0).nom(), "geste1");
    EXPECT_EQ(set.classe(0).description(), "Aucune description");
    EXPECT_EQ(set.classe(0).code(), 110);
    EXPECT_EQ(documents[0]->title(), "ensemble_1");
    EXPECT_EQ(test.application().lastGestureDocument(), documents[0]);
    EXPECT_EQ(test.application().takePendingSet(), nullptr);
}

TEST(NewGestureSet, CancelBuildsNothing) {
    TestApplication test(editors(), newSetDialog());
    test.startReady();
    ModalAnswers answers;
    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("setName"), "formes");
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    chooseMenuEntry(test.frame(), "&Gestes", "&Nouveau");

    EXPECT_TRUE(test.application().documents().documents().empty());
    EXPECT_EQ(test.application().takePendingSet(), nullptr);
}

TEST(OpenGestureSet, ReadsTheChosenSetIntoANewDocument) {
    TestApplication test(editors(), newSetDialog());
    test.startReady();
    writeSet(gestures(test), "commandes.gst", "mes commandes", TYPE_COMMANDES);
    QString folderShown;
    ModalAnswers answers;
    answers.then([&](QWidget& dialog) {
        folderShown = static_cast<QFileDialog&>(dialog).directory().absolutePath() + "/";
        chooseFile(gestures(test) + "commandes.gst")(dialog);
    });
    chooseMenuEntry(test.frame(), "&Gestes", "&Ouvrir...");

    EXPECT_EQ(QFileInfo(folderShown).canonicalFilePath(),
              QFileInfo(gestures(test)).canonicalFilePath());
    const std::vector<PendingSetDocument*> documents = gestureDocuments(test);
    ASSERT_EQ(documents.size(), 1u);
    ASSERT_NE(documents[0]->set, nullptr);
    EXPECT_EQ(documents[0]->set->nom(), "mes commandes");
    EXPECT_EQ(documents[0]->set->typeAction(), TYPE_COMMANDES);
    ASSERT_EQ(documents[0]->set->nbClasses(), 1);
    EXPECT_EQ(documents[0]->set->classe(0).code(), 202);
    EXPECT_EQ(test.application().lastGestureDocument(), documents[0]);
}

TEST(OpenGestureSet, AFileWithAnotherExtensionIsRefusedBeforeAnyRead) {
    TestApplication test(editors(), newSetDialog());
    test.startReady();
    writeGarbage(gestures(test) + "notes.txt");
    ModalAnswers answers;
    answers.then(chooseFile(gestures(test) + "notes.txt")).then(clickButton("OK"));
    chooseMenuEntry(test.frame(), "&Gestes", "&Ouvrir...");

    // A read would have met the garbage and said so in a second message.
    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_EQ(answers.seen()[1], "Le fichier notes.txt ne peut être ouvert.\n(Mauvaise extension)");
    EXPECT_TRUE(test.application().documents().documents().empty());
}

TEST(OpenGestureSet, AnUnsoundFileIsReportedAndOpensNothing) {
    TestApplication test(editors(), newSetDialog());
    test.startReady();
    writeGarbage(gestures(test) + "casse.gst");
    ModalAnswers answers;
    answers.then(chooseFile(gestures(test) + "casse.gst")).then(clickButton("OK"));
    chooseMenuEntry(test.frame(), "&Gestes", "&Ouvrir...");

    ASSERT_EQ(answers.seen().size(), 2);
    EXPECT_TRUE(answers.seen()[1].contains("casse.gst"));
    EXPECT_TRUE(test.application().documents().documents().empty());
}

TEST(OpenGestureSet, TheStandardOpenCommandReadsASetTheSameWay) {
    TestApplication test(editors(), newSetDialog());
    test.startReady();
    writeSet(gestures(test), "lettres.gst", "lettres", TYPE_TEXTE);
    ModalAnswers answers;
    answers.then(chooseFile(gestures(test) + "lettres.gst"));
    chooseMenuEntry(test.frame(), "&Editeur", "&Ouvrir...");

    const std::vector<PendingSetDocument*> documents = gestureDocuments(test);
    ASSERT_EQ(documents.size(), 1u);
    ASSERT_NE(documents[0]->set, nullptr);
    EXPECT_EQ(documents[0]->set->nom(), "lettres");
}

class Chooser : public testing::Test {
protected:
    void SetUp() override {
        test.startReady();
        writeSet(gestures(test), "cmd.gst", "commandes", TYPE_COMMANDES);
        writeSet(gestures(test), "formes2.gst", "formes", TYPE_COMPOSANTS);
        writeSet(gestures(test), "texte.gst", "texte", TYPE_TEXTE);
    }

    // In the chooser, clicks "Modifier" of a row; the file dialog comes next.
    static ModalAnswers::Answer change(int kind) {
        return [kind](QWidget& dialog) {
            clickWithMouse(dialog.findChild<QPushButton*>(QStringLiteral("change%1").arg(kind)));
        };
    }
    ModalAnswers::Answer choose(const QString& file) { return chooseFile(gestures(test) + file); }
    static QString row(QWidget& dialog, int kind) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("set%1").arg(kind))->text();
    }

    TestApplication test{editors(), newSetDialog()};
    ModalAnswers answers;
};

TEST_F(Chooser, RefusesACommandsSetForTheComponentsRowWithTheComponentsWording) {
    QString rowAfter;
    answers.then(change(1))
        .then(choose("cmd.gst"))
        .then(clickButton("OK"))
        .then([&](QWidget& dialog) {
            rowAfter = row(dialog, 1);
            clickWithMouse(findButton(dialog, "OK"));
        });
    EXPECT_FALSE(test.application().OnChoisirGestes());

    EXPECT_EQ(answers.seen().value(2), "Le fichier cmd.gst ne contient pas de gestes associés\naux "
                                       "composants d'un organigramme.");
    EXPECT_EQ(rowAfter, "formes.gst");
    EXPECT_EQ(test.application().configuration().componentSet, "formes.gst");
    EXPECT_FALSE(test.application().configuration().setsChanged);
}

TEST_F(Chooser, TheOtherRowsHaveTheirOwnWordings) {
    answers.then(change(2))
        .then(choose("texte.gst"))
        .then(clickButton("OK"))
        .then(change(3))
        .then(choose("formes2.gst"))
        .then(clickButton("OK"))
        .then(clickButton("Annuler"));
    test.application().OnChoisirGestes();

    EXPECT_EQ(answers.seen().value(2), "Le fichier texte.gst ne contient pas de gestes associés\n"
                                       "aux commandes d'un organigramme (changement de couleur, "
                                       "de taille,...).");
    EXPECT_EQ(answers.seen().value(5), "Le fichier formes2.gst ne contient pas de gestes "
                                       "associés\nà l'insertion de texte dans un organigramme.");
}

TEST_F(Chooser, AcceptedSetsReplaceTheConfiguredNamesOnOK) {
    QStringList rows;
    answers.then(change(2))
        .then(choose("cmd.gst"))
        .then(change(1))
        .then(choose("formes2.gst"))
        .then([&](QWidget& dialog) {
            rows = {row(dialog, 1), row(dialog, 2), row(dialog, 3)};
            clickWithMouse(findButton(dialog, "OK"));
        });
    EXPECT_TRUE(test.application().OnChoisirGestes());

    EXPECT_EQ(rows, (QStringList{"formes2.gst", "cmd.gst", "lettres.gst"}));
    const Configuration& configuration = test.application().configuration();
    EXPECT_EQ(configuration.componentSet, "formes2.gst");
    EXPECT_EQ(configuration.commandSet, "cmd.gst");
    EXPECT_EQ(configuration.textSet, "lettres.gst");
    EXPECT_TRUE(configuration.setsChanged);
}

TEST_F(Chooser, CancelKeepsTheThreeNamesEvenAfterARowChanged) {
    QString changedRow;
    answers.then(change(2)).then(choose("cmd.gst")).then([&](QWidget& dialog) {
        changedRow = row(dialog, 2);
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    EXPECT_FALSE(test.application().OnChoisirGestes());

    EXPECT_EQ(changedRow, "cmd.gst");
    const Configuration& configuration = test.application().configuration();
    EXPECT_EQ(configuration.componentSet, "formes.gst");
    EXPECT_EQ(configuration.commandSet, "commandes.gst");
    EXPECT_EQ(configuration.textSet, "lettres.gst");
    EXPECT_FALSE(configuration.setsChanged);
}

TEST_F(Chooser, TheFileDialogStartsInTheGestureFolderOnTheRowsFile) {
    QString folder;
    QString name;
    answers.then(change(3))
        .then([&](QWidget& window) {
            auto& dialog = static_cast<QFileDialog&>(window);
            folder = dialog.directory().absolutePath();
            name = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
            dialog.reject();
        })
        .then(clickButton("Annuler"));
    test.application().OnChoisirGestes();

    EXPECT_EQ(QFileInfo(folder).canonicalFilePath(), QFileInfo(gestures(test)).canonicalFilePath());
    EXPECT_EQ(name, "lettres.gst");
}

TEST_F(Chooser, RefusesAnotherExtensionAndAnUnknownKind) {
    writeGarbage(gestures(test) + "notes.txt");
    CChoixFichiers dialog(test.application().configuration(), nullptr);
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
