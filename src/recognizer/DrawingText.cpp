#include "recognizer/DrawingText.h"

#include <locale>
#include <sstream>

void writeDrawing(std::ostream& out, const CDessin& drawing, bool withTime) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << drawing.strokeCount() << '\n';
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        const CStroke& stroke = drawing.stroke(s);
        text << stroke.pointCount() << '\n';
        for (const CInkPoint& p : stroke.points()) {
            text << p.x << ' ' << p.y;
            if (withTime)
                text << ' ' << p.t;
            text << '\n';
        }
    }
    out << text.str();
}

std::unique_ptr<CDessin> readDrawing(TextScanner& in, bool withTime) {
    // The smallest stroke is "1\n0 0\n": a count never exceeds what is left.
    const int strokes = in.readCount("nombre de traits", 4);
    auto drawing = std::make_unique<CDessin>();
    for (int s = 0; s < strokes; ++s) {
        const int points = in.readCount("nombre de points", withTime ? 6 : 4);
        if (points == 0)
            in.fail("un trait sans point n'est pas accepté.");
        auto stroke = std::make_unique<CStroke>();
        for (int i = 0; i < points; ++i) {
            const auto x = in.readInteger("abscisse", -kMaxCoordinate, kMaxCoordinate);
            const auto y = in.readInteger("ordonnée", -kMaxCoordinate, kMaxCoordinate);
            const double t = withTime ? in.readReal("temps") : 0.0;
            stroke->addPoint(static_cast<int>(x), static_cast<int>(y), t);
        }
        drawing->addStroke(std::move(stroke));
    }
    return drawing;
}

DrawingReadResult readDrawingText(std::string_view text, bool withTime) {
    TextScanner in(text);
    try {
        auto drawing = readDrawing(in, withTime);
        if (!in.atEnd())
            in.fail("données en trop après le dessin.");
        return {std::move(drawing), {}};
    } catch (const TextFormatError& e) {
        return {nullptr, std::string("Dessin illisible, ") + e.what()};
    }
}
