#include "training/ExempleView.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "recognizer/ShapeRecognizer.h"
#include "shell/Strings.h"
#include "training/ApprentissageDoc.h"
#include "training/ExempleForm.h"
#include "training/ReconForm.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kRed(255, 0, 0);
// The candidates are written into a status line of 511 characters at most.
constexpr int kStatusLength = 511;

} // namespace

CExempleView::CExempleView(CApprentissageDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_example(std::make_unique<CExemple>()),
      m_capture(*this, {.shorteningMs = 100}) {
    setObjectName("dessin");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::CrossCursor);
    connect(&m_capture, &GestureCapture::finished, this, &CExempleView::gestureFinished);
    connect(&m_capture, &GestureCapture::statusMessage, this, &CExempleView::statusMessage);
    connect(&m_capture, &GestureCapture::paneText, this, &CExempleView::paneText);
}

CExempleView::~CExempleView() = default;

void CExempleView::setPanes(CExempleForm* form, CReconForm* result) {
    m_form = form;
    m_result = result;
}

void CExempleView::setCurrentExample(std::unique_ptr<CExemple> example) {
    m_example = std::move(example);
}

// A gesture waiting for its end is forgotten too: nothing is left to recognise.
void CExempleView::EffacerGeste() {
    m_gestureComplete = false;
    m_capture.reset();
    m_example->setDessin(nullptr);
    repaint();
}

void CExempleView::DessinerExemple() {
    if (const auto& dessin = m_example->dessin())
        m_capture.showInk(*dessin, kRed);
    else
        m_capture.clearInk();
}

// The strokes of the current example start from a small circle; a stroke still
// being drawn has none yet.
void CExempleView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (const auto& dessin = m_example->dessin()) {
        painter.setPen(QPen(kRed, 3));
        for (int s = 0; s < dessin->strokeCount(); ++s) {
            const CInkPoint& start = dessin->stroke(s).point(0);
            painter.drawEllipse(QRect(start.x - 2, start.y - 2, 4, 4));
        }
    }
    m_capture.paintInk(painter, event->rect());
}

void CExempleView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (m_gestureComplete)
        EffacerGeste();
    m_capture.startStroke(event->position().toPoint());
    m_form->DesactiverPendantTrace();
}

void CExempleView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        if (!m_capture.isCapturing())
            return;
        m_capture.extendStroke(p, kRed);
    }
    m_capture.showPointer(p);
}

void CExempleView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_capture.isCapturing())
        return;
    m_capture.endStroke(event->position().toPoint(), kRed);
    if (!m_example->dessin())
        m_example->setDessin(m_capture.drawing());
}

void CExempleView::gestureFinished() {
    m_gestureComplete = true;
    m_form->MettreAJourControles();
    recognise();
}

void CExempleView::recognise() {
    const CDessin& dessin = *m_example->dessin();
    const CSortedList<CShapeGesture*> candidates =
        m_example->reconnaisseurFormes().recognize(dessin);
    m_example->calculerCaracteristiques();
    const CEnsemble& ensemble = m_document.ensemble();
    if (!ensemble.reconnaissancePossible()) {
        m_result->setLines("Reconnaissance", "impossible");
    } else {
        m_recognition = std::make_unique<CAReconnaitre>(*m_example, ensemble);
        m_recognition->reconnaitre();
        if (m_recognition->rejete())
            m_result->setLines("Geste rejeté", "");
        else
            m_result->setLines("Geste reconnu :", toQString(m_recognition->nomReconnu()));
        m_result->explain(*m_recognition);
    }
    QString status;
    for (int i = 0; i < candidates.count(); ++i) {
        const CShapeGesture& candidate = *candidates.at(i);
        status += ' ' + toQString(candidate.name());
        status += " [" + QString::number(candidate.degree(), 'f', 6) + ']';
        if (i + 1 < candidates.count())
            status += " OR";
    }
    emit statusMessage(status.left(kStatusLength));
}
