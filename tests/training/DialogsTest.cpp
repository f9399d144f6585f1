#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "training/ClVidesDlg.h"
#include "training/NouvelEnsembleDlg.h"
#include "training/RenommerDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList items(QComboBox* combo) {
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

// The label of the form row holding `field`.
QString labelOf(QWidget& dialog, QWidget* field) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == field)
            return label->text();
    return {};
}

template <typename Widget> Widget* field(QWidget& dialog, const char* name) {
    return dialog.findChild<Widget*>(name);
}

// Shows the dialog and waits until it can take the focus.
void showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

const QStringList kTextCodes{"Aucun", "Effacer", "Espace", "Lettre majuscule", "Lettre minuscule"};

} // namespace

TEST(NouvelEnsembleDlg, OpensWithItsDefaultsAndOKDisabled) {
    CNouvelEnsembleDlg dialog(nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Nouvel ensemble de gestes");
    EXPECT_EQ(field<QLineEdit>(dialog, "setName")->text(), "");
    EXPECT_EQ(field<QPlainTextEdit>(dialog, "setDescription")->toPlainText(), "Aucune description");
    EXPECT_EQ(field<QLineEdit>(dialog, "gestureName")->text(), "geste1");
    EXPECT_EQ(field<QPlainTextEdit>(dialog, "gestureDescription")->toPlainText(),
              "Aucune description");
    QComboBox* type = field<QComboBox>(dialog, "actionType");
    EXPECT_EQ(items(type), (QStringList{"Aucun", "Commandes", "Composants organigramme", "Texte"}));
    EXPECT_EQ(type->currentText(), "Aucun");
    EXPECT_FALSE(field<QComboBox>(dialog, "codeName")->isVisible());
    EXPECT_FALSE(findButton(dialog, "OK")->isEnabled());
    EXPECT_EQ(dialog.actionType(), 0);
    EXPECT_EQ(dialog.codeName(), "Aucun");
    EXPECT_EQ(dialog.gestureName(), "geste1");
}

TEST(NouvelEnsembleDlg, OKNeedsBothNames) {
    CNouvelEnsembleDlg dialog(nullptr);
    dialog.show();
    QAbstractButton* ok = findButton(dialog, "OK");
    QLineEdit* setName = field<QLineEdit>(dialog, "setName");
    QLineEdit* gestureName = field<QLineEdit>(dialog, "gestureName");

    typeOver(setName, "f");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.setName(), "f");
    typeOver(gestureName, "");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.gestureName(), "");
    typeOver(gestureName, "rond");
    EXPECT_TRUE(ok->isEnabled());
    typeOver(setName, "");
    EXPECT_FALSE(ok->isEnabled());
}

TEST(NouvelEnsembleDlg, ATypeShowsItsSortedCodesAndAnotherTypeResetsTheCode) {
    CNouvelEnsembleDlg dialog(nullptr);
    showActive(dialog);
    QComboBox* type = field<QComboBox>(dialog, "actionType");
    QComboBox* code = field<QComboBox>(dialog, "codeName");

    chooseByKeys(type, "Composants organigramme");
    EXPECT_EQ(dialog.actionType(), 1);
    EXPECT_TRUE(code->isVisible());
    EXPECT_EQ(labelOf(dialog, code), "Composants :");
    EXPECT_EQ(
        items(code),
        (QStringList{"Aucun", "Carré", "Cercle", "Croix", "Ellipse horizontale",
                     "Ellipse verticale", "Flèche (bas-haut)", "Flèche (droite-gauche)",
                     "Flèche (gauche-droite)", "Flèche (haut-bas)", "Ligne horizontale",
                     "Ligne verticale", "Losange", "Rectangle horizontal", "Rectangle vertical",
                     "Texte", "Triangle (pointe en haut)", "Triangle (pointe en V)"}));
    EXPECT_EQ(code->currentText(), "Aucun");

    chooseByKeys(code, "Losange");
    EXPECT_EQ(dialog.codeName(), "Losange");

    chooseByKeys(type, "Texte");
    EXPECT_EQ(dialog.actionType(), 3);
    EXPECT_EQ(labelOf(dialog, code), "Texte :");
    EXPECT_EQ(items(code), kTextCodes);
    EXPECT_EQ(code->currentText(), "Aucun");
    EXPECT_EQ(dialog.codeName(), "Aucun");

    chooseByKeys(type, "Commandes");
    EXPECT_EQ(labelOf(dialog, code), "Commandes :");
    EXPECT_EQ(code->count(), 17);
    EXPECT_EQ(code->itemText(1), "Couleur : Autre");

    chooseByKeys(type, "Aucun");
    EXPECT_EQ(dialog.actionType(), 0);
    EXPECT_FALSE(code->isVisible());
}

TEST(NouvelEnsembleDlg, ADescriptionLeftEmptyReadsAucuneDescriptionOnceTheFocusLeaves) {
    CNouvelEnsembleDlg dialog(nullptr);
    showActive(dialog);
    auto* description = field<QPlainTextEdit>(dialog, "setDescription");
    QLineEdit* setName = field<QLineEdit>(dialog, "setName");

    description->setFocus();
    EXPECT_EQ(description->toPlainText(), "");
    EXPECT_EQ(dialog.setDescription(), "");
    setName->setFocus();
    EXPECT_EQ(description->toPlainText(), "Aucune description");
    EXPECT_EQ(dialog.setDescription(), "Aucune description");

    description->setFocus();
    QTest::keyClicks(description, "mes formes");
    setName->setFocus();
    EXPECT_EQ(dialog.setDescription(), "mes formes");
    description->setFocus();
    EXPECT_EQ(description->toPlainText(), "mes formes");
}

