#pragma once

#include "flowchart/Canvas.h"

#include <QFont>
#include <QFontMetrics>

class QPainter;

// Components drawn with a QPainter. Text extents are measured in the font given
// at construction, the view's default font.
class CPainterCanvas : public Canvas {
public:
    CPainterCanvas(QPainter& painter, const QFont& defaultFont);

    void setPen(Colour colour, int width) override;
    void drawLine(CPoint from, CPoint to) override;
    void drawRectangle(const CRect& rect) override;
    void drawPolyline(std::span<const CPoint> points) override;
    void drawPolygon(std::span<const CPoint> points) override;
    void drawEllipse(const CRect& box) override;
    void drawText(CPoint origin, std::string_view text, std::string_view face, int tenthsOfPoint,
                  Colour colour) override;
    CSize textExtent(std::string_view text) override;

private:
    QPainter& m_painter;
    QFontMetrics m_defaultMetrics;
};

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);
// The font a text component is written in.
QFont textFont(std::string_view face, int tenthsOfPoint);
