#include "gesturelogs/LoggedInk.h"

#include <algorithm>

void LoggedInk::add(int x, int y, long long milliseconds, long long stroke) {
    if (m_points == 0) {
        m_drawing = std::make_unique<CDessin>();
        m_origin = milliseconds;
        m_lastTime = 0.0;
    } else if (stroke != m_strokeNumber) {
        m_drawing->addStroke(std::move(m_stroke));
    }
    if (!m_stroke)
        m_stroke = std::make_unique<CStroke>();
    m_strokeNumber = stroke;
    m_lastTime = std::max(m_lastTime, static_cast<double>(milliseconds - m_origin) / 1000.0);
    m_stroke->addPoint(x, y, m_lastTime);
    ++m_points;
}

std::unique_ptr<CDessin> LoggedInk::finish() {
    if (m_stroke)
        m_drawing->addStroke(std::move(m_stroke));
    m_points = 0;
    return std::move(m_drawing);
}
