#include "support/TextRuns.h"
#include "text/CntrItem.h"
#include "text/StrovikDoc.h"
#include "text/StrovikText.h"
#include "text/SvkFormat.h"
#include "text/TextEditor.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextList>

namespace {

// The text written to a file and read back.
QStringList readBack(const CStrovikText& text) {
    CStrovikText copy;
    EXPECT_EQ(copy.readSvk(text.toSvk().toStdString()), SvkProblem::None);
    return describeText(copy);
}

} // namespace

using TextDocument = TextEditorTest;

// Formats, lists, alignment, fonts and a picture come back as they were, and
// the file saved again unchanged is the same bytes.
TEST_F(TextDocument, ARichDocumentSavesAndReopensIdentical) {
    view().document()->setHtml(
        "<p><b>Du gras,</b><i><u> de l'italique souligné </u></i>à côté.</p><ul><li>premier "
        "point</li></ul><p style=\"text-align:right\"><span style=\"font-family:'DejaVu Sans'; "
        "font-size:16pt\">A droite, une autre police</span></p><p>Une image : </p>");
    QTextCursor cursor(view().document());
    cursor.movePosition(QTextCursor::End);
    ASSERT_TRUE(
        CStrovikCntrItem::insertEncoded(cursor, pngOf(24, 12, Qt::darkGreen, qRgb(255, 255, 0))));
    const QStringList before = describeText(*view().document());
    const QString file = path("riche.svk");
    saveAs(file);
    const QByteArray saved = readFile(file);

    reopen(file);
    EXPECT_EQ(describeText(*view().document()), before);
    EXPECT_FALSE(view().document()->isUndoAvailable());
    view().moveCursor(QTextCursor::End);
    view().moveCursor(QTextCursor::Up);
    EXPECT_TRUE(frame().commandAction(DocCommand::AlignRight)->isChecked());
    window().OnFileSave();
    EXPECT_EQ(readFile(file), saved);
}

// Texts the monkey found losing something on their way through a file.
TEST(TextFile, ListsAndTablesReadBackAsTheyWereShown) {
    // Text after a table.
    CStrovikText table;
    ASSERT_EQ(table.readSvk(markAsSvk("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n"
                                      "<html><head></head><body><table><tr><td>case</td></tr>"
                                      "</table>après</body></html>")),
              SvkProblem::None);
    // Plain text in a list item made bold while empty; an empty bulleted text;
    // one with an empty bold item first.
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontItalic(true);
    CStrovikText item, empty, emptyFirst;
    QTextCursor cursor(&item);
    cursor.insertText("avant");
    cursor.insertBlock();
    cursor.createList(QTextListFormat::ListDisc);
    cursor.setBlockCharFormat(bold);
    cursor.insertText("ni gras ni italique", QTextCharFormat());
    cursor.insertText(" mais gras", bold);
    QTextCursor(&empty).createList(QTextListFormat::ListDisc);
    QTextCursor first(&emptyFirst);
    first.createList(QTextListFormat::ListDisc);
    first.setBlockCharFormat(bold);
    first.insertBlock();
    first.insertText("suite", QTextCharFormat());
    for (const CStrovikText* text : {&table, &item, &empty, &emptyFirst})
        EXPECT_EQ(readBack(*text), describeText(*text));
}

