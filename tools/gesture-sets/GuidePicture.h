#pragma once

#include <QImage>

class CEnsemble;

// The picture of a gesture set that tells a user what to draw: one cell per
// code, its name above the first example of each class of that code (each way
// of drawing it), with where the pen starts (a dot, and the stroke's number when
// there are several) and which way it goes (a small arrowhead along the start of
// each stroke).
QImage guidePicture(const CEnsemble& set, int columns);
