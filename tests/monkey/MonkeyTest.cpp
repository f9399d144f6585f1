#include "engine/FichierEnsemble.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "generator/ShippedSets.h"
#include "gesture/GesturePlayer.h"
#include "shell/Configuration.h"
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
#include <QDirIterator>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>

namespace {

using testing::AssertionFailure;
using testing::AssertionResult;
using testing::AssertionSuccess;

// The names, in order, joined by commas.
QString sorted(int count, const std::function<std::string(int)>& name) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString::fromStdString(name(i));
    names.sort();
    return names.join(", ");
}

QString rows(const SortedListBox& list) {
    return sorted(list.count(), [&](int row) { return list.textAt(row).toStdString(); });
}

// Read back, a saved document is saved again the same.
AssertionResult savedWhole(const std::string& saved, const std::string& savedAgain,
                           const std::string& refusal) {
    if (!refusal.empty())
        return AssertionFailure() << "the saved document is refused when read back: " << refusal;
    if (savedAgain != saved)
        return AssertionFailure() << "the saved document reads back otherwise:\n"
                                  << saved << "\nbecomes\n"
                                  << savedAgain;
    return AssertionSuccess();
}

// What must hold of a document window after every action: a flowchart's view
// points only at components of its flowchart; a gesture set's lists show the
// classes of the set, and the examples of the class chosen. When `thorough`,
// also that the document would be saved whole: read back, a flowchart or a set
// is saved again the same, a text has the same characters and formats.
AssertionResult consistent(CChildFrame& window, bool thorough) {
    if (auto* orga = qobject_cast<COrga*>(&window)) {
        COrganigramme& flowchart = orga->orgaDocument().organigramme();
        const CElement* selected = orga->view()->selection();
        const auto& elements = flowchart.elements();
        if (selected != nullptr && std::none_of(elements.begin(), elements.end(),
                                                [&](const auto& e) { return e.get() == selected; }))
            return AssertionFailure() << "the view points at a component no longer held";
        if (!thorough)
            return AssertionSuccess();
        const std::string bytes = storeOrganigramme(flowchart);
        const OrgLoadResult back = loadOrganigramme(bytes, "singe.org");
        return savedWhole(bytes, back.organigramme ? storeOrganigramme(*back.organigramme) : "",
                          back.error);
    }
    if (auto* gestures = qobject_cast<CApprentissage*>(&window)) {
        const CEnsemble& set = static_cast<CApprentissageDoc&>(gestures->document()).ensemble();
        const auto& classes = *window.findChild<SortedListBox*>("classes");
        QString shown = rows(classes);
        QString held = sorted(set.nbClasses(), [&](int c) { return set.classe(c).nom(); });
        if (const int row = classes.selection(); row >= 0) {
            const QString name = classes.textAt(row);
            QString examples = "(no such class)";
            for (int c = 0; c < set.nbClasses(); ++c)
                if (const CClasse& k = set.classe(c); QString::fromStdString(k.nom()) == name)
                    examples = sorted(k.nbExemples(), [&](int e) { return k.exemple(e).nom(); });
            shown += " > " + name + ": " + rows(*window.findChild<SortedListBox*>("exemples"));
            held += " > " + name + ": " + examples;
        }
        if (shown != held)
            return AssertionFailure() << "the lists show " << shown.toStdString()
                                      << " but the set holds " << held.toStdString();
        if (!thorough)
            return AssertionSuccess();
        const std::string text = ecrireEnsemble(set);
        const LectureEnsemble back = lireEnsemble(text, "singe.gst");
        return savedWhole(text, back.ensemble ? ecrireEnsemble(*back.ensemble) : "", back.erreur);
    }
    auto* strovik = qobject_cast<CStrovik*>(&window);
    if (strovik == nullptr || !thorough)
        return AssertionSuccess();
    const auto& text = static_cast<const CStrovikText&>(*strovik->view().document());
    CStrovikText copy;
    const bool read = copy.readSvk(text.toSvk().toStdString()) == SvkProblem::None;
    return savedWhole(describeText(text).join('\n').toStdString(),
                      describeText(copy).join('\n').toStdString(), read ? "" : "SVK");
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
bool excluded(const QAction* action) {
    static const QStringList kLeftOut = {"&Quitter", "&Imprimer...", "Impression &directe",
                                         "Imprimer"};
    return action != nullptr && kLeftOut.contains(action->text());
}

int fromEnvironment(const char* name, int byDefault) {
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok && value > 0 ? value : byDefault;
}

} // namespace

