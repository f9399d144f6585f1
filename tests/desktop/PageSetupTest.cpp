#include "support/EditorFixture.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPrinter>

#include <gtest/gtest.h>

TEST(PageSetup, WithoutASystemPrinterOurDialogSetsThePaperTheOrientationAndTheMargins) {
    EditorFixture editor;
    QPrinter& printer = editor.application().printer();
    if (printer.outputFormat() == QPrinter::NativeFormat)
        GTEST_SKIP() << "a system printer: its own dialog shows";
    ModalAnswers answers;
    answers.then([](QWidget& window) {
        auto* paper = window.findChild<QComboBox*>();
        paper->setCurrentIndex(paper->findText("A5"));
        findButton(window, "Paysage")->click();
        const QList<QDoubleSpinBox*> margins = window.findChildren<QDoubleSpinBox*>();
        ASSERT_EQ(margins.size(), 4);
        for (int i = 0; i < 4; ++i)
            margins[i]->setValue(10.0 * (i + 1));
        clickWithMouse(findButton(window, "OK"));
    });
    chooseMenuEntry(editor.frame(), "&Editeur", "&Configuration de l'impression...");
    EXPECT_EQ(answers.seen(), QStringList{"Configuration de l'impression"});
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.pageLayout().margins(QPageLayout::Millimeter), QMarginsF(10, 20, 30, 40));
}
