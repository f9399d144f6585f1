#include "training/ExempleForm.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "support/Drawings.h"
#include "support/Typing.h"
#include "training/Apprentissage.h"
#include "training/ExempleView.h"
#include "training/GestureEditor.h"
#include "training/ReconForm.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CClasse> classWith(const std::string& name, int examples, std::uint32_t seed,
                                   int code = AUCUN_CODE) {
    auto classe = std::make_unique<CClasse>(name, "classe " + name);
    classe->setCode(static_cast<std::uint16_t>(code));
    for (int e = 0; e < examples; ++e) {
        auto exemple = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
        exemple->setDessin(horizontalLine(seed + static_cast<std::uint32_t>(e)));
        classe->ajouterExemple(std::move(exemple));
    }
    return classe;
}

// Classes named and filled as given: {"A", 0} is an empty class A.
std::unique_ptr<CEnsemble> setOf(std::initializer_list<std::pair<const char*, int>> classes,
                                 int type = TYPE_AUCUN) {
    auto set = std::make_unique<CEnsemble>("essai", "pour les tests");
    set->setTypeAction(type);
    std::uint32_t seed = 1;
    for (const auto& [name, examples] : classes) {
        set->ajouterClasse(classWith(name, examples, seed));
        seed += 50;
    }
    set->apprendre();
    return set;
}

const auto kLine = [] { return drawingOf({{{20, 20, 0.0}, {80, 22, 0.1}, {140, 25, 0.2}}}); };

class ExampleForm : public testing::Test {
protected:
    CEnsemble& set() { return editor.set(); }

    GestureEditor editor;
    ModalAnswers answers;
};

} // namespace

TEST_F(ExampleForm, OpensOnTheFirstClassWithItsExamplesAndFreeNames) {
    editor.open(*setOf({{"rond", 2}, {"carré", 3}}, TYPE_COMPOSANTS), "essai.gst");

    EXPECT_EQ(editor.window()->windowTitle(), "essai.gst");
    EXPECT_EQ(editor.text("nomEnsemble"), "essai");
    EXPECT_EQ(editor.text("descriptionEnsemble"), "pour les tests");
    EXPECT_EQ(editor.rows("classes"), (QStringList{"carré", "rond"}));
    EXPECT_EQ(editor.selectedRow("classes"), "carré");
    EXPECT_EQ(editor.rows("exemples"), (QStringList{"exemple1", "exemple2", "exemple3"}));
    EXPECT_EQ(editor.selectedRow("exemples"), "exemple1");
    EXPECT_EQ(editor.widget<QLineEdit>("nomClasse")->text(), "geste1");
    EXPECT_EQ(editor.widget<QLineEdit>("nomExemple")->text(), "exemple4");
    EXPECT_EQ(editor.text("selectionClasse"), "carré");
    EXPECT_EQ(editor.text("descriptionClasse"), "classe carré");
    EXPECT_EQ(editor.text("selectionExemple"), "exemple1");
    EXPECT_EQ(editor.text("selectionCode"), "Aucun");
    EXPECT_EQ(editor.text("libelleCode"), "Composant d'oganigramme associé :");
    EXPECT_EQ(editor.text("libelleSelectionCode"), "Composant :");
    EXPECT_FALSE(editor.widget<QWidget>("pasDeCommande")->isVisible());
    EXPECT_EQ(editor.widget<QComboBox>("code")->currentText(), "Aucun");
    // The selected example is on display, ready to be added again.
    EXPECT_TRUE(editor.view().gestureComplete());
    EXPECT_EQ(editor.view().currentExample().dessin(), set().classe(1).exemple(0).dessin());
    EXPECT_TRUE(editor.widget<QWidget>("proprietesEnsemble")->isEnabled());
}

TEST_F(ExampleForm, ASetWithoutActionTypeSaysSoInTheSelectionBox) {
    editor.open(*setOf({{"rond", 0}}), "essai.gst");
    EXPECT_TRUE(editor.widget<QWidget>("pasDeCommande")->isVisible());
    EXPECT_EQ(editor.text("pasDeCommande"), "Pas de commande\nassociée à cet ensemble");
    EXPECT_FALSE(editor.widget<QWidget>("selectionCode")->isVisible());
    EXPECT_EQ(editor.text("libelleCode"), "Commande associée :");
    EXPECT_FALSE(editor.widget<QWidget>("code")->isEnabled());
    EXPECT_FALSE(editor.widget<QWidget>("proprietesEnsemble")->isEnabled());
    EXPECT_FALSE(editor.widget<QWidget>("ajouterExemple")->isEnabled());
}

