#pragma once

#include "gesture/GestureClock.h"
#include "support/ModalAnswers.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <random>

class CChildFrame;
class CMainFrame;
class GestureCapture;
class QAction;
class QFileDialog;
class QMenu;
class QWidget;

// The seed of a run, from VELMORA_MONKEY_SEED when set, and its number of
// events, from VELMORA_MONKEY_EVENTS.
std::uint32_t monkeySeed();
int monkeyEvents(int byDefault);

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
           std::uint32_t seed);

    const Home& home() const { return m_home; }
    // Answers queued here go before the random ones.
    ModalAnswers& answers() { return m_answers; }

    // Acts until `events` mouse, key and menu events have been sent, or until
    // a check fails, which fails the test with the seed and the last actions.
    void run(int events);
    int eventsSent() const { return m_events; }
    int actions() const { return m_actions; }

private:
    // The drawing area of the window, if it has one.
    static GestureCapture* captureOf(CChildFrame& window);

    CChildFrame* activeWindow() const;
    void endPendingGestures();
    void activate();
    void goHome();
    void act();
    void scrawl(GestureCapture& capture);
    void stroke(GestureCapture& capture);
    void hover(GestureCapture& capture);
    void playGesture(GestureCapture& capture);
    void clickWidget(CChildFrame& window);
    void pressKeys();
    void chooseMenu(const QString& menuText, const QString& entryText);
    void chooseRandomMenuCommand();
    using Chooser = std::function<QAction*(const QList<QAction*>&)>;
    void openMenuAndClick(QAction& title, const Chooser& choose);
    void clickMenuEntry(QMenu& menu, const QString& where, const Chooser& choose);
    void answerMenu();
    void clickToolButton();
    void closeActiveWindow();
    void closePopups();
    bool checkAfter();

    void answer(QWidget& window);
    void answerFileDialog(QFileDialog& dialog);
    QString randomPath(bool existing);
    QString randomText(int maxLength);
    QPoint randomPointIn(const QWidget& widget, int margin = 0);
    bool excluded(const QAction& action) const;

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    template <typename List> const auto& pick(const List& list) {
        return list[uniform(0, static_cast<int>(std::size(list)) - 1)];
    }
    void log(const QString& action);
    void sent(int events = 1) { m_events += events; }

    CMainFrame& m_frame;
    QPointer<CMainFrame> m_frameAlive;
    GestureClock::Manual& m_clock;
    QString m_root;
    Home m_home;
    std::uint32_t m_seed;
    std::mt19937 m_random;
    // VELMORA_MONKEY_TRACE set: every action is printed as it is done.
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
