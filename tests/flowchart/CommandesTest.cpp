#include "flowchart/Commandes.h"
#include "flowchart/RecordingCanvas.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace {

using Status = CommandResult::Status;

const std::string kTropPetite = "La forme est trop petite : impossible de la réduire.";
const std::string kTailleImpossible = "Impossible de modifier la taille de cette forme !";
const std::string kSurSelection = "Cette commande n'est disponible que sur sélection d'une forme.";
const std::string kMauvaiseCommande = "Erreur : mauvaise commande";

const CRect kAround100{80, 90, 120, 110};

// A gesture over (100, 30, 200, 50), 100 wide and 20 high, from (160, 30) to (170, 35).
const std::unique_ptr<CDessin> kGesture =
    drawingOf({{{160, 30}, {100, 50}}, {{200, 40}, {170, 35}}});

template <class E, class... Args> std::unique_ptr<CElement> make(Args&&... args) {
    return std::make_unique<E>(std::forward<Args>(args)...);
}

// A component's kind code, the dimensions "Taille : Autre" shows and its
// enclosing rectangle (how each kind draws its dimensions is pinned in
// ElementsTest); a text as it is drawn.
std::string sized(const CElement& e) {
    if (e.type() == kind::Texte)
        return describe(e);
    std::ostringstream out;
    out << e.type();
    for (const Dimension& d : tailleAutre(e).dimensions)
        out << ' ' << d.value;
    out << " in " << e.GetBoundRect();
    return out.str();
}

// What a command did to `e`: its new size when done, its message when refused
// (the component unchanged), "dialog" when the user must answer.
std::string outcome(CElement& e, const std::function<CommandResult(CElement&)>& command) {
    const std::string before = describe(e);
    const CommandResult r = command(e);
    if (r.status == Status::NeedsDialog)
        return describe(e) == before ? "dialog" : "dialog after a change";
    if (r.status == Status::Refused)
        return describe(e) == before ? r.message : "changed, then refused: " + r.message;
    return r.message.empty() ? sized(e) : "done with " + r.message;
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

std::function<CommandResult(CElement&)> by(int delta) {
    return [delta](CElement& e) {
        RecordingCanvas dc;
        return modifTaille(dc, e, 5, delta);
    };
}

CommandResult toTheGesture(CElement& e) {
    return modifTailleRect(*kGesture, e);
}

std::string dimensionsOf(const CElement& e) {
    std::ostringstream out;
    for (const Dimension& d : tailleAutre(e).dimensions)
        out << (out.tellp() > 0 ? "," : "") << d.value;
    return out.str() + " ";
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
        EXPECT_EQ(std::tuple(made->type(), made->center(), made->color(), made->penWidth()),
                  std::tuple(kindMade, CPoint{130, 140}, 0xFF0000u, 3));
    }
    EXPECT_EQ(dynamic_cast<CCercle&>(*creerComposant(kind::Cercle, gesture, org)).radius(), 30);
    for (int code : {101, 118, 119, 202, 0})
        EXPECT_EQ(creerComposant(code, gesture, org), nullptr) << code;

    COrganigramme numbered;
    numbered.setFixedSize(true);
    numbered.sizes() = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                        22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    COrganigramme defaults;
    defaults.setFixedSize(true);
    std::string numberedSizes, defaultSizes;
    for (int code = kind::LigneHorizontale; code <= kind::FlecheBasHaut; ++code) {
        const auto made = creerComposant(code, gesture, numbered);
        EXPECT_EQ(made->center(), (CPoint{130, 140})) << code;
        numberedSizes += dimensionsOf(*made);
        EXPECT_EQ(creerComposant(code, gesture, defaults)->type(), code);
        defaultSizes += dimensionsOf(*creerComposant(code, gesture, defaults));
    }
    EXPECT_EQ(numberedSizes, "21 22 27,28 25,26 31,32 29,30 11 23,24 12 17,16 15,14 13,13 "
                             "18,20,19 18,20,19 18,20,19 18,20,19 ");
    EXPECT_EQ(defaultSizes, "50 50 150,80 80,150 30,40 30,40 100 80,150 40 100,50 50,100 40,40 "
                            "50,8,12 50,8,12 50,8,12 50,8,12 ");
    // The kind follows the sizes: tall sizes for a horizontal rectangle make a vertical one.
    defaults.sizes().horizontalRectangleHeight = 150;
    defaults.sizes().horizontalRectangleLength = 80;
    EXPECT_EQ(creerComposant(kind::RectangleHorizontal, gesture, defaults)->type(),
              kind::RectangleVertical);
}

