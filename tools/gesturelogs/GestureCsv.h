#pragma once

#include "gesturelogs/GestureLog.h"

#include <string_view>

// A multi-stroke gesture log in CSV, one point a line: "X,-Y,1,T,stroke" with X
// in pixels, Y negated (y grows upward in the file), a constant, T in
// milliseconds and the stroke number. The file is named
// PERSON-DEVICE-SPEED-KIND-NN.csv ("10-stylus-fast-X-01.csv"): the kind comes
// from the name, and the example is named after the file ("10-stylus-fast-X-01").
LogReadResult readGestureCsv(std::string_view text, std::string_view fileName);
