#pragma once

#include <QPixmap>

#include <limits>

class CDessin;
class QPainter;
class QRectF;

// Draws the drawing's strokes scaled into `target`, keeping its proportions,
// the pen's first point marked by a dot. Only the points drawn at or before
// `until` seconds appear, so that a replay can paint it as time goes by.
void paintDrawing(QPainter& painter, const CDessin& drawing, const QRectF& target,
                  double until = std::numeric_limits<double>::infinity());

// A square picture of the drawing on white; red-framed when `marked`.
QPixmap drawingThumbnail(const CDessin& drawing, int side, bool marked = false);
