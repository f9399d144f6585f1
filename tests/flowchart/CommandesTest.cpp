#include "flowchart/Commandes.h"
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

using Status = CommandResult::Status;

const std::string kTropPetite = "La forme est trop petite : impossible de la réduire.";
const std::string kTailleImpossible = "Impossible de modifier la taille de cette forme !";
const std::string kSurSelection = "Cette commande n'est disponible que sur sélection d'une forme.";
const std::string kMauvaiseCommande = "Erreur : mauvaise commande";

const CRect kAround100{80, 90, 120, 110};

void expectRefused(const CommandResult& r, const std::string& message) {
    EXPECT_EQ(r.status, Status::Refused);
    EXPECT_EQ(r.message, message);
}

void expectDone(const CommandResult& r) {
    EXPECT_EQ(r.status, Status::Done);
    EXPECT_EQ(r.message, "");
}

// A gesture 100 wide and 20 high.
std::unique_ptr<CDessin> wideGesture() {
    return drawingOf({{{0, 0}, {100, 20}}});
}

} // namespace

TEST(CreerComposant, GestureSizeOrFixedSize) {
    COrganigramme org;
    org.setColor(0xFF0000);
    org.setPenWidth(3);
    const CRect gesture{0, 0, 60, 80};

    const auto byGesture = creerComposant(kind::Cercle, gesture, org);
    EXPECT_EQ(dynamic_cast<CCercle&>(*byGesture).radius(), 30);
    EXPECT_EQ(byGesture->color(), 0xFF0000u);
    EXPECT_EQ(byGesture->penWidth(), 3);

    // Taller than wide: a horizontal rectangle gesture makes a vertical one.
    EXPECT_EQ(creerComposant(kind::RectangleHorizontal, CRect{0, 0, 50, 90}, org)->type(),
              kind::RectangleVertical);

    org.setFixedSize(true);
    EXPECT_EQ(dynamic_cast<CCercle&>(*creerComposant(kind::Cercle, gesture, org)).radius(), 40);
    org.sizes().horizontalRectangleHeight = 150;
    org.sizes().horizontalRectangleLength = 80;
    EXPECT_EQ(creerComposant(kind::RectangleHorizontal, gesture, org)->type(),
              kind::RectangleVertical);

    for (int code : {101, 118, 119, 202, 0})
        EXPECT_EQ(creerComposant(code, gesture, org), nullptr) << code;
}

