#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "generator/CommandGestures.h"
#include "generator/ComponentGestures.h"
#include "generator/FamilyGestures.h"
#include "generator/ShapePaths.h"
#include "generator/TextGestures.h"
#include "gesture/GestureClock.h"
#include "gesture/GesturePlayer.h"
#include "shell/Configuration.h"
#include "shell/MainFrm.h"
#include "support/EditorFixture.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TextRuns.h"
#include "support/Typing.h"
#include "text/Strovik.h"
#include "text/StrovikText.h"
#include "text/StrovikView.h"
#include "training/Apprentissage.h"
#include "training/ApprentissageDoc.h"
#include "training/SortedListBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <iostream>
#include <random>

namespace {

using testing::AssertionFailure;
using testing::AssertionResult;
using testing::AssertionSuccess;

// Every component the view may point at is one of its flowchart's; the
// flowchart as it would be saved reads back, and is saved again the same.
AssertionResult consistentFlowchart(COrga& window, bool thorough) {
    const CElement* selected = window.view()->selection();
    COrganigramme& flowchart = window.orgaDocument().organigramme();
    const auto& elements = flowchart.elements();
    if (selected != nullptr && std::none_of(elements.begin(), elements.end(),
                                            [&](const auto& e) { return e.get() == selected; }))
        return AssertionFailure() << "the view points at a component its flowchart no longer holds";
    if (!thorough)
        return AssertionSuccess();
    const std::string bytes = storeOrganigramme(flowchart);
    const OrgLoadResult back = loadOrganigramme(bytes, "singe.org");
    if (!back.organigramme)
        return AssertionFailure() << "the saved flowchart is refused when read back: "
                                  << back.error;
    if (storeOrganigramme(*back.organigramme) != bytes)
        return AssertionFailure() << "the saved flowchart reads back otherwise";
    return AssertionSuccess();
}

QStringList sorted(int count, const std::function<std::string(int)>& name) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::fromStdString(name(i));
    names.sort();
    return names;
}

QStringList sortedRows(const SortedListBox& list) {
    return sorted(list.count(), [&](int row) { return list.textAt(row).toStdString(); });
}

// The lists show the classes of the set, and the examples of the class chosen;
// the set as it would be saved reads back, and is saved again the same.
AssertionResult consistentGestureSet(CApprentissage& window, bool thorough) {
    const CEnsemble& set = static_cast<CApprentissageDoc&>(window.document()).ensemble();
    const auto& classes = *window.findChild<SortedListBox*>("classes");
    const auto& examples = *window.findChild<SortedListBox*>("exemples");
    const QStringList held = sorted(set.nbClasses(), [&](int c) { return set.classe(c).nom(); });
    if (sortedRows(classes) != held)
        return AssertionFailure() << "the class list shows "
                                  << sortedRows(classes).join(", ").toStdString()
                                  << " but the set holds " << held.join(", ").toStdString();
    const int row = classes.selection();
    if (row >= 0) {
        int chosen = -1;
        for (int c = 0; c < set.nbClasses(); ++c)
            if (QString::fromStdString(set.classe(c).nom()) == classes.textAt(row))
                chosen = c;
        if (chosen < 0)
            return AssertionFailure()
                   << "the class list selects " << classes.textAt(row).toStdString()
                   << ", which the set does not hold";
        const CClasse& c = set.classe(chosen);
        const QStringList names = sorted(c.nbExemples(), [&](int e) { return c.exemple(e).nom(); });
        if (sortedRows(examples) != names)
            return AssertionFailure()
                   << "the example list shows " << sortedRows(examples).join(", ").toStdString()
                   << " but class " << c.nom() << " holds " << names.join(", ").toStdString();
    }
    if (!thorough)
        return AssertionSuccess();
    const std::string text = ecrireEnsemble(set);
    const LectureEnsemble back = lireEnsemble(text, "singe.gst");
    if (!back.erreur.empty())
        return AssertionFailure() << "the saved set is refused when read back: " << back.erreur;
    if (ecrireEnsemble(*back.ensemble) != text)
        return AssertionFailure() << "the saved set reads back otherwise";
    return AssertionSuccess();
}

