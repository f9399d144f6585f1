#pragma once

#include <QColor>
#include <QRectF>

class CDessin;
class QPainter;

// The colour of the guide's ink and texts.
inline const QColor kGuideInk(30, 40, 60);

// A drawing as the gesture guide shows it, to tell a user what to draw: scaled
// into `box`, with where the pen starts (a dot, and the stroke's number when
// there are several) and which way it goes (a small arrowhead along the start
// of each stroke).
void drawGuideExample(QPainter& painter, const CDessin& drawing, const QRectF& box);
