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

// Counts then one point per line, times to six digits; read back alike, with
// Windows line ends too.
TEST(DrawingText, WritesAndReadsBack) {
    auto drawing =
        drawingOf({{{100, 50, 0}, {100, 80, 0.11}, {100, 120, 0.23}}, {{-5, 7, 12.3456789}}});
    const std::string text = "2\n3\n100 50 0\n100 80 0.11\n100 120 0.23\n1\n-5 7 12.3457\n";
    EXPECT_EQ(textOf(*drawing), text);
    EXPECT_EQ(textOf(*drawing, false), "2\n3\n100 50\n100 80\n100 120\n1\n-5 7\n");
    const DrawingReadResult read = readDrawingText(text, true);
    ASSERT_NE(read.drawing, nullptr) << read.error;
    EXPECT_EQ(textOf(*read.drawing), text);
    const DrawingReadResult crlf = readDrawingText("1\r\n2\r\n0 0\r\n3 4\r\n", false);
    ASSERT_NE(crlf.drawing, nullptr) << crlf.error;
    EXPECT_EQ(textOf(*crlf.drawing, false), "1\n2\n0 0\n3 4\n");
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
