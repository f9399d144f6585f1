#pragma once

#include "flowchart/Canvas.h"
#include "flowchart/Commandes.h"

#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

inline std::ostream& operator<<(std::ostream& out, CPoint p) {
    return out << '(' << p.x << ',' << p.y << ')';
}
inline std::ostream& operator<<(std::ostream& out, const CRect& r) {
    return out << '[' << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ']';
}
inline std::ostream& operator<<(std::ostream& out, std::span<const CPoint> points) {
    for (std::size_t i = 0; i < points.size(); ++i)
        out << (i ? " " : "") << points[i];
    return out;
}

// A colour as six hexadecimal digits.
inline std::string hex(Colour colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(colour));
    return buffer;
}

// Records every drawing call as one line of text. Text is 8 pixels per byte
// and 16 pixels high.
class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> calls;

    void setPen(Colour colour, int width) override { record("pen", hex(colour), width); }
    void drawLine(CPoint from, CPoint to) override { record("line", from, to); }
    void drawRectangle(const CRect& rect) override { record("rectangle", rect); }
    void drawPolyline(std::span<const CPoint> points) override { record("polyline", points); }
    void drawPolygon(std::span<const CPoint> points) override { record("polygon", points); }
    void drawEllipse(const CRect& box) override { record("ellipse", box); }
    void drawText(CPoint origin, std::string_view text, std::string_view face, int tenthsOfPoint,
                  Colour colour) override {
        record("text", origin, '"' + std::string(text) + '"', face, tenthsOfPoint, hex(colour));
    }
    CSize textExtent(std::string_view text) override {
        return {8 * static_cast<int>(text.size()), 16};
    }

private:
    template <class... Args> void record(std::string_view call, const Args&... args) {
        std::ostringstream out;
        out << call;
        ((out << ' ' << args), ...);
        calls.push_back(out.str());
    }
};

// Centred on (100, 100).
inline const CRect kAround100{80, 90, 120, 110};

template <class E, class... Args> std::unique_ptr<CElement> make(Args&&... args) {
    return std::make_unique<E>(std::forward<Args>(args)...);
}

// A component as one line: its kind code, what it draws (pen left out), its
// enclosing rectangle, its centre and the dimensions "Taille : Autre" shows.
inline std::string describe(const CElement& e) {
    RecordingCanvas dc;
    e.Draw(dc, nullptr);
    std::ostringstream out;
    out << e.type();
    for (const std::string& call : dc.calls)
        if (!call.starts_with("pen "))
            out << ' ' << call;
    out << " in " << e.GetBoundRect() << " at " << e.center();
    for (const Dimension& d : tailleAutre(e).dimensions)
        out << ' ' << d.value;
    return out.str();
}
