#pragma once

#include "recognizer/Dessin.h"

#include <memory>

// Builds a drawing from logged points: pixels with y growing downward, a time
// stamp in milliseconds from any origin, and a stroke number. A new stroke starts
// whenever the stroke number changes. t is in seconds from the first point and
// never decreases within the drawing, since loggers with a coarse clock write
// equal and sometimes slightly earlier stamps.
class LoggedInk {
public:
    // Time stamps beyond this (in milliseconds, either sign) are refused by the
    // readers, so that differences of them stay exact.
    static constexpr long long kMaxMilliseconds = 1'000'000'000'000'000LL;

    void add(int x, int y, long long milliseconds, long long stroke);
    int pointCount() const { return m_points; }
    // The drawing; null when no point was added. The builder starts again empty.
    std::unique_ptr<CDessin> finish();

private:
    std::unique_ptr<CDessin> m_drawing;
    std::unique_ptr<CStroke> m_stroke;
    long long m_strokeNumber = 0;
    long long m_origin = 0;
    double m_lastTime = 0.0;
    int m_points = 0;
};
