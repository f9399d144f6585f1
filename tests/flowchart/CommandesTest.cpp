#include "flowchart/Commandes.h"
#include "flowchart/RecordingCanvas.h"
#include "support/Drawings.h"
#include "support/GoldenTexts.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace {

using Status = CommandResult::Status;

// A gesture over (100, 30, 200, 50), 100 wide and 20 high, from (160, 30) to (170, 35).
const std::unique_ptr<CDessin> kGesture =
    drawingOf({{{160, 30}, {100, 50}}, {{200, 40}, {170, 35}}});

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
    // Each field numbered from 11 in declaration order: a field read for
    // another, or two swapped, shows in the dimensions made.
    std::string numberedSizes;
    for (int code = kind::LigneHorizontale; code <= kind::FlecheBasHaut; ++code) {
        const auto made = creerComposant(code, gesture, numbered);
        EXPECT_EQ(std::pair(made->center(), int{creerComposant(code, gesture, defaults)->type()}),
                  std::pair(CPoint{130, 140}, code));
        numberedSizes += dimensionsOf(*made);
    }
    EXPECT_EQ(numberedSizes, "21 22 27,28 25,26 31,32 29,30 11 23,24 12 17,16 15,14 13,13 "
                             "18,20,19 18,20,19 18,20,19 18,20,19 ");
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
        out << code << (selection ? " on the circle: " : " without: ")
            << (r.status == Status::NeedsDialog ? "dialog"
                : r.message.empty()             ? "done"
                                                : r.message)
            << (org.isModified() ? ", changed, " : ", ") << hex(org.color()) << ", "
            << org.elements().size() << " left";
        if (org.elements().size() == 2)
            out << ", " << hex(circle->color()) << " " << sized(*circle);
        return out.str() + (dc.calls.empty() ? "" : ", drawn");
    };
    std::vector<std::string> lines;
    for (int code :
         {202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 216, 217, 110})
        lines.push_back(applied(code, true));
    for (int code : {208, 209, 210, 211, 212, 213, 202, 203, 204, 205, 206,
                     207, 214, 215, 216, 217, 101, 105, 118, 201, 218})
        lines.push_back(applied(code, false));
    expectGolden("Commandes", "EveryCodeWithAndWithoutSelection", lines);
}

// Called with a code that is not theirs, the command functions refuse and change nothing.
TEST(Commandes, EachTreatmentRefusesTheCodesOfOthers) {
    COrganigramme org;
    CCercle circle(0x123456, 1, kAround100, 10);
    CElement* held = org.AddElement(make<CCroix>(0, 1, kAround100, 10));
    std::vector<std::string> lines;
    for (const CommandResult& r :
         {traitementCmdeDeplct(207, *kGesture, circle), traitementCmdeCouleur(208, org),
          traitementCmdeCouleurSel(214, circle), traitementCmdeEffacer(206, held, org)}) {
        std::istringstream message(r.message);
        for (std::string line; std::getline(message, line);)
            lines.push_back(line);
    }
    expectGolden("Commandes", "RefusesTheCodesOfOthers", lines);
    EXPECT_EQ(std::tuple(org.color(), circle.color(), org.elements().size(), describe(circle)),
              std::tuple(0u, 0x123456u, 1u,
                         "110 ellipse [90,90,110,110] in [90,90,110,110] at "
                         "(100,100) 10"));
}

