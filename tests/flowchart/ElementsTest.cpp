#include "flowchart/Elements.h"
#include "flowchart/RecordingCanvas.h"
#include "support/Flowcharts.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Centred on (100, 100).
const CRect kAround100{80, 90, 120, 110};
// 61 wide and 81 high, centred on (40, 60): odd sizes show the truncating halvings.
const CRect kGesture{10, 20, 71, 101};

template <class E, class... Args> std::unique_ptr<CElement> make(Args&&... args) {
    return std::make_unique<E>(std::forward<Args>(args)...);
}

std::unique_ptr<CElement> moved(std::unique_ptr<CElement> e, CPoint by) {
    e->Move(by);
    return e;
}

template <class E, class... Sizes> std::unique_ptr<CElement> resized(E e, Sizes... sizes) {
    e.Resize(sizes...);
    return std::make_unique<E>(std::move(e));
}

struct ElementCase {
    std::unique_ptr<CElement> element;
    std::string expected;
};

void expectDescriptions(const std::vector<ElementCase>& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(describe(*cases[i].element), cases[i].expected) << "case " << i;
}

} // namespace

// Fixed sizes are laid round the gesture's centre; a pen wider than one pixel
// grows the enclosing rectangle; rectangles and ellipses take their kind from
// their sizes, not from the code they were asked for.
TEST(Elements, FixedSizesAroundTheGesturesCentre) {
    std::vector<ElementCase> cases;
    cases.push_back({make<CLigne>(0, 1, kAround100, 51, Axis::Horizontal),
                     "102 line (75,100) (125,100) in [75,100,125,100] at (100,100) 51"});
    cases.push_back({make<CLigne>(0, 2, kAround100, 51, Axis::Vertical),
                     "103 line (100,75) (100,125) in [99,74,101,126] at (100,100) 51"});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 150),
                     "105 rectangle [25,60,175,140] in [25,60,175,140] at (100,100) 80 150"});
    cases.push_back({make<CRectangle>(0, 2, kAround100, 150, 80),
                     "104 rectangle [60,25,140,175] in [59,24,141,176] at (100,100) 150 80"});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 80),
                     "105 rectangle [60,60,140,140] in [60,60,140,140] at (100,100) 80 80"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 100, 50),
                     "112 ellipse [0,50,200,150] in [0,50,200,150] at (100,100) 50 100"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 50, 100),
                     "111 ellipse [50,0,150,200] in [50,0,150,200] at (100,100) 100 50"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 50, 50),
                     "112 ellipse [50,50,150,150] in [50,50,150,150] at (100,100) 50 50"});
    cases.push_back(
        {make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Up),
         "107 polygon (100,85) (120,115) (80,115) in [80,85,120,115] at (100,100) 30 40"});
    cases.push_back(
        {make<CTriangle>(0, 1, kAround100, 31, 41, Apex::Down),
         "106 polygon (80,85) (120,85) (100,115) in [80,85,120,115] at (100,100) 31 41"});
    cases.push_back({make<CLosange>(0, 1, kAround100, 80, 150),
                     "109 polygon (100,60) (175,100) (100,140) (25,100) in [25,60,175,140] at "
                     "(100,100) 80 150"});
    cases.push_back({make<CCarre>(0, 1, kAround100, 100),
                     "108 rectangle [50,50,150,150] in [50,50,150,150] at (100,100) 100"});
    cases.push_back({make<CCercle>(0, 4, kAround100, 40),
                     "110 ellipse [60,60,140,140] in [57,57,143,143] at (100,100) 40"});
    cases.push_back({make<CCroix>(0, 1, kAround100, 41),
                     "113 line (80,80) (120,120) line (120,80) (80,120) in "
                     "[80,80,120,120] at (100,100) 41 41"});
    const char* arrows[] = {"114 line (75,100) (125,100) polyline (113,92) (125,100) (113,108) in "
                            "[75,92,125,108] at (100,100) 50 8 12",
                            "115 line (75,100) (125,100) polyline (87,92) (75,100) (87,108) in "
                            "[75,92,125,108] at (100,100) 50 8 12",
                            "116 line (100,75) (100,125) polyline (92,113) (100,125) (108,113) in "
                            "[92,75,108,125] at (100,100) 50 8 12",
                            "117 line (100,75) (100,125) polyline (92,87) (100,75) (108,87) in "
                            "[92,75,108,125] at (100,100) 50 8 12"};
    int a = 0;
    for (Axis axis : {Axis::Horizontal, Axis::Vertical})
        for (Head head : {Head::Forward, Head::Backward}) {
            const CFleche arrow(0, 1, kAround100, 50, 8, 12, axis, head);
            EXPECT_EQ(arrow.isHorizontal(), axis == Axis::Horizontal);
            EXPECT_EQ(arrow.isForward(), head == Head::Forward);
            cases.push_back({std::make_unique<CFleche>(arrow), arrows[a++]});
        }
    expectDescriptions(cases);
}

