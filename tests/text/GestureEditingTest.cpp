#include "generator/ShapePaths.h"
#include "shell/MainFrm.h"
#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "text/Strovik.h"
#include "text/StrovikView.h"
#include "text/TextEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

QString selected(const CStrovikView& view) {
    return view.textCursor().selectedText();
}

ModalAnswers::Answer typeAndConfirm(const QString& text) {
    return [text](QWidget& dialog) {
        auto* edit = dialog.findChild<QPlainTextEdit*>("texte");
        ASSERT_NE(edit, nullptr);
        typeOver(edit, text);
        clickWithMouse(findButton(dialog, "OK"));
    };
}

} // namespace

class GestureEditing : public TextEditorTest {
protected:
    GestureEditing() : window(newText()), view(window.view()) {}

    // The vertical centre of the first line.
    int lineY() { return charBox(view, 0).center().y(); }
    // A vertical stroke through the line, at the caret before character i.
    std::unique_ptr<CDessin> upright(int i, std::uint32_t seed = 11) {
        return gesture(FamilyKind::Line, {double(boundaryX(view, i)), double(lineY())}, 30, kPi / 2,
                       seed);
    }

    CStrovik& window;
    CStrovikView& view;
};

TEST_F(GestureEditing, AHorizontalStrokeAcrossAWordDeletesExactlyItsCharacters) {
    setText(view, "Un mot de trop ici.");
    const int first = 10, last = 13; // "trop"
    const double from = charBox(view, first).left() + 2, to = charBox(view, last).right() - 2;
    play(view, *gesture(FamilyKind::Line, {(from + to) / 2, double(lineY())}, to - from, 0.0));
    EXPECT_EQ(statusMessage(), "Supprimer ceci...");
    EXPECT_EQ(view.toPlainText(), "Un mot de  ici.");
    ASSERT_EQ(view.history().count(), 1);
    EXPECT_EQ(view.history().at(0)->name(), "Line");

    // The deletion is an edit like any other.
    view.undo();
    EXPECT_EQ(view.toPlainText(), "Un mot de trop ici.");
}

TEST_F(GestureEditing, TwoVerticalStrokesSelectTheTextBetweenThem) {
    setText(view, "Choisir entre ici et la.");
    play(view, *upright(14));
    EXPECT_EQ(statusMessage(), "Début de sélection...");
    EXPECT_TRUE(view.isRangeStartPending());
    EXPECT_FALSE(view.textCursor().hasSelection());

    play(view, *upright(17, 5));
    EXPECT_EQ(statusMessage(), "Fin de sélection...");
    EXPECT_FALSE(view.isRangeStartPending());
    EXPECT_EQ(selected(view), "ici");
    EXPECT_EQ(view.textCursor().anchor(), 14);
}

TEST_F(GestureEditing, ACircleBetweenTheTwoStrokesCancelsThePendingStart) {
    setText(view, "Choisir entre ici et la.");
    play(view, *upright(8));
    ASSERT_TRUE(view.isRangeStartPending());

    // Round "entre", characters 8 to 12: the circle selects the word under its centre.
    const QRect word = charBox(view, 8).united(charBox(view, 12));
    play(view, *gesture(FamilyKind::Circle, {double(word.center().x()), double(word.center().y())},
                        word.width() + 16, 0.0));
    EXPECT_EQ(statusMessage(), "Cercle Sélectionner ce mot...");
    EXPECT_FALSE(view.isRangeStartPending());
    EXPECT_EQ(selected(view), "entre");

    // The next vertical stroke starts a selection again.
    play(view, *upright(17));
    EXPECT_EQ(statusMessage(), "Début de sélection...");
    EXPECT_TRUE(view.isRangeStartPending());
    EXPECT_EQ(selected(view), "entre");
}

