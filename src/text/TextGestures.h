#pragma once

#include "recognizer/Dessin.h"

#include <array>
#include <string>

class CShapeGesture;

// The points at which the text gestures act, in view pixels.

// The arrow's head point that lies ahead of its tip along the shaft: A, else B,
// else C.
CInkPoint arrowInsertionPoint(const CInkPoint& tail, const CInkPoint& tip,
                              const std::array<CInkPoint, 3>& head);

// The vertex opposite the shortest side of a triangle or move gesture.
CInkPoint apex(const std::array<CInkPoint, 3>& vertices);

// First and last point of the text inside a rectangle or diamond whose corners
// are given in order around it.
struct TextSpan {
    CInkPoint start;
    CInkPoint end;
};
TextSpan selectionCorners(const std::array<CInkPoint, 4>& corners);

// Centre of the extent of an ellipse's outline.
CInkPoint outlineCentre(const CPolygon& outline);

// Where the characters [start, end) are put back, once removed, to land at
// `target`, a character index counted before the removal. A target inside the
// selection leaves it where it was.
int moveTarget(int start, int end, int target);

// What a recognised gesture does to the text.
enum class TextEdit {
    None,
    DeleteBetween,
    StartRange,
    EndRange,
    InsertText,
    MoveSelection,
    PasteAtCaret,
    SelectBetween,
    SelectWord,
    CopySelection,
    CutSelection,
    ClearSelection,
};

struct TextEditState {
    bool rangeStartPending = false;
    bool textSelected = false;
    bool clipboardHasText = false;
};

struct TextAction {
    TextEdit edit = TextEdit::None;
    std::string message; // for the status line; empty when there is none
    CInkPoint at;        // where the edit acts
    CInkPoint to;        // end of the span of DeleteBetween and SelectBetween
};

// The edit that the recogniser's best result asks for, with its message. A
// range start stays pending only after a StartRange.
TextAction textActionFor(const CShapeGesture& best, const TextEditState& state);