// The text as it would be saved reads back with the same characters and formats.
AssertionResult textSavesWhole(CStrovik& window) {
    const auto& text = static_cast<const CStrovikText&>(*window.view().document());
    CStrovikText copy;
    if (copy.readSvk(text.toSvk().toStdString()) != SvkProblem::None)
        return AssertionFailure() << "the saved text is refused when read back";
    if (describeText(text) != describeText(copy))
        return AssertionFailure() << "the saved text reads back otherwise:\n"
                                  << describeText(text).join('\n').toStdString() << "\nbecomes\n"
                                  << describeText(copy).join('\n').toStdString();
    return AssertionSuccess();
}

// What must hold of a document window after every action; now and then, when
// `thorough`, also that its document would be saved whole.
AssertionResult consistent(CChildFrame& window, bool thorough) {
    if (auto* flowchart = qobject_cast<COrga*>(&window))
        return consistentFlowchart(*flowchart, thorough);
    if (auto* gestures = qobject_cast<CApprentissage*>(&window))
        return consistentGestureSet(*gestures, thorough);
    if (auto* text = qobject_cast<CStrovik*>(&window); text != nullptr && thorough)
        return textSavesWhole(*text);
    return AssertionSuccess();
}

// The drawing area of the window, if it has one.
GestureCapture* captureOf(CChildFrame& window) {
    return window.findChild<GestureCapture*>();
}

// Editing keys, and the shortcuts of the menus and of the widgets. Left out:
// Ctrl+Q quits, which would end the test's world, and Ctrl+P opens the print
// dialog, whose OK prints on a real printer.
const char* const kKeys[] = {
    "Return",       "Enter",      "Backspace", "Del",           "Left",
    "Right",        "Up",         "Down",      "Shift+Left",    "Shift+Right",
    "Shift+Up",     "Shift+Down", "Home",      "End",           "Ctrl+Shift+End",
    "PgUp",         "PgDown",     "Tab",       "Shift+Backtab", "Esc",
    "Space",        "F3",         "Ctrl+Z",    "Ctrl+Shift+Z",  "Ctrl+Y",
    "Ctrl+X",       "Ctrl+C",     "Ctrl+V",    "Ctrl+A",        "Ctrl+S",
    "Ctrl+Shift+S", "Ctrl+N",     "Ctrl+O",    "Ctrl+F",        "Ctrl+H",
    "Ctrl+B",       "Ctrl+I",     "Ctrl+U",    "Ctrl+W",        "Ctrl+F4",
    "Ctrl+Tab",     "Alt+Return"};

const char* const kExtensions[] = {".svk", ".org", ".gst", ".txt", ""};

// The entries left out leave the test's world: "&Quitter" ends the
// application, and the print entries send the text to a real printer.
bool excluded(const QAction& action) {
    static const QStringList kLeftOut = {"&Quitter", "&Imprimer...", "Impression &directe",
                                         "Imprimer"};
    return kLeftOut.contains(action.text());
}

// The seed of a run, from VELMORA_MONKEY_SEED when set, and its number of
// events, from VELMORA_MONKEY_EVENTS.
std::uint32_t monkeySeed() {
    bool ok = false;
    const uint seed = qEnvironmentVariable("VELMORA_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : 1234;
}

int monkeyEvents(int byDefault) {
    bool ok = false;
    const int events = qEnvironmentVariable("VELMORA_MONKEY_EVENTS").toInt(&ok);
    return ok && events > 0 ? events : byDefault;
}

} // namespace

