#include "training/ExempleForm.h"
#include "support/Drawings.h"
#include "training/GestureEditor.h"

#include <QComboBox>
#include <QFile>

namespace {

const auto kLine = [] { return drawingOf({{{20, 20, 0.0}, {80, 22, 0.1}, {140, 25, 0.2}}}); };

} // namespace

// The first class shows with its examples and free names, the first example on
// display; a class name already taken, whatever its case, or empty adds nothing.
// An example needs a drawn gesture and a new name, and the first free number is
// proposed. Without a gesture the button is off; its handler still answers
// first that nothing was drawn, even with an empty name.
TEST_F(GestureEditor, TheFormsRowsNamesAndSavesKeepTheSetWhole) {
    // Answers OK to the message that `action` shows.
    const auto told = [this](auto action) {
        answers.then(clickButton("OK"));
        action();
    };
    open(*setOf({{"rond", 2}, {"carré", 3}}, TYPE_COMPOSANTS));
    expectWindow("opened on the first class, components");
    EXPECT_EQ(view().currentExample().dessin(), set().classe(1).exemple(0).dessin());
    told([this] {
        typeName("nomClasse", "ROND");
        click("ajouterClasse");
    });
    typeName("nomClasse", "");
    expectWindow("no class name");
    expectTexts("GestureSetWindow", "messages of the classes", answers.seen());

    open(*setOf({{"rond", 0}}));
    expectWindow("a class without example, no action type");
    typeName("nomExemple", "");
    told([this] { window().form().OnAjouterExemple(); });
    addExample(*kLine(), "exemple1");
    told([this] {
        typeName("nomExemple", "EXEMPLE1");
        click("ajouterExemple");
    });
    addExample(*kLine(), "exemple3");
    expectWindow("examples 1 and 3");
    typeName("nomExemple", "x");
    typeName("nomExemple", "");
    told([this] { window().form().OnAjouterExemple(); });
    // An emptied name field fills itself again when it loses the focus.
    widget("nomClasse")->setFocus();
    typeName("nomClasse", "");
    widget("nomExemple")->setFocus();
    expectWindow("names proposed again");
    expectTexts("GestureSetWindow", "messages of the examples", answers.seen().mid(1));

    // Deleting a row selects the row before it; the only row leaves no selection.
    // The properties are offered while the set and the class can recognise.
    // Renaming the set or an example marks the set changed, even when cancelled;
    // a renamed class keeps its row until the list is filled again. No dialog
    // takes an empty name. Empty classes go on saving and before the set's
    // properties, named in one message; a set of empty classes is not written.
    open(*setOf({{"a", 3}, {"b", 0}, {"c", 0}}));
    chooseRow("exemples", "exemple1");
    click("supprimerExemple");
    EXPECT_EQ(set().classe(0).exemple(0).nom(), "exemple2");
    expectWindow("a class of two examples beside an empty one");
    chooseRow("exemples", "exemple3");
    click("supprimerExemple");
    expectWindow("examples 1 and 3 deleted");
    click("supprimerExemple");
    EXPECT_TRUE(set().toutesClassesVides());
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < 13; ++c)
            ASSERT_EQ(set().statistiques().valeur(r, c), 0.0) << r << "," << c;
    expectWindow("the only example deleted");
    click("supprimerClasse");
    expectWindow("first class deleted");
    click("supprimerClasse");
    click("supprimerClasse");
    EXPECT_EQ(set().nbClasses(), 0);
    EXPECT_TRUE(set().modifie());
    expectWindow("every class deleted");

    open(*setOf({{"a", 2}, {"b", 0}, {"c", 0}}, TYPE_TEXTE));
    // Renames through `button`'s dialog, checked against the golden file.
    const auto renameTo = [this](const char* button, const char* dialogState, const QString& name,
                                 const char* code = nullptr) {
        answers.then([dialogState, name, code](QWidget& dialog) {
            expectTexts("GestureSetDialogs", dialogState, windowTexts(dialog));
            typeOver(dialog.findChild<QLineEdit*>("name"), "");
            EXPECT_FALSE(findButton(dialog, "OK")->isEnabled()) << dialogState;
            typeOver(dialog.findChild<QLineEdit*>("name"), name);
            if (code != nullptr)
                chooseByKeys(dialog.findChild<QComboBox*>("codeName"), code);
            clickWithMouse(findButton(dialog, "OK"));
        });
        click(button);
    };
    answers.then(clickButton("Annuler"));
    click("renommerEnsemble");
    EXPECT_TRUE(set().modifie());
    renameTo("renommerEnsemble", "set rename", "mes gestes");
    EXPECT_EQ(set().nomFichier(), gestureFolder().toStdString() + "essai.gst");
    renameTo("renommerClasse", "class rename, type 3", "z", "Espace");
    renameTo("renommerExemple", "example rename", "premier");
    EXPECT_EQ(set().classe(0).exemple(0).nom(), "premier");
    expectWindow("renamed set, class and example");

    open(*setOf({{"A", 0}, {"plein", 2}, {"B", 0}, {"C", 0}}));
    set().setModifie(true);
    told([this] { window().form().OnEnregistrer(); });
    EXPECT_FALSE(set().modifie());
    ASSERT_EQ(chargerEnsemble((gestureFolder() + "essai.gst").toStdString()).ensemble->nbClasses(),
              1);
    expectWindow("empty classes dropped");

    typeName("nomClasse", "X");
    click("ajouterClasse");
    typeName("nomClasse", "Y");
    click("ajouterClasse");
    // Supprimer is the empty-classes dialog's default button.
    answers
        .then([](QWidget& dialog) {
            expectTexts("GestureSetDialogs", "empty classes", windowTexts(dialog));
            QTest::keyClick(&dialog, Qt::Key_Return);
        })
        .then(clickButton("OK"))
        .then(clickButton("Annuler"));
    click("proprietesEnsemble");
    typeName("nomClasse", "encore");
    click("ajouterClasse");
    answers.then(clickButton("Annuler"));
    click("proprietesEnsemble");
    EXPECT_EQ(set().nbClasses(), 2);

    open(*setOf({{"a", 0}, {"b", 0}}), "vide.gst");
    QFile::remove(gestureFolder() + "vide.gst");
    set().setModifie(true);
    told([this] { window().form().OnEnregistrer(); });
    EXPECT_FALSE(QFile::exists(gestureFolder() + "vide.gst"));
    EXPECT_FALSE(set().modifie());
    told([this] { window().form().OnEnregistrer(); });
    expectTexts("GestureSetWindow", "messages of the saves", answers.seen().mid(8));
}
