#include "engine/Exemple.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

// Worked by hand: f1..f13 of small drawings.
TEST(Features, WorkedCases) {
    const double half = std::sqrt(0.5), angle = std::atan2(40.0, 30.0), kPi = std::numbers::pi;
    const struct {
        std::unique_ptr<CDessin> drawing;
        CExemple::Caracteristiques expected;
    } cases[] = {
        // Left to right.
        {drawingOf({{{0, 0, 0.0}, {10, 0, 0.1}, {20, 0, 0.2}, {30, 0, 0.3}}}),
         {1, 0, 30, 0, 30, 1, 0, 30, 0, 0, 0, 1, 0.3}},
        // Right then down on the screen: a turn of -pi/2 at the corner.
        {drawingOf({{{0, 0, 0.0}, {30, 0, 0.1}, {30, 40, 0.3}}}),
         {0.6, 0.8, 50, angle, 50, 0.6, 0.8, 70, -kPi / 2, kPi / 2, kPi * kPi / 4, 1.4, 0.3}},
        // The ends coincide: f5..f7 are 0, and f12 divides the detour by one pixel.
        {drawingOf({{{0, 0, 0.0}, {40, 0, 0.1}, {40, 40, 0.2}, {0, 40, 0.3}, {0, 0, 0.4}}}),
         {half, half, std::sqrt(3200.0), kPi / 4, 0, 0, 0, 160, -3 * kPi / 2, 3 * kPi / 2,
          3 * kPi * kPi / 4, 2 * std::sqrt(3200.0), 0.4}},
        // Two points: the last gives the initial angle.
        {drawingOf({{{10, 10, 0.0}, {40, 50, 0.05}}}),
         {0.6, 0.8, 50, angle, 50, 0.6, 0.8, 50, 0, 0, 0, 1, 0.05}},
        // The third point is the first: no initial angle; the half turn back may go either way.
        {drawingOf({{{0, 0, 0.0}, {20, 0, 0.1}, {0, 0, 0.2}, {0, 30, 0.3}}}),
         {0, 0, std::sqrt(1300.0), std::atan2(30.0, 20.0), 30, 0, 1, 70, NAN, 1.5 * kPi,
          1.25 * kPi * kPi, (20 + std::sqrt(1300.0)) / 30, 0.3}},
        // Strokes are measured as one path: the jump between them counts.
        {drawingOf({{{0, 0, 0.0}, {10, 0, 0.1}}, {{10, 20, 0.5}, {30, 20, 0.6}}}),
         {1 / std::sqrt(5.0), 2 / std::sqrt(5.0), std::sqrt(1300.0), std::atan2(20.0, 30.0),
          std::sqrt(1300.0), 30 / std::sqrt(1300.0), 20 / std::sqrt(1300.0), 50, 0, kPi,
          kPi * kPi / 2, (10 + std::sqrt(800.0)) / std::sqrt(1300.0), 0.6}},
        // One point, then none.
        {drawingOf({{{10, 10, 2.0}}}), {}},
        {std::make_unique<CDessin>(), {}},
        // The corner at (20, 0) is met through repeated points: every turn is 0.
        {drawingOf({{{0, 0, 0.0}, {0, 0, 0.1}, {20, 0, 0.2}, {20, 0, 0.3}, {20, 15, 0.4}}}),
         {1, 0, 25, std::atan2(15.0, 20.0), 25, 0.8, 0.6, 35, 0, 0, 0, 1.4, 0.4}},
    };
    for (const auto& c : cases) {
        CExemple e("e");
        e.setDessin(c.drawing->clone());
        e.calculerCaracteristiques();
        for (int i = 0; i < CExemple::NB_CARACTERISTIQUES; ++i)
            if (!std::isnan(c.expected[i])) {
                EXPECT_NEAR(e.caracteristiques()[i], c.expected[i], 1e-12)
                    << "case " << &c - cases << ", f" << i + 1;
            }
    }
}
