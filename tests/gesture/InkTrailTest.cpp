#include "gesture/InkTrail.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// What `paint` leaves on a white image with a red pen three pixels wide.
template <typename Paint> QImage rendered(Paint paint) {
    QImage image(1100, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, 3));
    paint(painter);
    return image;
}

} // namespace

// Repainting any small rectangle of a long zigzag gives the pixels of the
// whole polyline there, at the ends of runs of points as in their middle.
TEST(InkTrail, ASmallRepaintDrawsWhatTheWholePolylineDrawsThere) {
    QPolygon zigzag;
    for (int i = 0; i < 100; ++i)
        zigzag.append(QPoint(5 + i * 10, 5 + (i % 2) * 40));
    InkTrail trail(zigzag.first());
    for (int i = 1; i < zigzag.size(); ++i)
        trail.add(zigzag[i]);
    const QImage whole = rendered([&](QPainter& painter) { painter.drawPolyline(zigzag); });
    EXPECT_EQ(whole.pixelColor(10, 25), QColor(Qt::red));
    for (int i = 0; i < 99; ++i) {
        const QPoint middle(10 + i * 10, 25);
        for (const QRect& zone :
             {QRect(middle, QSize(3, 3)), QRect(middle - QPoint(5, 20), QSize(2, 2))}) {
            const QImage part = rendered([&](QPainter& painter) {
                painter.setClipRect(zone);
                trail.paint(painter, zone);
            });
            ASSERT_TRUE(part.copy(zone) == whole.copy(zone))
                << "segment " << i << " in " << zone.x() << "," << zone.y();
        }
    }
}
