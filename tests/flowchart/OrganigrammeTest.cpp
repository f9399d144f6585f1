#include "flowchart/Organigramme.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

TEST(Organigramme, StartsWithTheDefaults) {
    const COrganigramme org;
    EXPECT_EQ(org.penWidth(), 2);
    EXPECT_EQ(org.color(), 0u);
    EXPECT_EQ(org.step(), 10);
    EXPECT_EQ(org.minSize(), 5);
    EXPECT_FALSE(org.fixedSize());
    EXPECT_FALSE(org.isModified());
    EXPECT_TRUE(org.elements().empty());

    // The fixed sizes are pinned with the components they make (CommandesTest).
}

TEST(Organigramme, AddingAndDeletingMarkItModified) {
    COrganigramme org;
    CElement* first = org.AddElement(std::make_unique<CCercle>(0, 1, CRect{0, 0, 10, 10}));
    CElement* second = org.AddElement(std::make_unique<CCarre>(0, 1, CRect{0, 0, 10, 10}));
    EXPECT_TRUE(org.isModified());
    ASSERT_EQ(org.elements().size(), 2u);
    EXPECT_EQ(org.elements()[0].get(), first);
    EXPECT_EQ(org.elements()[1].get(), second);

    org.setModified(false);
    org.DeleteElement(nullptr);
    EXPECT_FALSE(org.isModified());
    EXPECT_EQ(org.elements().size(), 2u);

    org.DeleteElement(first);
    EXPECT_TRUE(org.isModified());
    ASSERT_EQ(org.elements().size(), 1u);
    EXPECT_EQ(org.elements()[0].get(), second);

    const CCarre stranger(0, 1, CRect{0, 0, 10, 10});
    org.DeleteElement(&stranger);
    EXPECT_EQ(org.elements().size(), 1u);

    org.setModified(false);
    org.DeleteAllElements();
    EXPECT_TRUE(org.isModified());
    EXPECT_TRUE(org.elements().empty());
}

TEST(Organigramme, HitTestingPrefersTheLastAdded) {
    COrganigramme org;
    CElement* big = org.AddElement(std::make_unique<CRectangle>(0, 1, CRect{0, 0, 100, 100}));
    CElement* small = org.AddElement(std::make_unique<CCercle>(0, 1, CRect{40, 40, 60, 60}));
    org.AddElement(std::make_unique<CInconnu>());

    EXPECT_EQ(org.elementAt({50, 50}), small);
    EXPECT_EQ(org.elementAt({10, 10}), big);
    EXPECT_EQ(org.elementAt({0, 0}), big);
    // Right and bottom edges are outside.
    EXPECT_EQ(org.elementAt({100, 50}), nullptr);
    EXPECT_EQ(org.elementAt({50, 100}), nullptr);
    EXPECT_EQ(org.elementAt({-1, 50}), nullptr);
    EXPECT_EQ(org.elementAt({60, 50}), big);

    // The loaded-empty unknown has an empty rectangle at the origin: never hit.
    COrganigramme onlyUnknown;
    onlyUnknown.AddElement(std::make_unique<CInconnu>());
    EXPECT_EQ(onlyUnknown.elementAt({0, 0}), nullptr);
}
