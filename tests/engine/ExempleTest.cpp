#include "engine/Exemple.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

CExemple::Caracteristiques featuresOf(std::unique_ptr<CDessin> drawing) {
    CExemple e("e");
    e.setDessin(std::move(drawing));
    e.calculerCaracteristiques();
    return e.caracteristiques();
}

void expectFeatures(const CExemple::Caracteristiques& f,
                    const CExemple::Caracteristiques& expected) {
    for (int i = 0; i < CExemple::NB_CARACTERISTIQUES; ++i)
        EXPECT_NEAR(f[i], expected[i], 1e-12) << "f" << i + 1;
}

} // namespace

TEST(Features, StraightStrokeLeftToRight) {
    const auto f = featuresOf(drawingOf({{{0, 0, 0.0}, {10, 0, 0.1}, {20, 0, 0.2}, {30, 0, 0.3}}}));
    expectFeatures(f, {1, 0, 30, 0, 30, 1, 0, 30, 0, 0, 0, 1, 0.3});
}

TEST(Features, VerticalStrokeDrawnDownward) {
    const auto f = featuresOf(drawingOf({{{5, 0, 0.0}, {5, 40, 0.5}, {5, 100, 1.25}}}));
    expectFeatures(f, {0, 1, 100, kPi / 2, 100, 0, 1, 100, 0, 0, 0, 1, 1.25});
}

TEST(Features, RightAngle) {
    // Right then down on the screen: a turn of -pi/2 at the corner.
    const auto f = featuresOf(drawingOf({{{0, 0, 0.0}, {30, 0, 0.1}, {30, 40, 0.3}}}));
    expectFeatures(f, {0.6, 0.8, 50, std::atan2(40.0, 30.0), 50, 0.6, 0.8, 70, -kPi / 2, kPi / 2,
                       kPi * kPi / 4, 1.4, 0.3});
}

TEST(Features, ClosedStrokeHasFiniteRatio) {
    const auto f = featuresOf(
        drawingOf({{{0, 0, 0.0}, {40, 0, 0.1}, {40, 40, 0.2}, {0, 40, 0.3}, {0, 0, 0.4}}}));
    const double half = std::sqrt(0.5);
    // The ends coincide: f5..f7 are 0, and f12 divides the detour by one pixel.
    expectFeatures(f, {half, half, std::sqrt(3200.0), kPi / 4, 0, 0, 0, 160, -3 * kPi / 2,
                       3 * kPi / 2, 3 * kPi * kPi / 4, 2 * std::sqrt(3200.0), 0.4});
}

TEST(Features, TwoPointsTakeTheLastForTheInitialAngle) {
    const auto f = featuresOf(drawingOf({{{10, 10, 0.0}, {40, 50, 0.05}}}));
    expectFeatures(f, {0.6, 0.8, 50, std::atan2(40.0, 30.0), 50, 0.6, 0.8, 50, 0, 0, 0, 1, 0.05});
}

TEST(Features, OnePointAndNoPointStayFinite) {
    const auto one = featuresOf(drawingOf({{{10, 10, 2.0}}}));
    expectFeatures(one, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const auto none = featuresOf(std::make_unique<CDessin>());
    expectFeatures(none, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

TEST(Features, RepeatedPointsAddNothingAndTurnByZero) {
    // The corner at (20, 0) is met through repeated points: every turning angle is 0.
    const auto f = featuresOf(
        drawingOf({{{0, 0, 0.0}, {0, 0, 0.1}, {20, 0, 0.2}, {20, 0, 0.3}, {20, 15, 0.4}}}));
    expectFeatures(f, {1, 0, 25, std::atan2(15.0, 20.0), 25, 0.8, 0.6, 35, 0, 0, 0, 1.4, 0.4});
}

TEST(Features, ThirdPointOnTheFirstGivesNoInitialAngle) {
    const auto f = featuresOf(drawingOf({{{0, 0, 0.0}, {20, 0, 0.1}, {0, 0, 0.2}, {0, 30, 0.3}}}));
    EXPECT_EQ(f[0], 0.0);
    EXPECT_EQ(f[1], 0.0);
    EXPECT_DOUBLE_EQ(f[7], 70.0);
    // A half turn back, then a quarter turn.
    EXPECT_DOUBLE_EQ(f[9], 1.5 * kPi);
    EXPECT_DOUBLE_EQ(f[10], kPi * kPi * 1.25);
}

TEST(Features, StrokesAreMeasuredAsOnePath) {
    CExemple e;
    e.setDessin(drawingOf({{{0, 0, 0.0}, {10, 0, 0.1}}, {{10, 20, 0.5}, {30, 20, 0.6}}}));
    e.calculerCaracteristiques();
    ASSERT_EQ(e.nbPoints(), 4);
    EXPECT_EQ(e.points()[1], CInkPoint(10, 0));
    EXPECT_EQ(e.points()[2], CInkPoint(10, 20));
    // The jump between the strokes counts in the length and in the turns.
    EXPECT_DOUBLE_EQ(e.caracteristique(7), 50.0);
    EXPECT_DOUBLE_EQ(e.caracteristique(8), 0.0);
    EXPECT_DOUBLE_EQ(e.caracteristique(9), kPi);
    EXPECT_DOUBLE_EQ(e.caracteristique(12), 0.6);
    EXPECT_EQ(e.boiteMin(), CInkPoint(0, 0));
    EXPECT_EQ(e.boiteMax(), CInkPoint(30, 20));
}

TEST(Exemple, PreparingTwiceGivesTheSameAndLeavesTheDrawing) {
    CExemple e;
    e.setDessin(drawingOf({{{0, 0, 0.0}, {30, 0, 0.1}}, {{30, 40, 0.3}, {0, 45, 0.4}}}));
    e.calculerCaracteristiques();
    const CExemple::Caracteristiques first = e.caracteristiques();
    e.calculerCaracteristiques();
    EXPECT_EQ(e.caracteristiques(), first);
    EXPECT_EQ(e.dessin()->strokeCount(), 2);
    EXPECT_EQ(e.dessin()->stroke(0).pointCount(), 2);
    EXPECT_EQ(e.nbPoints(), 4);
}

TEST(Exemple, CopySharesDrawingPointsAndRecogniser) {
    CExemple source("source");
    source.setDessin(drawingOf({{{0, 0, 0.0}, {30, 0, 0.1}, {30, 40, 0.3}}}));
    source.calculerCaracteristiques();
    const CExemple copy(source);
    EXPECT_EQ(copy.nom(), "source");
    EXPECT_EQ(copy.dessin(), source.dessin());
    EXPECT_EQ(&copy.reconnaisseurFormes(), &source.reconnaisseurFormes());
    EXPECT_EQ(copy.points().data(), source.points().data());
    EXPECT_EQ(copy.caracteristiques(), source.caracteristiques());
    EXPECT_EQ(copy.boiteMax(), CInkPoint(30, 40));
    // A new example has a recogniser of its own.
    EXPECT_NE(&CExemple().reconnaisseurFormes(), &source.reconnaisseurFormes());
}
