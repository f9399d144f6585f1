#include "flowchart/PainterCanvas.h"

#include "flowchart/Elements.h"
#include "shell/Strings.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>

namespace {

// Enough for every text of a large flowchart; beyond, the layouts start again.
constexpr qsizetype kMaxLayouts = 20'000;

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

QRect paintedRect(const CElement& element, TextLayouts& layouts) {
    QRect rect = toQRect(element.GetBoundRect()).adjusted(-1, -1, 1, 1);
    if (element.type() == kind::Texte) {
        const auto& texte = static_cast<const CTexte&>(element);
        const QRect written =
            layouts.of(texte.text(), texte.fontName(), texte.tenthsOfPoint()).bounds;
        rect |= written.translated(texte.origin().x, texte.origin().y).adjusted(-1, -1, 1, 1);
    }
    return rect;
}

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

const TextLayouts::Layout& TextLayouts::of(std::string_view text, std::string_view face,
                                           int tenthsOfPoint) {
    const QString written = toQString(text);
    const QString key =
        QString::number(tenthsOfPoint) + QChar(0x1F) + toQString(face) + QChar(0x1F) + written;
    const auto found = m_layouts.constFind(key);
    if (found != m_layouts.constEnd())
        return *found;
    if (m_layouts.size() >= kMaxLayouts)
        m_layouts.clear();
    Layout layout{QStaticText(written), textFont(face, tenthsOfPoint), {}};
    layout.text.setTextFormat(Qt::PlainText);
    layout.text.prepare(QTransform(), layout.font);
    const QFontMetrics metrics(layout.font);
    layout.bounds = metrics.boundingRect(written).translated(0, metrics.ascent());
    return *m_layouts.insert(key, std::move(layout));
}

CPainterCanvas::CPainterCanvas(QPainter& painter, const QFont& defaultFont, TextLayouts& layouts)
    : m_painter(painter), m_defaultMetrics(defaultFont), m_layouts(layouts) {
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

// Square ends and mitred corners: at these widths they look like round ones and
// cost far less to draw.
void CPainterCanvas::setPen(Colour colour, int width) {
    m_colour = toQColor(colour);
    m_width = width;
    m_painter.setPen(QPen(m_colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
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

// A thick outline is drawn as rings one pixel wide, side by side: stroking a
// wide curve costs several times as much.
void CPainterCanvas::drawEllipse(const CRect& box) {
    const QRect outline = toQRect(box);
    if (m_width <= 1) {
        m_painter.drawEllipse(outline);
        return;
    }
    const QPen pen = m_painter.pen();
    m_painter.setPen(QPen(m_colour, 0));
    for (int inset = -((m_width - 1) / 2); inset <= m_width / 2; ++inset)
        m_painter.drawEllipse(outline.adjusted(inset, inset, -inset, -inset));
    m_painter.setPen(pen);
}

void CPainterCanvas::drawText(CPoint origin, std::string_view text, std::string_view face,
                              int tenthsOfPoint, Colour colour) {
    const TextLayouts::Layout& layout = m_layouts.of(text, face, tenthsOfPoint);
    m_painter.setFont(layout.font);
    m_painter.setPen(toQColor(colour));
    m_painter.drawStaticText(QPoint(origin.x, origin.y), layout.text);
}

CSize CPainterCanvas::textExtent(std::string_view text) {
    const QString s = toQString(text);
    return {m_defaultMetrics.horizontalAdvance(s), m_defaultMetrics.height()};
}