TEST_F(GestureEditing, AnArrowInsertsTypedTextAtItsHeadAndLeavesItSelected) {
    setText(view, "Il manque un mot.");
    const int at = 13; // before "mot"
    DrawingGenerator g(21);
    std::vector<Path> arrow = familyGesture(FamilyKind::Arrow, g, {0, 0}, 90, 0.0);
    // Its head points right: put the head's point on the caret before "mot".
    const Vec2 headPoint = *std::max_element(arrow[1].begin(), arrow[1].end(),
                                             [](Vec2 a, Vec2 b) { return a.x < b.x; });
    const Vec2 target{double(boundaryX(view, at)), double(lineY())};
    for (Path& path : arrow)
        for (Vec2& p : path)
            p = {p.x + target.x - headPoint.x, p.y + target.y - headPoint.y};

    ModalAnswers answers;
    answers.then(typeAndConfirm("bon "));
    play(view, *steadily(arrow));
    EXPECT_EQ(answers.seen(), QStringList{"Insérer le texte..."});
    EXPECT_EQ(statusMessage(), "Insérer du texte ici...");
    EXPECT_EQ(view.toPlainText(), "Il manque un bon mot.");
    EXPECT_EQ(selected(view), "bon ");
    EXPECT_EQ(view.textCursor().selectionStart(), at);
    EXPECT_EQ(view.history().at(0)->name(), "Arrow");

    // Quitter inserts nothing.
    answers.then(clickButton("Quitter"));
    play(view, *steadily(arrow));
    EXPECT_EQ(view.toPlainText(), "Il manque un bon mot.");
}

TEST_F(GestureEditing, MovingASelectionForwardOnTheSameLineLandsAtTheApex) {
    setText(view, "Le chat noir dort.");
    selectRange(view, 3, 8); // "chat "
    // A triangle pointing down, its apex on the caret before "dort".
    const double height = 48;
    const Vec2 apex{double(boundaryX(view, 13)), double(lineY())};
    const Path triangle = paths::triangle({apex.x, apex.y - height * 2 / 3}, 36, height, kPi);
    play(view, *steadily({triangle}));
    EXPECT_EQ(statusMessage(), "Déplacer la sélection ici...");
    EXPECT_EQ(view.toPlainText(), "Le noir chat dort.");
    EXPECT_EQ(selected(view), "chat ");
    EXPECT_EQ(view.textCursor().selectionStart(), 8);

    // The move is one step to undo.
    view.undo();
    EXPECT_EQ(view.toPlainText(), "Le chat noir dort.");
}

TEST_F(GestureEditing, AMoveGestureTakesTheFormatsAlongAndCanGoBackward) {
    setText(view, "Le chat noir dort.");
    selectRange(view, 13, 17); // "dort"
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    view.textCursor().mergeCharFormat(bold);
    // A narrow chevron pointing down, its apex on the caret before "chat".
    const Vec2 apex{double(boundaryX(view, 3)), double(lineY())};
    play(view, *steadily({paths::chevron(apex, 44, 0.7, kPi / 2)}));
    EXPECT_EQ(view.history().at(0)->name(), "Move");
    EXPECT_EQ(statusMessage(), "Déplacer la sélection ici...");
    EXPECT_EQ(view.toPlainText(), "Le dortchat noir .");
    EXPECT_EQ(selected(view), "dort");
    EXPECT_TRUE(view.isBold());
}

TEST_F(GestureEditing, ATapIsUnknownToTheEditor) {
    setText(view, "Rien ne change.");
    play(view, *gesture(FamilyKind::Tap, {40, double(lineY())}, 10, 0.0));
    EXPECT_EQ(statusMessage(), "Geste inconnu ou ambigu...");
    EXPECT_EQ(view.toPlainText(), "Rien ne change.");
    EXPECT_EQ(view.history().at(0)->name(), "Tap");
}

TEST_F(GestureEditing, CopyWithNothingSelectedLeavesTheClipboardUntouched) {
    setText(view, "Copier ceci.");
    QApplication::clipboard()->setText("avant");
    play(view, *gesture(FamilyKind::Copy, {120, 80}, 70, 0.0));
    EXPECT_EQ(statusMessage(), "Sélectionnez quelquechose avant...");
    EXPECT_EQ(QApplication::clipboard()->text(), "avant");

    selectRange(view, 7, 12);
    play(view, *gesture(FamilyKind::Copy, {120, 80}, 70, 0.0));
    EXPECT_EQ(statusMessage(), "Copier la sélection...");
    EXPECT_EQ(QApplication::clipboard()->text(), "ceci.");
    EXPECT_EQ(view.toPlainText(), "Copier ceci.");
}

