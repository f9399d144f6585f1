#include "gesturelogs/GestureCsv.h"
#include "gesturelogs/GestureXml.h"
#include "gesturelogs/LoggedInk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Expected {
    int x, y;
    double t;
};

void expectStrokes(const CDessin& drawing, const std::vector<std::vector<Expected>>& strokes) {
    ASSERT_EQ(drawing.strokeCount(), static_cast<int>(strokes.size()));
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        const auto& want = strokes[static_cast<std::size_t>(s)];
        ASSERT_EQ(drawing.stroke(s).pointCount(), static_cast<int>(want.size())) << "stroke " << s;
        for (int i = 0; i < drawing.stroke(s).pointCount(); ++i) {
            const CInkPoint& p = drawing.stroke(s).point(i);
            const Expected& e = want[static_cast<std::size_t>(i)];
            EXPECT_EQ(p.x, e.x) << "stroke " << s << " point " << i;
            EXPECT_EQ(p.y, e.y) << "stroke " << s << " point " << i;
            EXPECT_DOUBLE_EQ(p.t, e.t) << "stroke " << s << " point " << i;
        }
    }
}

void expectLog(const LogReadResult& read, const std::string& kind, const std::string& name,
               const std::vector<std::vector<Expected>>& strokes) {
    ASSERT_TRUE(read.log) << read.error;
    EXPECT_EQ(read.log->kind, kind);
    EXPECT_EQ(read.log->name, name);
    expectStrokes(*read.log->drawing, strokes);
}

// A broken log and what its message must say.
struct Refusal {
    std::string text;
    std::string message;
};

void expectRefused(const LogReadResult& read, const Refusal& c) {
    EXPECT_FALSE(read.log) << c.text;
    EXPECT_NE(read.error.find(c.message), std::string::npos)
        << "text: " << c.text << "\nerror: " << read.error;
}

const std::string kXml = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                         "<Gesture Name=\"check03\" Subject=\"4\" Speed=\"slow\" NumPts=\"4\">\n"
                         "  <Point X=\"10\" Y=\"20\" T=\"5000\" />\n"
                         "  <Point X=\"12\" Y=\"25\" T=\"5017\" />\n"
                         "  <Point X=\"15\" Y=\"31\" T=\"5017\" />\n"
                         "  <Point X=\"30\" Y=\"-4\" T=\"6250\" />\n"
                         "</Gesture>";

} // namespace

TEST(GestureXml, ReadsOneStrokeWithSecondsFromTheFirstPoint) {
    expectLog(readGestureXml(kXml, "check03.xml"), "check", "s04-slow-check03",
              {{{10, 20, 0.0}, {12, 25, 0.017}, {15, 31, 0.017}, {30, -4, 1.25}}});
}

TEST(GestureXml, AcceptsWhatXmlAllowsAroundThePoints) {
    const std::string text = "<!-- exported -->\r\n<Gesture Speed='fast' Subject='12'>"
                             "<Point T='1' Y='2' X='3'/><Extra a=\"b\"><Point X='9' Y='9' T='9'/>"
                             "</Extra><Point X = \"4\" Y = \"5\" T = \"2001\" /></Gesture>\n\n";
    // Only the gesture's own points count: the one inside <Extra> does not.
    expectLog(readGestureXml(text, "/some/folder/x10.xml"), "x", "s12-fast-x10",
              {{{3, 2, 0.0}, {4, 5, 2.0}}});
}

TEST(GestureXml, RefusesBrokenFilesWithTheLineAndTheReason) {
    const std::string head = "<Gesture Subject=\"2\" Speed=\"fast\">\n";
    const std::string point = "<Point X=\"1\" Y=\"2\" T=\"3\" />\n";
    const Refusal cases[] = {
        {"", "ligne 1 : aucun élément <Gesture>."},
        {head + point, "ligne 3 : fin du fichier avant </Gesture> (fichier tronqué)."},
        {head + "<Point X=\"1\" Y=\"2", "ligne 2 : valeur de l'attribut Y non terminée"},
        {head + "<Point X=\"1\" Y=\"2\" T=\"3\"",
         "ligne 2 : fin du fichier au milieu d'une balise"},
        {head + "<Point X=\"1\" T=\"3\" />\n</Gesture>",
         "ligne 2 : attribut Y manquant dans <Point>."},
        {head + "<Point X=\"1.5\" Y=\"2\" T=\"3\" />\n</Gesture>",
         "ligne 2 : « 1.5 » n'est pas un entier (X attendu)."},
        {head + "<Point X=\"1\" Y=\"200000000\" T=\"3\" />\n</Gesture>",
         "ligne 2 : Y hors limites : 200000000."},
        {head + "</Gesture>", "ligne 2 : le geste n'a aucun point."},
        {"<Gesture Subject=\"2\" Speed=\"fast\" NumPts=\"2\">" + point + "</Gesture>",
         "NumPts annonce 2 points, le fichier en contient 1."},
        {"<Gesture Subject=\"2\" Speed=\"quick\">" + point + "</Gesture>",
         "ligne 1 : vitesse inconnue : « quick » (fast, medium ou slow attendu)."},
        {"<Gesture Speed=\"fast\">" + point + "</Gesture>",
         "attribut Subject manquant dans <Gesture>."},
        {"<Points>" + point + "</Points>", "ligne 1 : élément <Gesture> attendu, <Points> trouvé."},
        {head + point + "</Point>", "ligne 3 : balise fermante </Point> inattendue."},
        {head + point + "</Gesture>\n<Gesture>", "ligne 4 : données après la fin du geste."},
        {head + point + "garbage</Gesture>", "ligne 3 : texte inattendu hors des balises."},
        {"<?xml version=\"1.0\"", "ligne 1 : déclaration non terminée (fichier tronqué)."},
        {std::string("\x00\xFF<", 3), "ligne 1 : texte inattendu hors des balises."},
    };
    for (const Refusal& c : cases)
        expectRefused(readGestureXml(c.text, "arrow01.xml"), c);
}

