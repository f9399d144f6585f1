#include "shell/Application.h"
#include "shell/MainFrm.h"
#include "support/FailingDisks.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TextRuns.h"
#include "text/CntrItem.h"
#include "text/Strovik.h"
#include "text/StrovikDoc.h"
#include "text/StrovikText.h"
#include "text/StrovikView.h"
#include "text/SvkFormat.h"
#include "text/TextEditor.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Where the first ink lies on the page that a print preview shows: the share of
// the page's width left of it and of its height above it. The page is the white
// rectangle on the preview's grey.
QRectF inkOnPage(const QImage& shot) {
    const auto white = [&shot](int x, int y) { return shot.pixel(x, y) == qRgb(255, 255, 255); };
    int top = 0;
    while (top < shot.height() && [&] {
        for (int x = 0; x < shot.width(); ++x)
            if (white(x, top))
                return false;
        return true;
    }())
        ++top;
    if (top == shot.height())
        return {};
    int left = 0;
    while (!white(left, top))
        ++left;
    int right = left;
    while (right + 1 < shot.width() && white(right + 1, top))
        ++right;
    int bottom = top;
    while (bottom + 1 < shot.height() && white(left, bottom + 1))
        ++bottom;
    int inkLeft = right, inkTop = bottom;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (qGray(shot.pixel(x, y)) < 128) {
                inkLeft = std::min(inkLeft, x);
                inkTop = std::min(inkTop, y);
            }
    return QRectF(double(inkLeft - left) / (right - left), double(inkTop - top) / (bottom - top), 0,
                  0);
}

} // namespace

class TextDocument : public TextEditorTest {
protected:
    QString path(const QString& name) { return m_app.root() + "Editeur/" + name; }
    CStrovik* activeText() { return qobject_cast<CStrovik*>(frame().activeChildFrame()); }
    int windowCount() { return frame().mdiArea()->subWindowList().size(); }

    // Saves the active untitled document through its menu, answering the file dialog.
    void saveAs(const QString& file) {
        ModalAnswers answers;
        answers.then(chooseFile(file));
        chooseMenuEntry(frame(), "&Editeur", "&Enregistrer");
    }
    void closeActive() {
        frame().mdiArea()->activeSubWindow()->close();
        flushDeletes();
    }
};

TEST_F(TextDocument, ARichDocumentSavesAndReopensIdentical) {
    CStrovik& window = newText();
    CStrovikView& view = window.view();
    QTextCursor cursor(view.document());
    QTextCharFormat bold, italic, underline, sans, plain;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    underline.setFontUnderline(true);
    sans.setFontFamilies(QStringList{"DejaVu Sans"});
    sans.setFontPointSize(16);
    cursor.insertText("Du gras,", bold);
    cursor.insertText(" de l'italique", italic);
    cursor.insertText(" et du souligné ", underline);
    cursor.insertText("à côté.", plain);
    cursor.insertBlock();
    cursor.createList(QTextListFormat::ListDisc);
    cursor.insertText("premier point");
    cursor.insertBlock();
    cursor.insertText("second point");
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    cursor.insertText("Au centre, une autre police", sans);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText("Une image : ", plain);
    ASSERT_TRUE(
        CStrovikCntrItem::insertEncoded(cursor, pngOf(24, 12, Qt::darkGreen, qRgb(255, 255, 0))));
    cursor.insertText(" fin.", plain);
    const QStringList before = describeText(*view.document());
    ASSERT_EQ(before.size(), 15) << before.join("\n").toStdString();
    EXPECT_TRUE(window.document().isModified());

    const QString file = path("riche.svk");
    saveAs(file);
    EXPECT_FALSE(window.document().isModified());
    EXPECT_EQ(window.document().title(), "riche.svk");
    const QByteArray saved = readFile(file);
    EXPECT_TRUE(saved.startsWith("<!DOCTYPE HTML"));
    EXPECT_TRUE(saved.contains("<meta name=\"generator\" content=\"Strovik\" />"));
    EXPECT_TRUE(saved.contains("src=\"data:image/png;base64,"));
    EXPECT_TRUE(saved.contains("à côté."));
    closeActive();
    ASSERT_EQ(windowCount(), 0);

    m_app.application().openFile(file);
    CStrovik* reopened = activeText();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(describeText(*reopened->view().document()), before);
    EXPECT_FALSE(reopened->document().isModified());
    EXPECT_FALSE(reopened->view().document()->isUndoAvailable());
    const int at =
        int(reopened->view().document()->toRawText().indexOf(QChar::ObjectReplacementCharacter));
    EXPECT_EQ(at, 113);
    const CStrovikCntrItem image(static_cast<CStrovikDoc&>(reopened->document()), at);
    EXPECT_EQ(image.naturalSize(), QSize(24, 12));
    EXPECT_EQ(image.image().pixel(1, 1), qRgb(255, 255, 0));

    // Saved again unchanged, the file is the same bytes.
    reopened->OnFileSave();
    EXPECT_EQ(readFile(file), saved);
}

