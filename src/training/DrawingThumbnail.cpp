#include "training/DrawingThumbnail.h"

#include "recognizer/Dessin.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void paintDrawing(QPainter& painter, const CDessin& drawing, const QRectF& target, double until) {
    if (drawing.pointCount() == 0)
        return;
    int left = std::numeric_limits<int>::max(), top = left;
    int right = std::numeric_limits<int>::min(), bottom = right;
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        for (const CInkPoint& p : drawing.stroke(s).points()) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    }
    // A straight line keeps its thickness of zero: the larger side sets the scale.
    const double scale = std::min(target.width(), target.height()) /
                         std::max(1, std::max(right - left, bottom - top));
    const QPointF origin =
        target.center() - QPointF((right - left) * scale / 2.0, (bottom - top) * scale / 2.0);
    const auto place = [&](const CInkPoint& p) {
        return origin + QPointF((p.x - left) * scale, (p.y - top) * scale);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        QPainterPath path;
        for (const CInkPoint& p : drawing.stroke(s).points()) {
            if (p.t > until)
                break;
            if (path.elementCount() == 0)
                path.moveTo(place(p));
            else
                path.lineTo(place(p));
        }
        painter.drawPath(path);
    }
    const CInkPoint start = drawing.firstPoint();
    if (start.t <= until) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 150, 0));
        painter.drawEllipse(place(start), 3.5, 3.5);
    }
    painter.restore();
}

QPixmap drawingThumbnail(const CDessin& drawing, int side, bool marked) {
    QPixmap picture(side, side);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintDrawing(painter, drawing, QRectF(6, 6, side - 12, side - 12));
    if (marked) {
        painter.setPen(QPen(QColor(200, 0, 0), 3));
        painter.drawRect(QRectF(1.5, 1.5, side - 3, side - 3));
    }
    return picture;
}