TEST_F(ExampleForm, AddingAnExampleNeedsADrawnGestureANewNameAndAClass) {
    editor.open(*setOf({{"rond", 0}}), "essai.gst");
    // Without a gesture the button is off; its handler still answers first
    // that nothing was drawn, even with an empty name.
    EXPECT_FALSE(editor.widget<QWidget>("ajouterExemple")->isEnabled());
    editor.typeName("nomExemple", "");
    answers.then(clickButton("OK"));
    editor.form().OnAjouterExemple();
    EXPECT_EQ(answers.seen(), QStringList{"Aucun geste n'a été dessiné..."});

    editor.addExample(*kLine(), "exemple1");
    EXPECT_EQ(editor.rows("exemples"), QStringList{"exemple1"});
    EXPECT_EQ(set().classe(0).nbExemples(), 1);
    EXPECT_TRUE(set().modifie());

    answers.then(clickButton("OK"));
    editor.typeName("nomExemple", "EXEMPLE1");
    editor.click("ajouterExemple");
    EXPECT_EQ(answers.seen().value(1), "Le nom de l'exemple existe déjà...");
    EXPECT_EQ(set().classe(0).nbExemples(), 1);

    answers.then(clickButton("OK"));
    editor.typeName("nomExemple", "x");
    editor.typeName("nomExemple", "");
    EXPECT_FALSE(editor.widget<QWidget>("ajouterExemple")->isEnabled());
    editor.form().OnAjouterExemple();
    EXPECT_EQ(answers.seen().value(2), "Remplir le champ Nom de l'exemple.");
}

TEST_F(ExampleForm, TheNameFieldProposesTheFirstFreeNumber) {
    editor.open(*setOf({{"rond", 0}}), "essai.gst");
    editor.addExample(*kLine(), "exemple1");
    EXPECT_EQ(editor.widget<QLineEdit>("nomExemple")->text(), "exemple2");
    editor.addExample(*kLine(), "exemple3");
    EXPECT_EQ(editor.widget<QLineEdit>("nomExemple")->text(), "exemple2");
    EXPECT_EQ(editor.rows("exemples"), (QStringList{"exemple1", "exemple3"}));
    EXPECT_EQ(editor.selectedRow("exemples"), "exemple3");

    // An emptied name field fills itself again when it loses the focus.
    editor.typeName("nomExemple", "");
    editor.widget<QWidget>("nomClasse")->setFocus();
    EXPECT_EQ(editor.widget<QLineEdit>("nomExemple")->text(), "exemple2");
    editor.typeName("nomClasse", "");
    editor.widget<QWidget>("nomExemple")->setFocus();
    EXPECT_EQ(editor.widget<QLineEdit>("nomClasse")->text(), "geste1");
}

TEST_F(ExampleForm, AddingAClassTakesTheChosenCodeAndRefusesANameInAnotherCase) {
    editor.open(*setOf({{"rond", 2}}, TYPE_COMMANDES), "essai.gst");
    EXPECT_EQ(editor.text("libelleCode"), "Commande organigramme associée :");
    editor.typeName("nomClasse", "gauche");
    editor.widget<QComboBox>("code")->setCurrentText("Déplacement horizontal : Droite-Gauche");
    editor.click("ajouterClasse");

    ASSERT_EQ(set().nbClasses(), 2);
    EXPECT_EQ(set().classe(1).nom(), "gauche");
    EXPECT_EQ(set().classe(1).description(), "Aucune description");
    EXPECT_EQ(set().classe(1).code(), 202);
    EXPECT_EQ(editor.rows("classes"), (QStringList{"gauche", "rond"}));
    EXPECT_EQ(editor.selectedRow("classes"), "gauche");
    EXPECT_TRUE(editor.rows("exemples").isEmpty());
    EXPECT_EQ(editor.text("selectionCode"), "Déplacement horizontal : Droite-Gauche");
    EXPECT_EQ(editor.widget<QComboBox>("code")->currentText(), "Aucun");
    EXPECT_EQ(editor.widget<QLineEdit>("nomClasse")->text(), "geste1");

    answers.then(clickButton("OK"));
    editor.typeName("nomClasse", "ROND");
    editor.click("ajouterClasse");
    EXPECT_EQ(answers.seen(), QStringList{"Le nom du geste existe déjà..."});
    editor.typeName("nomClasse", "");
    EXPECT_FALSE(editor.widget<QWidget>("ajouterClasse")->isEnabled());
    EXPECT_EQ(set().nbClasses(), 2);
}

