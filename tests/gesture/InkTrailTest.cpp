#include "gesture/InkTrail.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage blank() {
    QImage image(1100, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage painted(const InkTrail& trail, const QRect& zone) {
    QImage image = blank();
    QPainter painter(&image);
    painter.setClipRect(zone);
    painter.setPen(QPen(Qt::red, 3));
    trail.paint(painter, zone);
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
    QImage whole = blank();
    {
        QPainter painter(&whole);
        painter.setPen(QPen(Qt::red, 3));
        painter.drawPolyline(zigzag);
    }
    for (int i = 0; i < 99; ++i) {
        const QPoint middle(10 + i * 10, 25);
        for (const QRect& zone :
             {QRect(middle, QSize(3, 3)), QRect(middle - QPoint(5, 20), QSize(2, 2))}) {
            const QImage part = painted(trail, zone);
            for (int y = zone.top(); y <= zone.bottom(); ++y)
                for (int x = zone.left(); x <= zone.right(); ++x)
                    ASSERT_EQ(part.pixel(x, y), whole.pixel(x, y))
                        << "segment " << i << " at " << x << "," << y;
        }
    }
    EXPECT_EQ(whole.pixelColor(10, 25), QColor(Qt::red));
}

TEST(InkTrail, RemembersWhereItStarted) {
    InkTrail trail(QPoint(7, 9));
    trail.add(QPoint(30, 40));
    EXPECT_FALSE(trail.isEmpty());
    EXPECT_EQ(trail.start(), QPoint(7, 9));
    EXPECT_TRUE(InkTrail().isEmpty());
}