TEST(Commandes, GestureRectangleSpansTheInk) {
    EXPECT_EQ(gestureRectangle(*drawingOf({{{30, 40}, {10, 70}}, {{50, 20}}})),
              (CRect{10, 20, 50, 70}));
    // A ">" whose tip is within five pixels of the points beside it: the
    // recogniser's thinned hull loses the tip, the rectangle does not.
    const auto chevron = drawingOf({{{0, 40}, {78, 3}, {80, 0}, {78, -3}, {0, -40}}});
    EXPECT_EQ(gestureRectangle(*chevron), (CRect{0, -40, 80, 40}));
    EXPECT_EQ(gestureRectangle(CDessin()), CRect{});
}

// Each command on a flowchart holding a circle of radius 40 and a cross, with
// the circle selected or nothing selected: what it answers, whether the
// flowchart is marked changed, its colour, what is left and the circle's
// colour and size. Moves go by the gesture's width or height whichever way it
// was drawn, or from its first point to its last. Without a selection only
// colours and "Effacer : Tout" apply; a refusal for want of a selection still
// marks the flowchart changed, a code that is no command does not.
TEST(AppliquerCommande, EveryCodeWithAndWithoutSelection) {
    const auto applied = [](int code, bool selection) {
        COrganigramme org;
        org.setColor(kBleu);
        org.setMinSize(35);
        CElement* circle = org.AddElement(make<CCercle>(0x123456, 1, kAround100, 40));
        org.AddElement(make<CCroix>(0, 1, kAround100, 40));
        org.setModified(false);
        RecordingCanvas dc;
        const CommandResult r =
            appliquerCommande(code, selection ? circle : nullptr, *kGesture, dc, org);
        std::ostringstream out;
        out << (r.status == Status::NeedsDialog ? "dialog"
                : r.message.empty()             ? "done"
                                                : r.message)
            << (org.isModified() ? ", changed, " : ", ") << hex(org.color()) << ", "
            << org.elements().size() << " left";
        if (org.elements().size() == 2)
            out << ", " << hex(circle->color()) << " " << sized(*circle);
        return out.str() + (dc.calls.empty() ? "" : ", drawn");
    };
    const std::string unchanged = "123456 110 40 in [60,60,140,140]";
    const std::string wanting = kSurSelection + ", changed, FF0000, 2 left, " + unchanged;
    const std::string wrong = kMauvaiseCommande + ", FF0000, 2 left, " + unchanged;
    const std::tuple<int, bool, std::string> cases[] = {
        {202, true, "done, changed, FF0000, 2 left, 123456 110 40 in [-40,60,40,140]"},
        {203, true, "done, changed, FF0000, 2 left, 123456 110 40 in [160,60,240,140]"},
        {204, true, "done, changed, FF0000, 2 left, 123456 110 40 in [60,80,140,160]"},
        {205, true, "done, changed, FF0000, 2 left, 123456 110 40 in [60,40,140,120]"},
        {206, true, "done, changed, FF0000, 2 left, 123456 110 40 in [70,65,150,145]"},
        {207, true, "done, changed, FF0000, 1 left"},
        {208, true, "done, changed, FF0000, 0 left"},
        {209, true, "done, changed, FF0000, 2 left, 000000 110 40 in [60,60,140,140]"},
        {210, true, "done, changed, FF0000, 2 left, 0000FF 110 40 in [60,60,140,140]"},
        {211, true, "done, changed, FF0000, 2 left, 00FF00 110 40 in [60,60,140,140]"},
        {212, true, "done, changed, FF0000, 2 left, FF0000 110 40 in [60,60,140,140]"},
        {213, true, "dialog, changed, FF0000, 2 left, " + unchanged},
        {214, true, kTropPetite + ", changed, FF0000, 2 left, " + unchanged},
        {215, true, "done, changed, FF0000, 2 left, 123456 110 45 in [55,55,145,145]"},
        {216, true, "done, changed, FF0000, 2 left, 123456 110 10 in [90,90,110,110]"},
        {217, true, "dialog, changed, FF0000, 2 left, " + unchanged},
        {110, true, wrong},
        {208, false, "done, changed, FF0000, 0 left"},
        {209, false, "done, changed, 000000, 2 left, " + unchanged},
        {210, false, "done, changed, 0000FF, 2 left, " + unchanged},
        {211, false, "done, changed, 00FF00, 2 left, " + unchanged},
        {212, false, "done, changed, FF0000, 2 left, " + unchanged},
        {213, false, "dialog, changed, FF0000, 2 left, " + unchanged},
    };
    for (const auto& [code, selection, expected] : cases)
        EXPECT_EQ(applied(code, selection), expected)
            << code << (selection ? " on the circle" : "");
    for (int code : {202, 203, 204, 205, 206, 207, 214, 215, 216, 217})
        EXPECT_EQ(applied(code, false), wanting) << code;
    for (int code : {101, 105, 118, 201, 218})
        EXPECT_EQ(applied(code, false), wrong) << code;
}

