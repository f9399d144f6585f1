#include "recognizer/DrawingText.h"
#include "support/Drawings.h"
#include "support/GoldenTexts.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string textOf(const CDessin& drawing, bool withTime = true) {
    std::ostringstream out;
    writeDrawing(out, drawing, withTime);
    return out.str();
}

} // namespace

// Counts then one point per line, times to six digits or none; reading back,
// with Windows line ends too, is the gesture-set files' test.
TEST(DrawingText, Writes) {
    auto drawing =
        drawingOf({{{100, 50, 0}, {100, 80, 0.11}, {100, 120, 0.23}}, {{-5, 7, 12.3456789}}});
    EXPECT_EQ(textOf(*drawing), "2\n3\n100 50 0\n100 80 0.11\n100 120 0.23\n1\n-5 7 12.3457\n");
    EXPECT_EQ(textOf(*drawing, false), "2\n3\n100 50\n100 80\n100 120\n1\n-5 7\n");
}

TEST(DrawingText, RefusesBrokenTextWithAMessageNamingTheLine) {
    for (const auto& [text, message] : goldenRefusals("Refusals", "DrawingText")) {
        const DrawingReadResult read = readDrawingText(text, true);
        EXPECT_EQ(read.drawing, nullptr) << text;
        EXPECT_EQ(read.error, "Dessin illisible, " + message) << text;
    }
    // Every truncation is refused, but within the last point's time.
    const std::string text = textOf(*drawingOf({{{1, 2, 0}, {3, 4, 0.5}}, {{10, -20, 1.25}}}));
    for (std::size_t n = 0; n + 4 < text.size(); ++n)
        EXPECT_FALSE(readDrawingText(text.substr(0, n), true).error.empty()) << n;
}
