#include "generator/CommandGestures.h"
#include "generator/ShapePaths.h"
#include "generator/TextGestures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Vec2 endsApart(const std::vector<Path>& strokes) {
    const Vec2 first = strokes.front().front(), last = strokes.back().back();
    return {last.x - first.x, last.y - first.y};
}

void expectNear(Vec2 actual, Vec2 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

} // namespace

// The pen starting and stopping off the path's ends: inward shifts cut the way
// short across vertices, outward ones draw the end segments on.
TEST(GesturePaths, EndsMoveAlongThePath) {
    const Path corner{{0, 0}, {10, 0}, {10, 10}};
    const Path cut = paths::withEnds(corner, 12, 3);
    ASSERT_EQ(cut.size(), 2u);
    expectNear(cut[0], {10, 2});
    expectNear(cut[1], {10, 7});

    const Path longer = paths::withEnds(corner, -4, -5);
    ASSERT_EQ(longer.size(), 3u);
    expectNear(longer[0], {-4, 0});
    expectNear(longer[1], {10, 0});
    expectNear(longer[2], {10, 15});

    const Path gone = paths::withEnds({{0, 0}, {6, 8}}, 20, 0);
    ASSERT_EQ(gone.size(), 2u);
    expectNear(gone[0], {6, 8});
    expectNear(gone[1], {6, 8});
}

// A bow bulges to the left of the way for a positive amount (up, on a screen,
// for a stroke going right), to the right for a negative one.
TEST(GesturePaths, BowsAndPlacing) {
    const Path left = paths::bowed({0, 0}, {100, 0}, 5);
    ASSERT_EQ(left.size(), 9u);
    expectNear(left.front(), {0, 0});
    expectNear(left[4], {50, -5});
    expectNear(left[2], {25, -3.75});
    expectNear(left.back(), {100, 0});
    expectNear(paths::bowed({0, 0}, {0, 100}, -5)[4], {-5, 50});
    EXPECT_EQ(paths::bowed({3, 3}, {3, 3}, 5).size(), 2u);

    const Path box = paths::placed({{-0.5, -0.5}, {0.5, 0.5}}, {100, 50}, 40, 20, 0.0);
    expectNear(box[0], {80, 40});
    expectNear(box[1], {120, 60});
    const Path turned = paths::placed({{0.5, 0}}, {0, 0}, 40, 20, 3.14159265358979323846 / 2);
    expectNear(turned[0], {0, 20});
}

// The moves go the way their names say; the text strokes are moves too, and
// the space sign comes back up to the height it started at.
TEST(GesturePaths, StrokesGoTheirNamedWay) {
    DrawingGenerator g(5);
    for (int i = 0; i < 20; ++i) {
        EXPECT_LT(endsApart(commandGesture(202, g, {300, 300}, 100)).x, -80);
        EXPECT_GT(endsApart(commandGesture(203, g, {300, 300}, 100)).x, 80);
        EXPECT_GT(endsApart(commandGesture(204, g, {300, 300}, 100)).y, 80);
        EXPECT_LT(endsApart(commandGesture(205, g, {300, 300}, 100)).y, -80);
        EXPECT_GT(endsApart(textGesture(302, g, {300, 300}, 100)).y, 80);
        EXPECT_LT(endsApart(textGesture(303, g, {300, 300}, 100)).y, -80);
        EXPECT_LT(endsApart(textGesture(304, g, {300, 300}, 100)).x, -80);
        const Vec2 space = endsApart(textGesture(305, g, {300, 300}, 100));
        EXPECT_GT(space.x, 80);
        EXPECT_LT(std::fabs(space.y), 20);
        // "Déplacement : Autre" moves by its ends: down and to the left.
        const Vec2 other = endsApart(commandGesture(206, g, {300, 300}, 100));
        EXPECT_LT(other.x, -40);
        EXPECT_GT(other.y, 40);
    }
}

// Multi-stroke commands are drawn in their natural order: the X from the top
// left, then from the top right; the B's stem, then its bowls; the question
// mark's hook above its dot.
TEST(GesturePaths, StrokeOrderOfTheMultiStrokeCommands) {
    DrawingGenerator g(9);
    const auto x = commandGesture(208, g, {300, 300}, 100);
    ASSERT_EQ(x.size(), 2u);
    EXPECT_LT(x[0].front().x, x[0].back().x);
    EXPECT_GT(x[1].front().x, x[1].back().x);
    EXPECT_LT(x[1].front().y, x[1].back().y);

    const auto b = commandGesture(212, g, {300, 300}, 100);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].size(), 2u);
    EXPECT_GT(b[1].size(), 20u);

    const auto question = commandGesture(217, g, {300, 300}, 100);
    ASSERT_EQ(question.size(), 2u);
    for (const Vec2& p : question[0])
        EXPECT_LT(p.y, question[1].front().y);

    for (int code = 202; code <= 217; ++code) {
        const bool twoStrokes = code == 208 || code == 212 || code == 217;
        EXPECT_EQ(commandGesture(code, g, {300, 300}, 100).size(), twoStrokes ? 2u : 1u) << code;
    }
}