TEST_F(ExampleForm, DeletingTheFirstRowSelectsTheNewFirstAndTheOnlyRowLeavesNoSelection) {
    editor.open(*setOf({{"a", 3}, {"b", 0}, {"c", 0}}), "essai.gst");
    editor.chooseRow("exemples", "exemple1");
    editor.click("supprimerExemple");
    EXPECT_EQ(editor.rows("exemples"), (QStringList{"exemple2", "exemple3"}));
    EXPECT_EQ(editor.selectedRow("exemples"), "exemple2");
    EXPECT_EQ(set().classe(0).exemple(0).nom(), "exemple2");
    EXPECT_EQ(editor.widget<QLineEdit>("nomExemple")->text(), "exemple1");

    editor.chooseRow("exemples", "exemple3");
    editor.click("supprimerExemple");
    EXPECT_EQ(editor.selectedRow("exemples"), "exemple2");

    editor.click("supprimerClasse");
    EXPECT_EQ(editor.rows("classes"), (QStringList{"b", "c"}));
    EXPECT_EQ(editor.selectedRow("classes"), "b");
    EXPECT_EQ(set().nbClasses(), 2);
    editor.click("supprimerClasse");
    editor.click("supprimerClasse");
    EXPECT_TRUE(editor.rows("classes").isEmpty());
    EXPECT_EQ(editor.selectedRow("classes"), "");
    EXPECT_EQ(editor.text("selectionClasse"), "aucune sélection");
    for (const char* name : {"supprimerClasse", "renommerClasse", "exemples", "nomExemple"})
        EXPECT_FALSE(editor.widget<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(editor.widget<QWidget>("ajouterClasse")->isEnabled());
    EXPECT_TRUE(set().modifie());
}

TEST_F(ExampleForm, TheOnlyExampleOfAClassGoesWithItsSelection) {
    editor.open(*setOf({{"a", 1}}), "essai.gst");
    editor.click("supprimerExemple");
    EXPECT_TRUE(editor.rows("exemples").isEmpty());
    EXPECT_EQ(editor.selectedRow("exemples"), "");
    EXPECT_EQ(editor.text("selectionExemple"), "aucune sélection");
    EXPECT_FALSE(editor.widget<QWidget>("supprimerExemple")->isEnabled());
    EXPECT_FALSE(editor.view().gestureComplete());
}

TEST_F(ExampleForm, DeletingTheLastExampleOfTheOnlyFilledClassLeavesNothingToRecognise) {
    editor.open(*setOf({{"a", 2}, {"b", 0}}), "essai.gst");
    editor.chooseRow("classes", "a");
    ASSERT_TRUE(set().reconnaissancePossible());
    ASSERT_NE(set().statistiques().valeur(7, 7), 0.0);
    EXPECT_TRUE(editor.widget<QWidget>("proprietesEnsemble")->isEnabled());
    EXPECT_TRUE(editor.widget<QWidget>("proprietesClasse")->isEnabled());

    editor.click("supprimerExemple");
    EXPECT_FALSE(editor.widget<QWidget>("proprietesEnsemble")->isEnabled());
    EXPECT_FALSE(editor.widget<QWidget>("proprietesClasse")->isEnabled());
    editor.click("supprimerExemple");
    EXPECT_TRUE(set().toutesClassesVides());
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < 13; ++c)
            ASSERT_EQ(set().statistiques().valeur(r, c), 0.0) << r << "," << c;
    EXPECT_EQ(set().classe(0).moyenne()[7], 0.0);
    EXPECT_FALSE(editor.widget<QWidget>("proprietesEnsemble")->isEnabled());
}

TEST_F(ExampleForm, ARenamedClassKeepsItsRowUntilTheListIsFilledAgain) {
    editor.open(*setOf({{"a", 0}, {"b", 0}, {"c", 0}}, TYPE_TEXTE), "essai.gst");
    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("name"), "z");
        chooseByKeys(dialog.findChild<QComboBox*>("codeName"), "Espace");
        clickWithMouse(findButton(dialog, "OK"));
    });
    editor.click("renommerClasse");

    EXPECT_EQ(editor.rows("classes"), (QStringList{"z", "b", "c"}));
    EXPECT_EQ(editor.selectedRow("classes"), "z");
    EXPECT_EQ(set().classe(0).nom(), "z");
    EXPECT_EQ(set().classe(0).code(), 305);
    EXPECT_EQ(editor.text("selectionClasse"), "z");
    EXPECT_EQ(editor.text("selectionCode"), "Espace");
}

