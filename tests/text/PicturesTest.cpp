#include "generator/ShapePaths.h"
#include "text/CntrItem.h"
#include "text/StrovikDoc.h"
#include "text/StrovikText.h"
#include "text/TextEditor.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextList>

namespace {

// Every data URI of the file: its type and its bytes.
QList<std::pair<QString, QByteArray>> picturesIn(const QByteArray& file) {
    QList<std::pair<QString, QByteArray>> found;
    const QRegularExpression uri(R"re(src="data:image/(\w+);base64,([A-Za-z0-9+/=]+)")re");
    for (const QRegularExpressionMatch& m : uri.globalMatch(QString::fromUtf8(file)))
        found.append({m.captured(1), QByteArray::fromBase64(m.captured(2).toLatin1())});
    return found;
}

} // namespace

class Pictures : public TextEditorTest {
protected:
    void moveTo(int i) { play(*steadily({paths::chevron(at(i), 44, 0.7, std::numbers::pi / 2)})); }
    QTextCharFormat formatAt(int i) {
        QTextCursor cursor(view().document());
        cursor.setPosition(i + 1);
        return cursor.charFormat();
    }
};

// A file written before pictures had short names opens; saved again, it holds
// the same bytes for each picture, while the text in memory never holds them.
TEST_F(Pictures, OldFilesKeepTheirPicturesAndNewOnesFitTheWindow) {
    const QByteArray png = pngOf(30, 20, Qt::darkBlue, qRgb(255, 0, 0));
    const QByteArray jpeg = pngOf(64, 48, Qt::darkRed, qRgb(0, 255, 0), "JPEG");
    const QString old = "<!DOCTYPE HTML><html><head><meta name=\"generator\" content=\"Strovik\" "
                        "/></head><body><p>Avant <img src=\"data:image/png;base64,%1\" "
                        "width=\"40\" /> puis <img src=\"data:image/jpeg;base64,%2\" "
                        "/></p></body></html>";
    writeFile(path("ancien.svk"), old.arg(png.toBase64(), jpeg.toBase64()).toUtf8());
    reopen(path("ancien.svk"));
    EXPECT_EQ(CStrovikCntrItem(view().strovikDoc(), 6).naturalSize(), QSize(30, 20));
    EXPECT_EQ(CStrovikCntrItem(view().strovikDoc(), 13).typeName(), "JPEG");
    EXPECT_FALSE(view().document()->toHtml().contains("base64"));

    answers.then(chooseFile(path("nouveau.svk")));
    window().OnFileSaveAs();
    const QByteArray saved = readFile(path("nouveau.svk"));
    EXPECT_EQ(picturesIn(saved),
              (QList<std::pair<QString, QByteArray>>{{"png", png}, {"jpeg", jpeg}}));
    EXPECT_TRUE(saved.contains("width=\"40\""));

    // A new picture is shown no wider than the text, its bytes whole; one that
    // the decoder's memory limit refuses says so, with its size and the limit.
    setText("");
    writeFile(path("large.png"), pngOf(3000, 40, Qt::gray, qRgb(0, 0, 0)));
    answers.then(chooseFile(path("large.png")));
    edition("Insérer un &nouvel objet...")->trigger();
    const CStrovikCntrItem item(view().strovikDoc(), 0);
    EXPECT_EQ(item.naturalSize(), QSize(3000, 40));
    EXPECT_LE(item.displaySize().width(), view().viewport()->width());
    EXPECT_GT(item.displaySize().width(), view().viewport()->width() / 2);
    EXPECT_EQ(item.displaySize().height(), qRound(40.0 * item.displaySize().width() / 3000));

    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    writeFile(path("photo.png"), pngOf(1000, 600, Qt::gray, qRgb(0, 0, 0)));
    answers.then(chooseFile(path("photo.png"))).then(clickButton("OK"));
    edition("Insérer un &nouvel objet...")->trigger();
    QImageReader::setAllocationLimit(limit);
    EXPECT_EQ(answers.seen().last(),
              "L'image photo.png est trop grande : 1000 x 600 pixels, soit 0,6 mégapixel. "
              "Strovik lit des images d'au plus 0,3 mégapixel (1 Mo en mémoire).");
    EXPECT_EQ(view().document()->characterCount(), 2);
}

