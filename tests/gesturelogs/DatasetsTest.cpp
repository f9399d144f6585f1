// The gestures drawn by people in ../shared/datasets: skipped when that folder is absent.
#include "gesturelogs/LogFolder.h"
#include "recognizer/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

namespace {

const std::string kDatasets = VELMORA_DATASETS;

#define REQUIRE_DATASETS()                                                                         \
    if (!std::filesystem::is_directory(kDatasets))                                                 \
    GTEST_SKIP() << "Gestures drawn by people not found at " << kDatasets                          \
                 << " (../shared/datasets beside the project): skipped."

struct RawPoint {
    long long x, y, t;
    int stroke;
};

std::string fileText(const std::string& path) {
    std::string text;
    EXPECT_TRUE(readWholeFile(path, text).ok) << path;
    return text;
}

// The points of the log as its text says, read here another way than the reader does.
std::vector<RawPoint> xmlPoints(const std::string& path) {
    const std::string text = fileText(path);
    const std::regex point(R"re(<Point X="(-?\d+)" Y="(-?\d+)" T="(\d+)")re");
    std::vector<RawPoint> points;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), point);
         it != std::sregex_iterator(); ++it)
        points.push_back({std::stoll((*it)[1]), std::stoll((*it)[2]), std::stoll((*it)[3]), 1});
    return points;
}

std::vector<RawPoint> csvPoints(const std::string& path) {
    std::istringstream in(fileText(path));
    std::vector<RawPoint> points;
    std::string line;
    while (std::getline(in, line)) {
        long long x, minusY, one, t;
        int stroke;
        char c1, c2, c3, c4;
        std::istringstream fields(line);
        if (fields >> x >> c1 >> minusY >> c2 >> one >> c3 >> t >> c4 >> stroke)
            points.push_back({x, -minusY, t, stroke});
    }
    return points;
}

// Every point in order, stroke breaks where the stroke number changes, and
// times that follow the file's stamps except where those go back.
void expectSameInk(const CDessin& drawing, const std::vector<RawPoint>& raw) {
    ASSERT_FALSE(raw.empty());
    ASSERT_EQ(drawing.pointCount(), static_cast<int>(raw.size()));
    std::size_t k = 0;
    double previousTime = 0.0;
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        for (int i = 0; i < drawing.stroke(s).pointCount(); ++i, ++k) {
            const CInkPoint& p = drawing.stroke(s).point(i);
            SCOPED_TRACE("point " + std::to_string(k));
            EXPECT_EQ(p.x, raw[k].x);
            EXPECT_EQ(p.y, raw[k].y);
            if (k > 0) {
                EXPECT_EQ(i == 0, raw[k].stroke != raw[k - 1].stroke);
            }
            const double stamped = double(raw[k].t - raw[0].t) / 1000.0;
            EXPECT_DOUBLE_EQ(p.t, std::max(stamped, previousTime));
            previousTime = p.t;
        }
    }
}

} // namespace

TEST(RealGestures, SingleStrokeXmlPointForPoint) {
    REQUIRE_DATASETS();
    const std::string path = kDatasets + "/dollar1/s02/fast/arrow01.xml";
    const LogReadResult read = readLogFile(path);
    ASSERT_TRUE(read.log) << read.error;
    EXPECT_EQ(read.log->kind, "arrow");
    EXPECT_EQ(read.log->name, "s02-fast-arrow01");
    const CDessin& drawing = *read.log->drawing;
    ASSERT_EQ(drawing.strokeCount(), 1);
    ASSERT_EQ(drawing.pointCount(), 66);
    // As written in the file: X="66" Y="252" T="11462293", then T="11462310" ...
    const CStroke& stroke = drawing.stroke(0);
    EXPECT_EQ(stroke.point(0).x, 66);
    EXPECT_EQ(stroke.point(0).y, 252);
    EXPECT_DOUBLE_EQ(stroke.point(0).t, 0.0);
    EXPECT_EQ(stroke.point(1).x, 68);
    EXPECT_EQ(stroke.point(1).y, 249);
    EXPECT_DOUBLE_EQ(stroke.point(1).t, 0.017);
    EXPECT_EQ(stroke.point(65).x, 166);
    EXPECT_EQ(stroke.point(65).y, 212);
    EXPECT_DOUBLE_EQ(stroke.point(65).t, 1.036);
    expectSameInk(drawing, xmlPoints(path));

    for (const char* other :
         {"/dollar1/s04/medium/question_mark05.xml", "/dollar1/s06/slow/left_curly_brace10.xml"}) {
        const LogReadResult log = readLogFile(kDatasets + other);
        ASSERT_TRUE(log.log) << log.error;
        expectSameInk(*log.log->drawing, xmlPoints(kDatasets + other));
    }
}