TEST(CreerComposant, EachKindTakesItsOwnParameters) {
    COrganigramme org;
    org.setFixedSize(true);
    SizeParameters& s = org.sizes();
    int next = 11;
    for (int* p : {&s.squareSide,
                   &s.circleRadius,
                   &s.crossSize,
                   &s.horizontalEllipseHorizontalRadius,
                   &s.horizontalEllipseVerticalRadius,
                   &s.verticalEllipseHorizontalRadius,
                   &s.verticalEllipseVerticalRadius,
                   &s.arrowLength,
                   &s.arrowHeadLength,
                   &s.arrowHeadHalfHeight,
                   &s.horizontalLineLength,
                   &s.verticalLineLength,
                   &s.diamondHeight,
                   &s.diamondLength,
                   &s.horizontalRectangleHeight,
                   &s.horizontalRectangleLength,
                   &s.verticalRectangleHeight,
                   &s.verticalRectangleLength,
                   &s.upTriangleHeight,
                   &s.upTriangleLength,
                   &s.vTriangleHeight,
                   &s.vTriangleLength})
        *p = next++;
    const auto make = [&](int code) { return creerComposant(code, kAround100, org); };

    EXPECT_EQ(dynamic_cast<CLigne&>(*make(102)).length(), 21);
    EXPECT_TRUE(dynamic_cast<CLigne&>(*make(102)).isHorizontal());
    EXPECT_EQ(dynamic_cast<CLigne&>(*make(103)).length(), 22);
    EXPECT_FALSE(dynamic_cast<CLigne&>(*make(103)).isHorizontal());
    const auto vRect = make(104);
    EXPECT_EQ(dynamic_cast<CRectangle&>(*vRect).height(), 27);
    EXPECT_EQ(dynamic_cast<CRectangle&>(*vRect).length(), 28);
    const auto hRect = make(105);
    EXPECT_EQ(dynamic_cast<CRectangle&>(*hRect).height(), 25);
    EXPECT_EQ(dynamic_cast<CRectangle&>(*hRect).length(), 26);
    const auto vTri = make(106);
    EXPECT_EQ(vTri->type(), 106);
    EXPECT_EQ(dynamic_cast<CTriangle&>(*vTri).height(), 31);
    EXPECT_EQ(dynamic_cast<CTriangle&>(*vTri).length(), 32);
    const auto upTri = make(107);
    EXPECT_EQ(upTri->type(), 107);
    EXPECT_EQ(dynamic_cast<CTriangle&>(*upTri).height(), 29);
    EXPECT_EQ(dynamic_cast<CTriangle&>(*upTri).length(), 30);
    EXPECT_EQ(dynamic_cast<CCarre&>(*make(108)).side(), 11);
    const auto diamond = make(109);
    EXPECT_EQ(dynamic_cast<CLosange&>(*diamond).height(), 23);
    EXPECT_EQ(dynamic_cast<CLosange&>(*diamond).length(), 24);
    EXPECT_EQ(dynamic_cast<CCercle&>(*make(110)).radius(), 12);
    const auto vEll = make(111);
    EXPECT_EQ(dynamic_cast<CEllipse&>(*vEll).horizontalRadius(), 16);
    EXPECT_EQ(dynamic_cast<CEllipse&>(*vEll).verticalRadius(), 17);
    const auto hEll = make(112);
    EXPECT_EQ(dynamic_cast<CEllipse&>(*hEll).horizontalRadius(), 14);
    EXPECT_EQ(dynamic_cast<CEllipse&>(*hEll).verticalRadius(), 15);
    EXPECT_EQ(dynamic_cast<CCroix&>(*make(113)).height(), 13);
    for (int code = 114; code <= 117; ++code) {
        const auto arrow = make(code);
        const auto& a = dynamic_cast<CFleche&>(*arrow);
        EXPECT_EQ(a.type(), code);
        EXPECT_EQ(a.length(), 18);
        EXPECT_EQ(a.headLength(), 19);
        EXPECT_EQ(a.headHalfHeight(), 20);
    }
}

TEST(Commandes, GestureRectangleSpansTheInk) {
    EXPECT_EQ(gestureRectangle(*drawingOf({{{30, 40}, {10, 70}}, {{50, 20}}})),
              (CRect{10, 20, 50, 70}));
    // A ">" whose tip is within five pixels of the points beside it: the
    // recogniser's thinned hull loses the tip, the rectangle does not.
    const auto chevron = drawingOf({{{0, 40}, {78, 3}, {80, 0}, {78, -3}, {0, -40}}});
    EXPECT_EQ(gestureRectangle(*chevron), (CRect{0, -40, 80, 40}));
}

TEST(Deplacement, OffsetsComeFromTheGesture) {
    // Drawn right to left, 80 wide and 8 high.
    const auto stroke = drawingOf({{{180, 50}, {100, 58}}});
    const struct {
        int code;
        CPoint centre;
    } cases[] = {{203, {90, 10}}, {202, {-70, 10}}, {204, {10, 18}}, {205, {10, 2}}};
    for (const auto& c : cases) {
        CCarre square(0, 1, CRect{0, 0, 20, 20}, 20);
        expectDone(traitementCmdeDeplct(c.code, *stroke, square));
        EXPECT_EQ(square.center(), c.centre) << c.code;
    }

    CCarre square(0, 1, CRect{0, 0, 20, 20}, 20);
    const auto twoStrokes = drawingOf({{{10, 10}, {50, 50}}, {{60, 0}, {35, 95}}});
    expectDone(traitementCmdeDeplct(206, *twoStrokes, square));
    EXPECT_EQ(square.center(), (CPoint{35, 95}));
    EXPECT_EQ(square.box(), (CRect{25, 85, 45, 105}));

    expectRefused(traitementCmdeDeplct(207, *twoStrokes, square),
                  "Erreur : dans traitementCmdeDeplct.\nLa commande entrée n'est pas une "
                  "commande de déplacement.");
    EXPECT_EQ(square.center(), (CPoint{35, 95}));
}

