#include "recognizer/DrawingText.h"
#include "recognizer/ShapeRecognizer.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

// Any text either reads as a drawing that writes back to a stable form and
// survives recognition, or is refused with a message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool withTime : {true, false}) {
        const DrawingReadResult read = readDrawingText(text, withTime);
        if (!read.drawing) {
            if (read.error.empty())
                std::abort();
            continue;
        }
        std::ostringstream once;
        writeDrawing(once, *read.drawing, withTime);
        const DrawingReadResult again = readDrawingText(once.str(), withTime);
        if (!again.drawing)
            std::abort();
        std::ostringstream twice;
        writeDrawing(twice, *again.drawing, withTime);
        if (twice.str() != once.str())
            std::abort();
        CShapeRecognizer recognizer;
        if (recognizer.recognize(*read.drawing).count() < 1)
            std::abort();
    }
    return 0;
}
