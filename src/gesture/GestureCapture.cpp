#include "gesture/GestureCapture.h"

#include "gesture/GestureClock.h"
#include "recognizer/Dessin.h"

#include <QPainter>
#include <QWidget>

GestureCapture::GestureCapture(QWidget& surface, Timing timing)
    : QObject(&surface), m_surface(surface), m_timing(timing), m_clockOrigin(GestureClock::now()) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &GestureCapture::finishNow);
}

GestureCapture::~GestureCapture() = default;

double GestureCapture::timeStamp() const {
    return GestureClock::now() - m_clockOrigin;
}

void GestureCapture::startStroke(QPoint p) {
    m_timer.stop();
    m_pending = false;
    emit statusMessage("Reconnaissance du geste...");
    m_stroke = std::make_unique<CStroke>();
    m_stroke->addPoint(p.x(), p.y(), timeStamp());
    m_ink.push_back({QColor(), InkTrail(p)});
    m_capturing = true;
    m_lastPoint = p;
    m_surface.update(QRect(p, p).adjusted(-1, -1, 1, 1).translated(m_origin));
}

// A stroke keeps one trail while its colour stays the same.
void GestureCapture::addInk(QPoint to, const QColor& colour) {
    if (m_ink.empty() || (m_ink.back().colour.isValid() && m_ink.back().colour != colour))
        m_ink.push_back({colour, InkTrail(m_lastPoint)});
    m_ink.back().colour = colour;
    m_ink.back().trail.add(to);
    m_surface.update(
        QRect(m_lastPoint, to).normalized().adjusted(-2, -2, 2, 2).translated(m_origin));
}

void GestureCapture::extendStroke(QPoint p, const QColor& ink) {
    addInk(p, ink);
    m_stroke->addPoint(p.x(), p.y(), timeStamp());
    m_lastPoint = p;
}

void GestureCapture::endStroke(QPoint p, const QColor& ink) {
    extendStroke(p, ink);
    m_capturing = false;
    if (!m_drawing)
        m_drawing = std::make_shared<CDessin>();
    m_drawing->addStroke(std::move(m_stroke));
    m_timer.start(m_drawing->recognitionDelay() - m_timing.shorteningMs);
    m_pending = true;
}

void GestureCapture::finishNow() {
    if (!m_pending)
        return;
    m_timer.stop();
    m_pending = false;
    emit finished();
}

void GestureCapture::reset() {
    m_timer.stop();
    m_pending = false;
    m_drawing.reset();
    clearInk();
}

void GestureCapture::cancel() {
    m_capturing = false;
    m_stroke.reset();
    reset();
}

std::shared_ptr<CDessin> GestureCapture::takeDrawing() {
    return std::move(m_drawing);
}

void GestureCapture::showInk(const CDessin& drawing, const QColor& colour) {
    m_ink.clear();
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        Ink ink{colour, {}};
        for (const CInkPoint& p : drawing.stroke(s).points())
            ink.trail.add(QPoint(p.x, p.y));
        m_ink.push_back(std::move(ink));
    }
    m_surface.update();
}

void GestureCapture::clearInk() {
    m_ink.clear();
    m_surface.update();
}

void GestureCapture::paintInk(QPainter& painter, const QRect& area) const {
    for (const Ink& ink : m_ink) {
        if (!ink.colour.isValid())
            continue;
        painter.setPen(QPen(ink.colour, 1));
        ink.trail.paint(painter, area);
    }
}

void GestureCapture::showPointer(QPoint p) {
    emit paneText(1, QStringLiteral("Pointeur (x = %1 , y = %2)").arg(p.x()).arg(p.y()));
}
