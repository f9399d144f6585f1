#include "flowchart/Elements.h"
#include "flowchart/RecordingCanvas.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const CPoint& p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const CRect& r, std::ostream* out) {
    *out << "[" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "]";
}

namespace {

// Centred on (100, 100).
const CRect kAround100{80, 90, 120, 110};
// 61 wide and 81 high, centred on (40, 60): odd sizes show the truncating halvings.
const CRect kGesture{10, 20, 71, 101};

} // namespace

TEST(FixedSize, LineOfOddLengthRunsHalfTheLengthEachSide) {
    const CLigne h(0, 1, kAround100, 51, Axis::Horizontal);
    EXPECT_EQ(h.start(), (CPoint{75, 100}));
    EXPECT_EQ(h.end(), (CPoint{125, 100}));
    EXPECT_EQ(h.GetBoundRect(), (CRect{75, 100, 125, 100}));
    EXPECT_EQ(h.type(), kind::LigneHorizontale);
    EXPECT_EQ(h.length(), 51);

    const CLigne v(0, 1, kAround100, 51, Axis::Vertical);
    EXPECT_EQ(v.start(), (CPoint{100, 75}));
    EXPECT_EQ(v.end(), (CPoint{100, 125}));
    EXPECT_EQ(v.type(), kind::LigneVerticale);
}

TEST(FixedSize, PenWidthGrowsTheEnclosingRectangleBeyondOnePixel) {
    EXPECT_EQ(CRectangle(0, 1, kAround100, 80, 150).GetBoundRect(), (CRect{25, 60, 175, 140}));
    EXPECT_EQ(CRectangle(0, 2, kAround100, 80, 150).GetBoundRect(), (CRect{24, 59, 176, 141}));
    EXPECT_EQ(CLigne(0, 2, kAround100, 51, Axis::Horizontal).GetBoundRect(),
              (CRect{74, 99, 126, 101}));
    EXPECT_EQ(CCercle(0, 4, kAround100, 40).GetBoundRect(), (CRect{57, 57, 143, 143}));
}

TEST(FixedSize, RectanglesAndEllipsesTakeTheirKindFromTheirSize) {
    // A "Rectangle horizontal" given 150 high and 80 long is a vertical one.
    const CRectangle tall(0, 1, kAround100, 150, 80);
    EXPECT_EQ(tall.type(), kind::RectangleVertical);
    EXPECT_EQ(tall.box(), (CRect{60, 25, 140, 175}));
    EXPECT_EQ(CRectangle(0, 1, kAround100, 80, 150).type(), kind::RectangleHorizontal);
    EXPECT_EQ(CRectangle(0, 1, kAround100, 80, 80).type(), kind::RectangleHorizontal);

    const CEllipse flat(0, 1, kAround100, 100, 50);
    EXPECT_EQ(flat.type(), kind::EllipseHorizontale);
    EXPECT_EQ(flat.box(), (CRect{0, 50, 200, 150}));
    EXPECT_EQ(CEllipse(0, 1, kAround100, 50, 100).type(), kind::EllipseVerticale);
    EXPECT_EQ(CEllipse(0, 1, kAround100, 50, 50).type(), kind::EllipseHorizontale);
}

TEST(FixedSize, ShapesAroundTheCentre) {
    const CTriangle up(0, 1, kAround100, 30, 40, Apex::Up);
    EXPECT_EQ(up.type(), kind::TrianglePointeEnHaut);
    EXPECT_EQ(up.a(), (CPoint{100, 85}));
    EXPECT_EQ(up.b(), (CPoint{120, 115}));
    EXPECT_EQ(up.c(), (CPoint{80, 115}));
    EXPECT_EQ(up.GetBoundRect(), (CRect{80, 85, 120, 115}));

    const CTriangle down(0, 1, kAround100, 31, 41, Apex::Down);
    EXPECT_EQ(down.type(), kind::TrianglePointeEnV);
    EXPECT_EQ(down.a(), (CPoint{80, 85}));
    EXPECT_EQ(down.b(), (CPoint{120, 85}));
    EXPECT_EQ(down.c(), (CPoint{100, 115}));

    const CLosange diamond(0, 1, kAround100, 80, 150);
    EXPECT_EQ(diamond.top(), (CPoint{100, 60}));
    EXPECT_EQ(diamond.right(), (CPoint{175, 100}));
    EXPECT_EQ(diamond.bottom(), (CPoint{100, 140}));
    EXPECT_EQ(diamond.left(), (CPoint{25, 100}));
    EXPECT_EQ(diamond.GetBoundRect(), (CRect{25, 60, 175, 140}));

    EXPECT_EQ(CCarre(0, 1, kAround100, 100).box(), (CRect{50, 50, 150, 150}));
    EXPECT_EQ(CCercle(0, 1, kAround100, 40).box(), (CRect{60, 60, 140, 140}));

    const CCroix cross(0, 1, kAround100, 41);
    EXPECT_EQ(cross.box(), (CRect{80, 80, 120, 120}));
    EXPECT_EQ(cross.height(), 41);
    EXPECT_EQ(cross.length(), 41);
}

