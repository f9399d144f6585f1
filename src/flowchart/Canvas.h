#pragma once

#include "flowchart/Geometry.h"

#include <cstdint>
#include <span>
#include <string_view>

// 0x00BBGGRR, as stored in flowchart files.
using Colour = std::uint32_t;

// What components draw on. The editor paints through a QPainter behind this;
// tests record the calls.
class Canvas {
public:
    virtual ~Canvas() = default;

    // A solid pen for the shapes that follow; shapes are never filled.
    virtual void setPen(Colour colour, int width) = 0;
    virtual void drawLine(CPoint from, CPoint to) = 0;
    virtual void drawRectangle(const CRect& rect) = 0;
    // Open: the last point is not joined back to the first.
    virtual void drawPolyline(std::span<const CPoint> points) = 0;
    // Closed outline.
    virtual void drawPolygon(std::span<const CPoint> points) = 0;
    virtual void drawEllipse(const CRect& box) = 0;
    // Text whose top-left corner is at `origin`, in UTF-8.
    virtual void drawText(CPoint origin, std::string_view text, std::string_view face,
                          int tenthsOfPoint, Colour colour) = 0;
    // Extent of `text` in the canvas's default font.
    virtual CSize textExtent(std::string_view text) = 0;
};
