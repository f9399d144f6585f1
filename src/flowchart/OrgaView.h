#pragma once

#include "flowchart/Geometry.h"
#include "flowchart/GestureDecision.h"
#include "flowchart/PainterCanvas.h"
#include "gesture/GestureCapture.h"
#include "shell/Document.h"

#include <QFont>
#include <QWidget>

#include <memory>
#include <vector>

class CElement;
class CEnsemble;
class COrgaDoc;

// The drawing surface of a flowchart. Gestures drawn on it are recognised when
// the writer pauses: with the left button against the components set or the
// commands set as the trace mode says, with the right button always against the
// commands set, and decided as decideGesture() decides. A component gesture
// creates a component where it was drawn; a command gesture acts on the
// component that was under the pointer when it began, or on the whole
// flowchart. A rejected component gesture may be taught to the components set.
class COrgaView : public QWidget, public CView {
    Q_OBJECT
public:
    COrgaView(COrgaDoc& document, QWidget* parent);
    ~COrgaView() override;

    COrgaDoc& document() const { return m_doc; }
    void onUpdate(CView* sender, int hint) override;

    GestureCapture& capture() { return m_capture; }
    // "Tout &effacer".
    void OnToutEffacer();

    // The component under the pointer, which commands act on.
    const CElement* selection() const { return m_pSelected; }

signals:
    void statusMessage(const QString& text);
    void paneText(int pane, const QString& text);
    // Components went past the top or left edge, or came back: what was shown
    // moved by `by` in the view, which the scroll area follows.
    void originMoved(QPoint by);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Suppr erases the selection, the arrows move it by the step (Shift: by one
    // pixel), Échap cancels the gesture being drawn.
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class GestureSet { Components, Commands };

    void buttonDown(QPoint p, bool command);
    int traceMode() const;
    // The end of a gesture: recognises it and acts.
    void gestureFinished();
    void ShowRecognition();
    // After a rejected component gesture: teaching it as the nearest component
    // or another, so that the next one drawn so is recognised.
    void offerToLearn(std::shared_ptr<CDessin> drawing);
    void ProcessComponent();
    std::unique_ptr<CElement> CreateElement(int code);
    std::vector<std::unique_ptr<CElement>> insertText();
    void ProcessCommand();
    // The dialogs return whether the flowchart changed.
    bool finishCommand(int code);
    bool changeColour();
    bool OnTailleModif(CElement& element);
    bool editText(CElement& element);
    // After a change to the flowchart through the view: one undoable step.
    void commitChange(const QString& step);
    // A failed command gesture leaves no selection and no ink behind.
    void dropCommandGesture();

    // The painted rectangles of all the components, in drawing order, measured
    // again after the flowchart changed.
    const std::vector<QRect>& paintedRects();
    void updateElement(const CElement* element);
    void updateExtent();
    void forgetMissingSelection();

    // The flowchart's point under the view's position `p`.
    QPoint toFlowchart(QPoint p) const { return p - m_origin; }

    COrgaDoc& m_doc;
    // Where the flowchart's (0, 0) is in the view: beyond (0, 0) when
    // components lie at negative coordinates.
    QPoint m_origin;
    GestureCapture m_capture;
    GestureDecision m_decision;
    GestureSet m_set = GestureSet::Components;
    CRect m_gestureRect;
    CElement* m_pSelected = nullptr;
    bool m_cancelled = false;
    bool m_drawing = false;
    bool m_commandGesture = false;
    // What ShowRecognition() last said.
    QString m_statusText;
    bool m_toldInkIsNotSaved = false;
    // The font that text rectangles are measured in.
    QFont m_defaultFont;
    TextLayouts m_layouts;
    std::vector<QRect> m_paintedRects;
    bool m_paintedRectsValid = false;
};

// "Reconnaissance combinée" of the "&Dessin" menu, kept in the settings: on (the
// default), a flowchart combines the two recognisers; off, it takes the trained
// recogniser's own decision.
bool combinedRecognition();
void setCombinedRecognition(bool combined);