TEST(FixedSize, ArrowHeadsPointTheirWay) {
    struct Case {
        Axis axis;
        Head head;
        std::uint16_t kind;
        CPoint h0, h1, h2;
        CRect enclosing;
    };
    const Case cases[] = {
        {Axis::Horizontal,
         Head::Forward,
         kind::FlecheGaucheDroite,
         {113, 92},
         {125, 100},
         {113, 108},
         {75, 92, 125, 108}},
        {Axis::Horizontal,
         Head::Backward,
         kind::FlecheDroiteGauche,
         {87, 92},
         {75, 100},
         {87, 108},
         {75, 92, 125, 108}},
        {Axis::Vertical,
         Head::Forward,
         kind::FlecheHautBas,
         {92, 113},
         {100, 125},
         {108, 113},
         {92, 75, 108, 125}},
        {Axis::Vertical,
         Head::Backward,
         kind::FlecheBasHaut,
         {92, 87},
         {100, 75},
         {108, 87},
         {92, 75, 108, 125}},
    };
    for (const Case& c : cases) {
        const CFleche arrow(0, 1, kAround100, 50, 8, 12, c.axis, c.head);
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(arrow.type(), c.kind);
        EXPECT_EQ(arrow.h0(), c.h0);
        EXPECT_EQ(arrow.h1(), c.h1);
        EXPECT_EQ(arrow.h2(), c.h2);
        EXPECT_EQ(arrow.GetBoundRect(), c.enclosing);
        EXPECT_EQ(arrow.isHorizontal(), c.axis == Axis::Horizontal);
        EXPECT_EQ(arrow.isForward(), c.head == Head::Forward);
    }
}

TEST(BoundingBox, ReversedGestureKeepsItsCornersButNotItsEnclosingRectangle) {
    const CRect reversed{220, 150, 100, 50};
    const CRectangle r(0, 1, reversed);
    EXPECT_EQ(r.box(), reversed);
    EXPECT_EQ(r.GetBoundRect(), (CRect{100, 50, 220, 150}));
    EXPECT_EQ(r.center(), (CPoint{160, 100}));
    EXPECT_EQ(r.length(), -120);
    EXPECT_EQ(r.height(), -100);
    EXPECT_EQ(r.type(), kind::RectangleVertical);

    const CEllipse e(0, 2, reversed);
    EXPECT_EQ(e.box(), reversed);
    EXPECT_EQ(e.GetBoundRect(), (CRect{99, 49, 221, 151}));
}

