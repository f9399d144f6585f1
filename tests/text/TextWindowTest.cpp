#include "gesture/GesturePlayer.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "text/CntrItem.h"
#include "text/Strovik.h"
#include "text/StrovikDoc.h"
#include "text/StrovikView.h"
#include "text/TextEditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

QStringList entries(QMainWindow& window, const QString& menu) {
    QStringList texts;
    for (QAction* bar : window.menuBar()->actions())
        if (bar->text() == menu)
            for (QAction* entry : bar->menu()->actions())
                if (!entry->isSeparator() && entry->isVisible())
                    texts << entry->text();
    return texts;
}

int redPixels(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0))
                ++red;
    return red;
}

} // namespace

class TextWindow : public TextEditorTest {
protected:
    TextWindow() : window(newText()), view(window.view()) {}

    void command(DocCommand command) { frame().commandAction(command)->trigger(); }
    bool checked(DocCommand command) { return frame().commandAction(command)->isChecked(); }
    bool enabled(DocCommand command) { return frame().commandAction(command)->isEnabled(); }
    QAction* edition(const QString& entry) { return menuEntry(frame(), "Edi&tion", entry); }
    // As when the user clicks back into the text: the shortcuts are the main window's.
    void backToText() {
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        view.setFocus();
    }

    CStrovik& window;
    CStrovikView& view;
};