TEST(RealGestures, MultiStrokeCsvPointForPoint) {
    REQUIRE_DATASETS();
    // Three strokes; the first drawn downward; one stamp a millisecond back.
    const std::string path = kDatasets + "/mmg/H/10-stylus-fast-H-02.csv";
    const LogReadResult read = readLogFile(path);
    ASSERT_TRUE(read.log) << read.error;
    EXPECT_EQ(read.log->kind, "H");
    EXPECT_EQ(read.log->name, "10-stylus-fast-H-02");
    const CDessin& drawing = *read.log->drawing;
    ASSERT_EQ(drawing.strokeCount(), 3);
    EXPECT_EQ(drawing.stroke(0).pointCount(), 16);
    EXPECT_EQ(drawing.stroke(1).pointCount(), 12);
    // "63,-44,1,1302127281991,1": y grows downward once the sign is flipped.
    EXPECT_EQ(drawing.stroke(0).point(0).x, 63);
    EXPECT_EQ(drawing.stroke(0).point(0).y, 44);
    EXPECT_EQ(drawing.stroke(0).point(15).y, 117);
    // "51,-99,1,1302127282303,2" starts the second stroke; "81,-84,1,1302127282302,2"
    // is stamped a millisecond before the point ahead of it and keeps its time.
    EXPECT_EQ(drawing.stroke(1).point(0).y, 99);
    EXPECT_DOUBLE_EQ(drawing.stroke(1).point(0).t, 0.312);
    EXPECT_EQ(drawing.stroke(1).point(2).x, 81);
    EXPECT_DOUBLE_EQ(drawing.stroke(1).point(2).t, 0.312);
    expectSameInk(drawing, csvPoints(path));

    for (const char* other : {"/mmg/asterisk/22-stylus-slow-asterisk-04.csv",
                              "/mmg/half_note/28-stylus-medium-half_note-09.csv"}) {
        const LogReadResult log = readLogFile(kDatasets + other);
        ASSERT_TRUE(log.log) << log.error;
        expectSameInk(*log.log->drawing, csvPoints(kDatasets + other));
    }
}

TEST(RealGestures, WholeSetsImportWithoutRefusal) {
    REQUIRE_DATASETS();
    const std::vector<std::string> dollarKinds{"arrow",
                                               "caret",
                                               "check",
                                               "circle",
                                               "delete_mark",
                                               "left_curly_brace",
                                               "left_sq_bracket",
                                               "pigtail",
                                               "question_mark",
                                               "rectangle",
                                               "right_curly_brace",
                                               "right_sq_bracket",
                                               "star",
                                               "triangle",
                                               "v",
                                               "x"};
    for (const char* folder : {"/dollar1", "/mmg"}) {
        const FolderImport import = importLogFolder(kDatasets + folder);
        EXPECT_TRUE(import.error.empty()) << import.error;
        EXPECT_TRUE(import.refused.empty())
            << (import.refused.empty() ? std::string() : import.refused.front());
        EXPECT_EQ(import.files, 2400);
        ASSERT_EQ(import.set->nbClasses(), 16) << folder;
        std::vector<std::string> groups;
        for (int c = 0; c < import.set->nbClasses(); ++c) {
            const CClasse& classe = import.set->classe(c);
            EXPECT_EQ(classe.nbExemples(), 150) << classe.nom();
            if (std::string(folder) == "/dollar1") {
                EXPECT_EQ(classe.nom(), dollarKinds[static_cast<std::size_t>(c)]);
            }
            for (int e = 0; e < classe.nbExemples(); ++e) {
                const auto who = personSpeedOf(classe.exemple(e).nom());
                ASSERT_TRUE(who) << classe.exemple(e).nom();
                groups.push_back(who->group);
            }
        }
        std::sort(groups.begin(), groups.end());
        groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
        EXPECT_EQ(groups.size(), 15u) << folder << ": five people at three speeds";
    }
}