// Text right after a table: once read, the document shows what a save of it
// brings back, paragraph for paragraph.
TEST_F(TextDocument, TextAfterATableReadsBackAsItWasShown) {
    const std::string svk =
        markAsSvk("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<html><head></head><body>"
                  "<table><tr><td>case</td></tr></table>après</body></html>");
    CStrovikText text;
    ASSERT_EQ(text.readSvk(svk), SvkProblem::None);
    const QByteArray saved = text.toSvk();
    CStrovikText again;
    ASSERT_EQ(again.readSvk(std::string_view(saved.constData(), saved.size())), SvkProblem::None);
    EXPECT_EQ(again.toRawText(), text.toRawText());
    EXPECT_TRUE(text.toRawText().endsWith("après"));
}

TEST_F(TextDocument, ARightAlignedParagraphReopensRightAlignedWithItsButtonChecked) {
    CStrovik& window = newText();
    setText(window.view(), "à gauche\nà droite");
    window.view().moveCursor(QTextCursor::End);
    frame().commandAction(DocCommand::AlignRight)->trigger();
    const QString file = path("droite.svk");
    saveAs(file);
    closeActive();

    m_app.application().openFile(file);
    CStrovik* reopened = activeText();
    ASSERT_NE(reopened, nullptr);
    const QTextDocument& text = *reopened->view().document();
    ASSERT_EQ(text.blockCount(), 2);
    EXPECT_EQ(text.firstBlock().blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(text.lastBlock().blockFormat().alignment(), Qt::AlignRight);
    reopened->view().moveCursor(QTextCursor::End);
    EXPECT_TRUE(frame().commandAction(DocCommand::AlignRight)->isChecked());
    EXPECT_FALSE(reopened->document().isModified());
    EXPECT_FALSE(text.isUndoAvailable());
}

// A list item made bold while empty keeps that format for its bullet; text
// typed there afterwards without bold reads back without bold.
TEST(TextFile, PlainTextInABoldListItemReadsBackPlain) {
    CStrovikText text;
    QTextCursor cursor(&text);
    cursor.insertText("avant");
    cursor.insertBlock();
    cursor.createList(QTextListFormat::ListDisc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontItalic(true);
    cursor.setBlockCharFormat(bold);
    cursor.insertText("ni gras ni italique", QTextCharFormat());
    cursor.insertText(" mais gras", bold);

    CStrovikText reread;
    ASSERT_EQ(reread.readSvk(text.toSvk().toStdString()), SvkProblem::None);
    EXPECT_EQ(describeText(reread), describeText(text));
    const QTextBlock item = reread.lastBlock();
    ASSERT_NE(item.textList(), nullptr);
    EXPECT_EQ(item.begin().fragment().text(), "ni gras ni italique");
    EXPECT_EQ(item.begin().fragment().charFormat().fontWeight(), QFont::Normal);
    EXPECT_FALSE(item.begin().fragment().charFormat().fontItalic());
    EXPECT_EQ(item.charFormat().fontWeight(), QFont::Bold);
}

TEST(TextFile, AnEmptyBulletedTextAndOneWithAnEmptyItemFirstReadBackTheSame) {
    CStrovikText empty;
    QTextCursor(&empty).createList(QTextListFormat::ListDisc);
    CStrovikText emptyFirst;
    QTextCursor cursor(&emptyFirst);
    cursor.createList(QTextListFormat::ListDisc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.setBlockCharFormat(bold);
    cursor.insertBlock();
    cursor.insertText("suite", QTextCharFormat());
    for (const CStrovikText* text : {&empty, &emptyFirst}) {
        CStrovikText reread;
        ASSERT_EQ(reread.readSvk(text->toSvk().toStdString()), SvkProblem::None);
        EXPECT_EQ(describeText(reread), describeText(*text));
    }
}

TEST_F(TextDocument, ForeignTruncatedAndDamagedFilesAreRefused) {
    writeFile(path("lettre.svk"), "Cher ami,\nceci est un texte brut.\n");
    writeFile(path("page.svk"), "<!DOCTYPE HTML><html><head></head><body>Salut</body></html>");
    CStrovik& window = newText();
    QTextCursor(window.view().document()).insertText("Un texte à couper.");
    const QString whole = path("entier.svk");
    saveAs(whole);
    closeActive();
    const QByteArray content = readFile(whole);
    writeFile(path("coupe.svk"), content.left(content.size() / 2));
    QByteArray damaged = content;
    damaged.replace("à couper", "\xE0 couper");
    writeFile(path("abime.svk"), damaged);

    ModalAnswers answers;
    for (int i = 0; i < 5; ++i)
        answers.then(clickButton("OK"));
    for (const char* name : {"lettre.svk", "page.svk", "coupe.svk", "abime.svk", "absent.svk"})
        m_app.application().openFile(path(name));
    EXPECT_EQ(answers.seen(),
              (QStringList{"Le fichier lettre.svk n'est pas un document Strovik.",
                           "Le fichier page.svk n'est pas un document Strovik.",
                           "Le fichier coupe.svk est incomplet : il a été tronqué.",
                           "Le fichier abime.svk est endommagé : son texte n'est pas en UTF-8.",
                           "Le fichier absent.svk ne peut être ouvert."}));
    EXPECT_EQ(windowCount(), 0);

    m_app.application().openFile(whole);
    ASSERT_NE(activeText(), nullptr);
    EXPECT_EQ(activeText()->view().toPlainText(), "Un texte à couper.");
}

TEST_F(TextDocument, AWriteFailureIsReportedAndTheDocumentStaysModified) {
    CStrovik& window = newText();
    QTest::keyClicks(&window.view(), "A garder");
    ASSERT_TRUE(window.document().isModified());
    const QString nowhere = m_app.root() + "absent/texte.svk";
    ModalAnswers answers;
    answers.then(clickButton("OK"));
    EXPECT_FALSE(window.document().doSave(nowhere));
    EXPECT_EQ(answers.seen(),
              QStringList{"Impossible d'écrire le fichier " + nowhere + " : il n'existe pas."});
    EXPECT_TRUE(window.document().isModified());
    EXPECT_EQ(window.document().title(), "sans_nom_1");
    EXPECT_FALSE(QFile::exists(nowhere));

    // A folder in the way: nothing is written, not even a temporary file.
    const QString folder = path("dossier.svk");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(folder + "/dedans.txt", "garde");
    answers.then(clickButton("OK"));
    EXPECT_FALSE(window.document().doSave(folder));
    EXPECT_EQ(answers.seen().last(),
              "Impossible d'écrire le fichier " + folder + " : c'est un dossier.");
    EXPECT_TRUE(window.document().isModified());
    EXPECT_EQ(QDir(path("")).entryList(QDir::Files), QStringList{});
    EXPECT_EQ(readFile(folder + "/dedans.txt"), "garde");
}

// Whatever refuses the save, the user is told why, the file saved before is
// left as it was, and the change is still there to save.
TEST_F(TextDocument, AFolderWithoutWritePermissionOrAFullDiskRefusesTheSave) {
    CStrovik& window = newText();
    QTest::keyClicks(&window.view(), "Premier jet");
    const QString file = path("plein.svk");
    saveAs(file);
    const QByteArray saved = readFile(file);
    // A refused save shows one message, answered with OK; any other message fails.
    const auto save = [this](bool refused) {
        ModalAnswers answers;
        if (refused)
            answers.then(clickButton("OK"));
        chooseMenuEntry(frame(), "&Editeur", "&Enregistrer");
        return answers.seen();
    };

    QTest::keyClicks(&window.view(), ", repris");
    {
        UnwritableFolder locked(path(""));
        EXPECT_EQ(save(true), QStringList{UnwritableFolder::message(file)});
    }
    EXPECT_TRUE(window.document().isModified());
    EXPECT_EQ(readFile(file), saved);

    {
        FullDisk disk(path(""));
        EXPECT_EQ(save(false), QStringList{});
        const QByteArray small = readFile(file);
        ASSERT_FALSE(window.document().isModified());
        QTextCursor(window.view().document()).insertText(QString(FullDisk::kRoom, u'x'));
        EXPECT_EQ(save(true), QStringList{disk.message(file)});
        EXPECT_TRUE(window.document().isModified());
        EXPECT_EQ(readFile(file), small);
        EXPECT_EQ(QDir(path("")).entryList({"plein.svk*"}, QDir::Files), QStringList{"plein.svk"});
    }
    EXPECT_EQ(save(false), QStringList{});
    EXPECT_FALSE(window.document().isModified());
    EXPECT_TRUE(QString::fromUtf8(readFile(file)).contains(QString(FullDisk::kRoom, u'x')));
}

TEST_F(TextDocument, TheSaveDialogOfANewDocumentStartsInTheTextFolder) {
    newText();
    ModalAnswers answers;
    QString folder;
    answers.then([&folder](QWidget& dialog) {
        folder = static_cast<QFileDialog&>(dialog).directory().absolutePath() + "/";
        static_cast<QDialog&>(dialog).reject();
    });
    chooseMenuEntry(frame(), "&Editeur", "&Enregistrer");
    EXPECT_EQ(folder, QFileInfo(m_app.root() + "Editeur/").absoluteFilePath());
}

TEST_F(TextDocument, AnEmptyBulletedTextPrintsAndPreviewsOnePage) {
    CStrovik& window = newText();
    frame().commandAction(DocCommand::Bullets)->trigger();
    ASSERT_TRUE(window.view().hasBullets());
    const QString pdf = m_app.root() + "puce.pdf";
    QPrinter& printer = m_app.application().printer();
    printer.setOutputFileName(pdf);
    chooseMenuEntry(frame(), "&Editeur", "Impression &directe");
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));

    int previewPages = 0;
    ModalAnswers answers;
    answers.then([&previewPages](QWidget& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        previewPages = preview->pageCount();
        static_cast<QDialog&>(dialog).reject();
    });
    chooseMenuEntry(frame(), "&Editeur", "Aperç&u avant impression");
    EXPECT_EQ(previewPages, 1);
}

TEST_F(TextDocument, PrintsAndPreviewsWithHalfInchMargins) {
    CStrovik& window = newText();
    QTextCursor cursor(window.view().document());
    for (int i = 1; i <= 120; ++i)
        cursor.insertText(QString("Ligne %1 du texte à imprimer.\n").arg(i));
    const QString pdf = m_app.root() + "texte.pdf";
    QPrinter& printer = m_app.application().printer();
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QMarginsF margins = printer.pageLayout().margins();
    {
        // The print button asks first; Annuler prints nothing.
        ModalAnswers answers;
        answers.then(clickButton("Annuler"));
        frame().commandAction(DocCommand::Print)->trigger();
        EXPECT_EQ(answers.seen(), QStringList{"Imprimer"});
        EXPECT_FALSE(QFile::exists(pdf));
    }
    chooseMenuEntry(frame(), "&Editeur", "Impression &directe");
    const QByteArray printed = readFile(pdf);
    EXPECT_TRUE(printed.startsWith("%PDF"));
    const qsizetype pageObjects =
        QString::fromLatin1(printed).count(QRegularExpression("/Type\\s*/Page\\b(?!s)"));
    EXPECT_GE(pageObjects, 3);
    EXPECT_EQ(printer.pageLayout().margins(), margins) << "the printer's own margins come back";

    ModalAnswers answers;
    int previewPages = 0;
    QImage page;
    answers.then([&previewPages, &page](QWidget& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        previewPages = preview->pageCount();
        dialog.resize(900, 1200);
        preview->setViewMode(QPrintPreviewWidget::SinglePageView);
        preview->fitInView();
        QApplication::processEvents();
        page = preview->grab().toImage();
        static_cast<QDialog&>(dialog).reject();
    });
    chooseMenuEntry(frame(), "&Editeur", "Aperç&u avant impression");
    EXPECT_EQ(answers.seen(), QStringList{"Aperçu avant impression"});
    EXPECT_EQ(previewPages, pageObjects);
    // Half an inch is 36 points of the page's 595 by 842.
    const QRectF ink = inkOnPage(page);
    EXPECT_NEAR(ink.left(), 36.0 / 595, 0.006);
    EXPECT_NEAR(ink.top(), 36.0 / 842, 0.008);
}