TEST(Couleur, CodesGiveTheirColours) {
    const struct {
        int code;
        Colour colour;
    } cases[] = {{209, 0x000000}, {210, 0x0000FF}, {211, 0x00FF00}, {212, 0xFF0000}};
    for (const auto& c : cases) {
        COrganigramme org;
        org.setColor(0x123456);
        expectDone(traitementCmdeCouleur(c.code, org));
        EXPECT_EQ(org.color(), c.colour);

        CCercle circle(0x123456, 1, kAround100, 10);
        expectDone(traitementCmdeCouleurSel(c.code, circle));
        EXPECT_EQ(circle.color(), c.colour);
    }

    COrganigramme org;
    org.setColor(0x123456);
    CCercle circle(0x123456, 1, kAround100, 10);
    EXPECT_EQ(traitementCmdeCouleur(213, org).status, Status::NeedsDialog);
    EXPECT_EQ(traitementCmdeCouleurSel(213, circle).status, Status::NeedsDialog);
    expectRefused(traitementCmdeCouleur(208, org),
                  "Erreur : dans traitementCmdeCouleur.\nLa commande entrée n'est pas une "
                  "couleur.");
    expectRefused(traitementCmdeCouleurSel(214, circle),
                  "Erreur : dans traitementCmdeCouleurSel.\nLa commande entrée n'est pas une "
                  "couleur.");
    EXPECT_EQ(org.color(), 0x123456u);
    EXPECT_EQ(circle.color(), 0x123456u);
}

TEST(Effacer, SelectionOrEverything) {
    COrganigramme org;
    CElement* a = org.AddElement(std::make_unique<CCercle>(0, 1, kAround100, 10));
    CElement* b = org.AddElement(std::make_unique<CCarre>(0, 1, kAround100, 10));
    org.AddElement(std::make_unique<CCroix>(0, 1, kAround100, 10));

    expectDone(traitementCmdeEffacer(207, a, org));
    ASSERT_EQ(org.elements().size(), 2u);
    EXPECT_EQ(org.elements()[0].get(), b);

    expectRefused(traitementCmdeEffacer(206, b, org),
                  "Erreur : dans traitementCmdeEffacer.\nLa commande entrée n'est pas une "
                  "commande d'effacement.");
    EXPECT_EQ(org.elements().size(), 2u);

    expectDone(traitementCmdeEffacer(208, b, org));
    EXPECT_TRUE(org.elements().empty());
}

TEST(AppliquerCommande, WithoutSelection) {
    RecordingCanvas dc;
    const auto gesture = wideGesture();
    for (int code : {202, 203, 204, 205, 206, 207, 214, 215, 216, 217}) {
        COrganigramme org;
        org.AddElement(std::make_unique<CCercle>(0, 1, kAround100, 10));
        org.setModified(false);
        expectRefused(appliquerCommande(code, nullptr, *gesture, dc, org), kSurSelection);
        // A refusal for want of a selection still counts as a change.
        EXPECT_TRUE(org.isModified()) << code;
        EXPECT_EQ(org.elements().size(), 1u);
    }

    COrganigramme org;
    CElement* existing = org.AddElement(std::make_unique<CCercle>(0x00FF00, 1, kAround100, 10));
    org.setModified(false);
    expectDone(appliquerCommande(210, nullptr, *gesture, dc, org));
    EXPECT_EQ(org.color(), kRouge);
    EXPECT_EQ(existing->color(), kVert);
    EXPECT_TRUE(org.isModified());
    EXPECT_EQ(appliquerCommande(213, nullptr, *gesture, dc, org).status, Status::NeedsDialog);

    for (int code : {101, 105, 118, 201, 218}) {
        org.setModified(false);
        expectRefused(appliquerCommande(code, nullptr, *gesture, dc, org), kMauvaiseCommande);
        EXPECT_FALSE(org.isModified()) << code;
    }

    expectDone(appliquerCommande(208, nullptr, *gesture, dc, org));
    EXPECT_TRUE(org.elements().empty());
    EXPECT_TRUE(dc.calls.empty());
}