TEST(NouvelEnsembleDlg, OKReadsTheFieldsAndCloses) {
    CNouvelEnsembleDlg dialog(nullptr);
    ModalAnswers answers;
    answers.then([](QWidget& window) {
        typeOver(window.findChild<QLineEdit*>("setName"), "chiffres");
        typeOver(window.findChild<QLineEdit*>("gestureName"), "un");
        auto* description = window.findChild<QPlainTextEdit*>("gestureDescription");
        description->setFocus();
        QTest::keyClicks(description, "un trait");
        clickWithMouse(findButton(window, "OK"));
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.setName(), "chiffres");
    EXPECT_EQ(dialog.setDescription(), "Aucune description");
    EXPECT_EQ(dialog.gestureName(), "un");
    EXPECT_EQ(dialog.gestureDescription(), "un trait");
}

TEST(RenommerClasseDlg, ShowsTheLabelAndCodesOfTheSetsType) {
    const struct {
        int type;
        const char* label;
    } cases[] = {{0, "Commande associée :"},
                 {1, "Composant d'oganigramme associé :"},
                 {2, "Commande organigramme associée :"},
                 {3, "Caractère associé :"}};
    for (const auto& c : cases) {
        CRenommerClasseDlg dialog("rond", "Aucune description", c.type == 3 ? "Espace" : "Aucun",
                                  c.type, nullptr);
        QComboBox* code = field<QComboBox>(dialog, "codeName");
        EXPECT_EQ(labelOf(dialog, code), c.label);
        EXPECT_EQ(code->isEnabled(), c.type != 0) << c.type;
        EXPECT_EQ(code->count() == 0, c.type == 0) << c.type;
        EXPECT_FALSE(findButton(dialog, "OK")->isEnabled());
    }
    CRenommerClasseDlg text("a", "", "Espace", 3, nullptr);
    QComboBox* code = field<QComboBox>(text, "codeName");
    EXPECT_EQ(items(code), kTextCodes);
    EXPECT_EQ(code->currentText(), "Espace");
}

TEST(RenommerClasseDlg, OKWaitsForAChangeAndNeedsAName) {
    CRenommerClasseDlg dialog("rond", "un cercle", "Cercle", 1, nullptr);
    showActive(dialog);
    QAbstractButton* ok = findButton(dialog, "OK");
    EXPECT_EQ(field<QLineEdit>(dialog, "name")->text(), "rond");
    EXPECT_EQ(field<QPlainTextEdit>(dialog, "description")->toPlainText(), "un cercle");

    typeOver(field<QLineEdit>(dialog, "name"), "");
    EXPECT_FALSE(ok->isEnabled());
    typeOver(field<QLineEdit>(dialog, "name"), "disque");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.name(), "disque");

    CRenommerClasseDlg byCode("rond", "un cercle", "Cercle", 1, nullptr);
    showActive(byCode);
    chooseByKeys(field<QComboBox>(byCode, "codeName"), "Croix");
    EXPECT_EQ(byCode.codeName(), "Croix");
    EXPECT_TRUE(findButton(byCode, "OK")->isEnabled());

    CRenommerClasseDlg byDescription("rond", "un cercle", "Cercle", 1, nullptr);
    showActive(byDescription);
    auto* description = field<QPlainTextEdit>(byDescription, "description");
    description->setFocus();
    QTest::keyClick(description, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(description, "!");
    EXPECT_EQ(byDescription.description(), "un cercle!");
    EXPECT_TRUE(findButton(byDescription, "OK")->isEnabled());
}

TEST(RenommerExempleDlg, OKFollowsTheName) {
    CRenommerExempleDlg dialog("exemple1", nullptr);
    dialog.show();
    QAbstractButton* ok = findButton(dialog, "OK");
    EXPECT_EQ(dialog.windowTitle(), "Renommer...");
    EXPECT_FALSE(ok->isEnabled());
    QLineEdit* name = field<QLineEdit>(dialog, "name");
    EXPECT_EQ(name->text(), "exemple1");
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.name(), "exemple");
    typeOver(name, "");
    EXPECT_FALSE(ok->isEnabled());
}

TEST(RenommerEnsembleDlg, KeepsTheCallersValuesUntilEditedAndRestoresThePlaceholder) {
    CRenommerEnsembleDlg dialog("formes", "Aucune description", nullptr);
    showActive(dialog);
    EXPECT_FALSE(findButton(dialog, "OK")->isEnabled());
    EXPECT_EQ(dialog.name(), "formes");
    auto* description = field<QPlainTextEdit>(dialog, "description");
    description->setFocus();
    EXPECT_EQ(dialog.description(), "");
    EXPECT_TRUE(findButton(dialog, "OK")->isEnabled());
    field<QLineEdit>(dialog, "name")->setFocus();
    EXPECT_EQ(dialog.description(), "Aucune description");
}

TEST(ClVidesDlg, SupprimerIsTheDefaultAndAnnulerRejects) {
    CClVidesDlg removing(nullptr);
    EXPECT_EQ(removing.windowTitle(), "Classes vides");
    QStringList texts;
    for (QLabel* label : removing.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(texts, (QStringList{"Certaines classes de votre ensemble sont vides.",
                                  "Cliquer sur Supprimer pour les enlever ou sinon cliquer sur "
                                  "Annuler."}));
    ModalAnswers answers;
    answers.then([](QWidget& window) { QTest::keyClick(&window, Qt::Key_Return); });
    EXPECT_EQ(removing.exec(), QDialog::Accepted);

    CClVidesDlg keeping(nullptr);
    answers.then(clickButton("Annuler"));
    EXPECT_EQ(keeping.exec(), QDialog::Rejected);
}
