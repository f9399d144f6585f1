#include "gesturelogs/GestureCsv.h"
#include "gesturelogs/GestureXml.h"
#include "gesturelogs/LogFolder.h"
#include "recognizer/Files.h"
#include "support/GeneratedClasses.h"
#include "support/GoldenTexts.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

// The kind, the name and every point of a log read, one stroke a line.
std::string logOf(const LogReadResult& read) {
    if (!read.log)
        return read.error;
    std::ostringstream out;
    out << read.log->kind << " " << read.log->name;
    for (int s = 0; s < read.log->drawing->strokeCount(); ++s) {
        out << "\n";
        for (const CInkPoint& p : read.log->drawing->stroke(s).points()) {
            // The shortest text that reads back as the same time, bit for bit.
            char t[32];
            out << "(" << p.x << "," << p.y << ","
                << std::string_view(t, std::to_chars(t, t + 32, p.t).ptr) << ")";
        }
    }
    return out.str();
}

// A broken log is refused with a message that says `message`.
void expectRefused(const LogReadResult& read, const std::string& text, const std::string& message) {
    EXPECT_FALSE(read.log) << text;
    EXPECT_NE(read.error.find(message), std::string::npos)
        << "text: " << text << "\nerror: " << read.error;
}

std::string xmlLog(int subject, const char* speed, int x) {
    return "\xEF\xBB\xBF<Gesture Subject=\"" + std::to_string(subject) + "\" Speed=\"" + speed +
           "\">\n<Point X=\"" + std::to_string(x) + "\" Y=\"10\" T=\"100\" />\n<Point X=\"" +
           std::to_string(x + 40) + "\" Y=\"30\" T=\"350\" />\n</Gesture>\n";
}

// Writes `text` at `relative` below `folder`, making the folders on the way.
void write(const TemporaryFolder& folder, const std::string& relative, const std::string& text) {
    const std::filesystem::path path = folder.path() + relative;
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(writeFileAtomically(path.string(), text).ok);
}

// The names of the examples of `classe`, then a bar.
std::string exampleNames(const CClasse& classe) {
    std::string names;
    for (int e = 0; e < classe.nbExemples(); ++e)
        names += classe.exemple(e).nom() + " ";
    return names + "| ";
}

} // namespace

TEST(GestureXml, ReadsOneStrokeWithSecondsFromTheFirstPointAndRefusesBrokenLogs) {
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
    EXPECT_EQ(logOf(readGestureXml(text, "/logs/check03.xml")),
              "check s04-slow-check03\n(10,20,0)(12,25,0.017)(15,31,0.017)(30,-4,1.25)");

    // What a log can get wrong: cut short, a point or a header without what it
    // needs, or numbers that are not whole or out of range.
    for (const auto& [text, message] : goldenRefusals("Refusals", "GestureXml"))
        expectRefused(readGestureXml(text, "arrow01.xml"), text, message);
    for (const char* name : {"arrow.xml", "07.xml"})
        expectRefused(readGestureXml(xmlLog(2, "fast", 1), name), name,
                      "le nom du fichier ne dit pas le geste suivi de son numéro");
}

TEST(GestureCsv, FlipsYBreaksStrokesKeepsTimeFromGoingBackAndRefusesBrokenLines) {
    // Coarse stamps: equal ones, and one a millisecond earlier than the one before.
    const std::string text = "63,-44,1,1302127281991,1\n"
                             "65,-34,1,1302127281991,1\r\n"
                             "51,-117,1,1302127282084,1\n"
                             "\n"
                             "51,-99,1,1302127282303,2\n"
                             "72,-85,1,1302127282302,2\n"
                             "107,-146,1,1302127282802,3\n";
    EXPECT_EQ(logOf(readGestureCsv(text, "10-stylus-fast-H-02.csv")),
              "H 10-stylus-fast-H-02\n(63,44,0)(65,34,0)(51,117,0.093)\n(51,99,0.312)(72,85,0.312)"
              "\n(107,146,0.811)");

    for (const auto& [text, message] : goldenRefusals("Refusals", "GestureCsv"))
        expectRefused(readGestureCsv(text, "22-finger-slow-null-10.csv"), text, message);
    for (const char* name : {"10-stylus-fast-X.csv", "10-stylus-quick-X-01.csv", "x01.csv"})
        expectRefused(readGestureCsv("1,2,1,5,1\n", name), name,
                      "le nom du fichier n'est pas de la forme PERSONNE-APPAREIL-VITESSE");
}

