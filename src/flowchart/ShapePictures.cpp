#include "flowchart/ShapePictures.h"

#include "flowchart/Commandes.h"
#include "flowchart/PainterCanvas.h"

#include <QPainter>

namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 32;
constexpr Colour kInk = 0x404040;
constexpr Colour kMark = kRouge;

// Sizes that fit the picture, in the proportions of the default ones.
COrganigramme pictureSizes() {
    COrganigramme org;
    org.setFixedSize(true);
    org.setColor(kInk);
    org.setPenWidth(2);
    SizeParameters& s = org.sizes();
    s = {.squareSide = 24,
         .circleRadius = 12,
         .crossSize = 22,
         .horizontalEllipseHorizontalRadius = 20,
         .horizontalEllipseVerticalRadius = 10,
         .verticalEllipseHorizontalRadius = 10,
         .verticalEllipseVerticalRadius = 13,
         .arrowLength = 36,
         .arrowHeadLength = 9,
         .arrowHeadHalfHeight = 6,
         .horizontalLineLength = 36,
         .verticalLineLength = 26,
         .diamondHeight = 24,
         .diamondLength = 40,
         .horizontalRectangleHeight = 20,
         .horizontalRectangleLength = 38,
         .verticalRectangleHeight = 26,
         .verticalRectangleLength = 16,
         .upTriangleHeight = 22,
         .upTriangleLength = 30,
         .vTriangleHeight = 22,
         .vTriangleLength = 30};
    return org;
}

QPixmap blankPicture() {
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

QPixmap shapePicture(int kind) {
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    TextLayouts layouts;
    CPainterCanvas canvas(painter, painter.font(), layouts);
    if (const auto component = creerComposant(kind, CRect{0, 0, kWidth, kHeight}, pictureSizes()))
        component->Draw(canvas, nullptr);
    return picture;
}

QPixmap arrowDimensionPicture(ArrowDimension dimension) {
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    TextLayouts layouts;
    CPainterCanvas canvas(painter, painter.font(), layouts);
    const CFleche arrow(kInk, 2, CRect{0, 4, kWidth, kHeight + 4}, 36, 8, 12, Axis::Horizontal,
                        Head::Forward);
    arrow.Draw(canvas, nullptr);
    canvas.setPen(kMark, 1);
    const int bottom = arrow.h2().y + 3;
    switch (dimension) {
    case ArrowDimension::Length:
        canvas.drawLine({arrow.start().x, bottom}, {arrow.end().x, bottom});
        break;
    case ArrowDimension::HeadHalfHeight:
        canvas.drawLine({arrow.h2().x - 3, arrow.h1().y}, {arrow.h2().x - 3, arrow.h2().y});
        break;
    case ArrowDimension::HeadLength:
        canvas.drawLine({arrow.h2().x, bottom}, {arrow.h1().x, bottom});
        break;
    }
    return picture;
}