// Called with a code that is not theirs, the command functions refuse and change nothing.
TEST(Commandes, EachTreatmentRefusesTheCodesOfOthers) {
    COrganigramme org;
    CCercle circle(0x123456, 1, kAround100, 10);
    CElement* held = org.AddElement(make<CCroix>(0, 1, kAround100, 10));
    const std::pair<CommandResult, std::string> cases[] = {
        {traitementCmdeDeplct(207, *kGesture, circle), "Deplct.\nLa commande entrée n'est pas une "
                                                       "commande de déplacement."},
        {traitementCmdeCouleur(208, org), "Couleur.\nLa commande entrée n'est pas une couleur."},
        {traitementCmdeCouleurSel(214, circle),
         "CouleurSel.\nLa commande entrée n'est pas une couleur."},
        {traitementCmdeEffacer(206, held, org),
         "Effacer.\nLa commande entrée n'est pas une commande d'effacement."}};
    for (const auto& [result, message] : cases)
        EXPECT_EQ(result.message, "Erreur : dans traitementCmde" + message);
    EXPECT_EQ(std::tuple(org.color(), circle.color(), org.elements().size(), describe(circle)),
              std::tuple(0u, 0x123456u, 1u,
                         "110 ellipse [90,90,110,110] in [90,90,110,110] at "
                         "(100,100) 10"));
}

// Every dimension changes by the step and must stay above the minimum; radii
// change by half the step made even; a text by one point.
TEST(ModifTaille, DimensionsStayAboveTheMinimum) {
    std::vector<CommandCase> cases;
    cases.push_back({make<CCercle>(0, 1, kAround100, 40), by(-10), "110 35 in [65,65,135,135]"});
    cases.push_back({make<CCercle>(0, 1, kAround100, 35), by(-5), "110 33 in [67,67,133,133]"});
    cases.push_back({make<CCercle>(0, 1, kAround100, 33), by(5), "110 36 in [64,64,136,136]"});
    cases.push_back({make<CCercle>(0, 1, kAround100, 10), by(-10), kTropPetite});
    cases.push_back({make<CLigne>(0, 1, kAround100, 12, Axis::Horizontal), by(-10), kTropPetite});
    cases.push_back({make<CLigne>(0, 1, kAround100, 15, Axis::Vertical), by(-10), kTropPetite});
    cases.push_back(
        {make<CLigne>(0, 1, kAround100, 16, Axis::Vertical), by(-10), "103 6 in [100,97,100,103]"});
    cases.push_back({make<CLigne>(0, 1, kAround100, 1, Axis::Horizontal), by(3), kTropPetite});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 14), by(-10), kTropPetite});
    cases.push_back(
        {make<CRectangle>(0, 1, kAround100, 80, 14), by(10), "104 90 24 in [88,55,112,145]"});
    cases.push_back(
        {make<CEllipse>(0, 1, kAround100, 100, 50), by(-10), "112 45 95 in [5,55,195,145]"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 100, 9), by(-10), kTropPetite});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Forward),
                     by(-10), "114 40 8 12 in [80,92,120,108]"});
    cases.push_back({make<CCarre>(0, 1, kAround100, 100), by(-10), "108 90 in [55,55,145,145]"});
    cases.push_back({make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Up), by(10),
                     "107 40 50 in [75,80,125,120]"});
    cases.push_back({make<CLosange>(0, 1, kAround100, 16, 150), by(-11), kTropPetite});
    cases.push_back({make<CCroix>(0, 1, kAround100, 40), by(10), "113 50 50 in [75,75,125,125]"});
    // 24 x 16 pixels on the recording canvas, scaled by (size + 1) / 10.
    cases.push_back({make<CTexte>(0, "Arial", 12, CRect{10, 20, 40, 40}, "Fin"), by(10),
                     "118 text (10,20) \"Fin\" Arial 130 000000 in [10,20,43,42] at (25,30)"});
    cases.push_back({make<CTexte>(0, "Arial", 6, CRect{10, 20, 40, 40}, "Fin"), by(-10),
                     "118 text (10,20) \"Fin\" Arial 50 000000 in [10,20,24,29] at (25,30)"});
    cases.push_back(
        {make<CTexte>(0, "Arial", 5, CRect{10, 20, 40, 40}, "Fin"), by(-10), kTropPetite});
    cases.push_back({make<CInconnu>(0, 1, kAround100, *kGesture), by(10), kTailleImpossible});
    cases.push_back({make<CInconnu>(), by(10), "Erreur dans modifTaille();"});
    expectOutcomes(cases);
}

