#include "Require.h"
#include "recognizer/DrawingText.h"
#include "recognizer/ShapeRecognizer.h"

#include <cstdint>
#include <sstream>
#include <string_view>

// Any text either reads as a drawing that writes back to a stable form and
// survives recognition, or is refused with a message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const bool withTime : {true, false}) {
        const DrawingReadResult read =
            readDrawingText(std::string_view(reinterpret_cast<const char*>(data), size), withTime);
        require(read.drawing || !read.error.empty());
        if (!read.drawing)
            continue;
        std::ostringstream once, twice;
        writeDrawing(once, *read.drawing, withTime);
        const DrawingReadResult again = readDrawingText(once.str(), withTime);
        require(again.drawing != nullptr);
        writeDrawing(twice, *again.drawing, withTime);
        require(twice.str() == once.str());
        require(CShapeRecognizer().recognize(*read.drawing).count() >= 1);
    }
    return 0;
}
