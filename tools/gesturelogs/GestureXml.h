#pragma once

#include "gesturelogs/GestureLog.h"

#include <string_view>

// A single-stroke gesture log in XML (a byte-order mark may lead):
//   <Gesture Name="arrow01" Subject="2" Speed="medium" NumPts="74" ...>
//     <Point X="50" Y="242" T="11435895" /> ...
//   </Gesture>
// X and Y are pixels with y downward, T milliseconds from any origin. The kind is
// the file name without its number ("arrow07.xml": arrow); the example is named
// "s02-medium-arrow07" after the subject, the speed and the file.
LogReadResult readGestureXml(std::string_view text, std::string_view fileName);
