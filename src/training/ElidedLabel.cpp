#include "training/ElidedLabel.h"

#include <QPainter>

#include <algorithm>

namespace {

// Enough to read the start of a name before the ellipsis.
constexpr int kShortestChars = 8;
constexpr int kPreferredChars = 30;

} // namespace

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * kShortestChars, QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const {
    const QSize full = QLabel::sizeHint();
    return {std::min(full.width(), fontMetrics().averageCharWidth() * kPreferredChars),
            full.height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    setToolTip(shown == text() ? QString() : text());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, static_cast<int>(alignment()), shown);
}
