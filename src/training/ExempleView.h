#pragma once

#include "gesture/GestureCapture.h"

#include <QWidget>

#include <memory>

class CAReconnaitre;
class CApprentissageDoc;
class CExemple;
class CExempleForm;
class CReconForm;

// The drawing area of a gesture-set window. The user draws a gesture with the
// left button in one or several strokes; once the button has stayed up for a
// delay that follows the writing speed, the gesture is complete: the set
// recognises it (verdict in the result pane) and so does the rule-based
// recogniser (candidates in the status bar). The gesture then stays as the
// current example, which the form may add to a class or replace by a stored one.
class CExempleView : public QWidget {
    Q_OBJECT
public:
    CExempleView(CApprentissageDoc& document, QWidget* parent);
    ~CExempleView() override;

    void setPanes(CExempleForm* form, CReconForm* result);

    GestureCapture& capture() { return m_capture; }
    bool gestureComplete() const { return m_gestureComplete; }
    void setGestureComplete(bool complete) { m_gestureComplete = complete; }
    CExemple& currentExample() const { return *m_example; }
    void setCurrentExample(std::unique_ptr<CExemple> example);
    // The latest recognition by the set; null before the first one.
    const CAReconnaitre* lastRecognition() const { return m_recognition.get(); }

    // Forgets the gesture (its drawing stays with any example that shares it)
    // and repaints the area at once.
    void EffacerGeste();
    // Shows the current example's drawing, each stroke from a small circle.
    void DessinerExemple();

signals:
    void statusMessage(const QString& text);
    void paneText(int pane, const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void gestureFinished();
    void recognise();

    CApprentissageDoc& m_document;
    CExempleForm* m_form = nullptr;
    CReconForm* m_result = nullptr;
    std::unique_ptr<CAReconnaitre> m_recognition;
    bool m_gestureComplete = false;
    std::unique_ptr<CExemple> m_example;
    GestureCapture m_capture;
};