TEST(BoundingBox, ShapesFillTheGesture) {
    const CLigne h(0, 1, kGesture, Axis::Horizontal);
    EXPECT_EQ(h.start(), (CPoint{10, 60}));
    EXPECT_EQ(h.end(), (CPoint{71, 60}));
    EXPECT_EQ(h.length(), 61);
    EXPECT_EQ(h.GetBoundRect(), (CRect{10, 60, 71, 60}));
    const CLigne v(0, 1, kGesture, Axis::Vertical);
    EXPECT_EQ(v.start(), (CPoint{40, 20}));
    EXPECT_EQ(v.end(), (CPoint{40, 101}));
    EXPECT_EQ(v.length(), 81);

    const CRectangle r(0, 1, kGesture);
    EXPECT_EQ(r.box(), kGesture);
    EXPECT_EQ(r.type(), kind::RectangleVertical);
    EXPECT_EQ(CRectangle(0, 1, CRect{0, 0, 90, 30}).type(), kind::RectangleHorizontal);

    const CCarre square(0, 1, kGesture);
    EXPECT_EQ(square.side(), 61);
    EXPECT_EQ(square.box(), (CRect{10, 30, 70, 90}));
    EXPECT_EQ(square.GetBoundRect(), (CRect{10, 30, 70, 90}));

    const CTriangle up(0, 1, kGesture, Apex::Up);
    EXPECT_EQ(up.a(), (CPoint{40, 20}));
    EXPECT_EQ(up.b(), (CPoint{71, 101}));
    EXPECT_EQ(up.c(), (CPoint{10, 101}));
    EXPECT_EQ(up.GetBoundRect(), kGesture);
    const CTriangle down(0, 1, kGesture, Apex::Down);
    EXPECT_EQ(down.a(), (CPoint{10, 20}));
    EXPECT_EQ(down.b(), (CPoint{71, 20}));
    EXPECT_EQ(down.c(), (CPoint{40, 101}));

    const CLosange diamond(0, 1, kGesture);
    EXPECT_EQ(diamond.top(), (CPoint{40, 20}));
    EXPECT_EQ(diamond.right(), (CPoint{71, 60}));
    EXPECT_EQ(diamond.bottom(), (CPoint{40, 101}));
    EXPECT_EQ(diamond.left(), (CPoint{10, 60}));

    const CCercle circle(0, 1, kGesture);
    EXPECT_EQ(circle.radius(), 30);
    EXPECT_EQ(circle.box(), (CRect{10, 30, 70, 90}));
    EXPECT_EQ(circle.GetBoundRect(), (CRect{10, 30, 70, 90}));

    const CEllipse ellipse(0, 1, kGesture);
    EXPECT_EQ(ellipse.horizontalRadius(), 30);
    EXPECT_EQ(ellipse.verticalRadius(), 40);
    EXPECT_EQ(ellipse.type(), kind::EllipseVerticale);

    const CCroix cross(0, 1, kGesture);
    EXPECT_EQ(cross.box(), kGesture);
    EXPECT_EQ(cross.height(), 81);
    EXPECT_EQ(cross.length(), 61);
}

TEST(BoundingBox, ArrowsTakeShaftAndHeadFromTheGesture) {
    const CFleche right(0, 1, CRect{10, 50, 71, 61}, Axis::Horizontal, Head::Forward);
    EXPECT_EQ(right.length(), 61);
    EXPECT_EQ(right.headHalfHeight(), 11);
    EXPECT_EQ(right.headLength(), 16);
    EXPECT_EQ(right.start(), (CPoint{10, 55}));
    EXPECT_EQ(right.end(), (CPoint{70, 55}));
    EXPECT_EQ(right.h0(), (CPoint{54, 44}));
    EXPECT_EQ(right.h1(), (CPoint{70, 55}));
    EXPECT_EQ(right.h2(), (CPoint{54, 66}));
    EXPECT_EQ(right.GetBoundRect(), (CRect{10, 44, 70, 66}));

    const CFleche down(0, 1, CRect{50, 10, 61, 71}, Axis::Vertical, Head::Forward);
    EXPECT_EQ(down.length(), 61);
    EXPECT_EQ(down.headHalfHeight(), 11);
    EXPECT_EQ(down.h0(), (CPoint{44, 54}));
    EXPECT_EQ(down.h1(), (CPoint{55, 70}));
    EXPECT_EQ(down.h2(), (CPoint{66, 54}));
    EXPECT_EQ(down.GetBoundRect(), (CRect{44, 10, 66, 70}));
}

TEST(Texte, BuiltFromItsRectangle) {
    const CTexte t(0xFF0000, "Verdana", 12, CRect{50, 40, 10, 20}, "Début");
    EXPECT_EQ(t.type(), kind::Texte);
    EXPECT_EQ(t.penWidth(), 1);
    EXPECT_EQ(t.origin(), (CPoint{50, 40}));
    EXPECT_EQ(t.GetBoundRect(), (CRect{10, 20, 50, 40}));
    EXPECT_EQ(t.tenthsOfPoint(), 120);
    EXPECT_EQ(t.pointSize(), 12);
    EXPECT_EQ(t.text(), "Début");
    EXPECT_EQ(t.fontName(), "Verdana");
}