// Built from the gesture, a component fills its rectangle, even a reversed one.
TEST(Elements, GestureSizesFillTheGesture) {
    const CRect reversed{220, 150, 100, 50};
    std::vector<ElementCase> cases;
    cases.push_back({make<CLigne>(0, 1, kGesture, Axis::Horizontal),
                     "102 line (10,60) (71,60) in [10,60,71,60] at (40,60) 61"});
    cases.push_back({make<CLigne>(0, 1, kGesture, Axis::Vertical),
                     "103 line (40,20) (40,101) in [40,20,40,101] at (40,60) 81"});
    cases.push_back({make<CRectangle>(0, 1, kGesture),
                     "104 rectangle [10,20,71,101] in [10,20,71,101] at (40,60) 81 61"});
    cases.push_back({make<CRectangle>(0, 1, CRect{0, 0, 90, 30}),
                     "105 rectangle [0,0,90,30] in [0,0,90,30] at (45,15) 30 90"});
    cases.push_back({make<CRectangle>(0, 1, reversed),
                     "104 rectangle [220,150,100,50] in [100,50,220,150] at (160,100) -100 -120"});
    cases.push_back({make<CEllipse>(0, 2, reversed),
                     "111 ellipse [220,150,100,50] in [99,49,221,151] at (160,100) -50 -60"});
    cases.push_back({make<CCarre>(0, 1, kGesture),
                     "108 rectangle [10,30,70,90] in [10,30,70,90] at (40,60) 61"});
    cases.push_back({make<CTriangle>(0, 1, kGesture, Apex::Up),
                     "107 polygon (40,20) (71,101) (10,101) in [10,20,71,101] at (40,60) 81 61"});
    cases.push_back({make<CTriangle>(0, 1, kGesture, Apex::Down),
                     "106 polygon (10,20) (71,20) (40,101) in [10,20,71,101] at (40,60) 81 61"});
    cases.push_back(
        {make<CLosange>(0, 1, kGesture),
         "109 polygon (40,20) (71,60) (40,101) (10,60) in [10,20,71,101] at (40,60) 81 61"});
    cases.push_back({make<CCercle>(0, 1, kGesture),
                     "110 ellipse [10,30,70,90] in [10,30,70,90] at (40,60) 30"});
    cases.push_back({make<CEllipse>(0, 1, kGesture),
                     "111 ellipse [10,20,71,101] in [10,20,71,101] at (40,60) 40 30"});
    cases.push_back(
        {make<CCroix>(0, 1, kGesture),
         "113 line (10,20) (71,101) line (71,20) (10,101) in [10,20,71,101] at (40,60) 81 61"});
    cases.push_back({make<CFleche>(0, 1, CRect{10, 50, 71, 61}, Axis::Horizontal, Head::Forward),
                     "114 line (10,55) (70,55) polyline (54,44) (70,55) (54,66) in [10,44,70,66] "
                     "at (40,55) 61 11 16"});
    cases.push_back({make<CFleche>(0, 1, CRect{50, 10, 61, 71}, Axis::Vertical, Head::Forward),
                     "116 line (55,10) (55,70) polyline (44,54) (55,70) (66,54) in [44,10,66,70] "
                     "at (55,40) 61 11 16"});
    cases.push_back({make<CTexte>(0xFF0000, "Verdana", 12, CRect{50, 40, 10, 20}, "Début"),
                     "118 text (50,40) \"Début\" Verdana 120 FF0000 in [10,20,50,40] at (30,30)"});
    expectDescriptions(cases);
    const CTexte text(0, "Verdana", 12, CRect{}, "");
    EXPECT_EQ(text.pointSize(), 12);
    EXPECT_EQ(text.penWidth(), 1);
}

