#pragma once

#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "generator/DrawingGenerator.h"
#include "gesture/GestureClock.h"
#include "shell/MainFrm.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QStatusBar>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class CEnsemble;

// The application with a components set and a commands set trained from
// generated gestures in its gesture-set folder, and a new flowchart to draw on.
class OrgaEditor : public testing::Test {
protected:
    OrgaEditor();
    void SetUp() override;

    // A new flowchart through "&Organigrammes" > "&Nouveau".
    COrga& newFlowchart();
    COrga& frame() const { return *m_frame; }
    COrgaView& view() const { return *m_frame->view(); }
    COrgaDoc& doc() const { return m_frame->orgaDocument(); }
    const COrganigramme::ElementList& elements() const { return doc().organigramme().elements(); }
    CMainFrame& mainFrame() { return m_app.frame(); }
    QString status() { return mainFrame().statusBar()->currentMessage(); }

    // Replays the drawing with the button, then ends the gesture as the timer would.
    void play(const CDessin& drawing, Qt::MouseButton button = Qt::LeftButton);
    // The mouse moves to `p` with no button down.
    void hover(QPoint p);
    void setTraceMode(int mode);

    // A generated component (102..118) or command (202..217) gesture about
    // `size` pixels across at `centre`, one that the set recognises.
    std::unique_ptr<CDessin> componentDrawing(int code, Vec2 centre, double size = 120);
    std::unique_ptr<CDessin> commandDrawing(int code, Vec2 centre, double size = 120);

    static const CEnsemble& components();
    static const CEnsemble& commands();

    GestureClock::Manual m_clock;
    TestApplication m_app;
    // Answers the modal windows the test expects; any other fails the test.
    ModalAnswers m_answers;
    DrawingGenerator m_generator{77};
    COrga* m_frame = nullptr;
};

// A drawing through exactly these vertices, sampled every few pixels at a
// steady 400 pixels a second, strokes a tenth of a second apart.
std::unique_ptr<CDessin> traced(const std::vector<std::vector<Vec2>>& strokes);
// A spiral of three turns about (300, 300), like no flowchart gesture.
std::vector<Vec2> spiralVertices();
// Types over the text of the dialog's field of that name.
void typeInto(QWidget& dialog, const char* name, const QString& text);
// Clicks a radio button on its round box: a click beside its text does nothing.
void clickRadio(QAbstractButton* radio);
// An ellipse of radii (rx, ry) about `centre`, through its four extreme points,
// drawn clockwise from the top.
std::vector<Vec2> ellipseVertices(Vec2 centre, int rx, int ry);
