#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class COrganigramme;
class QPainter;
class QPrinter;
class TextLayouts;

// Room left round the components on an exported or printed page.
inline constexpr int kExportMargin = 20;

// The font that text rectangles are measured in, as on the screen.
QFont flowchartFont();
// What the components cover, plus the margin.
QRect exportBounds(const COrganigramme& organigramme, TextLayouts& layouts);
// Every component, unselected, through the canvas the screen paints with.
void drawFlowchart(QPainter& painter, const COrganigramme& organigramme, TextLayouts& layouts);

// Writes the flowchart cut to exportBounds() as PNG, SVG or PDF, after the
// suffix of `path`; the French reason when it cannot.
QString exportFlowchart(const COrganigramme& organigramme, const QString& path);
// The flowchart scaled down to fit the printer's page, never up.
void printFlowchart(const COrganigramme& organigramme, QPrinter& printer);
