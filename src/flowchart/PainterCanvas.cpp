#include "flowchart/PainterCanvas.h"

#include "shell/Strings.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>

namespace {

QRect toQRect(const CRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)).normalized();
}

QPolygon toQPolygon(std::span<const CPoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const CPoint& p : points)
        polygon.append(QPoint(p.x, p.y));
    return polygon;
}

} // namespace

QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

Colour fromQColor(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
           static_cast<Colour>(colour.blue()) << 16;
}

QFont textFont(std::string_view face, int tenthsOfPoint) {
    QFont font(toQString(face));
    // A file may hold any size: beyond a thousand points nothing is readable anyway.
    font.setPointSizeF(std::clamp(tenthsOfPoint, 1, 10'000) / 10.0);
    return font;
}

CPainterCanvas::CPainterCanvas(QPainter& painter, const QFont& defaultFont)
    : m_painter(painter), m_defaultMetrics(defaultFont) {
    m_painter.setBrush(Qt::NoBrush);
}

void CPainterCanvas::setPen(Colour colour, int width) {
    m_painter.setPen(QPen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void CPainterCanvas::drawLine(CPoint from, CPoint to) {
    m_painter.drawLine(from.x, from.y, to.x, to.y);
}

void CPainterCanvas::drawRectangle(const CRect& rect) {
    m_painter.drawRect(toQRect(rect));
}

void CPainterCanvas::drawPolyline(std::span<const CPoint> points) {
    m_painter.drawPolyline(toQPolygon(points));
}

void CPainterCanvas::drawPolygon(std::span<const CPoint> points) {
    m_painter.drawPolygon(toQPolygon(points));
}

void CPainterCanvas::drawEllipse(const CRect& box) {
    m_painter.drawEllipse(toQRect(box));
}

void CPainterCanvas::drawText(CPoint origin, std::string_view text, std::string_view face,
                              int tenthsOfPoint, Colour colour) {
    const QFont font = textFont(face, tenthsOfPoint);
    m_painter.setFont(font);
    m_painter.setPen(toQColor(colour));
    m_painter.drawText(QPoint(origin.x, origin.y + QFontMetrics(font).ascent()), toQString(text));
}

CSize CPainterCanvas::textExtent(std::string_view text) {
    const QString s = toQString(text);
    return {m_defaultMetrics.horizontalAdvance(s), m_defaultMetrics.height()};
}
