#include "generator/ShapePaths.h"
#include "support/Typing.h"
#include "text/TextEditor.h"

#include <QPlainTextEdit>

// What each gesture does to the text; the rules that choose the edit are the
// text gestures' own. The status line of every gesture of a test is checked
// at its end against the golden file.
class GestureEditing : public TextEditorTest {
protected:
    void TearDown() override {
        expectTexts("TextGestures", testing::UnitTest::GetInstance()->current_test_info()->name(),
                    statuses);
    }
    // A vertical stroke through the line, at the caret before character i.
    std::unique_ptr<CDessin> upright(int i, std::uint32_t seed = 11) {
        return gesture(FamilyKind::Line, at(i), 30, std::numbers::pi / 2, seed);
    }
    // Round characters `first` to `last`, or `margin` wider than them.
    std::unique_ptr<CDessin> around(FamilyKind kind, int first, int last, int margin) {
        const QRect word = charBox(first).united(charBox(last));
        return gesture(kind, {double(word.center().x()), double(word.center().y())},
                       word.width() + margin, 0.0);
    }
    void expectEdit(const CDessin& drawing, const QString& text, const QString& selected) {
        play(drawing);
        statuses << editor.status();
        EXPECT_EQ(view().toPlainText(), text);
        EXPECT_EQ(view().textCursor().selectedText(), selected);
    }

    QStringList statuses;
};

// A stroke across a word deletes exactly its characters, an edit like any other.
TEST_F(GestureEditing, LinesDeleteOrSelectAndClosedShapesSelect) {
    setText("Un mot de trop ici.");
    const double from = charBox(10).left() + 2, to = charBox(13).right() - 2;
    expectEdit(*gesture(FamilyKind::Line, {(from + to) / 2, at(0).y}, to - from, 0.0),
               "Un mot de  ici.", "");
    setText("Choisir entre ici et la.");
    expectEdit(*upright(14), view().toPlainText(), "");
    EXPECT_TRUE(view().isRangeStartPending());
    expectEdit(*upright(17, 5), view().toPlainText(), "ici");
    EXPECT_EQ(view().textCursor().anchor(), 14);

    // A circle selects the word at its centre, and cancels a pending start; a
    // rectangle selects between its corners.
    setText("Choisir entre ici et la allongement.");
    play(*upright(8));
    expectEdit(*around(FamilyKind::Circle, 8, 12, 16), view().toPlainText(), "entre");
    EXPECT_FALSE(view().isRangeStartPending());

    setText("Une ligne.\nAvant le milieu apres.\nUne autre.");
    view().selectAll();
    view().setFontPointSize(28);
    // Its top-left corner in the "l" of "le", its bottom-right one in the "u" of "milieu".
    const QRect first = charBox(17), end = charBox(25);
    const QRectF box(QPointF(first.left() + 3, first.top() + 6),
                     QPointF(end.right() - 3, end.bottom() - 6));
    expectEdit(*steadily({paths::rectangle({box.center().x(), box.center().y()}, box.width(),
                                           box.height(), 0.0)}),
               view().toPlainText(), "le milieu");
}

// An arrow inserts the typed text at its head and leaves it selected; Quitter
// inserts nothing.
TEST_F(GestureEditing, AnArrowInsertsTypedText) {
    setText("Il manque un mot.");
    DrawingGenerator g(21);
    std::vector<Path> arrow = familyGesture(FamilyKind::Arrow, g, {0, 0}, 90, 0.0);
    const Vec2 head = *std::max_element(arrow[1].begin(), arrow[1].end(),
                                        [](Vec2 a, Vec2 b) { return a.x < b.x; });
    for (Path& path : arrow)
        for (Vec2& p : path)
            p = {p.x + at(13).x - head.x, p.y + at(13).y - head.y};
    answers.then([](QWidget& dialog) {
        expectTexts("TextGestures", "insert dialog", windowTexts(dialog));
        typeOver(dialog.findChild<QPlainTextEdit*>("texte"), "bon ");
        clickWithMouse(findButton(dialog, "OK"));
    });
    expectEdit(*steadily(arrow), "Il manque un bon mot.", "bon ");
    answers.then(clickButton("Quitter"));
    expectEdit(*steadily(arrow), "Il manque un bon mot.", "");
}

// A triangle moves the selection to its apex; the chevron, and a move being
// one step to undo, are the pictures' test.
TEST_F(GestureEditing, TrianglesMoveAndCommandsActOnTheSelection) {
    setText("Le chat noir dort.");
    select(3, 8);
    const double height = 48;
    expectEdit(*steadily({paths::triangle({at(13).x, at(13).y - height * 2 / 3}, 36, height,
                                          std::numbers::pi)}),
               "Le noir chat dort.", "chat ");

    // Copy and delete act on the selection; the cut and the paste are the pictures' test.
    setText("un deux trois");
    select(3, 8);
    expectEdit(*gesture(FamilyKind::Copy, {120, 80}, 70, 0.0), "un deux trois", "deux ");
    EXPECT_EQ(QApplication::clipboard()->text(), "deux ");
    expectEdit(*gesture(FamilyKind::Delete, {150, 100}, 80, 0.0), "un trois", "");
    EXPECT_EQ(view().history().at(view().history().count() - 1)->name(), "Delete");
}
