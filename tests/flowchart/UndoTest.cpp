#include "flowchart/OrgaEditor.h"
#include "gesture/GesturePlayer.h"

#include <QFile>

// Undo and redo through their shortcuts, and the keys that change the flowchart.
using FlowchartUndo = OrgaWindow;

// A rectangle, moved 80 pixels right by a right-button gesture, then erased
// with everything by the gesture of "Effacer : Tout": each gesture is one step
// through the three shortcuts. Back at the start, the flowchart is as new;
// undoing or redoing to what was saved leaves nothing to save, going past it
// is a change again.
TEST_F(FlowchartUndo, EachGestureIsOneStepBackAndForth) {
    play(*componentDrawing(kind::RectangleHorizontal, {200, 200}));
    const QStringList drawn = now();
    ASSERT_EQ(drawn.size(), 1);
    hover({200, 200});
    play(*traced({{{200, 200}, {285, 200}, {280, 206}}}), Qt::RightButton);
    const QStringList moved = now();
    hover({600, 500});
    play(*commandDrawing(commande::EffacerTout, {600, 500}), Qt::RightButton);
    ASSERT_TRUE(elements().empty());

    // Saved after the fourth step.
    const QKeyCombination undo = Qt::CTRL | Qt::Key_Z;
    const QKeyCombination redo = Qt::CTRL | Qt::Key_Y;
    const std::tuple<QKeyCombination, QStringList, bool> steps[] = {
        {undo, moved, true},
        {undo, drawn, true},
        {undo, {}, false},
        {redo, drawn, true},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, moved, true},
        {redo, {}, true},
        {undo, moved, true},
        {undo, drawn, false},
        {undo, {}, true},
        {redo, drawn, false}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const auto& [key, state, modified] = steps[i];
        press(key.key(), key.keyboardModifiers());
        EXPECT_EQ(std::pair(now(), doc().isModified()), std::pair(state, modified)) << i;
        if (i == 3)
            ASSERT_TRUE(doc().doSave(editor.root() + "Organigrammes/plan.org"));
    }
}

// The arrows move the component under the pointer by the step, by one pixel
// with Shift; Suppr erases it; each is undone alone. Échap drops the stroke
// being drawn: its release makes nothing.
TEST_F(FlowchartUndo, TheKeysMoveEraseAndCancelEachOneStep) {
    add<CCarre>(kNoir, 1, CRect{100, 100, 200, 200});
    const QStringList placed = now();
    const CRect at = elements().at(0)->GetBoundRect();
    hover({150, 150});
    press(Qt::Key_Right);
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(elements().at(0)->GetBoundRect(), at.offset({10, 1}));
    press(Qt::Key_Up);
    press(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(elements().at(0)->GetBoundRect(), at.offset({9, -9}));
    const QStringList moved = now();
    press(Qt::Key_Delete);
    EXPECT_TRUE(elements().empty());
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(now(), moved);
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(now(), placed);

    GesturePlayer player(view().capture(), editor.clock());
    player.press({300, 300});
    player.move({420, 300});
    press(Qt::Key_Escape);
    EXPECT_FALSE(view().capture().hasInk());
    player.release({420, 420});
    view().capture().finishNow();
    EXPECT_EQ(now(), placed);
}

// Characters that Windows-1252 lacks are named before saving; "Non" writes
// nothing, "Oui" writes them as '?'.
TEST_F(FlowchartUndo, SavingCharactersTheFileCannotHoldWarnsFirst) {
    add<CTexte>(kNoir, "Verdana", 12, CRect{10, 10, 90, 30}, "Ω ≠ Ω été");
    const QString path = editor.root() + "Organigrammes/grec.org";
    m_answers.then(clickButton("Non"));
    EXPECT_FALSE(doc().doSave(path));
    EXPECT_FALSE(QFile::exists(path));
    m_answers.then(clickButton("Oui"));
    EXPECT_TRUE(doc().doSave(path));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(m_answers.seen(),
              QStringList(2, "Ces caractères ne peuvent pas être enregistrés dans un organigramme "
                             "et deviendront « ? » : Ω ≠\nEnregistrer quand même ?"));
}