TEST(GestureXml, TheFileNameMustNameTheKindAndNumber) {
    for (const char* name : {"arrow.xml", "07.xml", ".xml"}) {
        const LogReadResult read = readGestureXml(kXml, name);
        EXPECT_FALSE(read.log) << name;
        EXPECT_EQ(
            read.error,
            "le nom du fichier ne dit pas le geste suivi de son numéro (GESTE07.xml attendu).");
    }
}

TEST(GestureCsv, FlipsYBreaksStrokesAndKeepsTimeFromGoingBack) {
    // Coarse stamps: equal ones, and one a millisecond earlier than the one before.
    const std::string text = "63,-44,1,1302127281991,1\n"
                             "65,-34,1,1302127281991,1\r\n"
                             "51,-117,1,1302127282084,1\n"
                             "\n"
                             "51,-99,1,1302127282303,2\n"
                             "72,-85,1,1302127282302,2\n"
                             "81,-84,1,1302127282318,2\n"
                             "107,-146,1,1302127282802,3\n";
    expectLog(readGestureCsv(text, "10-stylus-fast-H-02.csv"), "H", "10-stylus-fast-H-02",
              {{{63, 44, 0.0}, {65, 34, 0.0}, {51, 117, 0.093}},
               {{51, 99, 0.312}, {72, 85, 0.312}, {81, 84, 0.327}},
               {{107, 146, 0.811}}});
}

TEST(GestureCsv, RefusesBrokenLinesAndNames) {
    const Refusal cases[] = {
        {"", "ligne 1 : le geste n'a aucun point."},
        {"\n  \n", "ligne 3 : le geste n'a aucun point."},
        {"1,2,1,5\n", "ligne 1 : 4 champs au lieu de 5 (X,-Y,1,T,trait attendu)."},
        {"1,2,1,5,1\n1,2,1,5,1,1\n", "ligne 2 : 6 champs au lieu de 5"},
        {"1,2,1,5,1\nX,-Y,1,T,1\n", "ligne 2 : « X » n'est pas un entier (X attendu)."},
        {"1,2,1,5,0\n", "ligne 1 : numéro de trait hors limites : 0."},
        {"1,2,1,99999999999999999999,1\n", "ligne 1 : T hors limites : 99999999999999999999."},
        {"1,2,1,2000000000000000,1\n", "ligne 1 : T hors limites"},
        {"1,-200000000,1,5,1\n", "ligne 1 : -Y hors limites"},
        {std::string("1,2,1,5,1\n\x01\x02,\xFF", 14), "ligne 2 : 2 champs au lieu de 5"},
    };
    for (const Refusal& c : cases)
        expectRefused(readGestureCsv(c.text, "22-finger-slow-null-10.csv"), c);
    for (const char* name :
         {"10-stylus-fast-X.csv", "10-stylus-quick-X-01.csv", "10--fast-X-01.csv", "x01.csv"}) {
        const LogReadResult read = readGestureCsv("1,2,1,5,1\n", name);
        EXPECT_FALSE(read.log) << name;
        EXPECT_EQ(
            read.error,
            "le nom du fichier n'est pas de la forme PERSONNE-APPAREIL-VITESSE-GESTE-NN.csv.");
    }
}

TEST(LoggedInk, EveryChangeOfStrokeNumberStartsAStrokeAndTimeNeverDecreases) {
    LoggedInk ink;
    EXPECT_EQ(ink.finish(), nullptr);
    ink.add(0, 0, 1000, 2);
    ink.add(1, 0, 900, 2);
    ink.add(2, 0, 1500, 1);
    ink.add(3, 0, 1400, 2);
    ink.add(4, 0, 2500, 2);
    EXPECT_EQ(ink.pointCount(), 5);
    const auto drawing = ink.finish();
    ASSERT_NE(drawing, nullptr);
    expectStrokes(*drawing,
                  {{{0, 0, 0.0}, {1, 0, 0.0}}, {{2, 0, 0.5}}, {{3, 0, 0.5}, {4, 0, 1.5}}});
    EXPECT_DOUBLE_EQ(drawing->totalLength(), 2.0);

    // The builder starts again from nothing, with its own time origin.
    ink.add(7, 7, 50, 1);
    const auto next = ink.finish();
    expectStrokes(*next, {{{7, 7, 0.0}}});
}

TEST(PersonSpeed, NamesCarryPersonDeviceAndSpeed) {
    const auto dollar = personSpeedOf("s02-fast-arrow01");
    ASSERT_TRUE(dollar);
    EXPECT_EQ(dollar->person, "s02");
    EXPECT_EQ(dollar->speed, "fast");
    EXPECT_EQ(dollar->group, "s02-fast");

    const auto mmg = personSpeedOf("10-stylus-slow-X-01");
    ASSERT_TRUE(mmg);
    EXPECT_EQ(mmg->person, "10");
    EXPECT_EQ(mmg->speed, "slow");
    EXPECT_EQ(mmg->group, "10-stylus-slow");

    const auto nothingAfter = personSpeedOf("28-medium");
    ASSERT_TRUE(nothingAfter);
    EXPECT_EQ(nothingAfter->group, "28-medium");

    for (const char* name : {"arrow01", "fast-arrow", "", "s02-faster-x", "s02-fastslow"})
        EXPECT_FALSE(personSpeedOf(name)) << name;
}
