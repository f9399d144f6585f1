#pragma once

#include <QPixmap>

// Small pictures of the component kinds (codes 102 to 117) for the dialogs,
// drawn by the components themselves.
QPixmap shapePicture(int kind);

// The dimensions of an arrow that the arrow-size dialog asks for.
enum class ArrowDimension { Length, HeadHalfHeight, HeadLength };
// An arrow with that dimension marked.
QPixmap arrowDimensionPicture(ArrowDimension dimension);