// A user who does anything at all, at random but replayably from a seed, in the
// application's main window: strokes and generated gestures drawn with either
// button on the active window's drawing area, clicks on its widgets and on the
// tool bars, keys and shortcuts, commands from the menus; every modal window is
// answered at random too. It keeps coming back to one editor, its home: when
// another window is active it now and then activates, or opens, one of the
// home's. After each action it checks what must always hold: the main window
// is there, no modal window is left open, and every document window is
// consistent with its document; every fiftieth action and at the end, also
// that each document would be saved whole. VELMORA_MONKEY_SEED and
// VELMORA_MONKEY_EVENTS give the seed and length of a run, told before it
// starts so that a failure can be played again. What an earlier test copied
// would change what this one pastes: a test plays the same run alone or after
// the others.
class MonkeyTest : public testing::Test {
protected:
    MonkeyTest() {
        QApplication::clipboard()->clear();
        m_answers.otherwise([this](QWidget& window) { answer(window); });
        m_menuWatch.setInterval(10);
        QObject::connect(&m_menuWatch, &QTimer::timeout, [this] {
            if (qobject_cast<QMenu*>(QApplication::activePopupWidget()) == nullptr || m_inMenu)
                return;
            m_inMenu = true;
            QMetaObject::invokeMethod(
                &m_menuWatch,
                [this] {
                    answerPopup();
                    m_inMenu = false;
                },
                Qt::QueuedConnection);
        });
        m_menuWatch.start();
    }

    // Opens the first document of the home through its menu, as a user at the
    // keyboard would, then acts until the run's events have been sent, or until
    // a check fails, which fails the test with the seed and the last actions.
    // No real timer of a gesture ever fires: it would fire at a moment that
    // depends on the machine's speed, and the run could not be played again.
    // Every gesture, a click's too, ends with the action that made it.
    template <typename Window> void play(const QString& menu, const QString& entry) {
        m_home = [](CChildFrame& window) { return qobject_cast<Window*>(&window) != nullptr; };
        m_homeMenu = {menu, entry};
        std::cout << "graine du singe : " << m_seed << " (" << m_length << " événements)"
                  << std::endl;
        chooseMenuEntry(frame(), menu, entry);
        ASSERT_NE(editor.active<Window>(), nullptr);
        for (; m_events < m_length; ++m_actions) {
            editor.clock().advance(uniform(50, 2000) / 1000.0);
            activate();
            goHome();
            act();
            for (QMdiSubWindow* window : frame().mdiArea()->subWindowList())
                if (auto* capture = window->widget()->findChild<GestureCapture*>())
                    capture->finishNow();
            if (!checkAfter(m_actions % 50 == 0))
                return;
        }
        checkAfter(true);
    }

