#pragma once

#include "gesture/GestureClock.h"
#include "shell/MainFrm.h"
#include "support/TestApplication.h"

#include <QPoint>
#include <QString>

class CDessin;
class GestureCapture;
class QWidget;

// Velmora with its three editors, started over a temporary data root with its
// main window active, and the gesture clock in the test's hands.
class EditorFixture {
public:
    explicit EditorFixture(double clockStart = 1000.0);

    CMainFrame& frame() { return m_app.frame(); }
    CApplication& application() { return m_app.application(); }
    GestureClock::Manual& clock() { return m_clock; }
    // Ends with '/'.
    const QString& root() const { return m_app.root(); }

    // The active document window as a window of that editor, or null.
    template <typename Window> Window* active() {
        return qobject_cast<Window*>(frame().activeChildFrame());
    }
    int windowCount();
    // Closes the active document window as its close button does.
    void closeActive();
    // The message line of the status bar.
    QString status();

    // A second later, replays the drawing into the capture with `button` and
    // ends the gesture at once, as its timer would.
    void draw(GestureCapture& capture, const CDessin& drawing,
              Qt::MouseButton button = Qt::LeftButton);
    // Replays the strokes and leaves the gesture waiting for its timer.
    void drawStrokes(GestureCapture& capture, const CDessin& drawing,
                     Qt::MouseButton button = Qt::LeftButton);
    // A move of the mouse over `widget` with `buttons` held, as the window
    // system sends one.
    static void moveMouse(QWidget& widget, QPoint p, Qt::MouseButtons buttons = Qt::NoButton);

private:
    GestureClock::Manual m_clock;
    TestApplication m_app;
};
