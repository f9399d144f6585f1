#include "flowchart/Organigramme.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

// The fixed sizes are pinned with the components they make (CommandesTest).
TEST(Organigramme, StartsWithTheDefaults) {
    const COrganigramme org;
    EXPECT_EQ(std::tuple(org.penWidth(), org.color(), org.step(), org.minSize()),
              std::tuple(2, 0u, 10, 5));
    EXPECT_FALSE(org.fixedSize() || org.isModified());
    EXPECT_TRUE(org.elements().empty());
}

// Adding and deleting mark it modified; deleting nothing does not.
TEST(Organigramme, AddingAndDeleting) {
    COrganigramme org;
    CElement* first = org.AddElement(std::make_unique<CCercle>(0, 1, CRect{0, 0, 10, 10}));
    CElement* second = org.AddElement(std::make_unique<CCarre>(0, 1, CRect{0, 0, 10, 10}));
    EXPECT_TRUE(org.isModified());
    ASSERT_EQ(org.elements().size(), 2u);
    EXPECT_EQ(org.elements()[0].get(), first);
    org.setModified(false);
    org.DeleteElement(nullptr);
    EXPECT_FALSE(org.isModified());
    const CCarre stranger(0, 1, CRect{0, 0, 10, 10});
    org.DeleteElement(&stranger);
    org.DeleteElement(first);
    EXPECT_TRUE(org.isModified());
    ASSERT_EQ(org.elements().size(), 1u);
    EXPECT_EQ(org.elements()[0].get(), second);
    org.setModified(false);
    org.DeleteAllElements();
    EXPECT_TRUE(org.isModified());
    EXPECT_TRUE(org.elements().empty());
}

// The last added comes first; right and bottom edges are outside; the
// loaded-empty unknown, an empty rectangle at the origin, is never hit.
TEST(Organigramme, HitTestingPrefersTheLastAdded) {
    COrganigramme org;
    CElement* big = org.AddElement(std::make_unique<CRectangle>(0, 1, CRect{0, 0, 100, 100}));
    CElement* small = org.AddElement(std::make_unique<CCercle>(0, 1, CRect{40, 40, 60, 60}));
    org.AddElement(std::make_unique<CInconnu>());
    const std::pair<CPoint, CElement*> cases[] = {
        {{50, 50}, small},    {{10, 10}, big},      {{0, 0}, big},      {{60, 50}, big},
        {{100, 50}, nullptr}, {{50, 100}, nullptr}, {{-1, 50}, nullptr}};
    for (const auto& [point, hit] : cases)
        EXPECT_EQ(org.elementAt(point), hit) << point.x << "," << point.y;
    COrganigramme onlyUnknown;
    onlyUnknown.AddElement(std::make_unique<CInconnu>());
    EXPECT_EQ(onlyUnknown.elementAt({0, 0}), nullptr);
}
