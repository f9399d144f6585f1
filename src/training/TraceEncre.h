#pragma once

#include <QPolygon>
#include <QRect>

#include <vector>

class QPainter;

// The ink of one stroke on screen, cut in runs of points with their boxes, so
// that repainting a small rectangle draws only the runs that cross it, however
// long the stroke.
class TraceEncre {
public:
    TraceEncre() = default;
    explicit TraceEncre(QPoint start) { ajouter(start); }

    void ajouter(QPoint p);
    bool isEmpty() const { return m_points.isEmpty(); }
    QPoint debut() const { return m_points.first(); }

    // Draws the segments that may touch `zone` with the painter's pen.
    void dessiner(QPainter& painter, const QRect& zone) const;

private:
    static constexpr int kRun = 32;

    QPolygon m_points;
    // Box of the points of run i: kRun * i to kRun * (i + 1), both included.
    std::vector<QRect> m_boxes;
};
