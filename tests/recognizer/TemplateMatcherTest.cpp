#include "recognizer/TemplateMatcher.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A circle drawn as an octagon around (x, y), counterclockwise on the screen
// from its right end: `diagonal` is the offset of the slanted vertices.
std::unique_ptr<CDessin> octagon(int x, int y, int radius, int diagonal) {
    const int r = radius, d = diagonal;
    const int dx[] = {r, d, 0, -d, -r, -d, 0, d, r}, dy[] = {0, d, r, d, 0, -d, -r, -d, 0};
    auto stroke = std::make_unique<CStroke>();
    for (int i = 0; i < 9; ++i)
        stroke->addPoint(x + dx[i], y + dy[i], 0.0);
    auto drawing = std::make_unique<CDessin>();
    drawing->addStroke(std::move(stroke));
    return drawing;
}

} // namespace

// A line drawn with uneven points still resamples to 16 points 10 px apart:
// centred, x runs from -75 to 75, and the squares of the 16 x sum to 34000.
TEST(TemplateMatcher, ResamplesCentresAndScales) {
    const auto v = CTemplateMatcher::vectorOf(*drawingOf({{{0, 0}, {10, 0}, {11, 0}, {150, 0}}}));
    ASSERT_TRUE(v);
    ASSERT_EQ(v->size(), 32u);
    EXPECT_NEAR((*v)[0], -75 / std::sqrt(34000.0), 1e-9);
    EXPECT_NEAR((*v)[2], -65 / std::sqrt(34000.0), 1e-9);
    EXPECT_NEAR((*v)[31], 0.0, 1e-9);
    EXPECT_FALSE(CTemplateMatcher::vectorOf(*drawingOf({{{4, 4}, {4, 4}}})));
}

TEST(TemplateMatcher, OneExamplePerClassTellsLineCircleAndV) {
    CTemplateMatcher matcher;
    EXPECT_FALSE(matcher.match(*drawingOf({{{0, 0}, {9, 0}}})));
    EXPECT_FALSE(matcher.addTemplate(9, *drawingOf({{{1, 1}}})));
    matcher.addTemplate(0, *drawingOf({{{0, 0}, {100, 0}}}));
    matcher.addTemplate(1, *octagon(50, 50, 50, 35));
    matcher.addTemplate(2, *drawingOf({{{0, 0}, {50, 100}, {100, 0}}}));
    matcher.addTemplate(3, *drawingOf({{{0, 100}, {0, 0}}}));
    EXPECT_EQ(matcher.templateCount(), 4);
    const struct {
        std::unique_ptr<CDessin> drawing;
        int expected;
        double minScore;
    } cases[] = {
        {drawingOf({{{200, 300}, {203, 300}, {205, 300}, {400, 300}}}), 0, 1 - 1e-9},
        {octagon(300, 300, 40, 28), 1, 0.99},
        {drawingOf({{{10, 10}, {110, 210}, {210, 10}}}), 2, 1 - 1e-9},
        // Two strokes are one path; upward, not rightward.
        {drawingOf({{{5, 80}, {5, 40}}, {{5, 40}, {5, 0}}}), 3, 1 - 1e-9},
    };
    for (const auto& c : cases) {
        const auto match = matcher.match(*c.drawing);
        ASSERT_TRUE(match);
        EXPECT_EQ(match->classIndex, c.expected);
        EXPECT_GE(match->score, c.minScore);
    }
    // Direction matters: a downward line is the upward one's opposite.
    EXPECT_NE(matcher.match(*drawingOf({{{0, 0}, {0, 100}}}))->classIndex, 3);
}
