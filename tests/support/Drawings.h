#pragma once

#include "recognizer/Dessin.h"

#include <initializer_list>
#include <memory>

// Drawings written out point by point, for cases worked out by hand.
struct Pt {
    int x, y;
    double t = 0.0;
};

inline std::unique_ptr<CStroke> strokeOf(std::initializer_list<Pt> points) {
    auto stroke = std::make_unique<CStroke>();
    for (const Pt& p : points)
        stroke->addPoint(p.x, p.y, p.t);
    return stroke;
}

inline std::unique_ptr<CDessin>
drawingOf(std::initializer_list<std::initializer_list<Pt>> strokes) {
    auto drawing = std::make_unique<CDessin>();
    for (const auto& s : strokes)
        drawing->addStroke(strokeOf(s));
    return drawing;
}

#include <ostream>

inline void PrintTo(const CInkPoint& p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}
