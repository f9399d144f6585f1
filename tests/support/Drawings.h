#pragma once

#include "generator/DrawingGenerator.h"
#include "recognizer/Dessin.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

// Drawings written out point by point, for cases worked out by hand.
struct Pt {
    int x, y;
    double t = 0.0;
};

inline std::unique_ptr<CDessin>
drawingOf(std::initializer_list<std::initializer_list<Pt>> strokes) {
    auto drawing = std::make_unique<CDessin>();
    for (const auto& points : strokes) {
        auto stroke = std::make_unique<CStroke>();
        for (const Pt& p : points)
            stroke->addPoint(p.x, p.y, p.t);
        drawing->addStroke(std::move(stroke));
    }
    return drawing;
}

// A drawing through exactly these vertices, sampled every few pixels at a
// steady 400 pixels a second, strokes a tenth of a second apart.
inline std::unique_ptr<CDessin> traced(const std::vector<std::vector<Vec2>>& strokes) {
    constexpr double kSpeed = 400.0;
    constexpr double kStep = 4.0;
    auto drawing = std::make_unique<CDessin>();
    double t = 0.0;
    for (const std::vector<Vec2>& vertices : strokes) {
        auto stroke = std::make_unique<CStroke>();
        const auto add = [&](Vec2 p) {
            stroke->addPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)),
                             t);
        };
        add(vertices.front());
        for (std::size_t i = 1; i < vertices.size(); ++i) {
            const Vec2 a = vertices[i - 1];
            const Vec2 b = vertices[i];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            const int steps = std::max(1, static_cast<int>(std::ceil(length / kStep)));
            for (int k = 1; k <= steps; ++k) {
                const double f = static_cast<double>(k) / steps;
                t += length / steps / kSpeed;
                add({a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f});
            }
        }
        drawing->addStroke(std::move(stroke));
        t += 0.1;
    }
    return drawing;
}

#include <ostream>

inline void PrintTo(const CInkPoint& p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}
