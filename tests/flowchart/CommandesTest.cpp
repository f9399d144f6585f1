#include "flowchart/Commandes.h"
#include "flowchart/RecordingCanvas.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Status = CommandResult::Status;

const std::string kTropPetite = "La forme est trop petite : impossible de la réduire.";
const std::string kTailleImpossible = "Impossible de modifier la taille de cette forme !";
const std::string kSurSelection = "Cette commande n'est disponible que sur sélection d'une forme.";
const std::string kMauvaiseCommande = "Erreur : mauvaise commande";

const CRect kAround100{80, 90, 120, 110};

// A gesture 100 wide and 20 high.
const std::unique_ptr<CDessin> kWide = drawingOf({{{0, 0}, {100, 20}}});

// What a command did to `e`: its description when done, its message when
// refused (the component unchanged), "dialog" when the user must answer.
std::string outcome(CElement& e, const std::function<CommandResult(CElement&)>& command) {
    const std::string before = describe(e);
    const CommandResult r = command(e);
    if (r.status == Status::NeedsDialog)
        return describe(e) == before ? "dialog" : "dialog after a change";
    if (r.status == Status::Refused)
        return describe(e) == before ? r.message : "changed, then refused: " + r.message;
    return r.message.empty() ? describe(e) : "done with " + r.message;
}

struct CommandCase {
    std::unique_ptr<CElement> element;
    std::function<CommandResult(CElement&)> command;
    std::string expected;
};

void expectOutcomes(const std::vector<CommandCase>& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(outcome(*cases[i].element, cases[i].command), cases[i].expected) << "case " << i;
}

template <class E, class... Args> std::unique_ptr<CElement> make(Args&&... args) {
    return std::make_unique<E>(std::forward<Args>(args)...);
}

std::function<CommandResult(CElement&)> by(int delta) {
    return [delta](CElement& e) {
        RecordingCanvas dc;
        return modifTaille(dc, e, 5, delta);
    };
}

CommandResult toTheGesture(CElement& e) {
    return modifTailleRect(*kWide, e);
}

std::vector<int> dimensionsOf(const CElement& e) {
    std::vector<int> values;
    for (const Dimension& d : tailleAutre(e).dimensions)
        values.push_back(d.value);
    return values;
}

} // namespace

// In bounding-box mode a component fills the gesture's rectangle; in fixed-size
// mode each kind takes its own parameters round the gesture's centre. Either
// way it takes the flowchart's colour and pen.
TEST(CreerComposant, GestureSizeOrEachKindsOwnParameters) {
    COrganigramme org;
    org.setColor(0xFF0000);
    org.setPenWidth(3);
    const CRect gesture{100, 100, 161, 181};
    for (int code = kind::LigneHorizontale; code <= kind::FlecheBasHaut; ++code) {
        const auto made = creerComposant(code, gesture, org);
        ASSERT_NE(made, nullptr) << code;
        // Taller than wide: horizontal rectangles and ellipses come out vertical.
        const int kindMade = code == kind::RectangleHorizontal  ? kind::RectangleVertical
                             : code == kind::EllipseHorizontale ? kind::EllipseVerticale
                                                                : code;
        EXPECT_EQ(made->type(), kindMade);
        EXPECT_EQ(made->center(), (CPoint{130, 140})) << code;
        EXPECT_EQ(made->color(), 0xFF0000u);
        EXPECT_EQ(made->penWidth(), 3);
    }
    EXPECT_EQ(dynamic_cast<CCercle&>(*creerComposant(kind::Cercle, gesture, org)).radius(), 30);
    for (int code : {101, 118, 119, 202, 0})
        EXPECT_EQ(creerComposant(code, gesture, org), nullptr) << code;

    org.setFixedSize(true);
    const std::vector<std::vector<int>> defaults = {
        {50}, {50},      {150, 80}, {80, 150}, {30, 40},    {30, 40},    {100},       {80, 150},
        {40}, {100, 50}, {50, 100}, {40, 40},  {50, 8, 12}, {50, 8, 12}, {50, 8, 12}, {50, 8, 12}};
    org.sizes() = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                   22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    const std::vector<std::vector<int>> numbered = {
        {21}, {22},     {27, 28}, {25, 26}, {31, 32},     {29, 30},     {11},         {23, 24},
        {12}, {17, 16}, {15, 14}, {13, 13}, {18, 20, 19}, {18, 20, 19}, {18, 20, 19}, {18, 20, 19}};
    for (int code = kind::LigneHorizontale; code <= kind::FlecheBasHaut; ++code) {
        const auto made = creerComposant(code, gesture, org);
        EXPECT_EQ(made->center(), (CPoint{130, 140})) << code;
        EXPECT_EQ(dimensionsOf(*made), numbered[code - kind::LigneHorizontale]) << code;
    }
    COrganigramme fixedDefaults;
    fixedDefaults.setFixedSize(true);
    for (int code = kind::LigneHorizontale; code <= kind::FlecheBasHaut; ++code) {
        const auto made = creerComposant(code, gesture, fixedDefaults);
        EXPECT_EQ(made->type(), code);
        EXPECT_EQ(dimensionsOf(*made), defaults[code - kind::LigneHorizontale]) << code;
    }
    // The kind follows the sizes: tall sizes for a horizontal rectangle make a vertical one.
    fixedDefaults.sizes().horizontalRectangleHeight = 150;
    fixedDefaults.sizes().horizontalRectangleLength = 80;
    EXPECT_EQ(creerComposant(kind::RectangleHorizontal, gesture, fixedDefaults)->type(),
              kind::RectangleVertical);
}

