#pragma once

#include "flowchart/Commandes.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "generator/DrawingGenerator.h"
#include "support/Drawings.h"
#include "support/EditorFixture.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class CEnsemble;

// The application with a components set and a commands set trained from
// generated gestures in its gesture-set folder.
class OrgaEditor : public testing::Test {
protected:
    void SetUp() override;

    // A new flowchart through "&Organigrammes" > "&Nouveau".
    void newFlowchart();
    COrga& frame() { return *editor.active<COrga>(); }
    COrgaView& view() { return *frame().view(); }
    COrgaDoc& doc() { return frame().orgaDocument(); }
    const COrganigramme::ElementList& elements() { return doc().organigramme().elements(); }
    CMainFrame& mainFrame() { return editor.frame(); }
    QString gestures() const { return editor.root() + "Gestes/"; }

    // Replays the drawing with the button, then ends the gesture as the timer would.
    void play(const CDessin& drawing, Qt::MouseButton button = Qt::LeftButton) {
        editor.draw(view().capture(), drawing, button);
    }
    // Puts a component straight into the flowchart, shown, the flowchart left unmodified.
    template <class E, class... Args> void add(Args&&... args) {
        doc().AddElement(std::make_unique<E>(std::forward<Args>(args)...));
        doc().updateAllViews(nullptr);
        doc().setModifiedFlag(false);
    }
    void hover(QPoint p) { EditorFixture::moveMouse(view(), p); }
    void setTraceMode(int mode) {
        mainFrame()
            .action(mode == 0 ? CMainFrame::Action::TraceComposant
                              : CMainFrame::Action::TraceCommande)
            ->trigger();
    }

    // A generated component (102..118) or command (202..217) gesture about
    // `size` pixels across at `centre`, one that the set recognises.
    std::unique_ptr<CDessin> componentDrawing(int code, Vec2 centre, double size = 120);
    std::unique_ptr<CDessin> commandDrawing(int code, Vec2 centre, double size = 120);

    std::unique_ptr<CDessin> recognisable(const CEnsemble& set, int code,
                                          const std::function<std::vector<Path>()>& paths);
    static const CEnsemble& components();
    static const CEnsemble& commands();

    EditorFixture editor;
    // Answers the modal windows the test expects; any other fails the test.
    ModalAnswers m_answers;
    DrawingGenerator m_generator{77};
};

// A spiral of three turns about (300, 300), like no flowchart gesture.
std::vector<Vec2> spiralVertices();
// Each component on a line: its class, centre, enclosing rectangle, colour and pen.
QStringList describe(const COrganigramme& flowchart);

// The same with a new flowchart open, and the keys that act on it.
class OrgaWindow : public OrgaEditor {
protected:
    void SetUp() override {
        OrgaEditor::SetUp();
        newFlowchart();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&view(), key, modifiers);
    }
    QStringList now() { return describe(doc().organigramme()); }
};