// Every log below the folder, a class per kind; a broken log, a file that is not
// a log and the same gesture met twice are each reported by name and left out.
TEST(LogFolder, ImportsEveryLogBelowTheFolderAndReportsTheOthers) {
    const TemporaryFolder folder;
    const std::string root = folder.path();
    write(folder, "s02/fast/v01.xml", xmlLog(2, "fast", 10));
    write(folder, "s02/fast/v02.xml", xmlLog(2, "fast", 20));
    write(folder, "s03/slow/v01.xml", xmlLog(3, "slow", 30));
    write(folder, "copie/v01.xml", xmlLog(3, "slow", 99));
    write(folder, "s03/slow/caret01.XML", xmlLog(3, "slow", 40));
    write(folder, "s03/slow/caret02.xml", xmlLog(3, "slow", 50).substr(0, 60));
    write(folder, "mmg/10-stylus-fast-X-01.csv", "1,-1,1,1000,1\n9,-9,1,1016,1\n9,-1,1,1100,2\n");
    write(folder, "README.md", "not a log");
    write(folder, "notes.csv", "1,2,1,3,1\n");

    const FolderImport import = importLogFolder(root);
    ASSERT_EQ(std::tuple(import.error, import.files, import.refused.size()), std::tuple("", 8, 3u));
    const std::string start = "Journal de geste " + root;
    EXPECT_EQ(import.refused[0].rfind(start + "notes.csv illisible, le nom du fichier", 0), 0u);
    EXPECT_EQ(import.refused[1].rfind(start + "s03/slow/caret02.xml illisible, ligne ", 0), 0u);
    EXPECT_EQ(import.refused[2], start + "s03/slow/v01.xml ignoré : le geste « v » a déjà un "
                                         "exemple nommé « s03-slow-v01 ».");

    const CEnsemble& set = *import.set;
    EXPECT_EQ(set.nom(), std::filesystem::path(root).parent_path().filename().string());
    ASSERT_EQ(set.nbClasses(), 3);
    EXPECT_EQ(exampleNames(set.classe(0)) + exampleNames(set.classe(1)) +
                  exampleNames(set.classe(2)),
              "10-stylus-fast-X-01 | s03-slow-caret01 | s02-fast-v01 s02-fast-v02 s03-slow-v01 | ");
}

TEST(LogSelection, KeepsPeopleAndSpeedsAndSharesTheCapAmongThem) {
    CEnsemble set("logs", "");
    auto classe = generatedClass("v", 0, 7, 1, 204);
    const char* names[] = {"s02-fast-v01", "s02-fast-v02", "s02-fast-v03", "s02-slow-v01",
                           "s03-fast-v01", "s03-fast-v02", "loose"};
    for (int e = 0; e < 7; ++e)
        classe->exemple(e).setNom(names[e]);
    set.ajouterClasse(std::move(classe));
    set.ajouterClasse(std::make_unique<CClasse>("x", ""));

    // The empty class is dropped.
    const auto all = selectExamples(set, {});
    ASSERT_EQ(all->nbClasses(), 1);
    EXPECT_EQ(std::tuple(all->classe(0).code(), all->classe(0).nbExemples()), std::tuple(204, 7));
    EXPECT_EQ(exampleNames(selectExamples(set, {{"s03"}, {"fast"}, 0})->classe(0)),
              "s03-fast-v01 s03-fast-v02 | ");

    // Five from four groups (s02-fast, s02-slow, s03-fast, and the names that
    // carry none): the first of each in turn, in the class's order.
    const auto five = selectExamples(set, {{}, {}, 5});
    EXPECT_EQ(exampleNames(five->classe(0)),
              "s02-fast-v01 s02-fast-v02 s02-slow-v01 s03-fast-v01 loose | ");
    // The selection shares the drawings: nothing is read or drawn again.
    EXPECT_EQ(five->classe(0).exemple(1).dessin(), set.classe(0).exemple(1).dessin());
}
