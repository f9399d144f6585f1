#include "monkey/Monkey.h"

#include "engine/Classe.h"
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
#include "gesture/GestureCapture.h"
#include "gesture/GesturePlayer.h"
#include "shell/Configuration.h"
#include "shell/MainFrm.h"
#include "support/TextRuns.h"
#include "support/Typing.h"
#include "text/Strovik.h"
#include "text/StrovikText.h"
#include "text/StrovikView.h"
#include "training/Apprentissage.h"
#include "training/ApprentissageDoc.h"
#include "training/ExempleView.h"
#include "training/SortedListBox.h"

#include <QAbstractButton>
#include <QApplication>
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
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

// Every component the view may point at is one of its flowchart's.
testing::AssertionResult consistentFlowchart(COrga& window) {
    const CElement* selected = window.view()->selection();
    const auto& elements = window.orgaDocument().organigramme().elements();
    if (selected == nullptr ||
        std::any_of(elements.begin(), elements.end(),
                    [selected](const auto& element) { return element.get() == selected; }))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the flowchart view points at a component that its flowchart no longer holds";
}

// The flowchart as it would be saved reads back, and is saved again the same.
testing::AssertionResult flowchartSavesWhole(COrga& window) {
    const std::string bytes = storeOrganigramme(window.orgaDocument().organigramme());
    const OrgLoadResult back = loadOrganigramme(bytes, "singe.org");
    if (!back.organigramme)
        return testing::AssertionFailure()
               << "the saved flowchart is refused when read back: " << back.error;
    if (storeOrganigramme(*back.organigramme) != bytes)
        return testing::AssertionFailure() << "the saved flowchart reads back otherwise";
    return testing::AssertionSuccess();
}

// The set as it would be saved reads back, and is saved again the same.
testing::AssertionResult gestureSetSavesWhole(CApprentissage& window) {
    const std::string text =
        ecrireEnsemble(static_cast<CApprentissageDoc&>(window.document()).ensemble());
    const LectureEnsemble back = lireEnsemble(text, "singe.gst");
    if (!back.erreur.empty())
        return testing::AssertionFailure()
               << "the saved set is refused when read back: " << back.erreur;
    if (ecrireEnsemble(*back.ensemble) != text)
        return testing::AssertionFailure() << "the saved set reads back otherwise";
    return testing::AssertionSuccess();
}

QStringList sortedRows(const SortedListBox& list) {
    QStringList rows;
    for (int row = 0; row < list.count(); ++row)
        rows << list.textAt(row);
    rows.sort();
    return rows;
}

// The lists show the classes of the set, and the examples of the class chosen.
testing::AssertionResult consistentGestureSet(CApprentissage& window) {
    const CEnsemble& set = static_cast<CApprentissageDoc&>(window.document()).ensemble();
    const auto* classes = window.findChild<SortedListBox*>("classes");
    const auto* examples = window.findChild<SortedListBox*>("exemples");
    QStringList held;
    for (int c = 0; c < set.nbClasses(); ++c)
        held << QString::fromStdString(set.classe(c).nom());
    held.sort();
    if (sortedRows(*classes) != held)
        return testing::AssertionFailure()
               << "the class list shows " << sortedRows(*classes).join(", ").toStdString()
               << " but the set holds " << held.join(", ").toStdString();
    const int row = classes->selection();
    if (row < 0)
        return testing::AssertionSuccess();
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& chosen = set.classe(c);
        if (QString::fromStdString(chosen.nom()) != classes->textAt(row))
            continue;
        QStringList names;
        for (int e = 0; e < chosen.nbExemples(); ++e)
            names << QString::fromStdString(chosen.exemple(e).nom());
        names.sort();
        if (sortedRows(*examples) != names)
            return testing::AssertionFailure()
                   << "the example list shows " << sortedRows(*examples).join(", ").toStdString()
                   << " but class " << chosen.nom() << " holds " << names.join(", ").toStdString();
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "the class list selects " << classes->textAt(row).toStdString()
           << ", which the set does not hold";
}