TEST(Commandes, GestureRectangleSpansTheInk) {
    EXPECT_EQ(gestureRectangle(*drawingOf({{{30, 40}, {10, 70}}, {{50, 20}}})),
              (CRect{10, 20, 50, 70}));
    // A ">" whose tip is within five pixels of the points beside it: the
    // recogniser's thinned hull loses the tip, the rectangle does not.
    const auto chevron = drawingOf({{{0, 40}, {78, 3}, {80, 0}, {78, -3}, {0, -40}}});
    EXPECT_EQ(gestureRectangle(*chevron), (CRect{0, -40, 80, 40}));
}

// Moves go by the gesture's width or height whichever way it was drawn, or
// from its first point to its last; colours and erasing.
TEST(Commandes, MovesColoursAndErasing) {
    // Drawn right to left, 80 wide and 8 high.
    const auto stroke = drawingOf({{{180, 50}, {100, 58}}});
    const auto twoStrokes = drawingOf({{{10, 10}, {50, 50}}, {{60, 0}, {35, 95}}});
    const auto move = [&](int code, const CDessin& gesture) {
        CCarre square(0, 1, CRect{0, 0, 20, 20}, 20);
        return outcome(square, [&](CElement& e) { return traitementCmdeDeplct(code, gesture, e); });
    };
    EXPECT_EQ(move(202, *stroke), "108 rectangle [-80,0,-60,20] in [-80,0,-60,20] at (-70,10) 20");
    EXPECT_EQ(move(203, *stroke), "108 rectangle [80,0,100,20] in [80,0,100,20] at (90,10) 20");
    EXPECT_EQ(move(204, *stroke), "108 rectangle [0,8,20,28] in [0,8,20,28] at (10,18) 20");
    EXPECT_EQ(move(205, *stroke), "108 rectangle [0,-8,20,12] in [0,-8,20,12] at (10,2) 20");
    EXPECT_EQ(move(206, *twoStrokes),
              "108 rectangle [25,85,45,105] in [25,85,45,105] at (35,95) 20");
    EXPECT_EQ(move(207, *twoStrokes), "Erreur : dans traitementCmdeDeplct.\nLa commande entrée "
                                      "n'est pas une commande de déplacement.");

    const std::pair<int, Colour> colours[] = {
        {209, 0x000000}, {210, 0x0000FF}, {211, 0x00FF00}, {212, 0xFF0000}};
    for (const auto& [code, colour] : colours) {
        COrganigramme org;
        CCercle circle(0x123456, 1, kAround100, 10);
        EXPECT_EQ(traitementCmdeCouleur(code, org).status, Status::Done);
        EXPECT_EQ(traitementCmdeCouleurSel(code, circle).status, Status::Done);
        EXPECT_EQ(org.color(), colour);
        EXPECT_EQ(circle.color(), colour);
    }
    COrganigramme org;
    org.setColor(0x123456);
    CCercle circle(0x123456, 1, kAround100, 10);
    EXPECT_EQ(traitementCmdeCouleur(213, org).status, Status::NeedsDialog);
    EXPECT_EQ(traitementCmdeCouleurSel(213, circle).status, Status::NeedsDialog);
    EXPECT_EQ(traitementCmdeCouleur(208, org).message,
              "Erreur : dans traitementCmdeCouleur.\nLa commande entrée n'est pas une couleur.");
    EXPECT_EQ(traitementCmdeCouleurSel(214, circle).message,
              "Erreur : dans traitementCmdeCouleurSel.\nLa commande entrée n'est pas une couleur.");
    EXPECT_EQ(org.color(), 0x123456u);
    EXPECT_EQ(circle.color(), 0x123456u);

    CElement* a = org.AddElement(make<CCercle>(0, 1, kAround100, 10));
    CElement* b = org.AddElement(make<CCarre>(0, 1, kAround100, 10));
    org.AddElement(make<CCroix>(0, 1, kAround100, 10));
    EXPECT_EQ(traitementCmdeEffacer(207, a, org).status, Status::Done);
    ASSERT_EQ(org.elements().size(), 2u);
    EXPECT_EQ(org.elements()[0].get(), b);
    EXPECT_EQ(traitementCmdeEffacer(206, b, org).message,
              "Erreur : dans traitementCmdeEffacer.\nLa commande entrée n'est pas une commande "
              "d'effacement.");
    EXPECT_EQ(org.elements().size(), 2u);
    EXPECT_EQ(traitementCmdeEffacer(208, b, org).status, Status::Done);
    EXPECT_TRUE(org.elements().empty());
}