TEST(AppliquerCommande, WithSelection) {
    RecordingCanvas dc;
    const auto gesture = wideGesture();
    COrganigramme org;
    org.setColor(kBleu);
    auto* circle =
        static_cast<CCercle*>(org.AddElement(std::make_unique<CCercle>(0, 1, kAround100, 40)));
    CElement* other = org.AddElement(std::make_unique<CCroix>(0, 1, kAround100, 40));

    expectDone(appliquerCommande(211, circle, *gesture, dc, org));
    EXPECT_EQ(circle->color(), kVert);
    EXPECT_EQ(org.color(), kBleu);

    expectDone(appliquerCommande(214, circle, *gesture, dc, org));
    EXPECT_EQ(circle->radius(), 35);
    org.setStep(4);
    expectDone(appliquerCommande(215, circle, *gesture, dc, org));
    EXPECT_EQ(circle->radius(), 37);
    org.setMinSize(40);
    org.setModified(false);
    expectRefused(appliquerCommande(215, circle, *gesture, dc, org), kTropPetite);
    EXPECT_TRUE(org.isModified());

    expectDone(appliquerCommande(216, circle, *gesture, dc, org));
    EXPECT_EQ(circle->radius(), 10);
    EXPECT_EQ(appliquerCommande(217, circle, *gesture, dc, org).status, Status::NeedsDialog);
    EXPECT_EQ(appliquerCommande(213, circle, *gesture, dc, org).status, Status::NeedsDialog);

    expectDone(appliquerCommande(203, circle, *gesture, dc, org));
    EXPECT_EQ(circle->center(), (CPoint{200, 100}));

    org.setModified(false);
    expectRefused(appliquerCommande(110, circle, *gesture, dc, org), kMauvaiseCommande);
    EXPECT_FALSE(org.isModified());

    expectDone(appliquerCommande(207, circle, *gesture, dc, org));
    ASSERT_EQ(org.elements().size(), 1u);
    EXPECT_EQ(org.elements()[0].get(), other);
    expectDone(appliquerCommande(208, other, *gesture, dc, org));
    EXPECT_TRUE(org.elements().empty());
}

TEST(ModifTaille, DimensionsMustStayAboveTheMinimum) {
    RecordingCanvas dc;
    CCercle circle(0, 1, kAround100, 40);
    expectDone(modifTaille(dc, circle, 5, -10));
    EXPECT_EQ(circle.radius(), 35);
    EXPECT_EQ(circle.center(), (CPoint{100, 100}));
    // An odd step is made even first: -5 moves the radius by -2, +5 by +3.
    expectDone(modifTaille(dc, circle, 5, -5));
    EXPECT_EQ(circle.radius(), 33);
    expectDone(modifTaille(dc, circle, 5, 5));
    EXPECT_EQ(circle.radius(), 36);
    CCercle small(0, 1, kAround100, 10);
    expectRefused(modifTaille(dc, small, 5, -10), kTropPetite);
    EXPECT_EQ(small.radius(), 10);

    CLigne line(0, 1, kAround100, 12, Axis::Horizontal);
    expectRefused(modifTaille(dc, line, 5, -10), kTropPetite);
    EXPECT_EQ(line.length(), 12);
    CLigne fifteen(0, 1, kAround100, 15, Axis::Vertical);
    expectRefused(modifTaille(dc, fifteen, 5, -10), kTropPetite);
    CLigne sixteen(0, 1, kAround100, 16, Axis::Vertical);
    expectDone(modifTaille(dc, sixteen, 5, -10));
    EXPECT_EQ(sixteen.length(), 6);
    EXPECT_EQ(sixteen.start(), (CPoint{100, 97}));
    // Enlarging is refused too while the result is not above the minimum.
    CLigne tiny(0, 1, kAround100, 1, Axis::Horizontal);
    expectRefused(modifTaille(dc, tiny, 5, 3), kTropPetite);

    CRectangle flat(0, 1, kAround100, 80, 14);
    expectRefused(modifTaille(dc, flat, 5, -10), kTropPetite);
    EXPECT_EQ(flat.height(), 80);
    EXPECT_EQ(flat.length(), 14);
    expectDone(modifTaille(dc, flat, 5, 10));
    EXPECT_EQ(flat.height(), 90);
    EXPECT_EQ(flat.length(), 24);
    EXPECT_EQ(flat.box(), (CRect{88, 55, 112, 145}));

    CEllipse ellipse(0, 1, kAround100, 100, 50);
    expectDone(modifTaille(dc, ellipse, 5, -10));
    EXPECT_EQ(ellipse.horizontalRadius(), 95);
    EXPECT_EQ(ellipse.verticalRadius(), 45);
    CEllipse thin(0, 1, kAround100, 100, 9);
    expectRefused(modifTaille(dc, thin, 5, -10), kTropPetite);
    EXPECT_EQ(thin.horizontalRadius(), 100);

    CFleche arrow(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Forward);
    expectDone(modifTaille(dc, arrow, 5, -10));
    EXPECT_EQ(arrow.length(), 40);
    EXPECT_EQ(arrow.headHalfHeight(), 8);
    EXPECT_EQ(arrow.headLength(), 12);
    EXPECT_EQ(arrow.h0(), (CPoint{108, 92}));

    CCarre square(0, 1, kAround100, 100);
    expectDone(modifTaille(dc, square, 5, -10));
    EXPECT_EQ(square.side(), 90);
    CTriangle triangle(0, 1, kAround100, 30, 40, Apex::Up);
    expectDone(modifTaille(dc, triangle, 5, 10));
    EXPECT_EQ(triangle.a(), (CPoint{100, 80}));
    CLosange diamond(0, 1, kAround100, 16, 150);
    expectRefused(modifTaille(dc, diamond, 5, -11), kTropPetite);
    CCroix cross(0, 1, kAround100, 40);
    expectDone(modifTaille(dc, cross, 5, 10));
    EXPECT_EQ(cross.box(), (CRect{75, 75, 125, 125}));
}