    CMainFrame& frame() { return editor.frame(); }
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
        frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }

    void goHome() {
        CChildFrame* active = frame().activeChildFrame();
        if ((active != nullptr && m_home(*active)) || !chance(0.3))
            return;
        for (QMdiSubWindow* window : frame().mdiArea()->subWindowList())
            if (m_home(*qobject_cast<CChildFrame*>(window->widget())))
                return frame().mdiArea()->setActiveSubWindow(window);
        log("new " + m_homeMenu.second);
        chooseMenuEntry(frame(), m_homeMenu.first, m_homeMenu.second);
        sent(2);
    }

    void act() {
        CChildFrame* window = frame().activeChildFrame();
        const QPointer<GestureCapture> capture =
            window != nullptr ? window->findChild<GestureCapture*>() : nullptr;
        const bool drawable = capture != nullptr && capture->surface().isVisible();
        const int roll = uniform(0, 99);
        QMdiSubWindow* active = frame().mdiArea()->activeSubWindow();
        if (active != nullptr && (frame().mdiArea()->subWindowList().size() > 5 || roll == 99)) {
            log("closing " + active->windowTitle());
            active->close();
            sent();
        } else if (drawable && roll < 35) {
            const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::NoButton};
            for (int s = uniform(1, 3); s > 0 && capture; --s)
                stroke(*capture, pick(buttons));
        } else if (drawable && roll < 43)
            playGesture(*capture);
        else if (roll < 55 && window != nullptr)
            clickOneOf(window->findChildren<QWidget*>());
        else if (roll < 62)
            clickToolButton();
        else if (roll < 75)
            clickOneOf({frame().menuBar()});
        else if (auto* text = qobject_cast<CStrovik*>(window); roll < 76 && text != nullptr)
            pastePicture(text->view());
        else
            pressKeys();
    }

    // A photo-sized picture pasted into the text where its caret is; it stays
    // on the clipboard for later pastes. Bands of colour, not noise: what is
    // tried is the text's handling of a large picture, not the PNG coder.
    void pastePicture(QWidget& text) {
        // One draw a statement: the order of a call's arguments is the compiler's.
        const int width = uniform(1200, 2000);
        const int height = uniform(900, 1300);
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(qRgb(uniform(0, 255), 128, 128));
        QPainter painter(&picture);
        for (int band = 0; band < 8; ++band) {
            const int red = uniform(0, 255);
            const int green = uniform(0, 255);
            painter.fillRect(0, band * height / 8, width / (band + 1), height / 16,
                             QColor(red, green, uniform(0, 255)));
        }
        painter.end();
        log(QString("picture %1 x %2 on the clipboard").arg(picture.width()).arg(picture.height()));
        QApplication::clipboard()->setImage(picture);
        QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
        sent();
    }

    // A stroke of either button, or moves with none.
    void stroke(GestureCapture& capture, Qt::MouseButton button) {
        const QPointer<GestureCapture> target(&capture);
        editor.clock().advance(uniform(50, 400) / 1000.0);
        GesturePlayer player(capture, editor.clock());
        player.setButton(button);
        QPoint p = randomPointIn(capture.surface(), 20);
        const int moves = uniform(0, 40);
        log(QString::asprintf("stroke, button %d, from (%d, %d), %d moves", int(button), p.x(),
                              p.y(), moves));
        if (button != Qt::NoButton)
            player.press(p);
        for (int i = 0; i < moves && target; ++i, sent()) {
            p += QPoint{uniform(-30, 30), uniform(-30, 30)};
            editor.clock().advance(uniform(5, 40) / 1000.0);
            player.move(p);
        }
        editor.clock().advance(uniform(5, 40) / 1000.0);
        if (target && button != Qt::NoButton)
            player.release(p);
        sent(2);
    }

    // A gesture of the shipped sets, drawn one of its ways by someone at random.
    void playGesture(GestureCapture& capture) {
        DrawingGenerator g(m_random());
        const int typeAction = pick(kShippedSets).typeAction;
        const GestureVariant& variant = pick(shippedVariants(typeAction));
        const std::unique_ptr<CDessin> drawing = variantDrawing(typeAction, variant, g);
        const Qt::MouseButton button = chance(0.5) ? Qt::LeftButton : Qt::RightButton;
        log(QString("gesture %1, button %2").arg(variant.name.c_str()).arg(int(button)));
        GesturePlayer player(capture, editor.clock());
        player.setButton(button);
        player.playStrokes(*drawing);
        for (int s = 0; s < drawing->strokeCount(); ++s)
            sent(drawing->stroke(s).pointCount() + 1);
    }

    void clickToolButton() {
        QList<QWidget*> buttons;
        for (QToolBar* bar : {frame().standardBar(), frame().formatBar(), frame().traceBar()})
            for (QToolButton* button : bar->findChildren<QToolButton*>())
                if (!excluded(button->defaultAction()))
                    buttons << button;
        clickOneOf(buttons);
    }

    // A click, now and then a double or a right one, on one of the widgets that
    // can take it, where a real one would go: to the deepest widget under it.
    void clickOneOf(QList<QWidget*> widgets) {
        widgets.removeIf(
            [](QWidget* w) { return !w->isVisible() || !w->isEnabled() || w->size().isEmpty(); });
        if (widgets.isEmpty())
            return;
        QWidget* target = pick(widgets);
        QPoint p = randomPointIn(*target);
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
            target = &frame();
        const QPointer<QWidget> alive(target);
        if (chance(0.3)) {
            const QString text = randomText(10);
            log(QString("typing '%1' into %2").arg(text, target->metaObject()->className()));
            typeText(target, text);
            return sent(text.size());
        }
        const QKeyCombination key = QKeySequence(pick(kKeys))[0];
        log(QString("key %1 into %2")
                .arg(QKeySequence(key).toString(), target->metaObject()->className()));
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        sent();
    }

    // A popup that an action opened, such as a menu or a combo box's list, gets
    // one of its enabled entries clicked or a key, then is closed. A menu that
    // runs a loop of its own, as the New tool button's does, gets it from inside
    // that loop: from a queued call, as modal windows are answered, since the
    // entry may open one. A key in a menu could trigger an entry left out, as Q
    // does "&Quitter": menus get none.
    void answerPopup() {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QList<QAction*> entries = menu->actions();
            entries.removeIf([](QAction* e) {
                return e->isSeparator() || !e->isVisible() || !e->isEnabled() || e->menu() ||
                       excluded(e);
            });
            QAction* entry = entries.isEmpty() || chance(0.2) ? nullptr : pick(entries);
            log("menu entry " + (entry != nullptr ? entry->text() : "none"));
            if (entry != nullptr)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
            sent();
        } else if (QWidget* popup = QApplication::activePopupWidget()) {
            const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Down, Qt::Key_Up};
            const Qt::Key key = pick(keys);
            log("key " + QKeySequence(key).toString() + " into the popup");
            QTest::keyClick(popup, key);
            sent();
        }
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            if (QApplication::activePopupWidget() == popup)
                popup->hide();
        }
    }

    bool checkAfter(bool thorough) {
        answerPopup();
        flushDeletes();
        QString problem;
        if (m_frameAlive == nullptr || !frame().isVisible())
            problem = "the main window is gone";
        else if (const QWidget* modal = QApplication::activeModalWidget())
            problem = "a modal window is left open: " + modal->windowTitle();
        for (QMdiSubWindow* window : frame().mdiArea()->subWindowList()) {
            auto* child = qobject_cast<CChildFrame*>(window->widget());
            if (problem.isEmpty() && child != nullptr)
                if (const AssertionResult result = consistent(*child, thorough); !result)
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

    // One action at a time, until the window closes: Escape, Return, a click on
    // one of its buttons, or keys or text typed into the field that has the
    // focus. A print dialog's OK and a preview's print button print on a real
    // printer: those are only closed. A file dialog is cancelled, or given a path
    // inside the test's data folder: nothing is ever read or written elsewhere.
    void answer(QWidget& window) {
        const auto* box = qobject_cast<QMessageBox*>(&window);
        log("modal window: " + (box != nullptr ? box->text() : window.windowTitle()));
        if (qobject_cast<QPrintDialog*>(&window) || qobject_cast<QPrintPreviewDialog*>(&window))
            return static_cast<QDialog&>(window).reject();
        const int how = uniform(0, 9);
        if (auto* files = qobject_cast<QFileDialog*>(&window); files != nullptr && how >= 3) {
            const QString path =
                randomPath(chance(files->acceptMode() == QFileDialog::AcceptOpen ? 0.85 : 0.2));
            log("file " + path);
            chooseFile(path)(*files);
            sent(path.size() + 1);
        } else if (how < 4 || files != nullptr) {
            const Qt::Key key = how < 2 || files != nullptr ? Qt::Key_Escape : Qt::Key_Return;
            log("key " + QKeySequence(key).toString());
            QTest::keyClick(&window, key);
        } else if (const auto buttons = window.findChildren<QAbstractButton*>(); how < 7) {
            return clickOneOf({buttons.begin(), buttons.end()});
        } else {
            return pressKeys();
        }
        sent();
    }

    // One draw a statement: the order in which a call's arguments are worked out
    // differs between compilers, and the run must be the same with any.
    QString randomPath(bool existing) {
        QStringList files;
        for (QDirIterator it(editor.root(), QDir::Files, QDirIterator::Subdirectories);
             existing && it.hasNext();)
            files << it.next();
        files.sort();
        if (!files.isEmpty())
            return pick(files);
        const auto folders = Configuration("").folders();
        const QString folder = QString::fromStdString(pick(folders));
        const QString name = randomText(10).trimmed();
        return editor.root() + folder + (name.isEmpty() ? "x" : name) + pick(kExtensions);
    }

    // Letters, accented ones too, digits and spaces; never '/', '.', '\\' or '~',
    // so that a folder typed into a dialog always lies inside the current one.
    QString randomText(int maxLength) {
        static const QString kCharacters = QStringLiteral(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789  éèàçôÉ€-_");
        QString text;
        for (int length = uniform(0, maxLength); text.size() < length;)
            text += kCharacters[uniform(0, static_cast<int>(kCharacters.size()) - 1)];
        return text;
    }

    QPoint randomPointIn(const QWidget& widget, int margin = 0) {
        return {uniform(-margin, widget.width() - 1 + margin),
                uniform(-margin, widget.height() - 1 + margin)};
    }

    // The last actions, told when a check fails.
    void log(const QString& action) {
        m_log.push_back(QString("%1: %2").arg(m_events).arg(action));
        if (m_log.size() > 40)
            m_log.pop_front();
    }

    EditorFixture editor{5000.0};
    QPointer<CMainFrame> m_frameAlive{&editor.frame()};
    const std::uint32_t m_seed = fromEnvironment("VELMORA_MONKEY_SEED", 1234);
    const int m_length = fromEnvironment("VELMORA_MONKEY_EVENTS", 8000);
    std::mt19937 m_random{m_seed};
    std::function<bool(CChildFrame&)> m_home;
    // The menu entry that makes a new document of the home.
    std::pair<QString, QString> m_homeMenu;
    ModalAnswers m_answers;
    QTimer m_menuWatch;
    bool m_inMenu = false;
    int m_events = 0;
    int m_actions = 0;
    std::deque<QString> m_log;
};

TEST_F(MonkeyTest, TheGestureSetEditorSurvivesAnything) {
    m_answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("setName"), "Singe");
        typeOver(dialog.findChild<QLineEdit*>("gestureName"), "geste");
        clickWithMouse(findButton(dialog, "OK"));
    });
    play<CApprentissage>("&Gestes", "&Nouveau");
}

// Its random entries and keys undo and redo too. At the end, each flowchart
// undone back to its last save or opening holds what its file holds.
TEST_F(MonkeyTest, TheFlowchartEditorSurvivesAnything) {
    play<COrga>("&Organigrammes", "&Nouveau");
    for (QMdiSubWindow* window : frame().mdiArea()->subWindowList()) {
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

TEST_F(MonkeyTest, TheTextEditorSurvivesAnythingAndLosesNothing) {
    play<CStrovik>("&Editeur", "&Nouveau");
}
