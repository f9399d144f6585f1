#pragma once

#include <string>

// Text of `value` with `decimales` (0 to 20) digits after the point, as the property
// dialogs show features: thousands grouped by blanks ("1 000 000"), "-" for a
// negative value, and "0" alone when the value rounds to zero.
std::string FormaterNombre(double value, int decimales);

// The C library's general form with 15 significant digits (%.15g), as the
// matrix and weight grids show their cells.
std::string formatGeneral(double value);
