#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"
#include "training/NouvelEnsembleDlg.h"
#include "training/RenommerDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void expectDialog(const QString& state, const QWidget& dialog) {
    expectTexts("GestureSetDialogs", state, windowTexts(dialog));
}

// Shows the dialog and waits until it can take the focus.
void showActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

template <typename Widget> Widget* field(QWidget& dialog, const char* name) {
    return dialog.findChild<Widget*>(name);
}

} // namespace

// A type shows its codes, sorted, under its own label; another type starts
// again from "Aucun".
TEST(NouvelEnsembleDlg, OKNeedsBothNamesAndATypeShowsItsCodes) {
    CNouvelEnsembleDlg dialog(nullptr);
    showActive(dialog);
    expectDialog("new set", dialog);
    QAbstractButton* ok = findButton(dialog, "OK");
    // An empty description reads "Aucune description" once the focus leaves it.
    auto* description = field<QPlainTextEdit>(dialog, "setDescription");
    description->setFocus();
    EXPECT_EQ(description->toPlainText(), "");
    typeOver(field<QLineEdit>(dialog, "setName"), "f");
    EXPECT_EQ(dialog.setDescription(), "Aucune description");
    EXPECT_TRUE(ok->isEnabled());
    typeOver(field<QLineEdit>(dialog, "gestureName"), "");
    EXPECT_FALSE(ok->isEnabled());
    typeOver(field<QLineEdit>(dialog, "gestureName"), "rond");
    EXPECT_TRUE(ok->isEnabled());

    QComboBox* type = field<QComboBox>(dialog, "actionType");
    QComboBox* code = field<QComboBox>(dialog, "codeName");
    for (const char* kind : {"Composants organigramme", "Commandes", "Texte"}) {
        chooseByKeys(type, kind);
        expectDialog(QString("new set of type ") + kind, dialog);
        chooseByKeys(code, code->itemText(2));
        EXPECT_EQ(dialog.codeName(), code->itemText(2));
    }
    EXPECT_EQ(dialog.actionType(), 3);
    chooseByKeys(type, "Aucun");
    EXPECT_FALSE(code->isVisible());
    EXPECT_EQ(dialog.actionType(), 0);
}

// The label and the codes follow the set's type; OK waits for a change.
TEST(RenommerClasseDlg, ShowsTheCodesOfTheSetsTypeAndOKWaitsForAChange) {
    for (int type = 0; type <= 3; ++type) {
        CRenommerClasseDlg dialog("rond", "un cercle", type == 3 ? "Espace" : "Aucun", type,
                                  nullptr);
        dialog.show();
        expectDialog(QString("class rename, type %1").arg(type), dialog);
    }
    CRenommerClasseDlg byName("rond", "un cercle", "Cercle", 1, nullptr);
    showActive(byName);
    typeOver(field<QLineEdit>(byName, "name"), "");
    EXPECT_FALSE(findButton(byName, "OK")->isEnabled());
    typeOver(field<QLineEdit>(byName, "name"), "disque");
    EXPECT_TRUE(findButton(byName, "OK")->isEnabled());
    EXPECT_EQ(byName.name(), "disque");

    CRenommerClasseDlg byDescription("rond", "un cercle", "Cercle", 1, nullptr);
    showActive(byDescription);
    auto* description = field<QPlainTextEdit>(byDescription, "description");
    description->setFocus();
    QTest::keyClick(description, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(description, "!");
    EXPECT_EQ(byDescription.description(), "un cercle!");
    EXPECT_TRUE(findButton(byDescription, "OK")->isEnabled());
}

TEST(RenommerDlg, OKFollowsTheNameAndTheSetsDescriptionKeepsItsPlaceholder) {
    CRenommerExempleDlg example("exemple1", nullptr);
    example.show();
    expectDialog("example rename", example);
    QLineEdit* name = field<QLineEdit>(example, "name");
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_TRUE(findButton(example, "OK")->isEnabled());
    EXPECT_EQ(example.name(), "exemple");
    typeOver(name, "");
    EXPECT_FALSE(findButton(example, "OK")->isEnabled());

    CRenommerEnsembleDlg set("formes", "Aucune description", nullptr);
    showActive(set);
    expectDialog("set rename", set);
    field<QPlainTextEdit>(set, "description")->setFocus();
    EXPECT_EQ(set.description(), "");
    EXPECT_TRUE(findButton(set, "OK")->isEnabled());
    field<QLineEdit>(set, "name")->setFocus();
    EXPECT_EQ(set.description(), "Aucune description");
    EXPECT_EQ(set.name(), "formes");
}
