#include "gesture/InkTrail.h"

#include <QPainter>

void InkTrail::add(QPoint p) {
    const int index = static_cast<int>(m_points.size());
    m_points.append(p);
    const QRect point(p, QSize(1, 1));
    if (index % kRun == 0) {
        if (index > 0)
            m_boxes.back() |= point;
        m_boxes.push_back(point);
    } else {
        m_boxes.back() |= point;
    }
}

void InkTrail::paint(QPainter& painter, const QRect& area) const {
    // A pen's width spills over the box of its points.
    const QRect reach = area.adjusted(-2, -2, 2, 2);
    const int count = static_cast<int>(m_points.size());
    for (int run = 0; run < static_cast<int>(m_boxes.size()); ++run) {
        if (!m_boxes[static_cast<std::size_t>(run)].intersects(reach))
            continue;
        const int first = run * kRun;
        painter.drawPolyline(m_points.constData() + first, std::min(kRun + 1, count - first));
    }
}