// Nothing is written where the file cannot go, not even a temporary file; the
// save dialog starts in the text folder.
TEST_F(TextDocument, AFailedWriteAndForeignTruncatedDamagedAndMissingFilesAreTold) {
    setText("A garder");
    window().document().setModifiedFlag();
    const QString folder = path("dossier.svk");
    ASSERT_TRUE(QDir().mkpath(folder));
    answers.then(clickButton("OK"));
    EXPECT_FALSE(window().document().doSave(folder));
    EXPECT_EQ(answers.seen(),
              QStringList{"Impossible d'écrire le fichier " + folder + " : c'est un dossier."});
    EXPECT_TRUE(window().document().isModified());
    EXPECT_EQ(window().document().title(), "sans_nom_1");
    EXPECT_EQ(QDir(path("")).entryList(QDir::Files), QStringList{});

    QString shown;
    answers.then([&shown](QWidget& dialog) {
        shown = static_cast<QFileDialog&>(dialog).directory().absolutePath() + "/";
        static_cast<QDialog&>(dialog).reject();
    });
    chooseMenuEntry(frame(), "&Editeur", "&Enregistrer");
    EXPECT_EQ(shown, QFileInfo(path("")).absoluteFilePath());

    // Files that are not texts, or no longer whole, are refused.
    writeFile(path("lettre.svk"), "Cher ami,\nceci est un texte brut.\n");
    writeFile(path("page.svk"), "<!DOCTYPE HTML><html><head></head><body>Salut</body></html>");
    setText("Un texte à couper.");
    saveAs(path("entier.svk"));
    editor.closeActive();
    const QByteArray content = readFile(path("entier.svk"));
    writeFile(path("coupe.svk"), content.left(content.size() / 2));
    writeFile(path("abime.svk"), QByteArray(content).replace("à couper", "\xE0 couper"));
    for (const char* name : {"lettre.svk", "page.svk", "coupe.svk", "abime.svk", "absent.svk"}) {
        answers.then(clickButton("OK"));
        editor.application().openFile(path(name));
    }
    expectTexts("TextWindow", "refused files", answers.seen().mid(3));
    EXPECT_EQ(editor.windowCount(), 0);
}

// The print button asks first; printing gives the printer its own margins
// back; the preview draws its pages with half-inch margins. An empty bulleted
// text prints one page.
TEST_F(TextDocument, PrintsAndPreviewsWithHalfInchMargins) {
    QPrinter& printer = editor.application().printer();
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(editor.root() + "puce.pdf");
    const QMarginsF margins = printer.pageLayout().margins();
    frame().commandAction(DocCommand::Bullets)->trigger();
    const auto preview = [this] {
        int pages = 0;
        answers.then([&pages](QWidget& dialog) {
            pages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
            EXPECT_EQ(static_cast<QPrintPreviewDialog&>(dialog).printer()->pageLayout().margins(
                          QPageLayout::Point),
                      QMarginsF(36, 36, 36, 36));
            static_cast<QDialog&>(dialog).reject();
        });
        chooseMenuEntry(frame(), "&Editeur", "Aperç&u avant impression");
        return pages;
    };
    chooseMenuEntry(frame(), "&Editeur", "Impression &directe");
    EXPECT_TRUE(readFile(editor.root() + "puce.pdf").startsWith("%PDF"));
    EXPECT_EQ(preview(), 1);

    frame().commandAction(DocCommand::Bullets)->trigger();
    QTextCursor cursor(view().document());
    for (int i = 1; i <= 120; ++i)
        cursor.insertText(QString("Ligne %1 du texte à imprimer.\n").arg(i));
    printer.setOutputFileName(editor.root() + "texte.pdf");
    answers.then(clickButton("Annuler"));
    frame().commandAction(DocCommand::Print)->trigger();
    EXPECT_FALSE(QFile::exists(editor.root() + "texte.pdf"));
    chooseMenuEntry(frame(), "&Editeur", "Impression &directe");
    const QString printed = QString::fromLatin1(readFile(editor.root() + "texte.pdf"));
    const qsizetype pages = printed.count(QRegularExpression("/Type\\s*/Page\\b(?!s)"));
    EXPECT_GE(pages, 3);
    EXPECT_EQ(printer.pageLayout().margins(), margins) << "the printer's own margins come back";
    EXPECT_EQ(preview(), pages);
    EXPECT_EQ(answers.seen(),
              (QStringList{"Aperçu avant impression", "Imprimer", "Aperçu avant impression"}));
}
