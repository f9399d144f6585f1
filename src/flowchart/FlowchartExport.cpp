#include "flowchart/FlowchartExport.h"

#include "flowchart/Organigramme.h"
#include "flowchart/PainterCanvas.h"
#include "flowchart/PngWriter.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

namespace {

// The page is drawn with the top-left corner of `bounds` at its origin.
void drawPage(QPainter& painter, const COrganigramme& organigramme, const QRect& bounds,
              TextLayouts& layouts) {
    painter.translate(-bounds.topLeft());
    drawFlowchart(painter, organigramme, layouts);
}

QString cannotWrite(const QString& path) {
    return QString("Impossible d'écrire le fichier %1.").arg(path);
}

} // namespace

QFont flowchartFont() {
    QFont font;
    font.setPointSize(10);
    return font;
}

QRect exportBounds(const COrganigramme& organigramme, TextLayouts& layouts) {
    QRect covered;
    for (const auto& element : organigramme.elements())
        covered |= paintedRect(*element, layouts);
    if (covered.isNull())
        covered = QRect(0, 0, 1, 1);
    return covered.adjusted(-kExportMargin, -kExportMargin, kExportMargin, kExportMargin);
}

// Each component is drawn under a painter state of its own, so that an SVG
// holds one group of shapes per component.
void drawFlowchart(QPainter& painter, const COrganigramme& organigramme, TextLayouts& layouts) {
    CPainterCanvas dc(painter, flowchartFont(), layouts);
    for (const auto& element : organigramme.elements()) {
        painter.save();
        element->Draw(dc, nullptr);
        painter.restore();
    }
}

QString exportFlowchart(const COrganigramme& organigramme, const QString& path) {
    TextLayouts layouts;
    const QRect bounds = exportBounds(organigramme, layouts);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") {
        QImage image(bounds.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        drawPage(painter, organigramme, bounds, layouts);
        painter.end();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !writeFastPng(image, file) || !file.commit())
            return cannotWrite(path);
        return {};
    }
    if (suffix == "svg") {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return cannotWrite(path);
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(bounds.size());
        svg.setViewBox(QRect(QPoint(0, 0), bounds.size()));
        svg.setTitle(QFileInfo(path).completeBaseName());
        QPainter painter(&svg);
        drawPage(painter, organigramme, bounds, layouts);
        painter.end();
        return file.commit() ? QString() : cannotWrite(path);
    }
    if (suffix == "pdf") {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return cannotWrite(path);
        {
            // One pixel of the screen is one point of the page.
            QPdfWriter pdf(&file);
            pdf.setResolution(72);
            pdf.setPageLayout(QPageLayout(QPageSize(bounds.size(), QPageSize::Point),
                                          QPageLayout::Portrait, QMarginsF()));
            QPainter painter(&pdf);
            drawPage(painter, organigramme, bounds, layouts);
        }
        return file.commit() ? QString() : cannotWrite(path);
    }
    return QString("Format d'exportation inconnu : %1 (png, svg ou pdf attendu).").arg(path);
}

void printFlowchart(const COrganigramme& organigramme, QPrinter& printer) {
    TextLayouts layouts;
    const QRect bounds = exportBounds(organigramme, layouts);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // The screen's pixels at the printer's resolution, then smaller if the page needs it.
    const double natural = printer.resolution() / 96.0;
    const double scale = std::min(
        {natural, double(page.width()) / bounds.width(), double(page.height()) / bounds.height()});
    QPainter painter(&printer);
    painter.scale(scale, scale);
    painter.translate(-bounds.topLeft());
    drawFlowchart(painter, organigramme, layouts);
}