// Without a selection only colours and "Effacer : Tout" apply; a refusal for
// want of a selection still marks the flowchart changed, a code that is no
// command does not.
TEST(AppliquerCommande, WithoutSelection) {
    RecordingCanvas dc;
    for (int code : {202, 203, 204, 205, 206, 207, 214, 215, 216, 217}) {
        COrganigramme org;
        org.AddElement(make<CCercle>(0, 1, kAround100, 10));
        org.setModified(false);
        const CommandResult r = appliquerCommande(code, nullptr, *kWide, dc, org);
        EXPECT_EQ(r.status, Status::Refused);
        EXPECT_EQ(r.message, kSurSelection);
        EXPECT_TRUE(org.isModified()) << code;
        EXPECT_EQ(org.elements().size(), 1u);
    }

    COrganigramme org;
    CElement* existing = org.AddElement(make<CCercle>(0x00FF00, 1, kAround100, 10));
    org.setModified(false);
    EXPECT_EQ(appliquerCommande(210, nullptr, *kWide, dc, org).status, Status::Done);
    EXPECT_EQ(org.color(), kRouge);
    EXPECT_EQ(existing->color(), kVert);
    EXPECT_TRUE(org.isModified());
    EXPECT_EQ(appliquerCommande(213, nullptr, *kWide, dc, org).status, Status::NeedsDialog);
    for (int code : {101, 105, 118, 201, 218}) {
        org.setModified(false);
        EXPECT_EQ(appliquerCommande(code, nullptr, *kWide, dc, org).message, kMauvaiseCommande);
        EXPECT_FALSE(org.isModified()) << code;
    }
    EXPECT_EQ(appliquerCommande(208, nullptr, *kWide, dc, org).status, Status::Done);
    EXPECT_TRUE(org.elements().empty());
    EXPECT_TRUE(dc.calls.empty());
}

