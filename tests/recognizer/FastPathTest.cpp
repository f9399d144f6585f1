// The hull, which every figure and feature of a drawing starts from, against
// the straightforward search: every point in angular order, no point left out.
#include "engine/FichierEnsemble.h"
#include "generator/DrawingGenerator.h"
#include "generator/FamilyGestures.h"
#include "gesturelogs/LogFolder.h"
#include "recognizer/Dessin.h"
#include "recognizer/DrawingText.h"
#include "recognizer/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<CInkPoint> straightforwardHull(const CDessin& d) {
    std::vector<CInkPoint> points;
    for (int s = 0; s < d.strokeCount(); ++s)
        for (const CInkPoint& p : d.stroke(s).points())
            points.push_back(p);
    if (points.empty())
        return {};
    CInkPoint pivot = points[0];
    for (const CInkPoint& p : points)
        if (p.y < pivot.y || (p.y == pivot.y && p.x > pivot.x))
            pivot = p;
    points.insert(points.begin(), pivot);
    const auto far = [&](const CInkPoint& p) {
        const double dx = double(p.x) - pivot.x, dy = double(p.y) - pivot.y;
        return dx * dx + dy * dy;
    };
    // By angle, the farthest first, the first met first.
    std::stable_sort(points.begin(), points.end(), [&](const CInkPoint& a, const CInkPoint& b) {
        const double angleA = pseudoAngle(pivot, a), angleB = pseudoAngle(pivot, b);
        return angleA != angleB ? angleA < angleB : far(a) > far(b);
    });
    std::vector<CInkPoint> sorted;
    for (const CInkPoint& p : points)
        if (sorted.empty() || pseudoAngle(pivot, p) != pseudoAngle(pivot, sorted.back()))
            sorted.push_back(p);
    std::vector<CInkPoint> hull{sorted.back(), sorted[0]};
    for (std::size_t i = 1; sorted.size() > 2 && i < sorted.size(); ++i) {
        while (hull.size() >= 2 && !turnsPositive(hull[hull.size() - 2], hull.back(), sorted[i]))
            hull.pop_back();
        hull.push_back(sorted[i]);
    }
    // Vertices within 5 pixels of the last one kept are dropped; the last closes the hull.
    std::vector<CInkPoint> thinned{hull[0]};
    for (std::size_t k = 1; k < hull.size(); ++k)
        if (k + 1 == hull.size())
            thinned.push_back(distance(hull[k], thinned.back()) > 5.0 ? hull[k] : hull[0]);
        else if (distance(hull[k], thinned.back()) > 5.0)
            thinned.push_back(hull[k]);
    return thinned;
}

void expectStraightforwardHull(const CDessin& d, const std::string& what) {
    const std::vector<CInkPoint> expected = straightforwardHull(d);
    const CPolygon& hull = d.convexHull();
    ASSERT_EQ(hull.vertexCount(), static_cast<int>(expected.size())) << what;
    for (int i = 0; i < hull.vertexCount(); ++i)
        ASSERT_TRUE(hull.vertex(i) == expected[i] && hull.vertex(i).t == expected[i].t)
            << what << ", vertex " << i;
}

void expectStraightforwardHulls(const CEnsemble& set, const std::string& what) {
    for (int c = 0; c < set.nbClasses(); ++c)
        for (int e = 0; e < set.classe(c).nbExemples(); ++e)
            expectStraightforwardHull(*set.classe(c).exemple(e).dessin(),
                                      what + " " + set.classe(c).exemple(e).nom());
}

std::unique_ptr<CDessin> drawingOf(const std::vector<std::vector<CInkPoint>>& strokes) {
    auto drawing = std::make_unique<CDessin>();
    for (const auto& points : strokes) {
        auto stroke = std::make_unique<CStroke>();
        for (const CInkPoint& p : points)
            stroke->addPoint(p.x, p.y, p.t);
        drawing->addStroke(std::move(stroke));
    }
    return drawing;
}

} // namespace

TEST(FastPath, TheHullOfEveryDrawingOfPeopleIsTheStraightforwardOne) {
    const std::string datasets = VELMORA_DATASETS;
    if (!std::filesystem::is_directory(datasets))
        GTEST_SKIP() << "Gestures drawn by people not found at " << datasets
                     << " (../shared/datasets beside the project): skipped.";
    for (const char* folder : {"/dollar1", "/mmg"}) {
        const FolderImport import = importLogFolder(datasets + folder);
        ASSERT_TRUE(import.set) << folder;
        expectStraightforwardHulls(*import.set, folder);
    }
}

// The fuzzers' seeds, then drawings made to reach every branch: repeated
// points, lines, one point, a dense circle, and spans past 2^20 pixels.
TEST(FastPath, TheHullOfTheSeedsAndOfOddDrawingsIsTheStraightforwardOne) {
    const std::string samples = VELMORA_SAMPLES;
    for (const char* name : {"cercle.txt", "fleche.txt"}) {
        std::string text;
        ASSERT_TRUE(readWholeFile(samples + name, text).ok);
        const DrawingReadResult read = readDrawingText(text, true);
        ASSERT_TRUE(read.drawing) << name;
        expectStraightforwardHull(*read.drawing, name);
    }
    const LectureEnsemble set = chargerEnsemble(samples + "composants.gst");
    ASSERT_TRUE(set.ensemble);
    expectStraightforwardHulls(*set.ensemble, "composants.gst");
    for (FamilyKind kind : kFamilyKinds) {
        DrawingGenerator g(static_cast<std::uint32_t>(kind) + 1);
        expectStraightforwardHull(*g.draw(familyGesture(kind, g, {200, 200}, 80, 0.4)),
                                  "family " + std::to_string(static_cast<int>(kind)));
    }

    std::mt19937 random(7);
    std::vector<std::vector<std::vector<CInkPoint>>> odd = {
        {{{5, 5, 0.0}}},
        {{{5, 5, 0.0}, {5, 5, 0.1}, {5, 5, 0.2}}},
        {{{0, 0, 0.0}, {3, 0, 0.1}, {9, 0, 0.2}, {3, 0, 0.3}}},
        {{{0, 0, 0.0}, {4, 4, 0.1}}, {{8, 8, 0.2}, {4, 4, 0.3}, {-2, -2, 0.4}}},
        {{{0, 0, 0.0}, {100, 0, 0.1}, {100, 100, 0.2}, {100, 100, 0.3}, {0, 100, 0.4}}},
    };
    for (const int span : {60, 300, 1 << 21, 1 << 29}) {
        std::uniform_int_distribution<int> coordinate(-span, span);
        std::vector<CInkPoint> scribble, circle;
        for (int i = 0; i < 3000; ++i) {
            scribble.push_back({coordinate(random), coordinate(random) / 3, i * 0.01});
            const double a = i * 0.0021;
            circle.push_back({static_cast<int>(span * std::cos(a)),
                              static_cast<int>(span * 0.7 * std::sin(a)), i * 0.01});
        }
        odd.push_back({scribble});
        odd.push_back({circle, {{0, 0, 40.0}, {span / 2, -span, 40.1}}});
    }
    for (std::size_t i = 0; i < odd.size(); ++i)
        expectStraightforwardHull(*drawingOf(odd[i]), "odd drawing " + std::to_string(i));
}