// A user who does anything at all, at random but replayably from a seed, in the
// application's main window: strokes and generated gestures drawn with either
// button on the active window's drawing area, clicks on its widgets, keys and
// shortcuts, commands from the menus and the tool bars; every modal window is
// answered at random too. It keeps coming back to one editor, its home: when
// another window is active it now and then activates, or opens, one of the
// home's. After each action it checks what must always hold: the main window
// is there, no modal window is left open, and every document window is
// consistent with its document; every fiftieth action, also that each
// document would be saved whole. VELMORA_MONKEY_TRACE set prints each action.
class Monkey {
public:
    struct Home {
        // Whether the window is one of the editor's.
        std::function<bool(CChildFrame&)> owns;
        // The menu entry that makes a new document of the editor.
        QString menu;
        QString entry;
    };

    Monkey(CMainFrame& frame, GestureClock::Manual& clock, const QString& dataRoot, Home home,
           std::uint32_t seed)
        : m_frame(frame), m_frameAlive(&frame), m_clock(clock), m_root(dataRoot),
          m_home(std::move(home)), m_seed(seed), m_random(seed),
          m_trace(qEnvironmentVariableIsSet("VELMORA_MONKEY_TRACE")) {
        m_answers.otherwise([this](QWidget& window) { answer(window); });
        m_menuWatch.setInterval(10);
        QObject::connect(&m_menuWatch, &QTimer::timeout, [this] { answerMenu(); });
        m_menuWatch.start();
    }

    // Answers queued here go before the random ones.
    ModalAnswers& answers() { return m_answers; }

    // Acts until `events` mouse, key and menu events have been sent, or until
    // a check fails, which fails the test with the seed and the last actions.
    // A click on a drawing area is a gesture of one point: it ends with the
    // action that made it, as drawn gestures do, and never by its real timer.
    void run(int events) {
        int idle = 0;
        while (m_events < events) {
            const int before = m_events;
            m_clock.advance(uniform(50, 2000) / 1000.0);
            activate();
            goHome();
            act();
            for (QMdiSubWindow* window : m_frame.mdiArea()->subWindowList())
                if (auto* child = qobject_cast<CChildFrame*>(window->widget()))
                    if (GestureCapture* capture = captureOf(*child))
                        capture->finishNow();
            ++m_actions;
            if (!checkAfter())
                return;
            idle = m_events == before ? idle + 1 : 0;
            if (idle == 1000) {
                ADD_FAILURE() << "graine du singe " << m_seed << ": nothing left to do after "
                              << m_events << " events";
                return;
            }
        }
    }
    int eventsSent() const { return m_events; }
    int actions() const { return m_actions; }

private:
    using Chooser = std::function<QAction*(const QList<QAction*>&)>;

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    template <typename List> const auto& pick(const List& list) {
        return list[uniform(0, static_cast<int>(std::size(list)) - 1)];
    }
    void sent(int events = 1) { m_events += events; }