// "Taille : Identique à celle du geste": the gesture is 100 wide and 20 high.
TEST(ModifTailleRect, TakesTheGesturesSize) {
    std::vector<CommandCase> cases;
    cases.push_back({make<CLigne>(0, 1, kAround100, 50, Axis::Horizontal), toTheGesture,
                     "102 20 in [90,100,110,100]"});
    cases.push_back({make<CLigne>(0, 1, kAround100, 50, Axis::Vertical), toTheGesture,
                     "103 100 in [100,50,100,150]"});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 150), toTheGesture,
                     "105 20 100 in [50,90,150,110]"});
    cases.push_back({make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Down), toTheGesture,
                     "106 20 100 in [50,90,150,110]"});
    cases.push_back(
        {make<CLosange>(0, 1, kAround100, 80, 150), toTheGesture, "109 20 100 in [50,90,150,110]"});
    cases.push_back(
        {make<CCroix>(0, 1, kAround100, 40), toTheGesture, "113 20 100 in [50,90,150,110]"});
    cases.push_back(
        {make<CCarre>(0, 1, kAround100, 100), toTheGesture, "108 20 in [90,90,110,110]"});
    cases.push_back(
        {make<CCercle>(0, 1, kAround100, 40), toTheGesture, "110 10 in [90,90,110,110]"});
    cases.push_back(
        {make<CEllipse>(0, 1, kAround100, 10, 10), toTheGesture, "112 10 50 in [50,90,150,110]"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Backward),
                     toTheGesture, "115 20 100 100 in [90,0,110,200]"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Forward),
                     toTheGesture, "116 100 20 20 in [80,50,120,150]"});
    cases.push_back(
        {make<CTexte>(0, "Arial", 12, CRect{0, 0, 10, 10}, "x"), toTheGesture, "dialog"});
    cases.push_back({make<CInconnu>(0, 1, kAround100, *kGesture), toTheGesture, kTailleImpossible});
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
    cases.push_back(
        {make<CCercle>(0, 1, kAround100, 40), entered({3}), "110 3 in [97,97,103,103]"});
    cases.push_back({make<CEllipse>(0, 1, kAround100, 100, 50), entered({70, 20}),
                     "112 70 20 in [80,30,120,170]"});
    cases.push_back({make<CRectangle>(0, 1, kAround100, 80, 150), entered({0, 0}),
                     "105 0 0 in [100,100,100,100]"});
    cases.push_back(
        {make<CCarre>(0, 1, kAround100, 100), entered({30}), "108 30 in [85,85,115,115]"});
    cases.push_back({make<CLigne>(0, 1, kAround100, 50, Axis::Vertical), entered({31}),
                     "103 31 in [100,85,100,115]"});
    cases.push_back({make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Down), entered({10, 60}),
                     "106 10 60 in [70,95,130,105]"});
    cases.push_back({make<CLosange>(0, 1, kAround100, 80, 150), entered({20, 40}),
                     "109 20 40 in [80,90,120,110]"});
    cases.push_back(
        {make<CCroix>(0, 1, kAround100, 40), entered({10, 30}), "113 10 30 in [85,95,115,105]"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Backward),
                     entered({100, 20, 30}), "117 100 20 30 in [80,50,120,150]"});
    cases.push_back({make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Backward),
                     entered({100}), "Erreur dans OnTailleModif();"});
    cases.push_back({make<CTexte>(0, "Arial", 12, CRect{0, 0, 10, 10}, "x"), entered({}),
                     "Erreur dans OnTailleModif();"});
    std::vector<std::string> questions;
    for (const CommandCase& c : cases)
        questions.push_back(asked(*c.element));
    questions.push_back(asked(CInconnu(0, 1, kAround100, *kGesture)));
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
