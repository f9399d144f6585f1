#include "gesturelogs/GestureCsv.h"
#include "gesturelogs/GestureXml.h"
#include "support/GoldenTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Expected {
    int x, y;
    double t;
};

void expectLog(const LogReadResult& read, const std::string& kind, const std::string& name,
               const std::vector<std::vector<Expected>>& strokes) {
    ASSERT_TRUE(read.log) << read.error;
    EXPECT_EQ(read.log->kind, kind);
    EXPECT_EQ(read.log->name, name);
    const CDessin& drawing = *read.log->drawing;
    ASSERT_EQ(drawing.strokeCount(), static_cast<int>(strokes.size()));
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        const auto& want = strokes[static_cast<std::size_t>(s)];
        ASSERT_EQ(drawing.stroke(s).pointCount(), static_cast<int>(want.size())) << "stroke " << s;
        for (int i = 0; i < drawing.stroke(s).pointCount(); ++i) {
            const CInkPoint& p = drawing.stroke(s).point(i);
            const Expected& e = want[static_cast<std::size_t>(i)];
            EXPECT_TRUE(p.x == e.x && p.y == e.y && p.t == e.t)
                << "stroke " << s << " point " << i << ": " << p.x << ", " << p.y << ", " << p.t;
        }
    }
}

// A broken log is refused with a message that says `message`.
void expectRefused(const LogReadResult& read, const std::string& text, const std::string& message) {
    EXPECT_FALSE(read.log) << text;
    EXPECT_NE(read.error.find(message), std::string::npos)
        << "text: " << text << "\nerror: " << read.error;
}

} // namespace

TEST(GestureXml, ReadsOneStrokeWithSecondsFromTheFirstPoint) {
    const std::string text =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<Gesture Name=\"check03\" Subject=\"4\" Speed=\"slow\" NumPts=\"4\">\n"
        "  <Point X=\"10\" Y=\"20\" T=\"5000\" />\n"
        "  <Point X=\"12\" Y=\"25\" T=\"5017\" />\n"
        "  <Extra><Point X=\"9\" Y=\"9\" T=\"9\" /></Extra>\n"
        "  <Point X=\"15\" Y=\"31\" T=\"5017\" />\n"
        "  <Point X=\"30\" Y=\"-4\" T=\"6250\" />\n"
        "</Gesture>";
    // Only the gesture's own points count: the one inside <Extra> does not.
    expectLog(readGestureXml(text, "/logs/check03.xml"), "check", "s04-slow-check03",
              {{{10, 20, 0.0}, {12, 25, 0.017}, {15, 31, 0.017}, {30, -4, 1.25}}});
}

// What a log can get wrong: cut short, a point or a header without what it
// needs, or numbers that are not whole or out of range.
TEST(GestureXml, RefusesBrokenLogsWithTheLineAndTheReason) {
    for (const auto& [text, message] : goldenRefusals("Refusals", "GestureXml"))
        expectRefused(readGestureXml(text, "arrow01.xml"), text, message);
    const std::string head = "<Gesture Subject=\"2\" Speed=\"fast\">\n";
    const std::string point = "<Point X=\"1\" Y=\"2\" T=\"3\" />\n";
    for (const char* name : {"arrow.xml", "07.xml"})
        expectRefused(readGestureXml(head + point + "</Gesture>", name), name,
                      "le nom du fichier ne dit pas le geste suivi de son numéro");
}

TEST(GestureCsv, FlipsYBreaksStrokesAndKeepsTimeFromGoingBack) {
    // Coarse stamps: equal ones, and one a millisecond earlier than the one before.
    const std::string text = "63,-44,1,1302127281991,1\n"
                             "65,-34,1,1302127281991,1\r\n"
                             "51,-117,1,1302127282084,1\n"
                             "\n"
                             "51,-99,1,1302127282303,2\n"
                             "72,-85,1,1302127282302,2\n"
                             "107,-146,1,1302127282802,3\n";
    expectLog(readGestureCsv(text, "10-stylus-fast-H-02.csv"), "H", "10-stylus-fast-H-02",
              {{{63, 44, 0.0}, {65, 34, 0.0}, {51, 117, 0.093}},
               {{51, 99, 0.312}, {72, 85, 0.312}},
               {{107, 146, 0.811}}});
}

TEST(GestureCsv, RefusesBrokenLinesAndNames) {
    for (const auto& [text, message] : goldenRefusals("Refusals", "GestureCsv"))
        expectRefused(readGestureCsv(text, "22-finger-slow-null-10.csv"), text, message);
    for (const char* name : {"10-stylus-fast-X.csv", "10-stylus-quick-X-01.csv", "x01.csv"})
        expectRefused(readGestureCsv("1,2,1,5,1\n", name), name,
                      "le nom du fichier n'est pas de la forme PERSONNE-APPAREIL-VITESSE");
}