TEST(ModifTaille, TextChangesByOnePoint) {
    RecordingCanvas dc;
    CTexte text(0, "Arial", 12, CRect{10, 20, 40, 40}, "Fin");
    expectDone(modifTaille(dc, text, 5, 10));
    EXPECT_EQ(text.pointSize(), 13);
    EXPECT_EQ(text.tenthsOfPoint(), 130);
    // 24 x 16 pixels in the default font, scaled by 14 / 10.
    EXPECT_EQ(text.GetBoundRect(), (CRect{10, 20, 43, 42}));
    EXPECT_EQ(text.origin(), (CPoint{10, 20}));
    EXPECT_EQ(text.text(), "Fin");
    EXPECT_EQ(text.fontName(), "Arial");

    CTexte six(0, "Arial", 6, CRect{10, 20, 40, 40}, "Fin");
    expectDone(modifTaille(dc, six, 5, -10));
    EXPECT_EQ(six.pointSize(), 5);
    EXPECT_EQ(six.GetBoundRect(), (CRect{10, 20, 24, 29}));
    expectRefused(modifTaille(dc, six, 5, -10), kTropPetite);
    EXPECT_EQ(six.pointSize(), 5);
}

TEST(ModifTaille, UnknownComponentsAreRefused) {
    RecordingCanvas dc;
    CInconnu unknown(0, 1, kAround100, *drawingOf({{{80, 90}, {120, 110}}}));
    expectRefused(modifTaille(dc, unknown, 5, 10), kTailleImpossible);
    expectRefused(modifTailleRect(*wideGesture(), unknown), kTailleImpossible);

    CInconnu loaded;
    expectRefused(modifTaille(dc, loaded, 5, 10), "Erreur dans modifTaille();");
    expectRefused(modifTailleRect(*wideGesture(), loaded), "Erreur dans modifTailleRect();");
}

