#pragma once

#include "recognizer/Dessin.h"
#include "recognizer/TextScanner.h"

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

// Text form of a drawing: the stroke count, then for each stroke its point count
// followed by one "x y t" line per point ("x y" without time stamps).
void writeDrawing(std::ostream& out, const CDessin& drawing, bool withTime = true);

// Reads one drawing at the scanner's position; throws TextFormatError.
std::unique_ptr<CDessin> readDrawing(TextScanner& in, bool withTime);

struct DrawingReadResult {
    std::unique_ptr<CDessin> drawing; // null when the text is refused
    std::string error;                // French message when refused
};

// Reads a whole text holding one drawing and nothing after it.
DrawingReadResult readDrawingText(std::string_view text, bool withTime);

// Pixel coordinates beyond this are refused by every reader: geometry stays in
// 64-bit integer range.
constexpr long long kMaxCoordinate = 100'000'000;
