#include "flowchart/ModifTailleDlg.h"
#include "flowchart/ParsedEdit.h"
#include "flowchart/TextDlg.h"
#include "support/ModalAnswers.h"
#include "support/Typing.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString labelFor(QWidget& dialog, QWidget* field) {
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == field)
            return label->text();
    return {};
}

} // namespace

TEST(ParsedEdit, TakesDigitsAndControlKeysAndRefusesTheRestWithABeep) {
    CParsedEdit edit(CParsedEdit::Digits);
    QString refused;
    QObject::connect(&edit, &CParsedEdit::refusing, [&](QChar c, bool*) { refused += c; });
    typeOver(&edit, "1a2-3 é");
    EXPECT_EQ(edit.text(), "123");
    EXPECT_EQ(refused, "a- é");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "12");

    // A receiver may keep the refusal quiet; the character is refused all the same.
    bool quiet = false;
    QObject::connect(&edit, &CParsedEdit::refusing, [&](QChar, bool* beep) {
        *beep = false;
        quiet = true;
    });
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_TRUE(quiet);
    EXPECT_EQ(edit.text(), "12");

    QApplication::clipboard()->setText("4x5");
    edit.paste();
    EXPECT_EQ(edit.text(), "12");
    QApplication::clipboard()->setText("45");
    edit.paste();
    EXPECT_EQ(edit.text(), "1245");
}

TEST(ParsedEdit, AllowsTheKindsOfCharactersItWasGiven) {
    CParsedEdit letters(CParsedEdit::Letters);
    typeOver(&letters, "ab1-c");
    EXPECT_EQ(letters.text(), "abc");
    CParsedEdit others(CParsedEdit::Digits | CParsedEdit::OtherPrintable);
    typeOver(&others, "1a-2");
    EXPECT_EQ(others.text(), "1-2");
}

TEST(ParsedEdit, NumbersAreReadFromTheLeadingDigits) {
    EXPECT_EQ(leadingNumber("12345", 4), 1234);
    EXPECT_EQ(leadingNumber("12345"), 12345);
    EXPECT_EQ(leadingNumber("42abc"), 42);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("x1"), 0);
    EXPECT_EQ(leadingNumber("99999999999999"), 2147483647);
}

TEST(InsertTextDlg, EachLineOpensOnceTheLineAboveHasText) {
    CInsertTextDlg dialog(nullptr);
    dialog.show();
    auto* ok = findButton(dialog, "OK");
    const auto text = [&](int i) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("text%1").arg(i));
    };
    const auto font = [&](int i) {
        return dialog.findChild<QComboBox*>(QStringLiteral("font%1").arg(i));
    };
    const auto size = [&](int i) {
        return dialog.findChild<QComboBox*>(QStringLiteral("size%1").arg(i));
    };
    EXPECT_EQ(dialog.windowTitle(), "Insérer le texte suivant...");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(text(2)->isEnabled());
    EXPECT_FALSE(size(3)->isEnabled());
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(font(i)->currentText(), "Verdana");
        EXPECT_EQ(size(i)->currentText(), "12");
    }
    EXPECT_EQ(font(1)->count(), 6);
    EXPECT_EQ(size(1)->itemText(5), "20");

    typeOver(text(1), "Un");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_TRUE(text(2)->isEnabled());
    EXPECT_TRUE(font(2)->isEnabled());
    EXPECT_FALSE(text(3)->isEnabled());
    typeOver(text(2), "Deux");
    EXPECT_TRUE(text(3)->isEnabled());
    EXPECT_TRUE(size(3)->isEnabled());
    typeOver(text(1), "");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(text(2)->isEnabled());
    EXPECT_FALSE(text(3)->isEnabled());

    typeOver(text(1), "Un");
    chooseByKeys(font(1), "Arial");
    chooseByKeys(size(1), "8");
    clickWithMouse(ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.line(0).text, "Un");
    EXPECT_EQ(dialog.line(0).font, "Arial");
    EXPECT_EQ(dialog.line(0).size, 8);
    EXPECT_EQ(dialog.line(1).text, "Deux");
    EXPECT_EQ(dialog.line(1).font, "Verdana");
    EXPECT_EQ(dialog.line(1).size, 12);
}

