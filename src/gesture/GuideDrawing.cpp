#include "gesture/GuideDrawing.h"

#include "recognizer/Dessin.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QColor kStart(30, 150, 60);
const QColor kDirection(220, 110, 20);

QRectF inkBounds(const CDessin& drawing) {
    const CInkPoint first = drawing.firstPoint();
    double left = first.x, top = first.y, right = first.x, bottom = first.y;
    for (int s = 0; s < drawing.strokeCount(); ++s)
        for (const CInkPoint& p : drawing.stroke(s).points()) {
            left = std::min<double>(left, p.x);
            top = std::min<double>(top, p.y);
            right = std::max<double>(right, p.x);
            bottom = std::max<double>(bottom, p.y);
        }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// The point reached after `distance` pixels along the stroke, with the
// direction the pen was going there; false when the stroke is shorter.
bool alongStroke(const std::vector<QPointF>& points, double distance, QPointF& at, QPointF& way) {
    double walked = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF step = points[i] - points[i - 1];
        const double length = std::hypot(step.x(), step.y());
        if (length > 0 && walked + length >= distance) {
            at = points[i - 1] + step * ((distance - walked) / length);
            way = step / length;
            return true;
        }
        walked += length;
    }
    return false;
}

void drawArrowhead(QPainter& painter, QPointF tip, QPointF way) {
    const QPointF across(-way.y(), way.x());
    const QPolygonF head{tip + way * 5, tip - way * 6 + across * 5, tip - way * 6 - across * 5};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDirection);
    painter.drawPolygon(head);
}

} // namespace

void drawGuideExample(QPainter& painter, const CDessin& drawing, const QRectF& box) {
    const QRectF bounds = inkBounds(drawing);
    const double extent = std::max({bounds.width(), bounds.height(), 1.0});
    const double scale = (box.width() - std::min(20.0, box.width() / 5)) / extent;
    const QPointF offset = box.center() - bounds.center() * scale;
    std::vector<std::vector<QPointF>> strokes;
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        std::vector<QPointF> points;
        for (const CInkPoint& p : drawing.stroke(s).points())
            points.push_back(QPointF(p.x, p.y) * scale + offset);
        strokes.push_back(std::move(points));
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGuideInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& points : strokes) {
        QPainterPath path(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        painter.drawPath(path);
    }
    std::vector<QPointF> labels;
    for (std::size_t s = 0; s < strokes.size(); ++s) {
        const auto& points = strokes[s];
        QPointF at, way;
        if (alongStroke(points, 22, at, way))
            drawArrowhead(painter, at, way);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kStart);
        painter.drawEllipse(points.front(), 5, 5);
        if (strokes.size() > 1) {
            // Strokes that start at one place get their numbers side by side.
            QPointF label = points.front() + QPointF(7, -6);
            const auto near = [&](QPointF p) {
                return std::abs(p.x() - label.x()) < 10 && std::abs(p.y() - label.y()) < 12;
            };
            while (std::any_of(labels.begin(), labels.end(), near))
                label += QPointF(10, 0);
            labels.push_back(label);
            painter.setPen(kStart);
            painter.drawText(label, QString::number(s + 1));
        }
    }
}