TEST(AppliquerCommande, WithSelection) {
    RecordingCanvas dc;
    COrganigramme org;
    org.setColor(kBleu);
    auto* circle = static_cast<CCercle*>(org.AddElement(make<CCercle>(0, 1, kAround100, 40)));
    CElement* other = org.AddElement(make<CCroix>(0, 1, kAround100, 40));
    const auto apply = [&](int code, CElement* selection) {
        const CommandResult r = appliquerCommande(code, selection, *kWide, dc, org);
        return r.status == Status::NeedsDialog ? "dialog" : r.message;
    };
    EXPECT_EQ(apply(211, circle), "");
    EXPECT_EQ(circle->color(), kVert);
    EXPECT_EQ(org.color(), kBleu);
    EXPECT_EQ(apply(214, circle), "");
    EXPECT_EQ(circle->radius(), 35);
    org.setStep(4);
    EXPECT_EQ(apply(215, circle), "");
    EXPECT_EQ(circle->radius(), 37);
    org.setMinSize(40);
    org.setModified(false);
    EXPECT_EQ(apply(215, circle), kTropPetite);
    EXPECT_TRUE(org.isModified());
    EXPECT_EQ(apply(216, circle), "");
    EXPECT_EQ(circle->radius(), 10);
    EXPECT_EQ(apply(217, circle), "dialog");
    EXPECT_EQ(apply(213, circle), "dialog");
    EXPECT_EQ(apply(203, circle), "");
    EXPECT_EQ(circle->center(), (CPoint{200, 100}));
    org.setModified(false);
    EXPECT_EQ(apply(110, circle), kMauvaiseCommande);
    EXPECT_FALSE(org.isModified());
    EXPECT_EQ(apply(207, circle), "");
    ASSERT_EQ(org.elements().size(), 1u);
    EXPECT_EQ(org.elements()[0].get(), other);
    EXPECT_EQ(apply(208, other), "");
    EXPECT_TRUE(org.elements().empty());
}

// Every dimension changes by the step and must stay above the minimum; radii
// change by half the step made even; a text by one point.
TEST(ModifTaille, DimensionsStayAboveTheMinimum) {
    std::vector<CommandCase> cases;
    cases.push_back({make<CCercle>(0, 1, kAround100, 40), by(-10),
                     "110 ellipse [65,65,135,135] in [65,65,135,135] at (100,100) 35"});
    cases.push_back({make<CCercle>(0, 1, kAround100, 35), by(-5),
                     "110 ellipse [67,67,133,133] in [67,67,133,133] at (100,100) 33"});
    cases.push_back({make<CCercle>(0, 1, kAround100, 33), by(5),
                     "110 ellipse [64,64,136,136] in [64,64,136,136] at (100,100) 36"});
    cases.push_back({make<CCercle>(0, 1, kAround100, 10), by(-10), kTropPetite});
    cases.push_back({make<CLigne>(0, 1, kAround100, 12, Axis::Horizontal), by(-10), kTropPetite});
    cases.push_back({make<CLigne>(0, 1, kAround100, 15, Axis::Vertical), by(-10), kTropPetite});
    cases.push_back({make<CLigne>(0, 1, kAround100, 16, Axis::Vertical), by(-10),
                     "103 line (100,97) (100,103) in [100,97,100,103] at (100,100) 6"});
    cases.push_back({make<CLigne>(0, 1, kAround100, 1, Axis::Horizontal), by(3), kTropPetite});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 14), by(-10), kTropPetite});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 14), by(10),
                     "104 rectangle [88,55,112,145] in [88,55,112,145] at (100,100) 90 24"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 100, 50), by(-10),
                     "112 ellipse [5,55,195,145] in [5,55,195,145] at (100,100) 45 95"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 100, 9), by(-10), kTropPetite});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Forward),
                     by(-10),
                     "114 line (80,100) (120,100) polyline (108,92) (120,100) (108,108) in "
                     "[80,92,120,108] at (100,100) 40 8 12"});
    cases.push_back({make<CCarre>(0, 1, kAround100, 100), by(-10),
                     "108 rectangle [55,55,145,145] in [55,55,145,145] at (100,100) 90"});
    cases.push_back(
        {make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Up), by(10),
         "107 polygon (100,80) (125,120) (75,120) in [75,80,125,120] at (100,100) 40 50"});
    cases.push_back({make<CLosange>(0, 1, kAround100, 16, 150), by(-11), kTropPetite});
    cases.push_back({make<CCroix>(0, 1, kAround100, 40), by(10),
                     "113 line (75,75) (125,125) line (125,75) (75,125) in [75,75,125,125] at "
                     "(100,100) 50 50"});
    // 24 x 16 pixels on the recording canvas, scaled by (size + 1) / 10.
    cases.push_back({make<CTexte>(0, "Arial", 12, CRect{10, 20, 40, 40}, "Fin"), by(10),
                     "118 text (10,20) \"Fin\" Arial 130 000000 in [10,20,43,42] at (25,30)"});
    cases.push_back({make<CTexte>(0, "Arial", 6, CRect{10, 20, 40, 40}, "Fin"), by(-10),
                     "118 text (10,20) \"Fin\" Arial 50 000000 in [10,20,24,29] at (25,30)"});
    cases.push_back(
        {make<CTexte>(0, "Arial", 5, CRect{10, 20, 40, 40}, "Fin"), by(-10), kTropPetite});
    cases.push_back({make<CInconnu>(0, 1, kAround100, *kWide), by(10), kTailleImpossible});
    cases.push_back({make<CInconnu>(), by(10), "Erreur dans modifTaille();"});
    expectOutcomes(cases);
}

