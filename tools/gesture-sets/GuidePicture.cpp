#include "gesture-sets/GuidePicture.h"

#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "gesture/GuideDrawing.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
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

const QColor kGrid(215, 218, 225);

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
    painter.setPen(kGuideInk);
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
        painter.setPen(kGuideInk);
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
            drawGuideExample(painter, *classe.exemple(0).dessin(), box);
        }
    }
    return image;
}
