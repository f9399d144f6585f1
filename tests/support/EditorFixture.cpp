#include "support/EditorFixture.h"

#include "app/Editors.h"
#include "gesture/GestureCapture.h"
#include "gesture/GesturePlayer.h"
#include "support/ModalAnswers.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

EditorFixture::EditorFixture(double clockStart)
    : m_clock(clockStart), m_app(editorTemplates(), newSetDialog(), adaptDialog()) {
    // The first flowchart's offer to adapt the gestures has a test of its own.
    QSettings().setValue("gestes/adaptationProposee", true);
    m_app.startReady();
    // Focus changes, which some windows follow, need an active window.
    frame().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
}

int EditorFixture::windowCount() {
    return static_cast<int>(frame().mdiArea()->subWindowList().size());
}

void EditorFixture::closeActive() {
    if (QMdiSubWindow* window = frame().mdiArea()->activeSubWindow())
        window->close();
    flushDeletes();
}

QString EditorFixture::status() {
    return frame().statusBar()->currentMessage();
}

void EditorFixture::draw(GestureCapture& capture, const CDessin& drawing, Qt::MouseButton button) {
    m_clock.advance(1.0);
    drawStrokes(capture, drawing, button);
    capture.finishNow();
}

void EditorFixture::drawStrokes(GestureCapture& capture, const CDessin& drawing,
                                Qt::MouseButton button) {
    GesturePlayer player(capture, m_clock);
    player.setButton(button);
    player.playStrokes(drawing);
}

void EditorFixture::moveMouse(QWidget& widget, QPoint p, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(widget.mapToGlobal(p)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}
