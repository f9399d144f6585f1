#include "gesture/GesturePlayer.h"
#include "support/Typing.h"
#include "text/CntrItem.h"
#include "text/StrovikDoc.h"
#include "text/TextEditor.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextList>
#include <QTimer>

namespace {

int redPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0);
    return red;
}

} // namespace

class TextWindow : public TextEditorTest {
protected:
    void command(DocCommand command) { frame().commandAction(command)->trigger(); }
    // The menus and bars against the golden file.
    void expectMenus(const char* state) { expectTexts("TextWindow", state, frameTexts(frame())); }
    // The format bar's buttons, checked or not.
    void expectBars(const char* state) {
        expectTexts("TextWindow", state,
                    frameTexts(frame()).filter(QRegularExpression("^toolbar Barre")));
    }
    // As when the user clicks back into the text: the shortcuts are the main window's.
    void backToText() {
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        view().setFocus();
    }
};

TEST_F(TextWindow, EditionEntriesFollowTheSelectionTheHistoryAndTheClipboard) {
    setText("Un essai de menu.");
    QApplication::clipboard()->clear();
    expectMenus("nothing selected, nothing to undo, nothing to paste");
    chooseMenuEntry(frame(), "Edi&tion", "Tout &sélectionner");
    EXPECT_EQ(view().textCursor().selectedText(), "Un essai de menu.");
    select(3, 9);
    chooseMenuEntry(frame(), "Edi&tion", "&Couper");
    EXPECT_EQ(view().toPlainText(), "Un de menu.");
    EXPECT_EQ(QApplication::clipboard()->text(), "essai ");
    expectMenus("after a cut");
    view().moveCursor(QTextCursor::End);
    command(DocCommand::Paste);
    EXPECT_EQ(view().toPlainText(), "Un de menu.essai ");
    chooseMenuEntry(frame(), "Edi&tion", "&Annuler");
    chooseMenuEntry(frame(), "Edi&tion", "&Annuler");
    EXPECT_EQ(view().toPlainText(), "Un essai de menu.");

    // Paste special: the formatted or the plain text.
    setText("");
    answers.then(clickButton("OK"));
    QApplication::clipboard()->clear();
    view().OnEditCollageSpecial();
    setClipboard("<b>gras</b>", "gras");
    const auto choose = [](const QString& form) {
        return [form](QWidget& dialog) {
            expectTexts("TextWindow", "paste special", windowTexts(dialog));
            auto* forms = dialog.findChild<QListWidget*>("formes");
            forms->setCurrentItem(forms->findItems(form, Qt::MatchExactly).value(0));
            clickWithMouse(findButton(dialog, "Coller"));
        };
    };
    answers.then(choose("Texte sans mise en forme")).then(choose("Texte mis en forme"));
    edition("Collage sp&écial...")->trigger();
    view().moveCursor(QTextCursor::Start);
    view().moveCursor(QTextCursor::Right);
    EXPECT_FALSE(view().isBold());
    view().moveCursor(QTextCursor::End);
    edition("Collage sp&écial...")->trigger();
    EXPECT_EQ(view().toPlainText(), "grasgras");
    EXPECT_TRUE(view().isBold());
    EXPECT_EQ(answers.seen(),
              (QStringList{"Le Presse-papiers est vide.", "Collage spécial", "Collage spécial"}));
}

// A paste that leaves out the pictures it only links to is one step to undo
// (what is kept is the pictures' test); a picture alone on the clipboard comes
// in as an image of the document.
TEST_F(TextWindow, APasteIsOneStepAndAPictureAloneComesInAsAnImage) {
    setClipboard("<p>a<img src=\"https://exemple.fr/x.png\" />b<img src=\"/etc/motd\" /></p>");
    command(DocCommand::Paste);
    EXPECT_EQ(view().toPlainText(), "ab");
    view().undo();
    EXPECT_EQ(view().toPlainText(), "");

    // The same picture pasted twice, then another.
    const QImage green = QImage::fromData(pngOf(8, 3, Qt::green, qRgb(0, 0, 0)));
    QList<QSize> sizes;
    for (const QImage& image : {green, green, QImage::fromData(pngOf(5, 7, Qt::blue, 0))}) {
        QApplication::clipboard()->setImage(image);
        command(DocCommand::Paste);
        sizes << CStrovikCntrItem(view().strovikDoc(), int(sizes.size())).naturalSize();
    }
    EXPECT_EQ(sizes, (QList<QSize>{{8, 3}, {8, 3}, {5, 7}}));
    EXPECT_EQ(CStrovikCntrItem(view().strovikDoc(), 0).typeName(), "PNG");
    view().undo();
    EXPECT_EQ(view().toPlainText(), QString(2, QChar::ObjectReplacementCharacter));
}