// "Taille : Identique à celle du geste": the gesture is 100 wide and 20 high.
TEST(ModifTailleRect, TakesTheGesturesSize) {
    std::vector<CommandCase> cases;
    cases.push_back({make<CLigne>(0, 1, kAround100, 50, Axis::Horizontal), toTheGesture,
                     "102 line (90,100) (110,100) in [90,100,110,100] at (100,100) 20"});
    cases.push_back({make<CLigne>(0, 1, kAround100, 50, Axis::Vertical), toTheGesture,
                     "103 line (100,50) (100,150) in [100,50,100,150] at (100,100) 100"});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 150), toTheGesture,
                     "105 rectangle [50,90,150,110] in [50,90,150,110] at (100,100) 20 100"});
    cases.push_back(
        {make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Down), toTheGesture,
         "106 polygon (50,90) (150,90) (100,110) in [50,90,150,110] at (100,100) 20 100"});
    cases.push_back({make<CLosange>(0, 1, kAround100, 80, 150), toTheGesture,
                     "109 polygon (100,90) (150,100) (100,110) (50,100) in [50,90,150,110] at "
                     "(100,100) 20 100"});
    cases.push_back({make<CCroix>(0, 1, kAround100, 40), toTheGesture,
                     "113 line (50,90) (150,110) line (150,90) (50,110) in [50,90,150,110] at "
                     "(100,100) 20 100"});
    cases.push_back({make<CCarre>(0, 1, kAround100, 100), toTheGesture,
                     "108 rectangle [90,90,110,110] in [90,90,110,110] at (100,100) 20"});
    cases.push_back({make<CCercle>(0, 1, kAround100, 40), toTheGesture,
                     "110 ellipse [90,90,110,110] in [90,90,110,110] at (100,100) 10"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 10, 10), toTheGesture,
                     "112 ellipse [50,90,150,110] in [50,90,150,110] at (100,100) 10 50"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Backward),
                     toTheGesture,
                     "115 line (90,100) (110,100) polyline (190,0) (90,100) (190,200) in "
                     "[90,0,110,200] at (100,100) 20 100 100"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Forward),
                     toTheGesture,
                     "116 line (100,50) (100,150) polyline (80,130) (100,150) (120,130) in "
                     "[80,50,120,150] at (100,100) 100 20 20"});
    cases.push_back(
        {make<CTexte>(0, "Arial", 12, CRect{0, 0, 10, 10}, "x"), toTheGesture, "dialog"});
    cases.push_back({make<CInconnu>(0, 1, kAround100, *kWide), toTheGesture, kTailleImpossible});
    cases.push_back({make<CInconnu>(), toTheGesture, "Erreur dans modifTailleRect();"});
    expectOutcomes(cases);
}

TEST(Texte, RectangleMeasuredFromTheTextExtent) {
    RecordingCanvas dc;
    EXPECT_EQ(textRectangle(dc, {5, 5}, "abc", 12), (CRect{5, 5, 36, 25}));
    CTexte text(0, "Verdana", 12, CRect{30, 40, 60, 50}, "x");
    appliquerTexte(dc, text, "Nouveau", "Arial", 20);
    EXPECT_EQ(describe(text),
              "118 text (30,40) \"Nouveau\" Arial 200 000000 in [30,40,147,73] at (45,45)");
}