TEST(ModifTailleRect, TakesTheGesturesSize) {
    const auto gesture = wideGesture();

    CLigne horizontal(0, 1, kAround100, 50, Axis::Horizontal);
    expectDone(modifTailleRect(*gesture, horizontal));
    EXPECT_EQ(horizontal.length(), 20);
    EXPECT_EQ(horizontal.center(), (CPoint{100, 100}));
    CLigne vertical(0, 1, kAround100, 50, Axis::Vertical);
    expectDone(modifTailleRect(*gesture, vertical));
    EXPECT_EQ(vertical.length(), 100);

    CRectangle rect(0, 1, kAround100, 80, 150);
    expectDone(modifTailleRect(*gesture, rect));
    EXPECT_EQ(rect.box(), (CRect{50, 90, 150, 110}));
    CTriangle triangle(0, 1, kAround100, 30, 40, Apex::Down);
    expectDone(modifTailleRect(*gesture, triangle));
    EXPECT_EQ(triangle.height(), 20);
    EXPECT_EQ(triangle.length(), 100);
    CLosange diamond(0, 1, kAround100, 80, 150);
    expectDone(modifTailleRect(*gesture, diamond));
    EXPECT_EQ(diamond.right(), (CPoint{150, 100}));
    EXPECT_EQ(diamond.top(), (CPoint{100, 90}));
    CCroix cross(0, 1, kAround100, 40);
    expectDone(modifTailleRect(*gesture, cross));
    EXPECT_EQ(cross.box(), (CRect{50, 90, 150, 110}));

    CCarre square(0, 1, kAround100, 100);
    expectDone(modifTailleRect(*gesture, square));
    EXPECT_EQ(square.side(), 20);
    CCercle circle(0, 1, kAround100, 40);
    expectDone(modifTailleRect(*gesture, circle));
    EXPECT_EQ(circle.radius(), 10);
    CEllipse ellipse(0, 1, kAround100, 10, 10);
    expectDone(modifTailleRect(*gesture, ellipse));
    EXPECT_EQ(ellipse.horizontalRadius(), 50);
    EXPECT_EQ(ellipse.verticalRadius(), 10);

    CFleche across(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Backward);
    expectDone(modifTailleRect(*gesture, across));
    EXPECT_EQ(across.length(), 20);
    EXPECT_EQ(across.headHalfHeight(), 100);
    EXPECT_EQ(across.headLength(), 100);
    CFleche down(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Forward);
    expectDone(modifTailleRect(*gesture, down));
    EXPECT_EQ(down.length(), 100);
    EXPECT_EQ(down.headHalfHeight(), 20);
    EXPECT_EQ(down.headLength(), 20);

    CTexte text(0, "Arial", 12, CRect{0, 0, 10, 10}, "x");
    EXPECT_EQ(modifTailleRect(*gesture, text).status, Status::NeedsDialog);
    EXPECT_EQ(text.pointSize(), 12);
}

TEST(Texte, RectangleMeasuredFromTheTextExtent) {
    RecordingCanvas dc;
    EXPECT_EQ(textRectangle(dc, {5, 5}, "abc", 12), (CRect{5, 5, 36, 25}));

    CTexte text(0, "Verdana", 12, CRect{30, 40, 60, 50}, "x");
    appliquerTexte(dc, text, "Nouveau", "Arial", 20);
    EXPECT_EQ(text.text(), "Nouveau");
    EXPECT_EQ(text.fontName(), "Arial");
    EXPECT_EQ(text.pointSize(), 20);
    EXPECT_EQ(text.GetBoundRect(), (CRect{30, 40, 147, 73}));
    EXPECT_EQ(text.center(), (CPoint{45, 45}));
}