// The text as it would be saved reads back with the same characters and formats.
testing::AssertionResult textSavesWhole(CStrovik& window) {
    const auto& text = static_cast<const CStrovikText&>(*window.view().document());
    CStrovikText copy;
    const SvkProblem problem = copy.readSvk(text.toSvk().toStdString());
    if (problem != SvkProblem::None)
        return testing::AssertionFailure() << "the saved text is refused when read back";
    const QStringList before = describeText(text);
    const QStringList after = describeText(copy);
    if (before != after)
        return testing::AssertionFailure() << "the saved text reads back otherwise:\n"
                                           << before.join('\n').toStdString() << "\nbecomes\n"
                                           << after.join('\n').toStdString();
    return testing::AssertionSuccess();
}

// What must hold of a document window after every action; now and then, when
// `thorough`, also that its document would be saved whole.
testing::AssertionResult consistent(CChildFrame& window, bool thorough) {
    if (auto* flowchart = qobject_cast<COrga*>(&window)) {
        testing::AssertionResult result = consistentFlowchart(*flowchart);
        return result && thorough ? flowchartSavesWhole(*flowchart) : result;
    }
    if (auto* gestures = qobject_cast<CApprentissage*>(&window)) {
        testing::AssertionResult result = consistentGestureSet(*gestures);
        return result && thorough ? gestureSetSavesWhole(*gestures) : result;
    }
    if (auto* text = qobject_cast<CStrovik*>(&window); text != nullptr && thorough)
        return textSavesWhole(*text);
    return testing::AssertionSuccess();
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Editing keys, and the shortcuts of the menus and of the widgets. Left out:
// Ctrl+Q quits, which would end the test's world, and Ctrl+P opens the print
// dialog, whose OK prints on a real printer.
const Key kKeys[] = {
    {Qt::Key_Return},
    {Qt::Key_Enter},
    {Qt::Key_Backspace},
    {Qt::Key_Delete},
    {Qt::Key_Left},
    {Qt::Key_Right},
    {Qt::Key_Up},
    {Qt::Key_Down},
    {Qt::Key_Left, Qt::ShiftModifier},
    {Qt::Key_Right, Qt::ShiftModifier},
    {Qt::Key_Up, Qt::ShiftModifier},
    {Qt::Key_Down, Qt::ShiftModifier},
    {Qt::Key_Home},
    {Qt::Key_End},
    {Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_PageUp},
    {Qt::Key_PageDown},
    {Qt::Key_Tab},
    {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Escape},
    {Qt::Key_Space},
    {Qt::Key_F3},
    {Qt::Key_Z, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_Y, Qt::ControlModifier},
    {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_C, Qt::ControlModifier},
    {Qt::Key_V, Qt::ControlModifier},
    {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_S, Qt::ControlModifier},
    {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier},
    {Qt::Key_N, Qt::ControlModifier},
    {Qt::Key_O, Qt::ControlModifier},
    {Qt::Key_F, Qt::ControlModifier},
    {Qt::Key_H, Qt::ControlModifier},
    {Qt::Key_B, Qt::ControlModifier},
    {Qt::Key_I, Qt::ControlModifier},
    {Qt::Key_U, Qt::ControlModifier},
    {Qt::Key_W, Qt::ControlModifier},
    {Qt::Key_F4, Qt::ControlModifier},
    {Qt::Key_Tab, Qt::ControlModifier},
    {Qt::Key_Return, Qt::AltModifier},
};

const char* const kExtensions[] = {".svk", ".org", ".gst", ".txt", ""};

} // namespace

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

Monkey::Monkey(CMainFrame& frame, GestureClock::Manual& clock, const QString& dataRoot, Home home,
               std::uint32_t seed)
    : m_frame(frame), m_frameAlive(&frame), m_clock(clock), m_root(dataRoot),
      m_home(std::move(home)), m_seed(seed), m_random(seed),
      m_trace(qEnvironmentVariableIsSet("VELMORA_MONKEY_TRACE")) {
    m_answers.otherwise([this](QWidget& window) { answer(window); });
    m_menuWatch.setInterval(10);
    QObject::connect(&m_menuWatch, &QTimer::timeout, [this] { answerMenu(); });
    m_menuWatch.start();
}