TEST_F(TextWindow, FindFindNextAndReplace) {
    setText("Le chat et le chaton voient un autre CHAT.");
    backToText();
    QTest::keyClick(&view(), Qt::Key_F, Qt::ControlModifier);
    auto* dialog = view().findChild<QDialog*>();
    ASSERT_NE(dialog, nullptr);
    expectTexts("TextWindow", "find", windowTexts(*dialog));
    typeOver(dialog->findChild<QLineEdit*>("rechercher"), "chat");
    clickWithMouse(findButton(*dialog, "Suivant"));
    EXPECT_EQ(view().textCursor().selectionStart(), 3);
    // F3 goes on with the same search, round the end back to the start.
    backToText();
    for (int expected : {14, 37, 3}) {
        QTest::keyClick(&view(), Qt::Key_F3);
        EXPECT_EQ(view().textCursor().selectionStart(), expected);
    }
    // Whole words, case respected: nothing.
    answers.then(clickButton("OK"));
    findButton(*dialog, "Mot entier uniquement")->click();
    findButton(*dialog, "Respecter la casse")->click();
    typeOver(dialog->findChild<QLineEdit*>("rechercher"), "Chat");
    clickWithMouse(findButton(*dialog, "Suivant"));
    EXPECT_EQ(answers.seen(), QStringList{"Impossible de trouver « Chat »."});

    // The replace window takes its place, with the options of the last search.
    backToText();
    QTest::keyClick(&view(), Qt::Key_H, Qt::ControlModifier);
    flushDeletes();
    ASSERT_EQ(view().findChildren<QDialog*>().size(), 1);
    QDialog& replace = *view().findChild<QDialog*>();
    expectTexts("TextWindow", "replace", windowTexts(replace));
    findButton(replace, "Respecter la casse")->click();
    typeOver(replace.findChild<QLineEdit*>("rechercher"), "chat");
    typeOver(replace.findChild<QLineEdit*>("remplacer"), "chien");
    view().moveCursor(QTextCursor::Start);
    clickWithMouse(findButton(replace, "Remplacer"));
    EXPECT_EQ(view().textCursor().selectionStart(), 3) << "the first press only finds";
    clickWithMouse(findButton(replace, "Remplacer"));
    EXPECT_EQ(view().toPlainText(), "Le chien et le chaton voient un autre CHAT.");
    EXPECT_EQ(view().textCursor().selectedText(), "CHAT");
    clickWithMouse(findButton(replace, "Remplacer tout"));
    EXPECT_EQ(view().toPlainText(), "Le chien et le chaton voient un autre chien.");
    expectTexts("TextWindow", "replaced all", windowTexts(replace));
    view().undo();
    EXPECT_EQ(view().toPlainText(), "Le chien et le chaton voient un autre CHAT.");
}