// "Taille : Autre" asks for each kind's own dimensions, under the component's
// name, and applies what was entered with no minimum.
TEST(TailleAutre, AsksForEachKindsDimensionsAndAppliesThem) {
    CCercle circle(0, 1, kAround100, 40);
    TailleAutre asked = tailleAutre(circle);
    EXPECT_EQ(asked.dialog, TailleAutre::Dialog::Size);
    EXPECT_EQ(asked.title, "Cercle");
    ASSERT_EQ(asked.dimensions.size(), 1u);
    EXPECT_EQ(asked.dimensions[0].label, "rayon : ");
    EXPECT_EQ(asked.dimensions[0].value, 40);
    const int radius[] = {3};
    expectDone(appliquerTailleAutre(circle, radius));
    EXPECT_EQ(circle.radius(), 3);
    EXPECT_EQ(circle.center(), (CPoint{100, 100}));

    CEllipse ellipse(0, 1, kAround100, 100, 50);
    asked = tailleAutre(ellipse);
    EXPECT_EQ(asked.title, "Ellipse horizontale");
    ASSERT_EQ(asked.dimensions.size(), 2u);
    EXPECT_EQ(asked.dimensions[0].label, "rayon hauteur : ");
    EXPECT_EQ(asked.dimensions[0].value, 50);
    EXPECT_EQ(asked.dimensions[1].label, "rayon longueur : ");
    EXPECT_EQ(asked.dimensions[1].value, 100);
    const int radii[] = {70, 20};
    expectDone(appliquerTailleAutre(ellipse, radii));
    EXPECT_EQ(ellipse.verticalRadius(), 70);
    EXPECT_EQ(ellipse.horizontalRadius(), 20);

    CRectangle rect(0, 1, kAround100, 80, 150);
    asked = tailleAutre(rect);
    EXPECT_EQ(asked.title, "Rectangle horizontal");
    EXPECT_EQ(asked.dimensions[0].label, "hauteur : ");
    EXPECT_EQ(asked.dimensions[1].label, "longueur : ");
    const int zero[] = {0, 0};
    expectDone(appliquerTailleAutre(rect, zero));
    EXPECT_EQ(rect.box(), (CRect{100, 100, 100, 100}));

    CCarre square(0, 1, kAround100, 100);
    asked = tailleAutre(square);
    ASSERT_EQ(asked.dimensions.size(), 1u);
    EXPECT_EQ(asked.dimensions[0].label, "longueur : ");
    EXPECT_EQ(asked.dimensions[0].value, 100);
    CLigne line(0, 1, kAround100, 50, Axis::Vertical);
    EXPECT_EQ(tailleAutre(line).title, "Ligne verticale");
    const int length[] = {31};
    expectDone(appliquerTailleAutre(line, length));
    EXPECT_EQ(line.start(), (CPoint{100, 85}));
    CTriangle triangle(0, 1, kAround100, 30, 40, Apex::Down);
    const int triangleSize[] = {10, 60};
    expectDone(appliquerTailleAutre(triangle, triangleSize));
    EXPECT_EQ(triangle.c(), (CPoint{100, 105}));
    CLosange diamond(0, 1, kAround100, 80, 150);
    EXPECT_EQ(tailleAutre(diamond).dimensions[1].value, 150);
    CCroix cross(0, 1, kAround100, 40);
    const int crossSize[] = {10, 30};
    expectDone(appliquerTailleAutre(cross, crossSize));
    EXPECT_EQ(cross.box(), (CRect{85, 95, 115, 105}));
}

TEST(TailleAutre, ArrowsTextsAndUnknownGestures) {
    CFleche arrow(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Backward);
    TailleAutre asked = tailleAutre(arrow);
    EXPECT_EQ(asked.dialog, TailleAutre::Dialog::Arrow);
    EXPECT_EQ(asked.title, "Flèche");
    ASSERT_EQ(asked.dimensions.size(), 3u);
    EXPECT_EQ(asked.dimensions[0].label, "longueur : ");
    EXPECT_EQ(asked.dimensions[0].value, 50);
    EXPECT_EQ(asked.dimensions[1].label, "hauteur pointe : ");
    EXPECT_EQ(asked.dimensions[1].value, 8);
    EXPECT_EQ(asked.dimensions[2].label, "longueur pointe : ");
    EXPECT_EQ(asked.dimensions[2].value, 12);
    const int arrowSize[] = {100, 20, 30};
    expectDone(appliquerTailleAutre(arrow, arrowSize));
    EXPECT_EQ(arrow.h1(), (CPoint{100, 50}));
    EXPECT_EQ(arrow.h0(), (CPoint{80, 80}));
    const int tooFew[] = {100};
    expectRefused(appliquerTailleAutre(arrow, tooFew), "Erreur dans OnTailleModif();");
    EXPECT_EQ(arrow.length(), 100);

    CTexte text(0, "Arial", 12, CRect{0, 0, 10, 10}, "x");
    EXPECT_EQ(tailleAutre(text).dialog, TailleAutre::Dialog::Text);
    expectRefused(appliquerTailleAutre(text, {}), "Erreur dans OnTailleModif();");

    CInconnu unknown(0, 1, kAround100, *drawingOf({{{80, 90}, {120, 110}}}));
    asked = tailleAutre(unknown);
    EXPECT_EQ(asked.dialog, TailleAutre::Dialog::None);
    EXPECT_EQ(asked.refusal, kTailleImpossible);
    CInconnu loaded;
    EXPECT_EQ(tailleAutre(loaded).refusal, "Erreur dans OnTailleModif();");
}
