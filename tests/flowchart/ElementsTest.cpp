#include "flowchart/Elements.h"
#include "flowchart/RecordingCanvas.h"
#include "support/Flowcharts.h"
#include "support/GoldenTexts.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// 61 wide and 81 high, centred on (40, 60): odd sizes show the truncating halvings.
const CRect kGesture{10, 20, 71, 101};

template <class E, class... Sizes> std::unique_ptr<CElement> resized(E e, Sizes... sizes) {
    e.Resize(sizes...);
    return std::make_unique<E>(std::move(e));
}

// The components (pointers to them) described, against a section of texts/Elements.txt.
template <class... Elements>
void expectDescribed(const std::string& section, const Elements&... elements) {
    expectGolden("Elements", section, {describe(*elements)...});
}

} // namespace

// Fixed sizes are laid round the gesture's centre; a pen wider than one pixel
// grows the enclosing rectangle; rectangles and ellipses take their kind from
// their sizes, not from the code they were asked for.
TEST(Elements, FixedSizesAroundTheGesturesCentreOrTheGesturesSize) {
    const auto arrow = [](Axis axis, Head head) {
        auto made = std::make_unique<CFleche>(0, 1, kAround100, 50, 8, 12, axis, head);
        EXPECT_EQ(std::pair(made->isHorizontal(), made->isForward()),
                  std::pair(axis == Axis::Horizontal, head == Head::Forward));
        return made;
    };
    expectDescribed(
        "FixedSizes", make<CLigne>(0, 1, kAround100, 51, Axis::Horizontal),
        make<CLigne>(0, 2, kAround100, 51, Axis::Vertical),
        make<CRectangle>(0, 1, kAround100, 80, 150), make<CRectangle>(0, 2, kAround100, 150, 80),
        make<CRectangle>(0, 1, kAround100, 80, 80), make<CEllipse>(0, 1, kAround100, 100, 50),
        make<CEllipse>(0, 1, kAround100, 50, 100), make<CEllipse>(0, 1, kAround100, 50, 50),
        make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Up),
        make<CTriangle>(0, 1, kAround100, 31, 41, Apex::Down),
        make<CLosange>(0, 1, kAround100, 80, 150), make<CCarre>(0, 1, kAround100, 100),
        make<CCercle>(0, 4, kAround100, 40), make<CCroix>(0, 1, kAround100, 41),
        arrow(Axis::Horizontal, Head::Forward), arrow(Axis::Horizontal, Head::Backward),
        arrow(Axis::Vertical, Head::Forward), arrow(Axis::Vertical, Head::Backward));

    // Built from the gesture, a component fills its rectangle, even a reversed one.
    const CRect reversed{220, 150, 100, 50};
    const CTexte text(0xFF0000, "Verdana", 12, CRect{50, 40, 10, 20}, "Début");
    expectDescribed(
        "GestureSizes", make<CLigne>(0, 1, kGesture, Axis::Horizontal),
        make<CLigne>(0, 1, kGesture, Axis::Vertical), make<CRectangle>(0, 1, kGesture),
        make<CRectangle>(0, 1, CRect{0, 0, 90, 30}), make<CRectangle>(0, 1, reversed),
        make<CEllipse>(0, 2, reversed), make<CCarre>(0, 1, kGesture),
        make<CTriangle>(0, 1, kGesture, Apex::Up), make<CTriangle>(0, 1, kGesture, Apex::Down),
        make<CLosange>(0, 1, kGesture), make<CCercle>(0, 1, kGesture),
        make<CEllipse>(0, 1, kGesture), make<CCroix>(0, 1, kGesture),
        make<CFleche>(0, 1, CRect{10, 50, 71, 61}, Axis::Horizontal, Head::Forward),
        make<CFleche>(0, 1, CRect{50, 10, 61, 71}, Axis::Vertical, Head::Forward), &text);
}

// Moved, a component of any kind is the one made at the moved gesture, but a
// text keeps the centre it was made with. Resizing keeps the centre and the
// kind code. An unknown component keeps a copy of its ink and moves it.
TEST(Elements, MovesAndResizes) {
    COrganigramme here, there;
    addEveryKind(here, 300, 200);
    addEveryKind(there, 305, 197);
    for (std::size_t i = 0; i < here.elements().size(); ++i) {
        CElement& e = *here.elements()[i];
        e.Move({5, -3});
        EXPECT_TRUE(e.type() == kind::Texte || describe(e) == describe(*there.elements()[i])) << i;
    }
    CTexte text(0, "Arial", 10, CRect{10, 20, 50, 40}, "x");
    text.Move({7, 9});
    const auto drawing =
        drawingOf({{{10, 10, 0.0}, {20, 30, 0.1}}, {{5, 5, 0.2}}, {{7, 0}, {0, 7}}});
    const CInconnu still(0xFF0000, 2, CRect{0, 0, 20, 30}, *drawing);
    CInconnu unknown(0xFF0000, 2, CRect{0, 0, 20, 30}, *drawing);
    unknown.Move({100, 200});
    const CInconnu empty;
    expectDescribed("MovesAndResizes", &text, resized(CLigne(0, 1, kGesture, Axis::Horizontal), 20),
                    resized(CTriangle(0, 1, kGesture, Apex::Up), 30, 40),
                    resized(CCroix(0, 3, kGesture), 10, 30),
                    resized(CFleche(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Backward),
                            100, 10, 20),
                    resized(CRectangle(0, 1, kAround100, 80, 150), 150, 80), &still, &unknown,
                    &empty);
    EXPECT_DOUBLE_EQ(unknown.trace()->stroke(0).point(1).t, 0.1);
    EXPECT_EQ(unknown.trace()->stroke(1).point(0), CInkPoint(105, 205));
    EXPECT_EQ(drawing->stroke(0).point(0), CInkPoint(10, 10));
}

// Pen colour and width, and the selection colour for the selected component
// only: with nothing selected or another component selected, its own colour.
TEST(Elements, DrawnInTheirColourOrTheSelectionColour) {
    const CRectangle other(0xFF0000, 1, kAround100, 10, 10);
    COrganigramme org;
    addEveryKind(org, 300, 200);
    for (const auto& e : org.elements())
        for (const CElement* selected : std::array<const CElement*, 3>{nullptr, &other, e.get()}) {
            RecordingCanvas each;
            e->Draw(each, selected);
            ASSERT_FALSE(each.calls.empty()) << e->className();
            const std::string colour = hex(selected == e.get() ? kSelectionColour : e->color());
            if (e->type() == kind::Texte)
                EXPECT_TRUE(each.calls[0].ends_with(" " + colour)) << each.calls[0];
            else
                EXPECT_EQ(each.calls[0], "pen " + colour + " " + std::to_string(e->penWidth()));
        }
}