TEST_F(ExampleForm, RenamingTheSetOrAnExampleMarksTheSetChangedEvenWhenCancelled) {
    editor.open(*setOf({{"a", 2}}), "essai.gst");
    answers.then(clickButton("Annuler"));
    editor.click("renommerEnsemble");
    EXPECT_TRUE(set().modifie());
    EXPECT_EQ(set().nom(), "essai");

    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("name"), "mes gestes");
        clickWithMouse(findButton(dialog, "OK"));
    });
    editor.click("renommerEnsemble");
    EXPECT_EQ(set().nom(), "mes gestes");
    EXPECT_EQ(set().nomFichier(), editor.gestureFolder().toStdString() + "essai.gst");
    EXPECT_EQ(editor.text("nomEnsemble"), "mes gestes");

    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("name"), "premier");
        clickWithMouse(findButton(dialog, "OK"));
    });
    editor.click("renommerExemple");
    EXPECT_EQ(set().classe(0).exemple(0).nom(), "premier");
    EXPECT_EQ(editor.rows("exemples"), (QStringList{"premier", "exemple2"}));
    EXPECT_EQ(editor.text("selectionExemple"), "premier");
}

TEST_F(ExampleForm, SavingASetOfEmptyClassesWritesNothingAndClearsTheChange) {
    editor.open(*setOf({{"a", 0}, {"b", 0}}), "essai.gst");
    QFile::remove(editor.gestureFolder() + "essai.gst");
    editor.typeName("nomClasse", "c");
    editor.click("ajouterClasse");
    ASSERT_TRUE(set().modifie());
    answers.then(clickButton("OK"));
    editor.form().OnEnregistrer();

    EXPECT_EQ(answers.seen(),
              QStringList{"L'ensemble 'essai' est vide...\nPas d'enregistrement possible..."});
    EXPECT_FALSE(QFile::exists(editor.gestureFolder() + "essai.gst"));
    EXPECT_FALSE(set().modifie());
    EXPECT_EQ(set().nbClasses(), 3);

    answers.then(clickButton("OK"));
    editor.form().OnEnregistrer();
    EXPECT_EQ(answers.seen().value(1), "Le fichier essai.gst n'a pas été modifié.");
}

TEST_F(ExampleForm, SavingRemovesTheEmptyClassesAndNamesThemInOneMessage) {
    editor.open(*setOf({{"A", 0}, {"plein", 2}, {"B", 0}, {"C", 0}}), "essai.gst");
    set().setModifie(true);
    answers.then(clickButton("OK"));
    editor.form().OnEnregistrer();

    EXPECT_EQ(answers.seen(),
              QStringList{"Les classes A et B, C ont été supprimées\ncar elles étaient vides."});
    EXPECT_EQ(editor.rows("classes"), QStringList{"plein"});
    EXPECT_EQ(editor.selectedRow("classes"), "plein");
    EXPECT_FALSE(set().modifie());
    const LectureEnsemble written =
        chargerEnsemble((editor.gestureFolder() + "essai.gst").toStdString());
    ASSERT_EQ(written.erreur, "");
    ASSERT_EQ(written.ensemble->nbClasses(), 1);
    EXPECT_EQ(written.ensemble->classe(0).nbExemples(), 2);
}

TEST_F(ExampleForm, TwoEmptyClassesAreJoinedByEtAndOneIsNamedAlone) {
    editor.open(*setOf({{"A", 0}, {"plein", 2}, {"B", 0}}), "essai.gst");
    answers.then(clickButton("Supprimer")).then(clickButton("OK")).then(clickButton("Annuler"));
    editor.click("proprietesEnsemble");
    EXPECT_EQ(answers.seen(), (QStringList{"Classes vides",
                                           "Les classes A et B ont été supprimées\ncar elles "
                                           "étaient vides.",
                                           "Propriétés de l'ensemble"}));

    editor.typeName("nomClasse", "vide");
    editor.click("ajouterClasse");
    answers.then(clickButton("OK"));
    editor.form().OnEnregistrer();
    EXPECT_EQ(answers.seen().value(3), "La classe vide a été supprimée\ncar elle était vide.");

    // Annuler in the empty-classes question ends the command.
    editor.typeName("nomClasse", "encore");
    editor.click("ajouterClasse");
    answers.then(clickButton("Annuler"));
    editor.click("proprietesEnsemble");
    EXPECT_EQ(answers.seen().size(), 5);
    EXPECT_EQ(set().nbClasses(), 2);
}