TEST_F(TextWindow, InsertsAnImageFileAndFormatsTheSelection) {
    const QString picture = path("carre.png");
    writeFile(picture, pngOf(40, 20, Qt::blue, qRgb(255, 255, 255)));
    writeFile(path("faux.png"), "pas une image");
    setText("avant apres");
    select(6, 6);
    answers.then(chooseFile(picture)).then(chooseFile(path("faux.png"))).then(clickButton("OK"));
    edition("Insérer un &nouvel objet...")->trigger();
    edition("Insérer un &nouvel objet...")->trigger();
    EXPECT_EQ(answers.seen().last(),
              "Le fichier faux.png n'est pas une image que Strovik sait lire.");
    EXPECT_EQ(view().toPlainText(),
              QString("avant ") + QChar::ObjectReplacementCharacter + "apres");
    EXPECT_FALSE(edition("P&ropriétés de l'objet")->isEnabled());
    select(6, 7);
    const CStrovikCntrItem item =
        *CStrovikCntrItem::selectedIn(view().strovikDoc(), view().textCursor());
    answers.then([](QWidget& dialog) {
        expectTexts("TextWindow", "object properties", windowTexts(dialog));
        typeOver(dialog.findChild<QSpinBox*>("largeur"), "100");
        EXPECT_EQ(dialog.findChild<QSpinBox*>("hauteur")->value(), 50) << "proportions kept";
        clickWithMouse(findButton(dialog, "OK"));
    });
    edition("P&ropriétés de l'objet")->trigger();
    EXPECT_EQ(item.displaySize(), QSize(100, 50));
    view().undo();
    EXPECT_EQ(item.displaySize(), QSize(40, 20));

    // The format bar acts on the selection and follows the cursor.
    setText("normal gras fin");
    select(7, 11);
    for (DocCommand format : {DocCommand::Bold, DocCommand::Italic, DocCommand::Underline,
                              DocCommand::Center, DocCommand::Bullets, DocCommand::ArrowPointer})
        command(format);
    select(9, 9);
    expectBars("within the bold word, centred, bulleted, arrow pointer");
    EXPECT_EQ(view().viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(view().document()->firstBlock().textList()->format().style(),
              QTextListFormat::ListDisc);
    QTest::mouseMove(view().viewport(), {30, 10});
    EXPECT_EQ(view().viewport()->cursor().shape(), Qt::ArrowCursor);
    for (DocCommand format : {DocCommand::AlignRight, DocCommand::Bullets, DocCommand::TextPointer})
        command(format);
    select(13, 13);
    expectBars("after the bold word, right-aligned, text pointer");
    EXPECT_EQ(view().viewport()->cursor().shape(), Qt::IBeamCursor);
    command(DocCommand::AlignLeft);
    EXPECT_TRUE(frame().commandAction(DocCommand::AlignLeft)->isChecked());
}

// A key shows where the caret was when it was pressed (the pointer's pane is
// every editor's test). As the window system delivers it, the right button is
// followed by a request for a context menu: none may open and take the gesture
// away. The ink's timer is armed for the writer's pause and fires by itself.
TEST_F(TextWindow, PanesInkAndButtonsOverTheText) {
    setText("abc def");
    select(3, 3);
    EditorFixture::moveMouse(*view().viewport(), {25, 9});
    const QPoint caret = view().cursorRect().topLeft();
    const QString pane = "Curseur (x = %1 , y = %2, Caractère n°%3)";
    EXPECT_EQ(frame().paneText(2), pane.arg(caret.x()).arg(caret.y()).arg(3));
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(frame().paneText(2), pane.arg(caret.x()).arg(caret.y()).arg(3));
    const QPoint next = view().cursorRect().topLeft();
    QTest::keyClick(&view(), Qt::Key_Right);
    EXPECT_EQ(frame().paneText(2), pane.arg(next.x()).arg(next.y()).arg(4));

    QString popup;
    QTimer::singleShot(0, [&popup] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            popup = menu->metaObject()->className();
            menu->close();
        }
    });
    GesturePlayer player(view().capture(), editor.clock());
    player.setButton(Qt::RightButton);
    player.press({20, 10});
    QContextMenuEvent request(QContextMenuEvent::Mouse, {20, 10},
                              view().viewport()->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(view().viewport(), &request);
    player.move({60, 12});
    player.release({60, 12});
    QApplication::processEvents();
    EXPECT_EQ(popup, "");
    EXPECT_TRUE(view().capture().isPending());
    view().capture().reset();

    view().setCursorWidth(0);
    QApplication::processEvents();
    EXPECT_EQ(redPixels(*view().viewport()), 0);
    editor.drawStrokes(view().capture(), *gesture(FamilyKind::WavyLine, {90, 12}, 120, 0.0),
                       Qt::RightButton);
    EXPECT_GT(redPixels(*view().viewport()), 100);
    for (int i = 0; i < 100 && view().capture().isPending(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(view().capture().isPending());
    EXPECT_EQ(editor.status(), "Geste inconnu ou ambigu...");
    EXPECT_EQ(redPixels(*view().viewport()), 0);
    EXPECT_EQ(view().toPlainText(), "abc def");
}