void Monkey::run(int events) {
    int idle = 0;
    while (m_events < events) {
        const int before = m_events;
        m_clock.advance(uniform(50, 2000) / 1000.0);
        activate();
        goHome();
        act();
        endPendingGestures();
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

GestureCapture* Monkey::captureOf(CChildFrame& window) {
    return window.findChild<GestureCapture*>();
}

// A click on a drawing area is a gesture of one point: it ends with the action
// that made it, as drawn gestures do, and never by its real timer.
void Monkey::endPendingGestures() {
    for (QMdiSubWindow* window : m_frame.mdiArea()->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window->widget()))
            if (GestureCapture* capture = captureOf(*child))
                capture->finishNow();
}

CChildFrame* Monkey::activeWindow() const {
    return m_frame.activeChildFrame();
}

// The offscreen platform leaves no window active once a menu or a dialog has
// closed; a user's click would make the main window active again.
void Monkey::activate() {
    const QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active->isVisible() && qobject_cast<const QMenu*>(active) == nullptr)
        return;
    m_frame.activateWindow();
    if (!QTest::qWaitForWindowActive(&m_frame))
        log("the main window could not be made active");
}

void Monkey::goHome() {
    CChildFrame* active = activeWindow();
    if ((active != nullptr && m_home.owns(*active)) || !chance(0.3))
        return;
    QMdiArea* area = m_frame.mdiArea();
    for (QMdiSubWindow* window : area->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(window->widget());
        if (child != nullptr && m_home.owns(*child)) {
            log("back to " + window->windowTitle());
            area->setActiveSubWindow(window);
            return;
        }
    }
    chooseMenu(m_home.menu, m_home.entry);
}

