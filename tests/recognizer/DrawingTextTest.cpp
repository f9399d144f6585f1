#include "recognizer/DrawingText.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string textOf(const CDessin& drawing, bool withTime = true) {
    std::ostringstream out;
    writeDrawing(out, drawing, withTime);
    return out.str();
}

} // namespace

// Counts then one point per line, times to six digits; read back alike.
TEST(DrawingText, WritesAndReadsBack) {
    auto drawing =
        drawingOf({{{100, 50, 0}, {100, 80, 0.11}, {100, 120, 0.23}}, {{-5, 7, 12.3456789}}});
    const std::string text = "2\n3\n100 50 0\n100 80 0.11\n100 120 0.23\n1\n-5 7 12.3457\n";
    EXPECT_EQ(textOf(*drawing), text);
    EXPECT_EQ(textOf(*drawing, false), "2\n3\n100 50\n100 80\n100 120\n1\n-5 7\n");
    const DrawingReadResult read = readDrawingText(text, true);
    ASSERT_NE(read.drawing, nullptr) << read.error;
    EXPECT_EQ(read.drawing->totalLength(), 70.0);
    EXPECT_EQ(read.drawing->lastPoint().t, 12.3457);
    EXPECT_EQ(textOf(*read.drawing), text);

    const DrawingReadResult crlf = readDrawingText("1\r\n2\r\n0 0\r\n3 4\r\n", false);
    ASSERT_NE(crlf.drawing, nullptr) << crlf.error;
    EXPECT_EQ(crlf.drawing->totalLength(), 5.0);
    EXPECT_EQ(crlf.drawing->lastPoint().t, 0.0);
}

TEST(DrawingText, RefusesBrokenTextWithAMessageNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "ligne 1 : fin du fichier inattendue (nombre de traits attendu)."},
        {"1\n2\n0 0 0.5\n1 1", "ligne 4 : fin du fichier inattendue (temps attendu)."},
        {"1\n3\n0 0 0\n1 1 0.1\n",
         "ligne 2 : nombre de points (3) plus grand que ce que le fichier peut contenir."},
        {"1\n2\n0 0 0\n1 x 0.1\n", "ligne 4 : « x » n'est pas un entier (ordonnée attendu)."},
        {"1\n1\n0 0 nan\n", "ligne 3 : « nan » n'est pas un nombre (temps attendu)."},
        {"2000000000\n1\n0 0 0\n",
         "ligne 1 : nombre de traits (2000000000) plus grand que ce que le fichier peut contenir."},
        {"1\n99999999999999999999\n",
         "ligne 2 : nombre de points hors limites : 99999999999999999999."},
        {"-1\n", "ligne 1 : nombre de traits hors limites : -1."},
        {"1\n0\n0 0 0\n", "ligne 2 : un trait sans point n'est pas accepté."},
        {"1\n1\n5000000000 0 0\n", "ligne 3 : abscisse hors limites : 5000000000."},
        {"1\n1\n0 0 0\n7\n", "ligne 4 : données en trop après le dessin."},
    };
    for (const auto& [text, message] : cases) {
        const DrawingReadResult read = readDrawingText(text, true);
        EXPECT_EQ(read.drawing, nullptr) << text;
        EXPECT_EQ(read.error, std::string("Dessin illisible, ") + message) << text;
    }
    // Every truncation is refused, but within the last point's time.
    const std::string text = textOf(*drawingOf({{{1, 2, 0}, {3, 4, 0.5}}, {{10, -20, 1.25}}}));
    for (std::size_t n = 0; n + 4 < text.size(); ++n)
        EXPECT_FALSE(readDrawingText(text.substr(0, n), true).error.empty()) << n;
}
