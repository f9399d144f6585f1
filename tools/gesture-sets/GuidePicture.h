#pragma once

#include <QImage>

class CEnsemble;

// The picture of a gesture set that tells a user what to draw: one cell per
// class, its name above the class's first example, with where the pen starts
// (a dot, and the stroke's number when there are several) and which way it goes
// (a small arrowhead along the start of each stroke).
QImage guidePicture(const CEnsemble& set, int columns);