TEST(Move, EveryPointFollowsTheOffset) {
    const CPoint by{5, -3};
    CLigne line(0, 2, kAround100, 51, Axis::Horizontal);
    line.Move(by);
    EXPECT_EQ(line.start(), (CPoint{80, 97}));
    EXPECT_EQ(line.end(), (CPoint{130, 97}));
    EXPECT_EQ(line.GetBoundRect(), (CRect{79, 96, 131, 98}));
    EXPECT_EQ(line.center(), (CPoint{105, 97}));

    CFleche arrow(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Forward);
    arrow.Move(by);
    EXPECT_EQ(arrow.start(), (CPoint{105, 72}));
    EXPECT_EQ(arrow.h0(), (CPoint{97, 110}));
    EXPECT_EQ(arrow.h1(), (CPoint{105, 122}));
    EXPECT_EQ(arrow.h2(), (CPoint{113, 110}));

    CTriangle triangle(0, 1, kAround100, 30, 40, Apex::Up);
    triangle.Move(by);
    EXPECT_EQ(triangle.a(), (CPoint{105, 82}));
    EXPECT_EQ(triangle.c(), (CPoint{85, 112}));

    CLosange diamond(0, 1, kAround100, 80, 150);
    diamond.Move(by);
    EXPECT_EQ(diamond.left(), (CPoint{30, 97}));
    EXPECT_EQ(diamond.bottom(), (CPoint{105, 137}));

    CEllipse ellipse(0, 1, kAround100, 100, 50);
    ellipse.Move(by);
    EXPECT_EQ(ellipse.box(), (CRect{5, 47, 205, 147}));
    EXPECT_EQ(ellipse.GetBoundRect(), (CRect{5, 47, 205, 147}));
}

TEST(Move, TextLeavesItsCentre) {
    CTexte t(0, "Arial", 10, CRect{10, 20, 50, 40}, "x");
    const CPoint centre = t.center();
    EXPECT_EQ(centre, (CPoint{30, 30}));
    t.Move({7, 9});
    EXPECT_EQ(t.origin(), (CPoint{17, 29}));
    EXPECT_EQ(t.GetBoundRect(), (CRect{17, 29, 57, 49}));
    EXPECT_EQ(t.center(), centre);
}

TEST(Move, UnknownShiftsItsInk) {
    const auto drawing = drawingOf({{{10, 10, 0.0}, {20, 30, 0.1}}, {{5, 5, 0.2}}});
    CInconnu unknown(0, 1, CRect{5, 5, 20, 30}, *drawing);
    unknown.Move({100, 200});
    ASSERT_NE(unknown.trace(), nullptr);
    EXPECT_EQ(unknown.trace()->stroke(0).point(1), CInkPoint(120, 230));
    EXPECT_EQ(unknown.trace()->stroke(1).point(0), CInkPoint(105, 205));
    EXPECT_DOUBLE_EQ(unknown.trace()->stroke(0).point(1).t, 0.1);
    EXPECT_EQ(unknown.GetBoundRect(), (CRect{105, 205, 120, 230}));
    // The ink it was made from stays where it was.
    EXPECT_EQ(drawing->stroke(0).point(0), CInkPoint(10, 10));
}

TEST(Resize, KeepsTheCentre) {
    CLigne line(0, 1, kGesture, Axis::Horizontal);
    line.Resize(20);
    EXPECT_EQ(line.start(), (CPoint{30, 60}));
    EXPECT_EQ(line.end(), (CPoint{50, 60}));
    EXPECT_EQ(line.type(), kind::LigneHorizontale);

    CTriangle up(0, 1, kGesture, Apex::Up);
    up.Resize(30, 40);
    EXPECT_EQ(up.a(), (CPoint{40, 45}));
    EXPECT_EQ(up.b(), (CPoint{60, 75}));
    EXPECT_EQ(up.c(), (CPoint{20, 75}));
    EXPECT_EQ(up.GetBoundRect(), (CRect{20, 45, 60, 75}));

    CCroix cross(0, 3, kGesture);
    cross.Resize(10, 30);
    EXPECT_EQ(cross.box(), (CRect{25, 55, 55, 65}));
    EXPECT_EQ(cross.GetBoundRect(), (CRect{23, 53, 57, 67}));

    CFleche left(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Backward);
    left.Resize(100, 10, 20);
    EXPECT_EQ(left.h1(), (CPoint{50, 100}));
    EXPECT_EQ(left.h0(), (CPoint{70, 90}));
    EXPECT_EQ(left.type(), kind::FlecheDroiteGauche);
}

TEST(Resize, RectangleKeepsItsKindCode) {
    CRectangle r(0, 1, kAround100, 80, 150);
    r.Resize(150, 80);
    EXPECT_EQ(r.box(), (CRect{60, 25, 140, 175}));
    EXPECT_EQ(r.type(), kind::RectangleHorizontal);
}

