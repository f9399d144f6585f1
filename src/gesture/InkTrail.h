#pragma once

#include <QPolygon>
#include <QRect>

#include <vector>

class QPainter;

// The ink of one stroke on screen, cut in runs of points with their boxes, so
// that repainting a small rectangle draws only the runs that cross it, however
// long the stroke.
class InkTrail {
public:
    InkTrail() = default;
    explicit InkTrail(QPoint start) { add(start); }

    void add(QPoint p);
    bool isEmpty() const { return m_points.isEmpty(); }
    QPoint start() const { return m_points.first(); }
    QPoint end() const { return m_points.last(); }

    // Draws the segments that may touch `area` with the painter's pen.
    void paint(QPainter& painter, const QRect& area) const;

private:
    static constexpr int kRun = 32;

    QPolygon m_points;
    // Box of the points of run i: kRun * i to kRun * (i + 1), both included.
    std::vector<QRect> m_boxes;
};
