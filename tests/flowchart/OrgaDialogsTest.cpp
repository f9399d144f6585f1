#include "flowchart/ParsedEdit.h"
#include "support/Typing.h"

#include <QApplication>
#include <QClipboard>
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
