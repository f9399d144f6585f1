#include "Require.h"
#include "engine/Exemple.h"
#include "gesturelogs/GestureCsv.h"
#include "gesturelogs/GestureXml.h"
#include "recognizer/ShapeRecognizer.h"

#include <cstdint>
#include <string_view>

namespace {

// A log either gives a drawing whose time starts at 0 and never goes back, that
// the engine and the rule-based recogniser can measure, or is refused with a message.
void check(LogReadResult read) {
    require(read.log || !read.error.empty());
    if (!read.log)
        return;
    const CDessin& drawing = *read.log->drawing;
    require(drawing.pointCount() >= 1 && !read.log->kind.empty() && !read.log->name.empty() &&
            drawing.stroke(0).point(0).t == 0.0);
    double previous = 0.0;
    for (int s = 0; s < drawing.strokeCount(); ++s)
        for (const CInkPoint& p : drawing.stroke(s).points()) {
            require(p.t >= previous);
            previous = p.t;
        }
    CExemple exemple("fuzz");
    exemple.setDessin(std::move(read.log->drawing));
    exemple.calculerCaracteristiques();
    require(CShapeRecognizer().recognize(*exemple.dessin()).count() >= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(readGestureXml(text, "arrow01.xml"));
    check(readGestureCsv(text, "10-stylus-fast-X-01.csv"));
    return 0;
}
