#pragma once

#include <QLabel>

// A one-line label for names and descriptions of any length: it asks for little
// room, shows what fits followed by an ellipsis, and gives the whole text in its
// tooltip, so that a long description never squeezes the drawing area.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
