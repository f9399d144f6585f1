#include "monkey/Monkey.h"

#include "app/Editors.h"
#include "flowchart/Orga.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/TestApplication.h"
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
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {

// Each test takes a few seconds under the sanitizers, twenty at most on a
// busy machine.
constexpr int kDefaultEvents = 8000;

template <typename Window> bool isA(CChildFrame& window) {
    return qobject_cast<Window*>(&window) != nullptr;
}

} // namespace

// The application started over a temporary data root, a manual gesture clock,
// and the seed and length of the run, told before it starts so that a failure
// can be played again.
class MonkeyTest : public testing::Test {
protected:
    MonkeyTest() : m_clock(5000.0), m_app(editorTemplates(), newSetDialog()) {}

    void SetUp() override {
        // What an earlier test copied would change what this one pastes: a
        // test plays the same run alone or after the others.
        QApplication::clipboard()->clear();
        m_app.startReady();
        frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        std::cout << "graine du singe : " << m_seed << " (" << m_events << " événements)"
                  << std::endl;
    }

    CMainFrame& frame() { return m_app.frame(); }
    template <typename Window> Window* active() {
        return qobject_cast<Window*>(frame().activeChildFrame());
    }
    template <typename Window> QList<Window*> windows() {
        QList<Window*> found;
        for (QMdiSubWindow* window : frame().mdiArea()->subWindowList())
            if (auto* child = qobject_cast<Window*>(window->widget()))
                found << child;
        return found;
    }

    template <typename Window> Monkey monkeyAt(const QString& menu, const QString& entry) {
        return Monkey(frame(), m_clock, m_app.root(),
                      {.owns = isA<Window>, .menu = menu, .entry = entry}, m_seed);
    }

    // Opens the first document of the monkey's home through its menu, as a
    // user at the keyboard would, then lets the monkey play.
    template <typename Window> void openAndPlay(Monkey& monkey) {
        chooseMenuEntry(frame(), monkey.home().menu, monkey.home().entry);
        ASSERT_NE(active<Window>(), nullptr);
        monkey.run(m_events);
        std::cout << monkey.actions() << " actions, " << monkey.eventsSent() << " événements"
                  << std::endl;
    }

    const std::uint32_t m_seed = monkeySeed();
    const int m_events = monkeyEvents(kDefaultEvents);
    GestureClock::Manual m_clock;
    TestApplication m_app;
};

TEST_F(MonkeyTest, TheGestureSetEditorSurvivesAnything) {
    Monkey monkey = monkeyAt<CApprentissage>("&Gestes", "&Nouveau");
    monkey.answers().then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("setName"), "Singe");
        typeOver(dialog.findChild<QLineEdit*>("gestureName"), "geste");
        clickWithMouse(findButton(dialog, "OK"));
    });
    openAndPlay<CApprentissage>(monkey);
}

TEST_F(MonkeyTest, TheFlowchartEditorSurvivesAnything) {
    Monkey monkey = monkeyAt<COrga>("&Organigrammes", "&Nouveau");
    openAndPlay<COrga>(monkey);
}

// At the end, every text still open is saved, closed and opened again: it
// comes back with the same characters and formats.
TEST_F(MonkeyTest, TheTextEditorSurvivesAnythingAndLosesNothing) {
    Monkey monkey = monkeyAt<CStrovik>("&Editeur", "&Nouveau");
    openAndPlay<CStrovik>(monkey);
    if (HasFatalFailure())
        return;

    int saved = 0;
    for (const QPointer<CStrovik> window : windows<CStrovik>()) {
        const QStringList before = describeText(*window->view().document());
        const QString path = m_app.root() + QStringLiteral("Editeur/relu%1.svk").arg(++saved);
        ASSERT_TRUE(window->document().doSave(path)) << path.toStdString();
        window->parentWidget()->close();
        flushDeletes();
        m_app.application().openFile(path);
        CStrovik* reopened = active<CStrovik>();
        ASSERT_NE(reopened, nullptr) << path.toStdString();
        EXPECT_EQ(describeText(*reopened->view().document()), before) << path.toStdString();
        reopened->parentWidget()->close();
        flushDeletes();
    }
}