TEST_F(TextWindow, HasItsOwnEditeurAndEditionMenus) {
    QStringList bar;
    for (QAction* menu : frame().menuBar()->actions())
        bar << menu->text();
    EXPECT_EQ(bar, (QStringList{"&Editeur", "Edi&tion", "&Organigrammes", "&Gestes", "O&ption",
                                "&Affichage", "Fe&nêtre", "&?"}));
    EXPECT_EQ(entries(frame(), "Edi&tion"),
              (QStringList{"&Annuler", "&Couper", "Co&pier", "C&oller", "Collage sp&écial...",
                           "Tout &sélectionner", "Rec&hercher...", "Sui&vant", "R&emplacer",
                           "Insérer un &nouvel objet...", "P&ropriétés de l'objet"}));
    EXPECT_EQ(edition("&Annuler")->shortcut(), QKeySequence::Undo);
    EXPECT_EQ(edition("Sui&vant")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(edition("R&emplacer")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_EQ(
        entries(frame(), "&Editeur"),
        (QStringList{"&Nouveau", "&Ouvrir...", "&Fermer", "&Enregistrer", "En&registrer sous...",
                     "&Imprimer...", "Impression &directe", "Aperç&u avant impression",
                     "&Configuration de l'impression...", "&Quitter"}));
    EXPECT_EQ(frame().windowTitle(), "Velmora - sans_nom_1");

    // Untouched, it closes without a question.
    EXPECT_FALSE(window.document().isModified());
    ModalAnswers none;
    chooseMenuEntry(frame(), "&Editeur", "&Fermer");
    flushDeletes();
    EXPECT_TRUE(frame().mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(frame().windowTitle(), "Velmora");
}

TEST_F(TextWindow, EditionEntriesFollowTheSelectionAndTheHistory) {
    setText(view, "Un essai de menu.");
    EXPECT_FALSE(edition("&Annuler")->isEnabled());
    EXPECT_FALSE(edition("&Couper")->isEnabled());
    EXPECT_FALSE(enabled(DocCommand::Copy));

    chooseMenuEntry(frame(), "Edi&tion", "Tout &sélectionner");
    EXPECT_EQ(view.textCursor().selectedText(), "Un essai de menu.");
    EXPECT_TRUE(edition("Co&pier")->isEnabled());
    EXPECT_TRUE(enabled(DocCommand::Cut));

    selectRange(view, 3, 9); // "essai "
    chooseMenuEntry(frame(), "Edi&tion", "&Couper");
    EXPECT_EQ(view.toPlainText(), "Un de menu.");
    EXPECT_EQ(QApplication::clipboard()->text(), "essai ");
    EXPECT_TRUE(edition("&Annuler")->isEnabled());
    EXPECT_TRUE(edition("C&oller")->isEnabled());

    view.moveCursor(QTextCursor::End);
    command(DocCommand::Paste);
    EXPECT_EQ(view.toPlainText(), "Un de menu.essai ");

    chooseMenuEntry(frame(), "Edi&tion", "&Annuler");
    chooseMenuEntry(frame(), "Edi&tion", "&Annuler");
    EXPECT_EQ(view.toPlainText(), "Un essai de menu.");
}

TEST_F(TextWindow, PasteSpecialChoosesFormattedOrPlainText) {
    auto* data = new QMimeData;
    data->setHtml("<b>gras</b>");
    data->setText("gras");
    QApplication::clipboard()->setMimeData(data);

    ModalAnswers answers;
    QStringList offered;
    const auto choose = [&offered](const QString& form) {
        return [&offered, form](QWidget& dialog) {
            auto* forms = dialog.findChild<QListWidget*>("formes");
            ASSERT_NE(forms, nullptr);
            for (int i = 0; i < forms->count(); ++i)
                offered << forms->item(i)->text();
            forms->setCurrentItem(forms->findItems(form, Qt::MatchExactly).value(0));
            clickWithMouse(findButton(dialog, "Coller"));
        };
    };
    answers.then(choose("Texte sans mise en forme")).then(choose("Texte mis en forme"));
    edition("Collage sp&écial...")->trigger();
    EXPECT_EQ(view.toPlainText(), "gras");
    view.moveCursor(QTextCursor::Start);
    view.moveCursor(QTextCursor::Right);
    EXPECT_FALSE(view.isBold());

    view.moveCursor(QTextCursor::End);
    edition("Collage sp&écial...")->trigger();
    EXPECT_EQ(view.toPlainText(), "grasgras");
    EXPECT_TRUE(view.isBold());
    EXPECT_EQ(answers.seen(), (QStringList{"Collage spécial", "Collage spécial"}));
    EXPECT_EQ(offered, (QStringList{"Texte mis en forme", "Texte sans mise en forme",
                                    "Texte mis en forme", "Texte sans mise en forme"}));
}

TEST_F(TextWindow, PastedPicturesAreKeptInsideTheDocument) {
    const QByteArray png = pngOf(6, 4, Qt::red, qRgb(0, 0, 0));
    auto* html = new QMimeData;
    html->setHtml("<p>a<img src=\"https://exemple.fr/x.png\" />b<img src=\"data:image/png;base64," +
                  QString::fromLatin1(png.toBase64()) + "\" />c<img src=\"/etc/motd\" /></p>");
    QApplication::clipboard()->setMimeData(html);
    command(DocCommand::Paste);
    EXPECT_EQ(view.toPlainText(), QString("ab") + QChar::ObjectReplacementCharacter + "c");
    EXPECT_EQ(CStrovikCntrItem(view.strovikDoc(), 2).naturalSize(), QSize(6, 4));
    view.undo();
    EXPECT_EQ(view.toPlainText(), "");

    // A picture alone on the clipboard comes in as an image of the document.
    auto* picture = new QMimeData;
    picture->setImageData(QImage::fromData(pngOf(8, 3, Qt::green, qRgb(0, 0, 0))));
    QApplication::clipboard()->setMimeData(picture);
    EXPECT_TRUE(enabled(DocCommand::Paste));
    command(DocCommand::Paste);
    ASSERT_EQ(view.toPlainText(), QString(QChar::ObjectReplacementCharacter));
    const CStrovikCntrItem item(view.strovikDoc(), 0);
    EXPECT_EQ(item.naturalSize(), QSize(8, 3));
    EXPECT_EQ(item.typeName(), "PNG");
}

// A right-aligned paragraph pasted from HTML, as a copy in the editor gives it,
// shows as right-aligned, with the button that says so checked, and goes with
// one undo.
TEST_F(TextWindow, APastedRightAlignedParagraphShowsAsRightAligned) {
    auto* data = new QMimeData;
    data->setHtml("<p>à gauche</p><p align=\"right\">à droite</p>");
    QApplication::clipboard()->setMimeData(data);
    command(DocCommand::Paste);

    ASSERT_EQ(view.toPlainText(), "à gauche\nà droite");
    EXPECT_EQ(view.document()->firstBlock().blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(view.document()->lastBlock().blockFormat().alignment(), Qt::AlignRight);
    view.moveCursor(QTextCursor::End);
    EXPECT_TRUE(checked(DocCommand::AlignRight));
    view.undo();
    EXPECT_EQ(view.toPlainText(), "");
}

TEST_F(TextWindow, FindFindNextAndReplace) {
    setText(view, "Le chat et le chaton voient un autre CHAT.");
    backToText();
    QTest::keyClick(&view, Qt::Key_F, Qt::ControlModifier);
    auto* dialog = view.findChild<QDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Rechercher");
    typeOver(dialog->findChild<QLineEdit*>("rechercher"), "chat");
    clickWithMouse(findButton(*dialog, "Suivant"));
    EXPECT_EQ(view.textCursor().selectionStart(), 3);

    // F3 goes on with the same search, round the end back to the start.
    backToText();
    QTest::keyClick(&view, Qt::Key_F3);
    EXPECT_EQ(view.textCursor().selectionStart(), 14);
    QTest::keyClick(&view, Qt::Key_F3);
    EXPECT_EQ(view.textCursor().selectionStart(), 37);
    QTest::keyClick(&view, Qt::Key_F3);
    EXPECT_EQ(view.textCursor().selectionStart(), 3);

    // Whole words, case respected: nothing.
    ModalAnswers answers;
    answers.then(clickButton("OK"));
    findButton(*dialog, "Mot entier uniquement")->click();
    findButton(*dialog, "Respecter la casse")->click();
    typeOver(dialog->findChild<QLineEdit*>("rechercher"), "Chat");
    clickWithMouse(findButton(*dialog, "Suivant"));
    EXPECT_EQ(answers.seen(), QStringList{"Impossible de trouver « Chat »."});

    // The replace window takes its place.
    backToText();
    QTest::keyClick(&view, Qt::Key_H, Qt::ControlModifier);
    flushDeletes();
    const QList<QDialog*> dialogs = view.findChildren<QDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    QDialog* replace = dialogs.first();
    EXPECT_EQ(replace->windowTitle(), "Remplacer");
    // It starts with the options of the last search.
    EXPECT_TRUE(findButton(*replace, "Mot entier uniquement")->isChecked());
    findButton(*replace, "Respecter la casse")->click();
    typeOver(replace->findChild<QLineEdit*>("rechercher"), "chat");
    typeOver(replace->findChild<QLineEdit*>("remplacer"), "chien");
    view.moveCursor(QTextCursor::Start);
    clickWithMouse(findButton(*replace, "Remplacer"));
    EXPECT_EQ(view.textCursor().selectionStart(), 3) << "the first press only finds";
    clickWithMouse(findButton(*replace, "Remplacer"));
    EXPECT_EQ(view.toPlainText(), "Le chien et le chaton voient un autre CHAT.");
    EXPECT_EQ(view.textCursor().selectedText(), "CHAT");
    clickWithMouse(findButton(*replace, "Remplacer tout"));
    EXPECT_EQ(view.toPlainText(), "Le chien et le chaton voient un autre chien.");
    EXPECT_EQ(replace->findChild<QLabel*>("bilan")->text(), "1 remplacement effectué.");
    view.undo();
    EXPECT_EQ(view.toPlainText(), "Le chien et le chaton voient un autre CHAT.");
}

TEST_F(TextWindow, InsertsAnImageFileAndChangesItsSize) {
    const QString picture = m_app.root() + "Editeur/carre.png";
    writeFile(picture, pngOf(40, 20, Qt::blue, qRgb(255, 255, 255)));
    const QString notPicture = m_app.root() + "Editeur/faux.png";
    writeFile(notPicture, "pas une image");
    setText(view, "avant apres");
    selectRange(view, 6, 6);

    ModalAnswers answers;
    answers.then(chooseFile(picture)).then(chooseFile(notPicture)).then(clickButton("OK"));
    edition("Insérer un &nouvel objet...")->trigger();
    EXPECT_EQ(view.toPlainText(), QString("avant ") + QChar::ObjectReplacementCharacter + "apres");
    edition("Insérer un &nouvel objet...")->trigger();
    EXPECT_EQ(answers.seen().last(),
              "Le fichier faux.png n'est pas une image que Strovik sait lire.");
    EXPECT_EQ(view.document()->characterCount(), 13);

    EXPECT_FALSE(edition("P&ropriétés de l'objet")->isEnabled());
    selectRange(view, 6, 7);
    EXPECT_TRUE(edition("P&ropriétés de l'objet")->isEnabled());
    const CStrovikCntrItem item =
        *CStrovikCntrItem::selectedIn(window.view().strovikDoc(), view.textCursor());
    EXPECT_EQ(item.typeName(), "PNG");
    EXPECT_EQ(item.naturalSize(), QSize(40, 20));

    answers.then([](QWidget& dialog) {
        EXPECT_NE(dialog.findChildren<QLabel*>().size(), 0);
        auto* width = dialog.findChild<QSpinBox*>("largeur");
        auto* height = dialog.findChild<QSpinBox*>("hauteur");
        typeOver(width, "100");
        EXPECT_EQ(height->value(), 50) << "the proportions are kept";
        clickWithMouse(findButton(dialog, "OK"));
    });
    edition("P&ropriétés de l'objet")->trigger();
    EXPECT_EQ(answers.seen().last(), "Propriétés de l'objet");
    EXPECT_EQ(item.displaySize(), QSize(100, 50));
    EXPECT_EQ(item.naturalSize(), QSize(40, 20));
    view.undo();
    EXPECT_EQ(item.displaySize(), QSize(40, 20));
}

TEST_F(TextWindow, TheFormatBarActsOnTheSelectionAndFollowsTheCursor) {
    setText(view, "normal gras fin");
    selectRange(view, 7, 11);
    command(DocCommand::Bold);
    command(DocCommand::Italic);
    command(DocCommand::Underline);
    view.moveCursor(QTextCursor::Start);
    EXPECT_FALSE(checked(DocCommand::Bold));
    selectRange(view, 9, 9);
    EXPECT_TRUE(checked(DocCommand::Bold));
    EXPECT_TRUE(checked(DocCommand::Italic));
    EXPECT_TRUE(checked(DocCommand::Underline));
    selectRange(view, 13, 13);
    EXPECT_FALSE(checked(DocCommand::Italic));

    EXPECT_TRUE(checked(DocCommand::AlignLeft));
    command(DocCommand::Center);
    EXPECT_TRUE(checked(DocCommand::Center));
    EXPECT_FALSE(checked(DocCommand::AlignLeft));
    EXPECT_EQ(view.document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    command(DocCommand::AlignRight);
    EXPECT_TRUE(checked(DocCommand::AlignRight));

    EXPECT_FALSE(checked(DocCommand::Bullets));
    command(DocCommand::Bullets);
    EXPECT_TRUE(checked(DocCommand::Bullets));
    ASSERT_NE(view.document()->firstBlock().textList(), nullptr);
    EXPECT_EQ(view.document()->firstBlock().textList()->format().style(),
              QTextListFormat::ListDisc);
    command(DocCommand::Bullets);
    EXPECT_FALSE(checked(DocCommand::Bullets));
    EXPECT_EQ(view.document()->firstBlock().textList(), nullptr);

    EXPECT_FALSE(enabled(DocCommand::FormatSpare));
}

TEST_F(TextWindow, ThePointerButtonsSetTheCursor) {
    EXPECT_TRUE(checked(DocCommand::TextPointer));
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::IBeamCursor);
    command(DocCommand::ArrowPointer);
    EXPECT_TRUE(checked(DocCommand::ArrowPointer));
    EXPECT_FALSE(checked(DocCommand::TextPointer));
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(view.viewport(), {30, 10});
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::ArrowCursor);
    command(DocCommand::TextPointer);
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(TextWindow, PanesShowThePointerAndTheCaret) {
    setText(view, "abcdef");
    selectRange(view, 3, 3);
    QMouseEvent move(QEvent::MouseMove, QPointF(25, 9),
                     view.viewport()->mapToGlobal(QPointF(25, 9)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
    EXPECT_EQ(frame().paneText(1), "Pointeur (x = 25 , y = 9)");
    const QPoint caret = view.cursorRect().topLeft();
    EXPECT_EQ(frame().paneText(2),
              QString("Curseur (x = %1 , y = %2, Caractère n°3)").arg(caret.x()).arg(caret.y()));
    // A key shows where the caret was when it was pressed.
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(frame().paneText(2),
              QString("Curseur (x = %1 , y = %2, Caractère n°3)").arg(caret.x()).arg(caret.y()));
    const QPoint next = view.cursorRect().topLeft();
    EXPECT_GT(next.x(), caret.x());
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(frame().paneText(2),
              QString("Curseur (x = %1 , y = %2, Caractère n°4)").arg(next.x()).arg(next.y()));
}

TEST_F(TextWindow, InkIsRedOverTheTextUntilTheGestureIsRecognised) {
    setText(view, "De l'encre sur le texte.");
    view.setCursorWidth(0);
    QApplication::processEvents();
    EXPECT_EQ(redPixels(*view.viewport()), 0);
    draw(view, *gesture(FamilyKind::WavyLine, {90, 12}, 120, 0.0));
    EXPECT_TRUE(view.capture().isPending());
    EXPECT_EQ(statusMessage(), "Prêt");
    EXPECT_GT(redPixels(*view.viewport()), 100);
    EXPECT_EQ(view.toPlainText(), "De l'encre sur le texte.");

    // The timer is armed for the writer's pause and fires by itself.
    EXPECT_GE(view.capture().delayMs(), 200);
    EXPECT_LE(view.capture().delayMs(), 600);
    for (int i = 0; i < 100 && view.capture().isPending(); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(view.capture().isPending());
    EXPECT_EQ(statusMessage(), "Geste inconnu ou ambigu...");
    EXPECT_EQ(redPixels(*view.viewport()), 0);
    EXPECT_EQ(view.toPlainText(), "De l'encre sur le texte.");
}

TEST_F(TextWindow, StrokesDrawnBeforeTheTimerFiresMakeOneGesture) {
    setText(view, "un deux trois");
    selectRange(view, 3, 7);
    DrawingGenerator g(3);
    const std::vector<Path> cross = familyGesture(FamilyKind::Cross, g, {150, 100}, 60, 0.0);
    draw(view, *steadily({cross[0]}));
    EXPECT_EQ(statusMessage(), "Prêt");
    draw(view, *steadily({cross[1]}));
    view.capture().finishNow();
    ASSERT_EQ(view.history().count(), 1);
    EXPECT_EQ(view.history().at(0)->name(), "Cross");
    EXPECT_EQ(view.toPlainText(), "un  trois");
}

TEST_F(TextWindow, AMoveWithTheRightButtonPressedElsewhereDrawsNothing) {
    setText(view, "texte");
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 10),
                     view.viewport()->mapToGlobal(QPointF(40, 10)), Qt::NoButton, Qt::RightButton,
                     Qt::NoModifier);
    frame().setPaneText(1, "");
    QApplication::sendEvent(view.viewport(), &move);
    EXPECT_EQ(frame().paneText(1), "");
    EXPECT_EQ(redPixels(*view.viewport()), 0);
    EXPECT_FALSE(view.capture().isPending());
}

// As the window system delivers it, the right button is followed by a
// request for a context menu: none may open and take the gesture away.
TEST_F(TextWindow, TheRightButtonOpensNoContextMenu) {
    setText(view, "texte");
    QString popup;
    QTimer::singleShot(0, [&popup] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            popup = menu->metaObject()->className();
            menu->close();
        }
    });
    GesturePlayer player(view.capture(), m_clock);
    player.setButton(Qt::RightButton);
    player.press({20, 10});
    QContextMenuEvent request(QContextMenuEvent::Mouse, {20, 10},
                              view.viewport()->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(view.viewport(), &request);
    player.move({60, 12});
    player.release({60, 12});
    QApplication::processEvents();
    EXPECT_EQ(popup, "");
    EXPECT_TRUE(view.capture().isPending());
}

TEST_F(TextWindow, TheLeftButtonStillEditsAsUsual) {
    setText(view, "abc def");
    const QPoint inDef = charBox(view, 5).center();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, inDef);
    EXPECT_EQ(view.textCursor().selectedText(), "def");
    EXPECT_TRUE(view.history().empty());
    QTest::keyClicks(&view, "xyz");
    EXPECT_EQ(view.toPlainText(), "abc xyz");
    EXPECT_TRUE(window.document().isModified());
}
