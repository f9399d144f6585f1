#include "gesture-sets/GuidePicture.h"

#include "engine/Codes.h"
#include "engine/Ensemble.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kCellWidth = 330;
constexpr int kCaptionHeight = 44;
constexpr int kDrawingSize = 160;
// Ways of drawing one code shown side by side, at most.
constexpr int kWaysPerRow = 4;
constexpr int kWaysShown = 8;
constexpr int kCellHeight = kCaptionHeight + kDrawingSize + 26;
constexpr int kMargin = 16;
constexpr int kTitleHeight = 56;

const QColor kInk(30, 40, 60);
const QColor kStart(30, 150, 60);
const QColor kDirection(220, 110, 20);
const QColor kGrid(215, 218, 225);

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

void drawExample(QPainter& painter, const CDessin& drawing, const QRectF& box) {
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
    painter.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
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

} // namespace

QImage guidePicture(const CEnsemble& set, int columns) {
    // The classes of each code, codes in the order of their first class.
    std::vector<std::pair<int, std::vector<const CClasse*>>> codes;
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& classe = set.classe(c);
        const auto same = [&](const auto& entry) { return entry.first == classe.code(); };
        auto it = std::find_if(codes.begin(), codes.end(), same);
        if (it == codes.end())
            it = codes.insert(codes.end(), {classe.code(), {}});
        it->second.push_back(&classe);
    }
    const int cells = static_cast<int>(codes.size());
    const int rows = std::max(1, (cells + columns - 1) / columns);
    QImage image(2 * kMargin + columns * kCellWidth,
                 2 * kMargin + kTitleHeight + rows * kCellHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QFont title = painter.font();
    title.setPixelSize(20);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kInk);
    const QRectF titleBox(kMargin, kMargin, columns * kCellWidth, 28);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(set.nom() + " : " + set.description()));
    QFont legend = painter.font();
    legend.setPixelSize(13);
    legend.setBold(false);
    painter.setFont(legend);
    painter.drawText(QRectF(kMargin, kMargin + 28, columns * kCellWidth, 20),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8("Point vert : départ du tracé (numéroté quand il y a "
                                       "plusieurs traits) ; flèche orange : sens du tracé. "
                                       "Chaque case montre les façons de tracer le geste."));

    QFont caption = legend;
    caption.setPixelSize(14);
    caption.setBold(true);
    for (int c = 0; c < cells; ++c) {
        const QRectF cell(kMargin + (c % columns) * kCellWidth,
                          kMargin + kTitleHeight + (c / columns) * kCellHeight, kCellWidth,
                          kCellHeight);
        painter.setPen(kGrid);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(2, 2, -2, -2));
        painter.setFont(caption);
        painter.setPen(kInk);
        const auto& [code, classes] = codes[static_cast<std::size_t>(c)];
        const int ways = static_cast<int>(classes.size());
        QString name = QString::fromStdString(nomCode(set.typeAction(), code));
        if (name == QStringLiteral("Aucun"))
            name = QString::fromStdString(classes.front()->nom());
        if (ways > 1)
            name += QString::fromUtf8(" (%1 façons)").arg(ways);
        painter.drawText(QRectF(cell.left() + 8, cell.top() + 6, cell.width() - 16, kCaptionHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, name);
        const int shown = std::min(ways, kWaysShown);
        const int across = std::min(shown, kWaysPerRow);
        const int down = (shown + across - 1) / across;
        const double size = std::min(
            {double(kDrawingSize), (cell.width() - 16) / across, kDrawingSize / double(down)});
        const double left = cell.left() + (cell.width() - across * size) / 2;
        const double top = cell.top() + kCaptionHeight + 14 + (kDrawingSize - down * size) / 2;
        painter.setFont(legend);
        for (int w = 0; w < shown; ++w) {
            const CClasse& classe = *classes[static_cast<std::size_t>(w)];
            if (classe.nbExemples() == 0 || !classe.exemple(0).dessin())
                continue;
            const QRectF box(left + (w % across) * size, top + (w / across) * size, size, size);
            drawExample(painter, *classe.exemple(0).dessin(), box);
        }
    }
    return image;
}
