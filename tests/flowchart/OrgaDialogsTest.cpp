#include "flowchart/ModifTailleDlg.h"
#include "flowchart/ParsedEdit.h"
#include "flowchart/TextDlg.h"
#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

// Refused characters are told to the receivers of `refusing`; a paste holding a
// refused character is refused whole.
TEST(ParsedEdit, TakesTheKindsOfCharactersItWasGivenAndRefusesTheRest) {
    CParsedEdit edit(CParsedEdit::Digits);
    QString refused;
    QObject::connect(&edit, &CParsedEdit::refusing, [&](QChar c, bool*) { refused += c; });
    typeOver(&edit, "1a2-3 é");
    EXPECT_EQ(edit.text(), "123");
    EXPECT_EQ(refused, "a- é");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    for (const char* pasted : {"4x5", "45"}) {
        QApplication::clipboard()->setText(pasted);
        edit.paste();
    }
    EXPECT_EQ(edit.text(), "1245");

    CParsedEdit letters(CParsedEdit::Letters);
    typeOver(&letters, "ab1-c");
    EXPECT_EQ(letters.text(), "abc");
    CParsedEdit others(CParsedEdit::Digits | CParsedEdit::OtherPrintable);
    typeOver(&others, "1a-2");
    EXPECT_EQ(others.text(), "1-2");
    for (const auto& [text, number] : {std::pair{"12345", 12345},
                                       {"42abc", 42},
                                       {"", 0},
                                       {"x1", 0},
                                       {"99999999999999", 2147483647}})
        EXPECT_EQ(leadingNumber(text), number) << text;
    EXPECT_EQ(leadingNumber("12345", 4), 1234);
}

// A field left empty reads 0; typed letters are refused, digits past the fifth too.
TEST(ModifTailleDlg, ShowsOneRowPerDimensionAndReadsTheNumbers) {
    const Dimension radii[] = {{"rayon hauteur : ", 50}, {"rayon longueur : ", 100}};
    CModifTailleDlg ellipse("Ellipse horizontale", radii, nullptr);
    ellipse.show();
    expectTexts("FlowchartDialogs", "size of an ellipse", windowTexts(ellipse));
    typeOver(ellipse.findChild<QLineEdit*>("value1"), "7a51234567");
    typeOver(ellipse.findChild<QLineEdit*>("value2"), "");
    clickWithMouse(findButton(ellipse, "OK"));
    EXPECT_EQ(ellipse.values()[0], 75123);
    EXPECT_EQ(ellipse.values()[1], 0);
}

// A text enlarged to 13 points in a font of its own keeps both in the lists.
TEST(TextDlg, ShowsTheTextItsFontAndSizeAndReturnsTheChangedOnes) {
    CTextDlg dialog({"Fin", "Courier New", 14}, nullptr);
    dialog.show();
    expectTexts("FlowchartDialogs", "text", windowTexts(dialog));
    typeOver(dialog.findChild<QLineEdit*>("text"), "Début");
    chooseByKeys(dialog.findChild<QComboBox*>("font"), "Times New Roman");
    chooseByKeys(dialog.findChild<QComboBox*>("size"), "16");
    clickWithMouse(findButton(dialog, "OK"));
    EXPECT_EQ(dialog.line().text, "Début");
    EXPECT_EQ(dialog.line().font, "Times New Roman");
    EXPECT_EQ(dialog.line().size, 16);

    CTextDlg other({"x", "Arial Black", 13}, nullptr);
    EXPECT_EQ(other.findChild<QComboBox*>("font")->currentText(), "Arial Black");
    EXPECT_EQ(other.findChild<QComboBox*>("size")->currentText(), "13");
}