TEST(ModifTailleDlg, ShowsItsRowsAndHidesTheOtherOne) {
    const Dimension radius[] = {{"rayon : ", 40}};
    CModifTailleDlg circle("Cercle", radius, nullptr);
    circle.show();
    auto* first = circle.findChild<QLineEdit*>("value1");
    auto* second = circle.findChild<QLineEdit*>("value2");
    EXPECT_EQ(circle.windowTitle(), "Modifier la taille...");
    EXPECT_EQ(circle.findChild<QLabel*>("title")->text(), "Cercle");
    EXPECT_EQ(labelFor(circle, first), "rayon : ");
    EXPECT_EQ(first->text(), "40");
    EXPECT_FALSE(second->isVisible());
    typeOver(first, "7a5");
    clickWithMouse(findButton(circle, "OK"));
    EXPECT_EQ(circle.values()[0], 75);
    EXPECT_EQ(circle.values()[1], 0);

    const Dimension radii[] = {{"rayon hauteur : ", 50}, {"rayon longueur : ", 100}};
    CModifTailleDlg ellipse("Ellipse horizontale", radii, nullptr);
    ellipse.show();
    EXPECT_TRUE(ellipse.findChild<QLineEdit*>("value2")->isVisible());
    EXPECT_EQ(labelFor(ellipse, ellipse.findChild<QLineEdit*>("value2")), "rayon longueur : ");
    typeOver(ellipse.findChild<QLineEdit*>("value2"), "");
    clickWithMouse(findButton(ellipse, "OK"));
    EXPECT_EQ(ellipse.values()[0], 50);
    EXPECT_EQ(ellipse.values()[1], 0);
}

TEST(ModifTailleDlg, TheArrowDialogAsksForItsThreeDimensions) {
    CModifTailleFlecheDlg dialog(50, 8, 12, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>("title")->text(), "Flèche");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("headHalfHeight")->text(), "8");
    EXPECT_EQ(labelFor(dialog, dialog.findChild<QLineEdit*>("headLength")), "longueur pointe : ");
    typeOver(dialog.findChild<QLineEdit*>("length"), "120");
    typeOver(dialog.findChild<QLineEdit*>("headHalfHeight"), "15");
    clickWithMouse(findButton(dialog, "OK"));
    EXPECT_EQ(dialog.length(), 120);
    EXPECT_EQ(dialog.headHalfHeight(), 15);
    EXPECT_EQ(dialog.headLength(), 12);
}

TEST(TextDlg, ShowsTheTextItsFontAndSizeAndReturnsTheChangedOnes) {
    CTextDlg dialog({"Fin", "Courier New", 14}, nullptr);
    dialog.show();
    auto* text = dialog.findChild<QLineEdit*>("text");
    auto* font = dialog.findChild<QComboBox*>("font");
    auto* size = dialog.findChild<QComboBox*>("size");
    EXPECT_EQ(dialog.windowTitle(), "Modifier le texte...");
    EXPECT_EQ(text->text(), "Fin");
    EXPECT_EQ(font->currentText(), "Courier New");
    EXPECT_EQ(size->currentText(), "14");
    typeOver(text, "Début");
    chooseByKeys(font, "Times New Roman");
    chooseByKeys(size, "16");
    clickWithMouse(findButton(dialog, "OK"));
    EXPECT_EQ(dialog.line().text, "Début");
    EXPECT_EQ(dialog.line().font, "Times New Roman");
    EXPECT_EQ(dialog.line().size, 16);

    // A text enlarged to 13 points in a font of its own keeps both in the lists.
    CTextDlg other({"x", "Arial Black", 13}, nullptr);
    EXPECT_EQ(other.findChild<QComboBox*>("font")->currentText(), "Arial Black");
    EXPECT_EQ(other.findChild<QComboBox*>("size")->currentText(), "13");
    clickWithMouse(findButton(other, "Annuler"));
    EXPECT_EQ(other.line().size, 13);
}
