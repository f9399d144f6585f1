#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "generator/ComponentGestures.h"
#include "generator/ShapePaths.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::unique_ptr<CAReconnaitre> recognised(const CEnsemble& set, std::unique_ptr<CDessin> drawing) {
    auto shape = std::make_unique<CAReconnaitre>(set);
    shape->setDessin(std::move(drawing));
    shape->calculerCaracteristiques();
    shape->reconnaitre();
    return shape;
}

} // namespace

// A components set trained from generated examples recognises fresh drawings of
// every one of its seventeen gestures, drawn by other writers at other places.
TEST(TrainedRecognition, RecognisesFreshGesturesOfEveryClass) {
    const auto set = componentSet(kComponentGestureCount, 15, 1);
    ASSERT_TRUE(set->reconnaissancePossible());
    DrawingGenerator g(2024);
    int total = 0, right = 0, wronglyAccepted = 0;
    for (int k = 0; k < kComponentGestureCount; ++k) {
        int rightInClass = 0;
        for (int i = 0; i < 30; ++i) {
            const auto shape = recognised(
                *set,
                g.draw(componentGesture(k, g, {g.uniform(100, 500), g.uniform(100, 500)}, 120)));
            ++total;
            if (shape->rejete()) {
                EXPECT_EQ(shape->code(), AUCUN_CODE);
                continue;
            }
            EXPECT_EQ(shape->nomReconnu(), set->classe(shape->meilleurIndice()).nom());
            EXPECT_EQ(shape->code(), set->classe(shape->meilleurIndice()).code());
            if (shape->meilleurIndice() == k)
                ++rightInClass;
            else
                ++wronglyAccepted;
        }
        EXPECT_GE(rightInClass, 25) << set->classe(k).nom();
        right += rightInClass;
    }
    EXPECT_GE(right, total * 95 / 100);
    EXPECT_LE(wronglyAccepted, total / 100);
}

// A spiral of many turns is like none of the components: it is rejected, and the
// code says that nothing was recognised.
TEST(TrainedRecognition, RejectsADrawingUnlikeAnyClass) {
    const auto set = componentSet(kComponentGestureCount, 15, 1);
    DrawingGenerator g(7);
    int rejected = 0;
    for (int i = 0; i < 10; ++i) {
        Path spiral;
        for (int step = 0; step <= 400; ++step) {
            const double a = step * 0.1;
            const double r = 10 + 1.5 * step * g.uniform(0.9, 1.1) / 4;
            spiral.push_back({300 + r * std::cos(a), 300 + r * std::sin(a)});
        }
        const auto shape = recognised(*set, g.draw({spiral}));
        if (shape->rejete()) {
            ++rejected;
            EXPECT_EQ(shape->code(), AUCUN_CODE);
            EXPECT_FALSE(shape->nomReconnu().empty());
        }
    }
    EXPECT_EQ(rejected, 10);
}