void Monkey::act() {
    CChildFrame* window = activeWindow();
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
void Monkey::scrawl(GestureCapture& capture) {
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

void Monkey::stroke(GestureCapture& capture) {
    const QPointer<GestureCapture> target(&capture);
    const Qt::MouseButton button = chance(0.5) ? Qt::LeftButton : Qt::RightButton;
    GesturePlayer player(capture, m_clock);
    player.setButton(button);
    QPoint p = randomPointIn(capture.surface(), 20);
    const int moves = uniform(0, 40);
    log(QStringLiteral("stroke, %1 button, from (%2, %3), %4 moves")
            .arg(button == Qt::LeftButton ? "left" : "right")
            .arg(p.x())
            .arg(p.y())
            .arg(moves));
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

void Monkey::hover(GestureCapture& capture) {
    const QPointer<GestureCapture> target(&capture);
    GesturePlayer player(capture, m_clock);
    player.setButton(Qt::NoButton);
    const int moves = uniform(1, 10);
    log(QStringLiteral("hover, %1 moves").arg(moves));
    for (int i = 0; i < moves && target; ++i) {
        m_clock.advance(uniform(5, 100) / 1000.0);
        player.move(randomPointIn(target->surface(), 10));
        sent();
    }
}

void Monkey::playGesture(GestureCapture& capture) {
    const QPointer<GestureCapture> target(&capture);
    DrawingGenerator g(m_random());
    const QWidget& area = capture.surface();
    const Vec2 centre{static_cast<double>(uniform(0, area.width())),
                      static_cast<double>(uniform(0, area.height()))};
    const double size = uniform(30, 300);
    std::vector<Path> paths;
    QString name;
    switch (uniform(0, 4)) {
    case 0: {
        const int index = uniform(0, kComponentGestureCount - 1);
        paths = componentGesture(index, g, centre, size);
        name = QStringLiteral("component %1").arg(kFirstComponentCode + index);
        break;
    }
    case 1: {
        const int code = uniform(202, 217);
        paths = commandGesture(code, g, centre, size);
        name = QStringLiteral("command %1").arg(code);
        break;
    }
    case 2: {
        const FamilyKind kind = pick(kFamilyKinds);
        paths = familyGesture(kind, g, centre, size, g.uniform(-0.6, 0.6));
        name = QString::fromUtf8(familyName(kind));
        break;
    }
    case 3: {
        const int code = uniform(302, 305);
        paths = textGesture(code, g, centre, size);
        name = QStringLiteral("text gesture %1").arg(code);
        break;
    }
    default:
        paths = {paths::scribble(centre, size, size * 0.6, uniform(2, 9), g.uniform(-1, 1))};
        name = "scribble";
        break;
    }
    const std::unique_ptr<CDessin> drawing = g.draw(paths);
    const Qt::MouseButton button = chance(0.5) ? Qt::LeftButton : Qt::RightButton;
    log(QStringLiteral("gesture %1, %2 button, %3 pixels at (%4, %5)")
            .arg(name, button == Qt::LeftButton ? "left" : "right")
            .arg(size)
            .arg(centre.x)
            .arg(centre.y));
    GesturePlayer player(capture, m_clock);
    player.setButton(button);
    player.playStrokes(*drawing);
    for (int s = 0; s < drawing->strokeCount(); ++s)
        sent(drawing->stroke(s).pointCount() + 1);
    log("end of gesture");
    if (target)
        target->finishNow();
}

void Monkey::clickWidget(CChildFrame& window) {
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
    log(QStringLiteral("%1 on %2 '%3' at (%4, %5)")
            .arg(how == 0   ? "double click"
                 : how == 1 ? "right click"
                            : "click")
            .arg(target->metaObject()->className(), target->objectName())
            .arg(p.x())
            .arg(p.y()));
    if (how == 0)
        QTest::mouseDClick(target, Qt::LeftButton, {}, p);
    else
        QTest::mouseClick(target, how == 1 ? Qt::RightButton : Qt::LeftButton, {}, p);
    sent(2);
}

void Monkey::pressKeys() {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || !target->isVisible())
        target = QApplication::activeWindow();
    if (target == nullptr || qobject_cast<QMenu*>(target) != nullptr)
        target = &m_frame;
    const QPointer<QWidget> alive(target);
    if (chance(0.3)) {
        const QString text = randomText(10);
        log(QStringLiteral("typing '%1' into %2").arg(text, target->metaObject()->className()));
        for (const QChar c : text) {
            if (!alive)
                return;
            typeText(alive, QString(c));
            sent();
        }
        return;
    }
    const Key& key = pick(kKeys);
    log(QStringLiteral("key %1 into %2")
            .arg(QKeySequence(key.key | key.modifiers).toString(),
                 target->metaObject()->className()));
    QTest::keyClick(target, key.key, key.modifiers);
    sent();
}

// The entries left out leave the test's world: "&Quitter" ends the
// application, and the print entries send the text to a real printer.
bool Monkey::excluded(const QAction& action) const {
    static const QStringList kLeftOut = {"&Quitter", "&Imprimer...", "Impression &directe",
                                         "Imprimer"};
    return kLeftOut.contains(action.text());
}

void Monkey::chooseMenu(const QString& menuText, const QString& entryText) {
    QMenuBar* bar = m_frame.menuBar();
    for (QAction* title : bar->actions()) {
        if (title->text() != menuText || title->menu() == nullptr)
            continue;
        openMenuAndClick(*title, [&entryText](const QList<QAction*>& entries) -> QAction* {
            for (QAction* entry : entries)
                if (entry->text() == entryText)
                    return entry;
            return nullptr;
        });
        return;
    }
}

void Monkey::chooseRandomMenuCommand() {
    QList<QAction*> titles;
    for (QAction* title : m_frame.menuBar()->actions())
        if (title->menu() != nullptr && title->isVisible() && title->isEnabled())
            titles << title;
    if (titles.isEmpty())
        return;
    openMenuAndClick(*pick(titles), [this](const QList<QAction*>& entries) {
        return entries.isEmpty() ? nullptr : pick(entries);
    });
}

// Opens the menu under its title as a click on the menu bar does, so that it
// fills itself as it is about to show, then clicks one of its entries.
void Monkey::openMenuAndClick(QAction& title, const Chooser& choose) {
    QMenuBar* bar = m_frame.menuBar();
    QMenu& menu = *title.menu();
    m_menuOpened = &menu;
    menu.popup(bar->mapToGlobal(bar->actionGeometry(&title).bottomLeft()));
    sent();
    clickMenuEntry(menu, "menu " + title.text(), choose);
}

// Clicks the entry that `choose` picks among the enabled ones, or closes the
// menu when it picks none.
void Monkey::clickMenuEntry(QMenu& menu, const QString& where, const Chooser& choose) {
    const QPointer<QMenu> alive(&menu);
    QList<QAction*> entries;
    for (QAction* entry : menu.actions())
        if (!entry->isSeparator() && entry->isVisible() && entry->isEnabled() &&
            entry->menu() == nullptr && !excluded(*entry))
            entries << entry;
    QAction* entry = choose(entries);
    if (entry == nullptr) {
        log(where + " closed");
        menu.close();
        return;
    }
    log(where + " > " + entry->text());
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(entry).center());
    sent();
    if (alive && alive->isVisible())
        alive->close();
}

// A menu that runs a loop of its own, as the New tool button's does, gets an
// entry chosen or is closed, from inside that loop.
void Monkey::answerMenu() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || menu == m_menuOpened || m_answeringMenu)
        return;
    m_answeringMenu = true;
    // Answered from a queued call, as modal windows are: the entry may open
    // one, whose loop must not run inside this timer's slot.
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