// Moved, a component of any kind is the one made at the moved gesture, but a
// text keeps the centre it was made with. Resizing keeps the centre and the
// kind code.
TEST(Elements, MovesAndResizes) {
    COrganigramme here, there;
    addEveryKind(here, 300, 200);
    addEveryKind(there, 305, 197);
    for (std::size_t i = 0; i < here.elements().size(); ++i) {
        CElement& e = *here.elements()[i];
        e.Move({5, -3});
        EXPECT_TRUE(e.type() == kind::Texte || describe(e) == describe(*there.elements()[i])) << i;
    }
    std::vector<ElementCase> cases;
    cases.push_back({moved(make<CTexte>(0, "Arial", 10, CRect{10, 20, 50, 40}, "x"), {7, 9}),
                     "118 text (17,29) \"x\" Arial 100 000000 in [17,29,57,49] at (30,30)"});
    cases.push_back({resized(CLigne(0, 1, kGesture, Axis::Horizontal), 20),
                     "102 line (30,60) (50,60) in [30,60,50,60] at (40,60) 20"});
    cases.push_back({resized(CTriangle(0, 1, kGesture, Apex::Up), 30, 40),
                     "107 polygon (40,45) (60,75) (20,75) in [20,45,60,75] at (40,60) 30 40"});
    cases.push_back(
        {resized(CCroix(0, 3, kGesture), 10, 30),
         "113 line (25,55) (55,65) line (55,55) (25,65) in [23,53,57,67] at (40,60) 10 30"});
    cases.push_back({resized(CFleche(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Backward),
                             100, 10, 20),
                     "115 line (50,100) (150,100) polyline (70,90) (50,100) (70,110) in "
                     "[50,90,150,110] at (100,100) 100 10 20"});
    cases.push_back({resized(CRectangle(0, 1, kAround100, 80, 150), 150, 80),
                     "105 rectangle [60,25,140,175] in [60,25,140,175] at (100,100) 150 80"});
    expectDescriptions(cases);
}

TEST(Elements, UnknownKeepsAndMovesACopyOfItsInk) {
    const auto drawing =
        drawingOf({{{10, 10, 0.0}, {20, 30, 0.1}}, {{5, 5, 0.2}}, {{7, 0}, {0, 7}}});
    CInconnu unknown(0xFF0000, 2, CRect{0, 0, 20, 30}, *drawing);
    EXPECT_EQ(describe(unknown),
              "101 polyline (10,10) (20,30) polyline (7,0) (0,7) in [-1,-1,21,31] at (10,15)");
    unknown.Move({100, 200});
    EXPECT_EQ(describe(unknown), "101 polyline (110,210) (120,230) polyline (107,200) (100,207) in "
                                 "[99,199,121,231] at (110,215)");
    EXPECT_DOUBLE_EQ(unknown.trace()->stroke(0).point(1).t, 0.1);
    EXPECT_EQ(unknown.trace()->stroke(1).point(0), CInkPoint(105, 205));
    EXPECT_EQ(drawing->stroke(0).point(0), CInkPoint(10, 10));
    EXPECT_EQ(describe(CInconnu()), "0 in [0,0,0,0] at (0,0)");
}

// Pen colour and width, and the selection colour for the selected component only.
TEST(Elements, DrawnInTheirColourOrTheSelectionColour) {
    CRectangle mine(0x00FF00, 3, kAround100, 10, 10);
    const CRectangle other(0xFF0000, 1, kAround100, 10, 10);
    CTexte text(0x0000FF, "Arial", 8, CRect{0, 0, 5, 5}, "a");
    RecordingCanvas dc;
    mine.Draw(dc, &mine);
    mine.Draw(dc, &other);
    text.Draw(dc, &text);
    text.Draw(dc, &mine);
    CLigne(0x0000FF, 2, kAround100, 51, Axis::Horizontal).Draw(dc, nullptr);
    const std::vector<std::string> expected = {"pen B400FF 3",
                                               "rectangle [95,95,105,105]",
                                               "pen 00FF00 3",
                                               "rectangle [95,95,105,105]",
                                               "text (0,0) \"a\" Arial 80 B400FF",
                                               "text (0,0) \"a\" Arial 80 0000FF",
                                               "pen 0000FF 2",
                                               "line (75,100) (125,100)"};
    EXPECT_EQ(dc.calls, expected);
    EXPECT_EQ(mine.color(), 0x00FF00u);

    COrganigramme org;
    addEveryKind(org, 300, 200);
    for (const auto& e : org.elements())
        for (const CElement* selected : std::array<const CElement*, 2>{nullptr, e.get()}) {
            RecordingCanvas each;
            e->Draw(each, selected);
            ASSERT_FALSE(each.calls.empty()) << e->className();
            const std::string colour = hex(selected ? kSelectionColour : e->color());
            if (e->type() == kind::Texte)
                EXPECT_TRUE(each.calls[0].ends_with(" " + colour)) << each.calls[0];
            else
                EXPECT_EQ(each.calls[0], "pen " + colour + " " + std::to_string(e->penWidth()));
        }
}

TEST(Elements, CreatedEmptyByTheirStoredName) {
    for (const char* name : {"CLigne", "CRectangle", "CCarre", "CTriangle", "CLosange", "CCercle",
                             "CEllipse", "CCroix", "CFleche", "CTexte", "CInconnu"}) {
        const ElementFactory make = elementFactory(name);
        ASSERT_NE(make, nullptr) << name;
        const auto element = make();
        EXPECT_EQ(element->className(), name);
        EXPECT_EQ(element->type(), 0);
        EXPECT_EQ(element->GetBoundRect(), CRect{});
    }
    for (const char* name : {"CElement", "cligne", ""})
        EXPECT_EQ(elementFactory(name), nullptr);
}