TEST_F(GestureEditing, CrossCutsDeleteClearsAndMovePastesAtTheCaret) {
    setText(view, "un deux trois");
    QApplication::clipboard()->setText("avant");
    selectRange(view, 3, 8); // "deux "
    play(view, *gesture(FamilyKind::Cross, {150, 100}, 60, 0.0));
    EXPECT_EQ(statusMessage(), "Couper la sélection...");
    EXPECT_EQ(view.toPlainText(), "un trois");
    EXPECT_EQ(QApplication::clipboard()->text(), "deux ");

    // Nothing selected: the move gesture pastes at the caret and selects what came.
    view.moveCursor(QTextCursor::End);
    play(view, *steadily({paths::chevron({150, 100}, 44, 0.7, 0.0)}));
    EXPECT_EQ(statusMessage(), "Coller ici...");
    EXPECT_EQ(view.toPlainText(), "un troisdeux ");
    EXPECT_EQ(selected(view), "deux ");

    play(view, *gesture(FamilyKind::Delete, {150, 100}, 80, 0.0));
    EXPECT_EQ(statusMessage(), "Supprimer la sélection...");
    EXPECT_EQ(view.toPlainText(), "un trois");

    play(view, *gesture(FamilyKind::Delete, {150, 100}, 80, 0.0));
    EXPECT_EQ(statusMessage(), "Sélectionnez quelquechose avant...");
    EXPECT_EQ(view.toPlainText(), "un trois");

    // An empty clipboard has nothing to paste.
    QApplication::clipboard()->clear();
    play(view, *steadily({paths::chevron({150, 100}, 44, 0.7, 0.0)}));
    EXPECT_EQ(statusMessage(), "Sélection ou Presse-Papier vide...");
    EXPECT_EQ(view.toPlainText(), "un trois");
}

TEST_F(GestureEditing, ARectangleSelectsTheTextBetweenItsCorners) {
    setText(view, "Une ligne.\nAvant le milieu apres.\nUne autre.");
    view.selectAll();
    view.setFontPointSize(28);
    // Its top-left corner in the "l" of "le", its bottom-right one in the "u"
    // of "milieu": characters 17 to 25 of the second line.
    const QRect first = charBox(view, 17), last = charBox(view, 25);
    const QRectF box(QPointF(first.left() + 3, first.top() + 6),
                     QPointF(last.right() - 3, last.bottom() - 6));
    play(view, *steadily({paths::rectangle({box.center().x(), box.center().y()}, box.width(),
                                           box.height(), 0.0)}));
    EXPECT_EQ(view.history().at(0)->name(), "Rectangle");
    EXPECT_EQ(statusMessage(), "Sélectionner ceci...");
    EXPECT_EQ(selected(view), "le milieu");
}

TEST_F(GestureEditing, AnEllipseSelectsTheWordAtItsCentre) {
    setText(view, "Un mot allongement ici.");
    const QRect word = charBox(view, 7).united(charBox(view, 17));
    play(view, *gesture(FamilyKind::Ellipse, {double(word.center().x()), double(word.center().y())},
                        word.width() + 10, 0.0));
    EXPECT_EQ(view.history().at(0)->name(), "Ellipse");
    EXPECT_EQ(statusMessage(), "Sélectionner ce mot...");
    EXPECT_EQ(selected(view), "allongement");
}

TEST_F(GestureEditing, ASlantedLineAsksToDrawAgainAndDropsThePendingStart) {
    setText(view, "Un deux trois.");
    play(view, *upright(3));
    ASSERT_TRUE(view.isRangeStartPending());
    play(view, *gesture(FamilyKind::Line, {120, 60}, 80, 0.7));
    EXPECT_EQ(statusMessage(), "Veuillez recommencer le geste...");
    EXPECT_FALSE(view.isRangeStartPending());
    EXPECT_EQ(view.toPlainText(), "Un deux trois.");
}
