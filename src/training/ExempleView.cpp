#include "training/ExempleView.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "recognizer/ShapeRecognizer.h"
#include "shell/Application.h"
#include "shell/GestureClock.h"
#include "shell/MainFrm.h"
#include "shell/Strings.h"
#include "training/ApprentissageDoc.h"
#include "training/ExempleForm.h"
#include "training/ReconForm.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>

namespace {

const QColor kRed(255, 0, 0);
// The status line is built in a buffer of 512 characters, terminator included.
constexpr int kStatusLength = 511;

CMainFrame* mainFrame() {
    return CApplication::instance() != nullptr ? CApplication::instance()->mainFrame() : nullptr;
}

void showStatus(const QString& text) {
    if (CMainFrame* frame = mainFrame())
        frame->statusBar()->showMessage(text);
}

TraceEncre inkOf(const CStroke& stroke) {
    TraceEncre ink;
    for (const CInkPoint& p : stroke.points())
        ink.ajouter(QPoint(p.x, p.y));
    return ink;
}

// The box that a segment covers with its 1-pixel pen.
QRect segmentBox(QPoint a, QPoint b) {
    return QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
}

} // namespace

CExempleView::CExempleView(CApprentissageDoc& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_exemple(std::make_unique<CExemple>()),
      m_debut(GestureClock::now()) {
    setObjectName("dessin");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::CrossCursor);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CExempleView::OnTimer);
}

CExempleView::~CExempleView() = default;

void CExempleView::setPanes(CExempleForm* form, CReconForm* result) {
    m_form = form;
    m_result = result;
}

void CExempleView::setExempleCourant(std::unique_ptr<CExemple> exemple) {
    m_exemple = std::move(exemple);
}

double CExempleView::horodatage() const {
    return GestureClock::now() - m_debut;
}

// A gesture waiting for its end is forgotten too: nothing is left to recognise.
void CExempleView::EffacerGeste() {
    m_gesteComplet = false;
    m_timer.stop();
    m_enAttente = false;
    m_exemple->setDessin(nullptr);
    m_encre.clear();
    repaint();
}

void CExempleView::DessinerExemple() {
    m_encre.clear();
    if (const auto& dessin = m_exemple->dessin())
        for (int s = 0; s < dessin->strokeCount(); ++s)
            m_encre.push_back(inkOf(dessin->stroke(s)));
    update();
}

void CExempleView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const QPen thin(kRed, 1);
    const QPen thick(kRed, 3);
    for (const TraceEncre& stroke : m_encre) {
        if (stroke.isEmpty())
            continue;
        const QPoint start = stroke.debut();
        painter.setPen(thick);
        painter.drawEllipse(QRect(start.x() - 2, start.y() - 2, 4, 4));
        painter.setPen(thin);
        stroke.dessiner(painter, event->rect());
    }
    painter.setPen(thin);
    m_encreVive.dessiner(painter, event->rect());
}

void CExempleView::prolonger(QPoint p) {
    m_trait->addPoint(p.x(), p.y(), horodatage());
    m_encreVive.ajouter(p);
    update(segmentBox(m_dernierPoint, p));
    m_dernierPoint = p;
}

void CExempleView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    if (m_gesteComplet)
        EffacerGeste();
    m_timer.stop();
    m_enAttente = false;
    showStatus("Reconnaissance du geste...");
    m_trait = std::make_unique<CStroke>();
    m_trait->addPoint(p.x(), p.y(), horodatage());
    m_encreVive = TraceEncre(p);
    m_capture = true;
    m_dernierPoint = p;
    m_form->DesactiverPendantTrace();
}

void CExempleView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        if (!m_capture)
            return;
        prolonger(p);
    }
    if (CMainFrame* frame = mainFrame())
        frame->setPaneText(1, QStringLiteral("Pointeur (x = %1 , y = %2)").arg(p.x()).arg(p.y()));
}

void CExempleView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_capture)
        return;
    prolonger(event->position().toPoint());
    m_capture = false;
    if (!m_exemple->dessin())
        m_exemple->setDessin(std::make_shared<CDessin>());
    CDessin& dessin = *m_exemple->dessin();
    dessin.addStroke(std::move(m_trait));
    m_encre.push_back(std::move(m_encreVive));
    m_encreVive = TraceEncre();
    m_timer.start(dessin.recognitionDelay() - 100);
    m_enAttente = true;
}

void CExempleView::OnTimer() {
    if (!m_enAttente)
        return;
    m_timer.stop();
    m_enAttente = false;
    m_gesteComplet = true;
    m_form->MettreAJourControles();
    reconnaitre();
}

void CExempleView::reconnaitre() {
    const CDessin& dessin = *m_exemple->dessin();
    const CSortedList<CShapeGesture*> candidats =
        m_exemple->reconnaisseurFormes().recognize(dessin);
    m_exemple->calculerCaracteristiques();
    const CEnsemble& ensemble = m_document.ensemble();
    if (!ensemble.reconnaissancePossible()) {
        m_result->setLignes("Reconnaissance", "impossible");
    } else {
        m_reconnaissance = std::make_unique<CAReconnaitre>(*m_exemple, ensemble);
        m_reconnaissance->reconnaitre();
        if (m_reconnaissance->rejete())
            m_result->setLignes("Geste rejeté", "");
        else
            m_result->setLignes("Geste reconnu :", toQString(m_reconnaissance->nomReconnu()));
    }
    QString status;
    for (int i = 0; i < candidats.count(); ++i) {
        const CShapeGesture& candidat = *candidats.at(i);
        status += ' ' + QString::fromUtf8(candidat.name().data(),
                                          static_cast<qsizetype>(candidat.name().size()));
        status += " [" + QString::number(candidat.degree(), 'f', 6) + ']';
        if (i + 1 < candidats.count())
            status += " OR";
    }
    showStatus(status.left(kStatusLength));
}
