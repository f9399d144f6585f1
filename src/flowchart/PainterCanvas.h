#pragma once

#include "flowchart/Canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QRect>
#include <QStaticText>

class QPainter;

// How texts are laid out in their fonts, kept from one paint to the next:
// laying a text out costs more than writing it.
class TextLayouts {
public:
    struct Layout {
        QStaticText text;
        QFont font;
        // What the written text covers, from its top-left corner.
        QRect bounds;
    };

    const Layout& of(std::string_view text, std::string_view face, int tenthsOfPoint);

private:
    QHash<QString, Layout> m_layouts;
};

// Components drawn with a QPainter, without antialiasing. Text extents are
// measured in the font given at construction, the view's default font.
class CPainterCanvas : public Canvas {
public:
    CPainterCanvas(QPainter& painter, const QFont& defaultFont, TextLayouts& layouts);

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
    TextLayouts& m_layouts;
    QColor m_colour;
    int m_width = 1;
};

class CElement;

// Where a component shows: its enclosing rectangle, and for a text what its
// font really covers.
QRect paintedRect(const CElement& element, TextLayouts& layouts);

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);
// The font a text component is written in.
QFont textFont(std::string_view face, int tenthsOfPoint);
