#include "text/TextGestures.h"

#include "recognizer/ShapeCommands.h"
#include "recognizer/ShapeFigures.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

long long dot(long long ux, long long uy, long long wx, long long wy) {
    return ux * wx + uy * wy;
}

long long squaredDistance(const CInkPoint& a, const CInkPoint& b) {
    const long long dx = b.x - a.x, dy = b.y - a.y;
    return dx * dx + dy * dy;
}

CInkPoint midpoint(const CInkPoint& a, const CInkPoint& b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

TextAction act(TextEdit edit, std::string message, CInkPoint at = {}, CInkPoint to = {}) {
    return {edit, std::move(message), at, to};
}

const char* const kUnknown = "Geste inconnu ou ambigu...";
const char* const kSelectFirst = "Sélectionnez quelquechose avant...";

TextAction lineAction(const CShapeLine& line, const TextEditState& state) {
    const CInkPoint& p1 = line.ends()[0];
    const CInkPoint& p2 = line.ends()[1];
    if (std::abs(p1.y - p2.y) < 8)
        return act(TextEdit::DeleteBetween, "Supprimer ceci...", p1, p2);
    if (std::abs(p1.x - p2.x) < 8) {
        if (state.rangeStartPending)
            return act(TextEdit::EndRange, "Fin de sélection...", midpoint(p1, p2));
        return act(TextEdit::StartRange, "Début de sélection...", midpoint(p1, p2));
    }
    return act(TextEdit::None, "Veuillez recommencer le geste...");
}

TextAction moveAction(const std::array<CInkPoint, 3>& vertices, const TextEditState& state) {
    if (state.textSelected)
        return act(TextEdit::MoveSelection, "Déplacer la sélection ici...", apex(vertices));
    if (state.clipboardHasText)
        return act(TextEdit::PasteAtCaret, "Coller ici...");
    return act(TextEdit::None, "Sélection ou Presse-Papier vide...");
}

TextAction shapeAction(const CShapeGesture& shape, const TextEditState& state) {
    const std::string_view name = shape.name();
    if (name == "Line")
        return lineAction(static_cast<const CShapeLine&>(shape), state);
    if (name == "Arrow") {
        const auto& arrow = static_cast<const CShapeArrow&>(shape);
        return act(TextEdit::InsertText, "Insérer du texte ici...",
                   arrowInsertionPoint(arrow.tail(), arrow.tip(), arrow.head()));
    }
    if (name == "Triangle")
        return moveAction(static_cast<const CShapeTriangle&>(shape).vertices(), state);
    if (name == "Rectangle" || name == "Diamond") {
        const auto& corners = name == "Rectangle"
                                  ? static_cast<const CShapeRectangle&>(shape).corners()
                                  : static_cast<const CShapeDiamond&>(shape).corners();
        const TextSpan span = selectionCorners(corners);
        return act(TextEdit::SelectBetween, "Sélectionner ceci...", span.start, span.end);
    }
    if (name == "Circle")
        return act(TextEdit::SelectWord, "Cercle Sélectionner ce mot...",
                   static_cast<const CShapeCircle&>(shape).centre());
    if (name == "Ellipse")
        return act(TextEdit::SelectWord, "Sélectionner ce mot...",
                   outlineCentre(*static_cast<const CShapeEllipse&>(shape).outline()));
    return act(TextEdit::None, kUnknown);
}

TextAction commandAction(const CShapeGesture& command, const TextEditState& state) {
    const std::string_view name = command.name();
    if (name == "Move")
        return moveAction(static_cast<const CCommandMove&>(command).vertices(), state);
    if (name != "Copy" && name != "Cross" && name != "Delete")
        return act(TextEdit::None, kUnknown);
    if (!state.textSelected)
        return act(TextEdit::None, kSelectFirst);
    if (name == "Copy")
        return act(TextEdit::CopySelection, "Copier la sélection...");
    if (name == "Cross")
        return act(TextEdit::CutSelection, "Couper la sélection...");
    return act(TextEdit::ClearSelection, "Supprimer la sélection...");
}

} // namespace

// The cosine's sign is that of the dot product (both lengths are then non-zero),
// so the square root is not needed to decide.
CInkPoint arrowInsertionPoint(const CInkPoint& tail, const CInkPoint& tip,
                              const std::array<CInkPoint, 3>& head) {
    const long long ux = tip.x - tail.x, uy = tip.y - tail.y;
    for (int i = 0; i < 2; ++i)
        if (dot(ux, uy, head[i].x - tip.x, head[i].y - tip.y) > 0)
            return head[i];
    return head[2];
}

CInkPoint apex(const std::array<CInkPoint, 3>& v) {
    const long long d01 = squaredDistance(v[0], v[1]);
    const long long d12 = squaredDistance(v[1], v[2]);
    const long long d20 = squaredDistance(v[2], v[0]);
    if (d01 <= d12 && d01 <= d20)
        return v[2];
    if (d12 <= d20)
        return v[0];
    return v[1];
}

TextSpan selectionCorners(const std::array<CInkPoint, 4>& c) {
    if (c[0].x == c[3].x || c[1].x == c[2].x || c[0].y == c[1].y || c[2].y == c[3].y)
        return {c[0], c[2]};
    const auto firstBy = [&c](auto better) {
        int best = 0;
        for (int i = 1; i < 4; ++i)
            if (better(c[i], c[best]))
                best = i;
        return c[best];
    };
    const CInkPoint left =
        firstBy([](const CInkPoint& p, const CInkPoint& q) { return p.x < q.x; });
    const CInkPoint right =
        firstBy([](const CInkPoint& p, const CInkPoint& q) { return p.x > q.x; });
    const CInkPoint top = firstBy([](const CInkPoint& p, const CInkPoint& q) { return p.y < q.y; });
    const CInkPoint bottom =
        firstBy([](const CInkPoint& p, const CInkPoint& q) { return p.y > q.y; });
    int a = bottom.x, b = left.y, cx = top.x, d = right.y;
    if (cx < a && d < b) {
        std::swap(a, cx);
        std::swap(b, d);
    }
    return {{(a + left.x) / 2, (b + top.y) / 2}, {(cx + right.x) / 2, (d + bottom.y) / 2}};
}

CInkPoint outlineCentre(const CPolygon& outline) {
    int minX = 10000, minY = 10000, maxX = 0, maxY = 0;
    for (const CInkPoint& p : outline.vertices()) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    return {(minX + maxX) / 2, (minY + maxY) / 2};
}

int moveTarget(int start, int end, int target) {
    if (start < target)
        return std::max(start, target - (end - start));
    return target;
}

TextAction textActionFor(const CShapeGesture& best, const TextEditState& state) {
    if (best.category() == "Shape")
        return shapeAction(best, state);
    return commandAction(best, state);
}