// Every dimension changes by the step and must stay above the minimum; radii
// change by half the step made even; a text by one point. The outcomes are in
// texts/Commandes.txt.
TEST(ModifTaille, DimensionsStayAboveTheMinimumOrTakeTheGesturesSize) {
    std::pair<std::unique_ptr<CElement>, int> cases[] = {
        {make<CCercle>(0, 1, kAround100, 40), -10},
        {make<CCercle>(0, 1, kAround100, 35), -5},
        {make<CCercle>(0, 1, kAround100, 33), 5},
        {make<CCercle>(0, 1, kAround100, 10), -10},
        {make<CLigne>(0, 1, kAround100, 12, Axis::Horizontal), -10},
        {make<CLigne>(0, 1, kAround100, 15, Axis::Vertical), -10},
        {make<CLigne>(0, 1, kAround100, 16, Axis::Vertical), -10},
        {make<CLigne>(0, 1, kAround100, 1, Axis::Horizontal), 3},
        {make<CRectangle>(0, 1, kAround100, 80, 14), -10},
        {make<CRectangle>(0, 1, kAround100, 80, 14), 10},
        {make<CEllipse>(0, 1, kAround100, 100, 50), -10},
        {make<CEllipse>(0, 1, kAround100, 100, 9), -10},
        {make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Forward), -10},
        {make<CCarre>(0, 1, kAround100, 100), -10},
        {make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Up), 10},
        {make<CLosange>(0, 1, kAround100, 16, 150), -11},
        {make<CCroix>(0, 1, kAround100, 40), 10},
        // 24 x 16 pixels on the recording canvas, scaled by (size + 1) / 10.
        {make<CTexte>(0, "Arial", 12, CRect{10, 20, 40, 40}, "Fin"), 10},
        {make<CTexte>(0, "Arial", 6, CRect{10, 20, 40, 40}, "Fin"), -10},
        {make<CTexte>(0, "Arial", 5, CRect{10, 20, 40, 40}, "Fin"), -10},
        {make<CInconnu>(0, 1, kAround100, *kGesture), 10},
        {make<CInconnu>(), 10}};
    std::vector<std::string> lines;
    // Captured through an initializer: clang 14 cannot capture a structured binding.
    for (auto& [element, delta] : cases)
        lines.push_back(outcome(*element, [delta = delta](CElement& e) {
            RecordingCanvas dc;
            return modifTaille(dc, e, 5, delta);
        }));
    expectGolden("Commandes", "DimensionsStayAboveTheMinimum", lines);

    // "Taille : Identique à celle du geste": the gesture is 100 wide and 20 high.
    std::unique_ptr<CElement> gestureCases[] = {
        make<CLigne>(0, 1, kAround100, 50, Axis::Horizontal),
        make<CLigne>(0, 1, kAround100, 50, Axis::Vertical),
        make<CRectangle>(0, 1, kAround100, 80, 150),
        make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Down),
        make<CLosange>(0, 1, kAround100, 80, 150),
        make<CCroix>(0, 1, kAround100, 40),
        make<CCarre>(0, 1, kAround100, 100),
        make<CCercle>(0, 1, kAround100, 40),
        make<CEllipse>(0, 1, kAround100, 10, 10),
        make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Horizontal, Head::Backward),
        make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Forward),
        make<CTexte>(0, "Arial", 12, CRect{0, 0, 10, 10}, "x"),
        make<CInconnu>(0, 1, kAround100, *kGesture),
        make<CInconnu>()};
    lines.clear();
    for (auto& element : gestureCases)
        lines.push_back(
            outcome(*element, [](CElement& e) { return modifTailleRect(*kGesture, e); }));
    expectGolden("Commandes", "TakesTheGesturesSize", lines);
}

// "Taille : Autre" asks for each kind's own dimensions under the component's
// name, and applies what was entered with no minimum.
TEST(TailleAutre, AsksForEachKindsDimensionsAndAppliesThem) {
    struct {
        std::unique_ptr<CElement> element;
        std::vector<int> values;
    } cases[] = {
        {make<CCercle>(0, 1, kAround100, 40), {3}},
        {make<CEllipse>(0, 1, kAround100, 100, 50), {70, 20}},
        {make<CRectangle>(0, 1, kAround100, 80, 150), {0, 0}},
        {make<CCarre>(0, 1, kAround100, 100), {30}},
        {make<CLigne>(0, 1, kAround100, 50, Axis::Vertical), {31}},
        {make<CTriangle>(0, 1, kAround100, 30, 40, Apex::Down), {10, 60}},
        {make<CLosange>(0, 1, kAround100, 80, 150), {20, 40}},
        {make<CCroix>(0, 1, kAround100, 40), {10, 30}},
        {make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Backward), {100, 20, 30}},
        {make<CFleche>(0, 1, kAround100, 50, 8, 12, Axis::Vertical, Head::Backward), {100}},
        {make<CTexte>(0, "Arial", 12, CRect{0, 0, 10, 10}, "x"), {}},
        {make<CInconnu>(0, 1, kAround100, *kGesture), {}},
        {make<CInconnu>(), {}}};
    std::vector<std::string> questions, applied;
    for (auto& [element, values] : cases) {
        const TailleAutre a = tailleAutre(*element);
        questions.push_back(std::to_string(static_cast<int>(a.dialog)) + " " + a.title + a.refusal);
        for (const Dimension& d : a.dimensions)
            questions.back() += " | " + d.label + std::to_string(d.value);
        if (a.dialog != TailleAutre::Dialog{})
            applied.push_back(outcome(*element, [&values = values](CElement& e) {
                return appliquerTailleAutre(e, values);
            }));
    }
    expectGolden("Commandes", "TailleAutreAsks", questions);
    expectGolden("Commandes", "TailleAutreApplies", applied);
}
