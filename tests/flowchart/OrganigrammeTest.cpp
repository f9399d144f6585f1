#include "flowchart/Organigramme.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

// Adding and deleting mark it modified; deleting nothing does not. Hit
// testing: the last added comes first; right and bottom edges are outside;
// the loaded-empty unknown, an empty rectangle at the origin, is never hit.
// (The defaults show in an empty flowchart's bytes and in the sizes dialog.)
TEST(Organigramme, AddingDeletingAndHitTesting) {
    COrganigramme org;
    CElement* big = org.AddElement(std::make_unique<CRectangle>(0, 1, CRect{0, 0, 100, 100}));
    CElement* small = org.AddElement(std::make_unique<CCercle>(0, 1, CRect{40, 40, 60, 60}));
    CElement* unknown = org.AddElement(std::make_unique<CInconnu>());
    EXPECT_TRUE(org.isModified());
    const std::pair<CPoint, CElement*> cases[] = {
        {{50, 50}, small},    {{10, 10}, big},      {{0, 0}, big},      {{60, 50}, big},
        {{100, 50}, nullptr}, {{50, 100}, nullptr}, {{-1, 50}, nullptr}};
    for (const auto& [point, hit] : cases)
        EXPECT_EQ(org.elementAt(point), hit) << point.x << "," << point.y;

    // What is left after each deletion, and whether it marked the flowchart modified.
    const auto after = [&org](const CElement* deleted) {
        org.setModified(false);
        org.DeleteElement(deleted);
        std::vector<const CElement*> left;
        for (const auto& e : org.elements())
            left.push_back(e.get());
        return std::pair(left, org.isModified());
    };
    using Left = std::vector<const CElement*>;
    const CCarre stranger(0, 1, CRect{0, 0, 10, 10});
    EXPECT_EQ(after(nullptr), std::pair(Left{big, small, unknown}, false));
    EXPECT_EQ(after(&stranger).first, (Left{big, small, unknown}));
    EXPECT_EQ(after(small), std::pair(Left{big, unknown}, true));
    EXPECT_EQ(org.elementAt({0, 0}), big);
    EXPECT_EQ(after(big), std::pair(Left{unknown}, true));
    EXPECT_EQ(org.elementAt({0, 0}), nullptr);
    org.setModified(false);
    org.DeleteAllElements();
    EXPECT_TRUE(org.isModified() && org.elements().empty());
}