// A bold word cut from a bulleted line and pasted into a plain paragraph stays
// bold, without a line break and without the bullet; each gesture is one step.
TEST_F(Pictures, CutAndMovedTextKeepsItsFormatsAndPictures) {
    setText("Un point en gras ici\nUn paragraphe simple.");
    view().toggleBullets();
    select(12, 16);
    view().toggleBold();
    play(*gesture(FamilyKind::Cross, {150, 100}, 60, 0.0));
    EXPECT_EQ(QApplication::clipboard()->text(), "gras");
    view().moveCursor(QTextCursor::End);
    moveTo(5);
    EXPECT_EQ(view().toPlainText(), "Un point en  ici\nUn paragraphe simple.gras");
    EXPECT_EQ(view().document()->lastBlock().textList(), nullptr);
    EXPECT_EQ(formatAt(38).fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(37).fontWeight(), QFont::Bold);
    for (int step = 0; step < 2; ++step)
        view().undo();
    EXPECT_EQ(view().toPlainText(), "Un point en gras ici\nUn paragraphe simple.");

    // Pasted from another program: right-aligned paragraphs stay right-aligned
    // as the alignment button knows it, and a linked picture is left out.
    setClipboard("<p>a</p><p align=\"right\">droite<img src=\"https://exemple.fr/x.png\" "
                 "/></p><p align=\"right\">fin</p>",
                 "a\ndroite\nfin");
    view().moveCursor(QTextCursor::End);
    moveTo(5);
    EXPECT_EQ(view().toPlainText(), "Un point en gras ici\nUn paragraphe simple.a\ndroite\nfin");
    EXPECT_EQ(view().document()->lastBlock().blockFormat().alignment(), Qt::AlignRight);
    view().undo();
    EXPECT_EQ(view().toPlainText(), "Un point en gras ici\nUn paragraphe simple.");

    // A moved fragment takes its picture along: it is in its new place only.
    setText("avant apres\nla suite");
    QTextCursor cursor(view().document());
    cursor.setPosition(2);
    const QByteArray png = pngOf(24, 12, Qt::green, qRgb(0, 0, 0));
    ASSERT_TRUE(CStrovikCntrItem::insertEncoded(cursor, png));
    select(1, 4);
    moveTo(16);
    EXPECT_EQ(view().toPlainText(), "ant apres\nla v\uFFFCasuite"); // U+FFFC: the picture
    EXPECT_EQ(CStrovikCntrItem(view().strovikDoc(), 14).naturalSize(), QSize(24, 12));
    EXPECT_EQ(view().textCursor().selectionStart(), 13);
    // Copied, the picture is whole in the HTML that other programs read.
    view().copy();
    EXPECT_EQ(picturesIn(QApplication::clipboard()->mimeData()->html().toUtf8()),
              (QList<std::pair<QString, QByteArray>>{{"png", png}}));
    view().undo();
    EXPECT_EQ(view().toPlainText(), "av\uFFFCant apres\nla suite");
}

// Starting a new text in the window asks to save a modified one; cancelled,
// nothing changes, else the text and the gestures' history are gone.
TEST_F(Pictures, ANewTextAsksToSaveTheModifiedOne) {
    setText("un texte modifié");
    play(*gesture(FamilyKind::Delete, {150, 100}, 80, 0.0));
    window().document().setPathName(editor.root() + "ancien.svk");
    const QString title = window().document().title();
    answers.then(clickButton("Annuler")).then(clickButton("Non"));
    QAction* newText = menuEntry(frame(), "&Editeur", "Nouveau &texte ici");
    newText->trigger();
    EXPECT_EQ(view().toPlainText(), "un texte modifié");
    EXPECT_EQ(view().history().count(), 1);
    newText->trigger();
    EXPECT_EQ(view().toPlainText(), "");
    EXPECT_EQ(view().history().count(), 0);
    EXPECT_FALSE(window().document().isModified());
    EXPECT_EQ(window().document().pathName(), "");
    EXPECT_FALSE(view().document()->isUndoAvailable());
    EXPECT_EQ(answers.seen(),
              QStringList(2, "Enregistrer les modifications apportées à " + title + " ?"));
}
