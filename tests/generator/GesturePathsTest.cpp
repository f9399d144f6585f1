#include "generator/CommandGestures.h"
#include "generator/ShapePaths.h"
#include "generator/TextGestures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectPath(const Path& actual, const Path& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << "point " << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << "point " << i;
    }
}

} // namespace

// The pen starting and stopping off the path's ends: inward shifts cut the way
// short across vertices, outward ones draw the end segments on; a closed path
// runs on over its own start; sharp corners are cut by a curve.
TEST(GesturePaths, EndsAndCorners) {
    const Path corner{{0, 0}, {10, 0}, {10, 10}};
    expectPath(paths::withEnds(corner, 12, 3), {{10, 2}, {10, 7}});
    expectPath(paths::withEnds(corner, -4, -5), {{-4, 0}, {10, 0}, {10, 15}});
    expectPath(paths::withEnds({{0, 0}, {6, 8}}, 20, 0), {{6, 8}, {6, 8}});

    const Path square{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    expectPath(paths::runPast(square, 13),
               {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 3}});

    const Path round = paths::rounded(corner, 2);
    ASSERT_EQ(round.size(), 7u);
    expectPath({round[1], round[3], round[5]}, {{8, 0}, {9.5, 0.5}, {10, 2}});
    expectPath(paths::rounded({{0, 0}, {5, 0.1}, {10, 0}}, 2), {{0, 0}, {5, 0.1}, {10, 0}});
}

// A bow bulges to the left of the way for a positive amount (up, on a screen,
// for a stroke going right), to the right for a negative one.
TEST(GesturePaths, BowsAndPlacing) {
    const Path left = paths::bowed({0, 0}, {100, 0}, 5);
    ASSERT_EQ(left.size(), 9u);
    expectPath({left.front(), left[2], left[4], left.back()},
               {{0, 0}, {25, -3.75}, {50, -5}, {100, 0}});
    expectPath({paths::bowed({0, 0}, {0, 100}, -5)[4]}, {{-5, 50}});
    EXPECT_EQ(paths::bowed({3, 3}, {3, 3}, 5).size(), 2u);

    expectPath(paths::placed({{-0.5, -0.5}, {0.5, 0.5}}, {100, 50}, 40, 20, 0.0),
               {{80, 40}, {120, 60}});
    expectPath(paths::placed({{0.5, 0}}, {0, 0}, 40, 20, 3.14159265358979323846 / 2), {{0, 20}});
}

// The one-way command and text strokes go the way their names say, and come in
// their natural number of strokes.
TEST(GesturePaths, CommandAndTextStrokes) {
    struct Way {
        int code;
        bool text;
        double dx, dy; // sign of the way from first to last point; 0: nearly none
    };
    const Way ways[] = {{202, false, -1, 0}, {203, false, 1, 0},  {204, false, 0, 1},
                        {205, false, 0, -1}, {206, false, -1, 1}, {302, true, 0, 1},
                        {303, true, 0, -1},  {304, true, -1, 0},  {305, true, 1, 0}};
    DrawingGenerator g(5);
    for (const Way& way : ways) {
        for (int i = 0; i < 10; ++i) {
            const auto strokes = way.text ? textGesture(way.code, g, {300, 300}, 100)
                                          : commandGesture(way.code, g, {300, 300}, 100);
            const double dx = strokes.back().back().x - strokes.front().front().x;
            const double dy = strokes.back().back().y - strokes.front().front().y;
            EXPECT_TRUE(way.dx == 0 ? std::fabs(dx) < 20 : dx * way.dx > 40) << way.code;
            EXPECT_TRUE(way.dy == 0 ? std::fabs(dy) < 20 : dy * way.dy > 40) << way.code;
        }
    }
    for (int code = 202; code <= 217; ++code) {
        const bool twoStrokes = code == 208 || code == 212 || code == 217;
        EXPECT_EQ(commandGesture(code, g, {300, 300}, 100).size(), twoStrokes ? 2u : 1u) << code;
    }
}