TEST(Draw, EachKindDrawsItsFigure) {
    RecordingCanvas dc;
    CLigne(0x0000FF, 2, kAround100, 51, Axis::Horizontal).Draw(dc, nullptr);
    CCarre(0, 1, kAround100, 10).Draw(dc, nullptr);
    CTriangle(0, 1, kAround100, 30, 40, Apex::Down).Draw(dc, nullptr);
    CLosange(0, 1, kAround100, 10, 20).Draw(dc, nullptr);
    CCercle(0, 1, kAround100, 5).Draw(dc, nullptr);
    CCroix(0, 1, kAround100, 10).Draw(dc, nullptr);
    CFleche(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Forward).Draw(dc, nullptr);
    CTexte(0x00FF00, "Arial", 12, CRect{1, 2, 30, 20}, "Oui").Draw(dc, nullptr);
    const std::vector<std::string> expected = {
        "pen 0000FF 2",
        "line (75,100) (125,100)",
        "pen 000000 1",
        "rectangle [95,95,105,105]",
        "pen 000000 1",
        "polygon (80,85) (120,85) (100,115)",
        "pen 000000 1",
        "polygon (100,95) (110,100) (100,105) (90,100)",
        "pen 000000 1",
        "ellipse [95,95,105,105]",
        "pen 000000 1",
        "line (95,95) (105,105)",
        "line (105,95) (95,105)",
        "pen 000000 1",
        "line (75,100) (125,100)",
        "polyline (113,92) (125,100) (113,108)",
        "text (1,2) \"Oui\" Arial 120 00FF00",
    };
    EXPECT_EQ(dc.calls, expected);
}

TEST(Draw, SelectionColourOnlyForTheSelectedComponent) {
    CRectangle mine(0x00FF00, 3, kAround100, 10, 10);
    const CRectangle other(0xFF0000, 1, kAround100, 10, 10);
    CTexte text(0x0000FF, "Arial", 8, CRect{0, 0, 5, 5}, "a");
    RecordingCanvas dc;
    mine.Draw(dc, &mine);
    mine.Draw(dc, &other);
    text.Draw(dc, &text);
    text.Draw(dc, &mine);
    EXPECT_EQ(dc.calls[0], "pen B400FF 3");
    EXPECT_EQ(dc.calls[2], "pen 00FF00 3");
    EXPECT_EQ(dc.calls[4], "text (0,0) \"a\" Arial 80 B400FF");
    EXPECT_EQ(dc.calls[5], "text (0,0) \"a\" Arial 80 0000FF");
    EXPECT_EQ(mine.color(), 0x00FF00u);
}

TEST(Draw, UnknownDrawsEachStrokeOfItsInk) {
    const auto drawing = drawingOf({{{1, 1}, {2, 3}, {4, 4}}, {{9, 9}}, {{7, 0}, {0, 7}}});
    const CInconnu unknown(0xFF0000, 2, CRect{0, 0, 9, 9}, *drawing);
    RecordingCanvas dc;
    unknown.Draw(dc, nullptr);
    const std::vector<std::string> expected = {
        "pen FF0000 2",
        "polyline (1,1) (2,3) (4,4)",
        "polyline (7,0) (0,7)",
    };
    EXPECT_EQ(dc.calls, expected);
    EXPECT_EQ(unknown.type(), kind::Inconnu);
    EXPECT_EQ(unknown.GetBoundRect(), (CRect{-1, -1, 10, 10}));

    RecordingCanvas empty;
    CInconnu().Draw(empty, nullptr);
    EXPECT_TRUE(empty.calls.empty());
}

TEST(Classes, CreatedEmptyByTheirStoredName) {
    for (const char* name : {"CLigne", "CRectangle", "CCarre", "CTriangle", "CLosange", "CCercle",
                             "CEllipse", "CCroix", "CFleche", "CTexte", "CInconnu"}) {
        const ElementFactory make = elementFactory(name);
        ASSERT_NE(make, nullptr) << name;
        const auto element = make();
        EXPECT_EQ(element->className(), name);
        EXPECT_EQ(element->type(), 0);
        EXPECT_EQ(element->GetBoundRect(), CRect{});
    }
    EXPECT_EQ(elementFactory("CElement"), nullptr);
    EXPECT_EQ(elementFactory("cligne"), nullptr);
    EXPECT_EQ(elementFactory(""), nullptr);
}