// "Taille : Autre" asks for each kind's own dimensions under the component's
// name, and applies what was entered with no minimum.
TEST(TailleAutre, AsksForEachKindsDimensionsAndAppliesThem) {
    const auto asked = [](const CElement& e) {
        const TailleAutre a = tailleAutre(e);
        std::string s = std::to_string(static_cast<int>(a.dialog)) + " " + a.title + a.refusal;
        for (const Dimension& d : a.dimensions)
            s += " | " + d.label + std::to_string(d.value);
        return s;
    };
    const auto entered = [](std::vector<int> values) {
        return [values](CElement& e) { return appliquerTailleAutre(e, values); };
    };
    std::vector<CommandCase> cases;
    cases.push_back({make<CCercle>(0, 1, kAround100, 40), entered({3}),
                     "110 ellipse [97,97,103,103] in [97,97,103,103] at (100,100) 3"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 100, 50), entered({70, 20}),
                     "112 ellipse [80,30,120,170] in [80,30,120,170] at (100,100) 70 20"});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 150), entered({0, 0}),
                     "105 rectangle [100,100,100,100] in [100,100,100,100] at (100,100) 0 0"});
    cases.push_back({make<CCarre>(0, 1, kAround100, 100), entered({30}),
                     "108 rectangle [85,85,115,115] in [85,85,115,115] at (100,100) 30"});
    cases.push_back({make<CLigne>(0, 1, kAround100, 50, Axis::Vertical), entered({31}),
                     "103 line (100,85) (100,115) in [100,85,100,115] at (100,100) 31"});
    cases.push_back(
        {make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Down), entered({10, 60}),
         "106 polygon (70,95) (130,95) (100,105) in [70,95,130,105] at (100,100) 10 60"});
    cases.push_back({make<CLosange>(0, 1, kAround100, 80, 150), entered({20, 40}),
                     "109 polygon (100,90) (120,100) (100,110) (80,100) in [80,90,120,110] at "
                     "(100,100) 20 40"});
    cases.push_back({make<CCroix>(0, 1, kAround100, 40), entered({10, 30}),
                     "113 line (85,95) (115,105) line (115,95) (85,105) in [85,95,115,105] at "
                     "(100,100) 10 30"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Backward),
                     entered({100, 20, 30}),
                     "117 line (100,50) (100,150) polyline (80,80) (100,50) (120,80) in "
                     "[80,50,120,150] at (100,100) 100 20 30"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Backward),
                     entered({100}), "Erreur dans OnTailleModif();"});
    cases.push_back({make<CTexte>(0, "Arial", 12, CRect{0, 0, 10, 10}, "x"), entered({}),
                     "Erreur dans OnTailleModif();"});
    std::vector<std::string> questions;
    for (const CommandCase& c : cases)
        questions.push_back(asked(*c.element));
    questions.push_back(asked(CInconnu(0, 1, kAround100, *kWide)));
    questions.push_back(asked(CInconnu()));
    const std::vector<std::string> expected = {
        "1 Cercle | rayon : 40",
        "1 Ellipse horizontale | rayon hauteur : 50 | rayon longueur : 100",
        "1 Rectangle horizontal | hauteur : 80 | longueur : 150",
        "1 Carré | longueur : 100",
        "1 Ligne verticale | longueur : 50",
        "1 Triangle (pointe en V) | hauteur : 30 | longueur : 40",
        "1 Losange | hauteur : 80 | longueur : 150",
        "1 Croix | hauteur : 40 | longueur : 40",
        "2 Flèche | longueur : 50 | hauteur pointe : 8 | longueur pointe : 12",
        "2 Flèche | longueur : 50 | hauteur pointe : 8 | longueur pointe : 12",
        "3 Texte",
        "0 Impossible de modifier la taille de cette forme !",
        "0 Erreur dans OnTailleModif();"};
    EXPECT_EQ(questions, expected);
    expectOutcomes(cases);
}