void Monkey::clickToolButton() {
    QList<QToolButton*> buttons;
    for (QToolBar* bar : {m_frame.standardBar(), m_frame.formatBar(), m_frame.traceBar()}) {
        if (!bar->isVisible())
            continue;
        for (QAction* action : bar->actions()) {
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            if (button != nullptr && button->isVisible() && button->isEnabled() &&
                !excluded(*action))
                buttons << button;
        }
    }
    if (buttons.isEmpty())
        return;
    QToolButton* button = pick(buttons);
    log("tool button " + button->toolTip());
    QTest::mouseClick(button, Qt::LeftButton);
    sent(2);
}

void Monkey::closeActiveWindow() {
    QMdiSubWindow* window = m_frame.mdiArea()->activeSubWindow();
    if (window == nullptr)
        return;
    log("closing " + window->windowTitle());
    window->close();
    sent();
}

// Popups that clicks opened, such as a combo box's list, are answered with
// keys. A menu left open is only ever closed: a key there could trigger an
// entry left out, as Q does "&Quitter".
void Monkey::closePopups() {
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
        log(QStringLiteral("key %1 into the popup").arg(QKeySequence(key).toString()));
        QTest::keyClick(popup, key);
        sent();
    }
}

bool Monkey::checkAfter() {
    closePopups();
    flushDeletes();
    QString problem;
    if (m_frameAlive == nullptr || !m_frame.isVisible())
        problem = "the main window is gone";
    else if (const QWidget* modal = QApplication::activeModalWidget())
        problem = "a modal window is left open: " + modal->windowTitle();
    for (QMdiSubWindow* window : m_frame.mdiArea()->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(window->widget());
        if (!problem.isEmpty() || child == nullptr)
            continue;
        if (const testing::AssertionResult result = consistent(*child, m_actions % 50 == 0);
            !result)
            problem = window->windowTitle() + ": " + result.message();
    }
    if (problem.isEmpty())
        return true;
    QStringList last(m_log.begin(), m_log.end());
    ADD_FAILURE() << "graine du singe " << m_seed << ", after " << m_events << " events ("
                  << m_actions << " actions): " << problem.toStdString()
                  << "\nthe last actions:\n  " << last.join("\n  ").toStdString();
    return false;
}

