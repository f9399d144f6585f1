#pragma once

#include "training/TraceEncre.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class CAReconnaitre;
class CApprentissageDoc;
class CExemple;
class CExempleForm;
class CReconForm;
class CStroke;

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

    bool gesteComplet() const { return m_gesteComplet; }
    void setGesteComplet(bool complet) { m_gesteComplet = complet; }
    bool enAttente() const { return m_enAttente; }
    CExemple& exempleCourant() const { return *m_exemple; }
    void setExempleCourant(std::unique_ptr<CExemple> exemple);
    // The latest recognition by the set; null before the first one.
    const CAReconnaitre* derniereReconnaissance() const { return m_reconnaissance.get(); }
    const QTimer& minuterie() const { return m_timer; }

    // Forgets the gesture (its drawing stays with any example that shares it)
    // and repaints the area at once.
    void EffacerGeste();
    // Shows the current example's drawing, each stroke from a small circle.
    void DessinerExemple();
    // The end of a gesture: the timer's handler. Does nothing unless the
    // button is up and the gesture waits.
    void OnTimer();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    double horodatage() const;
    // Adds the point to the stroke being drawn and repaints only the new segment.
    void prolonger(QPoint p);
    void reconnaitre();

    CApprentissageDoc& m_document;
    CExempleForm* m_form = nullptr;
    CReconForm* m_result = nullptr;
    std::unique_ptr<CAReconnaitre> m_reconnaissance;
    bool m_gesteComplet = false;
    std::unique_ptr<CExemple> m_exemple;
    std::unique_ptr<CStroke> m_trait;
    bool m_enAttente = false;
    bool m_capture = false;
    QPoint m_dernierPoint;
    const double m_debut;
    QTimer m_timer;
    // What the screen shows: the strokes of the current example's drawing, then
    // the stroke being drawn.
    std::vector<TraceEncre> m_encre;
    TraceEncre m_encreVive;
};
