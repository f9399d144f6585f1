#pragma once

#include "flowchart/Canvas.h"
#include "flowchart/Commandes.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

// Records every drawing call as one line of text. Text is 8 pixels per byte
// and 16 pixels high.
class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> calls;

    void setPen(Colour colour, int width) override {
        calls.push_back("pen " + hex(colour) + " " + std::to_string(width));
    }
    void drawLine(CPoint from, CPoint to) override {
        calls.push_back("line " + str(from) + " " + str(to));
    }
    void drawRectangle(const CRect& rect) override { calls.push_back("rectangle " + str(rect)); }
    void drawPolyline(std::span<const CPoint> points) override {
        calls.push_back("polyline" + str(points));
    }
    void drawPolygon(std::span<const CPoint> points) override {
        calls.push_back("polygon" + str(points));
    }
    void drawEllipse(const CRect& box) override { calls.push_back("ellipse " + str(box)); }
    void drawText(CPoint origin, std::string_view text, std::string_view face, int tenthsOfPoint,
                  Colour colour) override {
        calls.push_back("text " + str(origin) + " \"" + std::string(text) + "\" " +
                        std::string(face) + " " + std::to_string(tenthsOfPoint) + " " +
                        hex(colour));
    }
    CSize textExtent(std::string_view text) override {
        return {8 * static_cast<int>(text.size()), 16};
    }

    static std::string hex(Colour c) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
        return buffer;
    }
    static std::string str(CPoint p) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "(%d,%d)", p.x, p.y);
        return buffer;
    }
    static std::string str(const CRect& r) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "[%d,%d,%d,%d]", r.left, r.top, r.right, r.bottom);
        return buffer;
    }
    static std::string str(std::span<const CPoint> points) {
        std::string s;
        for (const CPoint& p : points) {
            s += ' ';
            s += str(p);
        }
        return s;
    }
};

inline void PrintTo(const CPoint& p, std::ostream* out) {
    *out << RecordingCanvas::str(p);
}
inline void PrintTo(const CRect& r, std::ostream* out) {
    *out << RecordingCanvas::str(r);
}

// A component as one line: its kind code, what it draws (pen left out), its
// enclosing rectangle, its centre and the dimensions "Taille : Autre" shows.
inline std::string describe(const CElement& e) {
    RecordingCanvas dc;
    e.Draw(dc, nullptr);
    std::string s = std::to_string(e.type());
    for (const std::string& call : dc.calls)
        if (!call.starts_with("pen "))
            s += " " + call;
    s +=
        " in " + RecordingCanvas::str(e.GetBoundRect()) + " at " + RecordingCanvas::str(e.center());
    for (const Dimension& d : tailleAutre(e).dimensions)
        s += " " + std::to_string(d.value);
    return s;
}