void Monkey::answer(QWidget& window) {
    const auto* box = qobject_cast<QMessageBox*>(&window);
    log("modal window: " + (box != nullptr ? box->text() : window.windowTitle()));
    // A print dialog's OK and a preview's print button print on a real
    // printer: those windows are only ever closed.
    if (qobject_cast<QPrintDialog*>(&window) != nullptr ||
        qobject_cast<QPrintPreviewDialog*>(&window) != nullptr) {
        static_cast<QDialog&>(window).reject();
        return;
    }
    if (auto* files = qobject_cast<QFileDialog*>(&window)) {
        answerFileDialog(*files);
        return;
    }
    const int how = uniform(0, 9);
    if (how < 2) {
        log("Escape");
        QTest::keyClick(&window, Qt::Key_Escape);
        sent();
        return;
    }
    const QPointer<QWidget> alive(&window);
    if (how < 6) {
        for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
            if (!alive || !edit->isVisible() || !edit->isEnabled() || edit->isReadOnly() ||
                !chance(0.7))
                continue;
            const QString text = randomText(12);
            log(QStringLiteral("typing '%1' into %2").arg(text, edit->objectName()));
            typeOver(edit, text);
            sent(text.size() + 1);
        }
        for (QComboBox* combo : window.findChildren<QComboBox*>()) {
            if (!alive || !combo->isVisible() || !combo->isEnabled() || !chance(0.5))
                continue;
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home};
            const Qt::Key key = pick(keys);
            log(QStringLiteral("key %1 into list %2")
                    .arg(QKeySequence(key).toString(), combo->objectName()));
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
        return;
    }
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled())
            buttons << button;
    if (buttons.isEmpty()) {
        log("Escape");
        QTest::keyClick(&window, Qt::Key_Escape);
        sent();
        return;
    }
    QAbstractButton* button = pick(buttons);
    log("button " + button->text());
    QTest::mouseClick(button, Qt::LeftButton, {}, randomPointIn(*button));
    sent(2);
}

// Cancelled, or given a path inside the test's data folder: nothing is ever
// read or written elsewhere.
void Monkey::answerFileDialog(QFileDialog& dialog) {
    if (chance(0.3)) {
        log("file dialog cancelled");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        sent();
        return;
    }
    const bool opening = dialog.acceptMode() == QFileDialog::AcceptOpen;
    const QString path = randomPath(chance(opening ? 0.85 : 0.2));
    log("file " + path);
    chooseFile(path)(dialog);
    sent(path.size() + 1);
}

QString Monkey::randomPath(bool existing) {
    if (existing) {
        QStringList files;
        for (QDirIterator it(m_root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next();
        files.sort();
        if (!files.isEmpty())
            return pick(files);
    }
    // One draw a statement: the order in which a call's arguments are worked
    // out differs between compilers, and the run must be the same with any.
    const auto folders = Configuration("").folders();
    const QString folder = QString::fromStdString(pick(folders));
    QString name = randomText(10).trimmed();
    if (name.isEmpty())
        name = "x";
    return m_root + folder + name + pick(kExtensions);
}

// Letters, accented ones too, digits and spaces; never '/', '.', '\\' or '~',
// so that a folder typed into a dialog always lies inside the current one.
QString Monkey::randomText(int maxLength) {
    static const QString kCharacters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  éèàçôÉ€-_");
    QString text;
    const int length = uniform(0, maxLength);
    for (int i = 0; i < length; ++i)
        text += kCharacters[uniform(0, static_cast<int>(kCharacters.size()) - 1)];
    return text;
}

QPoint Monkey::randomPointIn(const QWidget& widget, int margin) {
    return {uniform(-margin, widget.width() - 1 + margin),
            uniform(-margin, widget.height() - 1 + margin)};
}

void Monkey::log(const QString& action) {
    m_log.push_back(QStringLiteral("%1: %2").arg(m_events).arg(action));
    if (m_trace)
        std::cout << m_log.back().toStdString() << std::endl;
    if (m_log.size() > 40)
        m_log.pop_front();
}