    // The offscreen platform leaves no window active once a menu or a dialog has
    // closed; a user's click would make the main window active again.
    void activate() {
        const QWidget* active = QApplication::activeWindow();
        if (active != nullptr && active->isVisible() &&
            qobject_cast<const QMenu*>(active) == nullptr)
            return;
        m_frame.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_frame))
            log("the main window could not be made active");
    }

    void goHome() {
        CChildFrame* active = m_frame.activeChildFrame();
        if ((active != nullptr && m_home.owns(*active)) || !chance(0.3))
            return;
        for (QMdiSubWindow* window : m_frame.mdiArea()->subWindowList()) {
            auto* child = qobject_cast<CChildFrame*>(window->widget());
            if (child != nullptr && m_home.owns(*child)) {
                log("back to " + window->windowTitle());
                m_frame.mdiArea()->setActiveSubWindow(window);
                return;
            }
        }
        for (QAction* title : m_frame.menuBar()->actions())
            if (title->text() == m_home.menu && title->menu() != nullptr)
                return openMenuAndClick(*title, [this](const QList<QAction*>& entries) {
                    const auto found =
                        std::find_if(entries.begin(), entries.end(),
                                     [this](QAction* e) { return e->text() == m_home.entry; });
                    return found != entries.end() ? *found : nullptr;
                });
    }

    void act() {
        CChildFrame* window = m_frame.activeChildFrame();
        GestureCapture* capture = window != nullptr ? captureOf(*window) : nullptr;
        const bool drawable = capture != nullptr && capture->surface().isVisible();
        const int roll = uniform(0, 99);
        if (m_frame.mdiArea()->subWindowList().size() > 5)
            closeActiveWindow();
        else if (drawable && roll < 30)
            scrawl(*capture);
        else if (drawable && roll < 38)
            playGesture(*capture);
        else if (drawable && roll < 43)
            hover(*capture);
        else if (window != nullptr && roll < 56)
            clickWidget(*window);
        else if (roll < 80)
            pressKeys();
        else if (roll < 91)
            chooseRandomMenuCommand();
        else if (roll < 96)
            clickToolButton();
        else if (roll < 97)
            closeActiveWindow();
        else
            pressKeys();
    }

    // One to three strokes, then the end of the gesture as if its timer had fired.
    // No real timer of a gesture ever gets the chance: it would fire at a moment
    // that depends on the machine's speed, and the run could not be played again.
    void scrawl(GestureCapture& capture) {
        const QPointer<GestureCapture> target(&capture);
        const int strokes = uniform(1, 3);
        for (int s = 0; s < strokes && target; ++s) {
            m_clock.advance(uniform(50, 400) / 1000.0);
            stroke(*target);
        }
        log("end of gesture");
        if (target)
            target->finishNow();
    }

    void stroke(GestureCapture& capture) {
        const QPointer<GestureCapture> target(&capture);
        const Qt::MouseButton button = chance(0.5) ? Qt::LeftButton : Qt::RightButton;
        GesturePlayer player(capture, m_clock);
        player.setButton(button);
        QPoint p = randomPointIn(capture.surface(), 20);
        const int moves = uniform(0, 40);
        log(QString::asprintf("stroke, button %d, from (%d, %d), %d moves", int(button), p.x(),
                              p.y(), moves));
        player.press(p);
        sent();
        for (int i = 0; i < moves && target; ++i) {
            p += QPoint{uniform(-30, 30), uniform(-30, 30)};
            m_clock.advance(uniform(5, 40) / 1000.0);
            player.move(p);
            sent();
        }
        if (!target)
            return;
        m_clock.advance(uniform(5, 40) / 1000.0);
        player.release(p);
        sent();
    }

    void hover(GestureCapture& capture) {
        const QPointer<GestureCapture> target(&capture);
        GesturePlayer player(capture, m_clock);
        player.setButton(Qt::NoButton);
        const int moves = uniform(1, 10);
        log(QString("hover, %1 moves").arg(moves));
        for (int i = 0; i < moves && target; ++i) {
            m_clock.advance(uniform(5, 100) / 1000.0);
            player.move(randomPointIn(target->surface(), 10));
            sent();
        }
    }

    void playGesture(GestureCapture& capture) {
        const QPointer<GestureCapture> target(&capture);
        DrawingGenerator g(m_random());
        const Vec2 centre{static_cast<double>(uniform(0, capture.surface().width())),
                          static_cast<double>(uniform(0, capture.surface().height()))};
        const double size = uniform(30, 300);
        std::vector<Path> paths;
        const int kind = uniform(0, 4);
        if (kind == 0)
            paths = componentGesture(uniform(0, kComponentGestureCount - 1), g, centre, size);
        else if (kind == 1)
            paths = commandGesture(uniform(202, 217), g, centre, size);
        else if (kind == 2)
            paths = familyGesture(pick(kFamilyKinds), g, centre, size, g.uniform(-0.6, 0.6));
        else if (kind == 3)
            paths = textGesture(uniform(302, 305), g, centre, size);
        else
            paths = {paths::scribble(centre, size, size * 0.6, uniform(2, 9), g.uniform(-1, 1))};
        const std::unique_ptr<CDessin> drawing = g.draw(paths);
        const Qt::MouseButton button = chance(0.5) ? Qt::LeftButton : Qt::RightButton;
        log(QString::asprintf("gesture of kind %d, button %d, %g pixels at (%g, %g)", kind,
                              int(button), size, centre.x, centre.y));
        GesturePlayer player(capture, m_clock);
        player.setButton(button);
        player.playStrokes(*drawing);
        for (int s = 0; s < drawing->strokeCount(); ++s)
            sent(drawing->stroke(s).pointCount() + 1);
        log("end of gesture");
        if (target)
            target->finishNow();
    }

    void clickWidget(CChildFrame& window) {
        QList<QWidget*> widgets;
        for (QWidget* widget : window.findChildren<QWidget*>())
            if (widget->isVisible() && widget->isEnabled() && !widget->size().isEmpty())
                widgets << widget;
        if (widgets.isEmpty())
            return;
        QWidget* target = pick(widgets);
        QPoint p = randomPointIn(*target);
        // The press goes where a real one would: to the deepest widget under it.
        if (QWidget* child = target->childAt(p)) {
            p = child->mapFrom(target, p);
            target = child;
        }
        const int how = uniform(0, 9);
        log(QString::asprintf("click %d on %s '%s' at (%d, %d)", how,
                              target->metaObject()->className(), qPrintable(target->objectName()),
                              p.x(), p.y()));
        if (how == 0)
            QTest::mouseDClick(target, Qt::LeftButton, {}, p);
        else
            QTest::mouseClick(target, how == 1 ? Qt::RightButton : Qt::LeftButton, {}, p);
        sent(2);
    }

    void pressKeys() {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || !target->isVisible())
            target = QApplication::activeWindow();
        if (target == nullptr || qobject_cast<QMenu*>(target) != nullptr)
            target = &m_frame;
        const QPointer<QWidget> alive(target);
        if (chance(0.3)) {
            const QString text = randomText(10);
            log(QString("typing '%1' into %2").arg(text, target->metaObject()->className()));
            for (int i = 0; i < text.size() && alive; ++i, sent())
                typeText(alive, text.mid(i, 1));
            return;
        }
        const QKeyCombination key = QKeySequence(pick(kKeys))[0];
        log(QString("key %1 into %2")
                .arg(QKeySequence(key).toString(), target->metaObject()->className()));
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        sent();
    }

    void chooseRandomMenuCommand() {
        QList<QAction*> titles;
        for (QAction* title : m_frame.menuBar()->actions())
            if (title->menu() != nullptr && title->isVisible() && title->isEnabled())
                titles << title;
        if (!titles.isEmpty())
            openMenuAndClick(*pick(titles), [this](const QList<QAction*>& entries) {
                return entries.isEmpty() ? nullptr : pick(entries);
            });
    }

    // Opens the menu under its title as a click on the menu bar does, so that it
    // fills itself as it is about to show, then clicks one of its entries.
    void openMenuAndClick(QAction& title, const Chooser& choose) {
        QMenuBar* bar = m_frame.menuBar();
        m_menuOpened = title.menu();
        title.menu()->popup(bar->mapToGlobal(bar->actionGeometry(&title).bottomLeft()));
        sent();
        clickMenuEntry(*title.menu(), "menu " + title.text(), choose);
    }

    // Clicks the entry that `choose` picks among the enabled ones, or closes the
    // menu when it picks none.
    void clickMenuEntry(QMenu& menu, const QString& where, const Chooser& choose) {
        const QPointer<QMenu> alive(&menu);
        QList<QAction*> entries;
        for (QAction* entry : menu.actions())
            if (!entry->isSeparator() && entry->isVisible() && entry->isEnabled() &&
                entry->menu() == nullptr && !excluded(*entry))
                entries << entry;
        QAction* entry = choose(entries);
        log(where + " > " + (entry != nullptr ? entry->text() : "closed"));
        if (entry == nullptr) {
            menu.close();
            return;
        }
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(entry).center());
        sent();
        if (alive && alive->isVisible())
            alive->close();
    }

    // A menu that runs a loop of its own, as the New tool button's does, gets an
    // entry chosen or is closed, from inside that loop: from a queued call, as
    // modal windows are answered, since the entry may open one.
    void answerMenu() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || menu == m_menuOpened || m_answeringMenu)
            return;
        m_answeringMenu = true;
        QMetaObject::invokeMethod(
            &m_menuWatch,
            [this, menu = QPointer<QMenu>(menu)] {
                if (menu)
                    clickMenuEntry(*menu, "popup menu", [this](const QList<QAction*>& entries) {
                        return entries.isEmpty() || chance(0.3) ? nullptr : pick(entries);
                    });
                m_answeringMenu = false;
            },
            Qt::QueuedConnection);
    }

    void clickToolButton() {
        QList<QToolButton*> buttons;
        for (QToolBar* bar : {m_frame.standardBar(), m_frame.formatBar(), m_frame.traceBar()})
            for (QAction* action : bar->isVisible() ? bar->actions() : QList<QAction*>{})
                if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                    button != nullptr && button->isVisible() && button->isEnabled() &&
                    !excluded(*action))
                    buttons << button;
        if (buttons.isEmpty())
            return;
        QToolButton* button = pick(buttons);
        log("tool button " + button->toolTip());
        QTest::mouseClick(button, Qt::LeftButton);
        sent(2);
    }

    void closeActiveWindow() {
        if (QMdiSubWindow* window = m_frame.mdiArea()->activeSubWindow()) {
            log("closing " + window->windowTitle());
            window->close();
            sent();
        }
    }

    // Popups that clicks opened, such as a combo box's list, are answered with
    // keys. A menu left open is only ever closed: a key there could trigger an
    // entry left out, as Q does "&Quitter".
    void closePopups() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu*>(window) != nullptr && window->isVisible())
                window->close();
        for (int tries = 0; QWidget* popup = QApplication::activePopupWidget(); ++tries) {
            if (tries >= 4) {
                popup->close();
                if (QApplication::activePopupWidget() == popup)
                    popup->hide();
                continue;
            }
            const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Down, Qt::Key_Up};
            const Qt::Key key = pick(keys);
            log("key " + QKeySequence(key).toString() + " into the popup");
            QTest::keyClick(popup, key);
            sent();
        }
    }

    bool checkAfter() {
        closePopups();
        flushDeletes();
        QString problem;
        if (m_frameAlive == nullptr || !m_frame.isVisible())
            problem = "the main window is gone";
        else if (const QWidget* modal = QApplication::activeModalWidget())
            problem = "a modal window is left open: " + modal->windowTitle();
        for (QMdiSubWindow* window : m_frame.mdiArea()->subWindowList()) {
            auto* child = qobject_cast<CChildFrame*>(window->widget());
            if (problem.isEmpty() && child != nullptr)
                if (const AssertionResult result = consistent(*child, m_actions % 50 == 0); !result)
                    problem = window->windowTitle() + ": " + result.message();
        }
        if (problem.isEmpty())
            return true;
        ADD_FAILURE() << "graine du singe " << m_seed << ", after " << m_events << " events ("
                      << m_actions << " actions): " << problem.toStdString()
                      << "\nthe last actions:\n  "
                      << QStringList(m_log.begin(), m_log.end()).join("\n  ").toStdString();
        return false;
    }

    // Escape, typed fields and OK, or a button at random. A print dialog's OK and
    // a preview's print button print on a real printer: those are only closed.
    void answer(QWidget& window) {
        const auto* box = qobject_cast<QMessageBox*>(&window);
        log("modal window: " + (box != nullptr ? box->text() : window.windowTitle()));
        if (qobject_cast<QPrintDialog*>(&window) || qobject_cast<QPrintPreviewDialog*>(&window))
            return static_cast<QDialog&>(window).reject();
        if (auto* files = qobject_cast<QFileDialog*>(&window))
            return answerFileDialog(*files);
        const int how = uniform(0, 9);
        const QPointer<QWidget> alive(&window);
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled())
                buttons << button;
        if (how < 2 || (how >= 6 && buttons.isEmpty())) {
            log("Escape");
            QTest::keyClick(&window, Qt::Key_Escape);
            return sent();
        }
        if (how >= 6) {
            QAbstractButton* button = pick(buttons);
            log("button " + button->text());
            QTest::mouseClick(button, Qt::LeftButton, {}, randomPointIn(*button));
            return sent(2);
        }
        for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
            if (!alive || !edit->isVisible() || !edit->isEnabled() || edit->isReadOnly() ||
                !chance(0.7))
                continue;
            const QString text = randomText(12);
            log(QString("typing '%1' into %2").arg(text, edit->objectName()));
            typeOver(edit, text);
            sent(text.size() + 1);
        }
        for (QComboBox* combo : window.findChildren<QComboBox*>()) {
            if (!alive || !combo->isVisible() || !combo->isEnabled() || !chance(0.5))
                continue;
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home};
            const Qt::Key key = pick(keys);
            log("key " + QKeySequence(key).toString() + " into list " + combo->objectName());
            combo->setFocus();
            QTest::keyClick(combo, key);
            sent();
        }
        if (!alive)
            return;
        QAbstractButton* ok = findButton(window, "OK");
        log("OK");
        if (ok != nullptr && ok->isEnabled())
            clickWithMouse(ok);
        else
            QTest::keyClick(&window, Qt::Key_Return);
        sent();
    }

    // Cancelled, or given a path inside the test's data folder: nothing is ever
    // read or written elsewhere.
    void answerFileDialog(QFileDialog& dialog) {
        if (chance(0.3)) {
            log("file dialog cancelled");
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return sent();
        }
        const bool opening = dialog.acceptMode() == QFileDialog::AcceptOpen;
        const QString path = randomPath(chance(opening ? 0.85 : 0.2));
        log("file " + path);
        chooseFile(path)(dialog);
        sent(path.size() + 1);
    }

    // One draw a statement: the order in which a call's arguments are worked out
    // differs between compilers, and the run must be the same with any.
    QString randomPath(bool existing) {
        QStringList files;
        for (QDirIterator it(m_root, QDir::Files, QDirIterator::Subdirectories);
             existing && it.hasNext();)
            files << it.next();
        files.sort();
        if (!files.isEmpty())
            return pick(files);
        const auto folders = Configuration("").folders();
        const QString folder = QString::fromStdString(pick(folders));
        QString name = randomText(10).trimmed();
        if (name.isEmpty())
            name = "x";
        return m_root + folder + name + pick(kExtensions);
    }

    // Letters, accented ones too, digits and spaces; never '/', '.', '\\' or '~',
    // so that a folder typed into a dialog always lies inside the current one.
    QString randomText(int maxLength) {
        static const QString kCharacters = QStringLiteral(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  éèàçôÉ€-_");
        QString text;
        const int length = uniform(0, maxLength);
        for (int i = 0; i < length; ++i)
            text += kCharacters[uniform(0, static_cast<int>(kCharacters.size()) - 1)];
        return text;
    }

    QPoint randomPointIn(const QWidget& widget, int margin = 0) {
        return {uniform(-margin, widget.width() - 1 + margin),
                uniform(-margin, widget.height() - 1 + margin)};
    }

    void log(const QString& action) {
        m_log.push_back(QString("%1: %2").arg(m_events).arg(action));
        if (m_trace)
            std::cout << m_log.back().toStdString() << std::endl;
        if (m_log.size() > 40)
            m_log.pop_front();
    }

    CMainFrame& m_frame;
    QPointer<CMainFrame> m_frameAlive;
    GestureClock::Manual& m_clock;
    QString m_root;
    Home m_home;
    std::uint32_t m_seed;
    std::mt19937 m_random;
    bool m_trace;
    ModalAnswers m_answers;
    QTimer m_menuWatch;
    // The menu that the monkey opened itself, and is about to click in.
    QPointer<QMenu> m_menuOpened;
    bool m_answeringMenu = false;
    int m_events = 0;
    int m_actions = 0;
    // The last actions, told when a check fails.
    std::deque<QString> m_log;
};

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
