#include "monkey/Monkey.h"

#include "flowchart/OrgArchive.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "support/EditorFixture.h"
#include "support/Menus.h"
#include "support/TextRuns.h"
#include "support/Typing.h"
#include "text/Strovik.h"
#include "text/StrovikView.h"
#include "training/Apprentissage.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <iostream>

// The editors in the running application, and the seed and length of the run,
// told before it starts so that a failure can be played again. Each run takes
// a few seconds under the sanitizers, twenty at most on a busy machine. What
// an earlier test copied would change what this one pastes: a test plays the
// same run alone or after the others.
class MonkeyTest : public testing::Test {
protected:
    MonkeyTest() { QApplication::clipboard()->clear(); }

    // Opens the first document of the home through its menu, as a user at the
    // keyboard would, then lets the monkey play.
    template <typename Window>
    void play(const QString& menu, const QString& entry,
              const std::function<void(Monkey&)>& prepare = {}) {
        const auto owns = [](CChildFrame& window) { return qobject_cast<Window*>(&window); };
        Monkey monkey(editor.frame(), editor.clock(), editor.root(),
                      {.owns = owns, .menu = menu, .entry = entry}, m_seed);
        std::cout << "graine du singe : " << m_seed << " (" << m_events << " événements)"
                  << std::endl;
        if (prepare)
            prepare(monkey);
        chooseMenuEntry(editor.frame(), menu, entry);
        ASSERT_NE(editor.active<Window>(), nullptr);
        monkey.run(m_events);
        std::cout << monkey.actions() << " actions, " << monkey.eventsSent() << " événements"
                  << std::endl;
    }

    const std::uint32_t m_seed = monkeySeed();
    const int m_events = monkeyEvents(8000);
    EditorFixture editor{5000.0};
};

TEST_F(MonkeyTest, TheGestureSetEditorSurvivesAnything) {
    play<CApprentissage>("&Gestes", "&Nouveau", [](Monkey& monkey) {
        monkey.answers().then([](QWidget& dialog) {
            typeOver(dialog.findChild<QLineEdit*>("setName"), "Singe");
            typeOver(dialog.findChild<QLineEdit*>("gestureName"), "geste");
            clickWithMouse(findButton(dialog, "OK"));
        });
    });
}

// Its random entries and keys undo and redo too. At the end, each flowchart
// undone back to its last save or opening holds what its file holds.
TEST_F(MonkeyTest, TheFlowchartEditorSurvivesAnything) {
    play<COrga>("&Organigrammes", "&Nouveau");
    for (QMdiSubWindow* window : editor.frame().mdiArea()->subWindowList()) {
        auto* flowchart = qobject_cast<COrga*>(window->widget());
        QUndoStack* steps = flowchart ? &flowchart->orgaDocument().undoStack() : nullptr;
        if (steps == nullptr || steps->cleanIndex() < 0)
            continue;
        steps->setIndex(steps->cleanIndex());
        const QString path = flowchart->orgaDocument().pathName();
        COrganigramme fresh;
        EXPECT_EQ(storeOrganigramme(flowchart->orgaDocument().organigramme()),
                  path.isEmpty() ? storeOrganigramme(fresh) : readFile(path).toStdString())
            << path.toStdString();
    }
}

// At the end, every text still open is saved, closed and opened again: it
// comes back with the same characters and formats.
TEST_F(MonkeyTest, TheTextEditorSurvivesAnythingAndLosesNothing) {
    play<CStrovik>("&Editeur", "&Nouveau");
    if (HasFatalFailure())
        return;
    int saved = 0;
    for (QMdiSubWindow* window : editor.frame().mdiArea()->subWindowList()) {
        auto* text = qobject_cast<CStrovik*>(window->widget());
        if (text == nullptr)
            continue;
        const QStringList before = describeText(*text->view().document());
        const QString path = editor.root() + QString("Editeur/relu%1.svk").arg(++saved);
        ASSERT_TRUE(text->document().doSave(path)) << path.toStdString();
        window->close();
        flushDeletes();
        editor.application().openFile(path);
        ASSERT_NE(editor.active<CStrovik>(), nullptr) << path.toStdString();
        EXPECT_EQ(describeText(*editor.active<CStrovik>()->view().document()), before);
        editor.closeActive();
    }
}
