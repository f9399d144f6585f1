#include "flowchart/GestureDecision.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "flowchart/DrawingMeasures.h"
#include "recognizer/ShapeRecognizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <set>
#include <string_view>

namespace {

constexpr int N = CExemple::NB_CARACTERISTIQUES;

// A second rule-based candidate of another kind this close to the first one
// leaves the kind in doubt.
constexpr double kDoubtfulSecond = 0.5;
// Under this degree the rule-based candidate gives way to a trained recogniser
// that leans at least this much to a code of another kind.
constexpr double kFirmDegree = 0.9;
constexpr double kLeaning = 0.5;
// A command's code needs this share of the probability of the classes drawn
// in as many strokes: with those alone competing, a letter's rivals are few,
// and people's letters lie farther from the generated ones than 0.98 allows.
constexpr double kSureCommand = 0.9;
// Under this degree the rule-based member says nothing of a command's kind.
constexpr double kHalfSure = 0.5;

// What the trained recogniser says of each code: the share of the probability
// of all its classes, and its best class.
struct CodeVotes {
    std::map<int, double> share;
    std::map<int, int> bestClass;

    int best(const std::set<int>& among) const {
        int chosen = AUCUN_CODE;
        for (const auto& [code, p] : share)
            if ((among.empty() || among.contains(code)) &&
                (chosen == AUCUN_CODE || p > share.at(chosen)))
                chosen = code;
        return chosen;
    }
    double total(const std::set<int>& among) const {
        double sum = 0.0;
        for (const auto& [code, p] : share)
            if (among.contains(code))
                sum += p;
        return sum;
    }
};

// Whether at least a quarter of the examples of `classe` were drawn in
// `strokes` strokes: a class of handwriting holds several counts, none a
// majority.
bool drawnIn(const CClasse& classe, int strokes) {
    int same = 0;
    for (int e = 0; e < classe.nbExemples(); ++e)
        if (const auto& dessin = classe.exemple(e).dessin();
            dessin && dessin->strokeCount() == strokes)
            ++same;
    return 4 * same >= classe.nbExemples();
}

CodeVotes votes(const CAReconnaitre& shape, const CEnsemble& set) {
    CodeVotes v;
    const auto evaluations = shape.evaluations();
    const int strokes = shape.dessin()->strokeCount();
    std::vector<bool> counted(static_cast<std::size_t>(set.nbClasses()));
    for (int c = 0; c < set.nbClasses(); ++c)
        counted[static_cast<std::size_t>(c)] = drawnIn(set.classe(c), strokes);
    if (std::find(counted.begin(), counted.end(), true) == counted.end())
        counted.assign(counted.size(), true);
    double top = -std::numeric_limits<double>::infinity();
    for (int c = 0; c < set.nbClasses(); ++c)
        if (counted[static_cast<std::size_t>(c)])
            top = std::max(top, evaluations[c]);
    double sum = 0.0;
    for (int c = 0; c < set.nbClasses(); ++c) {
        if (!counted[static_cast<std::size_t>(c)])
            continue;
        const double p = std::exp(evaluations[c] - top);
        sum += p;
        const int code = set.classe(c).code();
        v.share[code] += p;
        const auto [it, first] = v.bestClass.emplace(code, c);
        if (!first && evaluations[c] > evaluations[it->second])
            it->second = c;
    }
    for (auto& [code, p] : v.share)
        p /= sum;
    return v;
}

// Squared Mahalanobis distance of the shape's features from the class's mean.
double distanceTo(const CAReconnaitre& shape, const CClasse& classe, const CEnsemble& set) {
    const auto& f = shape.caracteristiques();
    const auto& m = classe.moyenne();
    const CMatrice& stats = set.statistiques();
    double distance = 0.0;
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            distance += (f[i] - m[i]) * stats.inverse(i, j) * (f[j] - m[j]);
    return distance;
}

// The components a rule-based member can stand for. The recogniser finds closed
// figures, lines and most crosses whoever draws them and whichever way; what it
// does not find among the components is a line it found too bent, a cross it
// missed, an arrow whose head it did not take for one, or handwriting.
std::set<int> codesOf(std::string_view member) {
    if (member == "Line")
        return {102, 103};
    if (member == "Rectangle")
        return {104, 105, 108};
    if (member == "Triangle")
        return {106, 107};
    if (member == "Diamond")
        return {109};
    if (member == "Circle" || member == "Ellipse")
        return {110, 111, 112};
    if (member == "Cross")
        return {113};
    if (member == "Arrow")
        return {114, 115, 116, 117};
    return {102, 103, 113, 114, 115, 116, 117, 118};
}

// The commands drawn as a rule-based member: the X as a cross, the scribble,
// the C and the question mark as a C, the V and the L as a chevron, the moves as
// lines.
std::set<int> commandsOf(std::string_view member) {
    if (member == "Cross")
        return {208};
    if (member == "Delete")
        return {207};
    if (member == "Copy")
        return {213, 217};
    if (member == "Move")
        return {211, 216};
    if (member == "Line")
        return {202, 203, 204, 205};
    return {};
}

// Whether the drawing lies as a line of words does, its upright box at least
// twice as wide as high, and winds as handwriting does, through four full
// turns and more (people's arrows and crosses turn through two at most).
bool handwritten(const CDessin& drawing) {
    const CPolygon& box = drawing.boundingRectangle();
    return std::abs(box.vertex(2).x - box.vertex(0).x) >=
               2 * std::abs(box.vertex(2).y - box.vertex(0).y) &&
           windingTurns(drawing) >= 8 * M_PI;
}

bool wide(const CInkPoint& a, const CInkPoint& b) {
    return std::abs(b.x - a.x) >= std::abs(b.y - a.y);
}

double length(const CInkPoint& a, const CInkPoint& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// A rectangle within these corners: a square when its sides nearly match, as
// its ink spans them without the flicks of the pen, else lying or standing by
// its long side.
int rectangleCode(const std::array<CInkPoint, 4>& c, const CDessin& drawing) {
    const double a = length(c[0], c[1]), b = length(c[1], c[2]);
    if (trimmedAspect(drawing, c[0], c[1], c[2]).value_or(std::min(a, b) / std::max(a, b)) >= 0.835)
        return 108;
    const bool longSideWide = a >= b ? wide(c[0], c[1]) : wide(c[1], c[2]);
    return longSideWide ? 105 : 104;
}

// A round figure within these corners: a circle when the ellipse that fits its
// ink is nearly round (its box when none fits), which the pen stopping short
// of the start does not change as it changes the box.
int roundCode(const std::array<CInkPoint, 4>& c, const CDessin& drawing) {
    const double a = length(c[0], c[1]), b = length(c[1], c[2]);
    const double aspect = fittedAspect(drawing).value_or(std::min(a, b) / std::max(a, b));
    if (aspect >= 0.77)
        return 110;
    return (a >= b ? wide(c[0], c[1]) : wide(c[1], c[2])) ? 112 : 111;
}

// A rectangle turns at its corners, a round figure all along: people's
// rectangles hold 0.51 of their turning and more in their sharpest eighth,
// their circles 0.33 and less (the calibration writers'). A rectangle also fills
// its smallest enclosing rectangle nearly whole, 0.885 and more, a round figure
// about pi/4 of it, 0.855 and less; when the fill says the other kind, the
// rule-based recogniser's own choice stands; from 0.92, which no round figure
// fills (pi/4 drawn perfectly, people's 0.86 at most), it is a rectangle
// whatever its corners. A diamond, standing on a corner, fills half of its
// upright box, where people's rectangles and circles fill seven tenths and more.
constexpr double kCornerShare = 0.42;
// A trembling outline spreads a rectangle's turning along its sides; its hull
// still reaches its corners, within 0.17 of its half-diagonal at three of
// them, where people's round figures stay 0.18 away and more.
constexpr double kCornerReach = 0.17;
constexpr double kRectangleFill = 0.885;
constexpr double kSurelyRectangleFill = 0.92;
constexpr double kRoundFill = 0.855;
constexpr double kDiamondUprightFill = 0.65;
// Drawn triangles fill 0.5 to 0.7 of their smallest enclosing rectangle.
constexpr double kTriangleFill = 0.7;

// The code of a diamond, a rectangle or a round figure told by its corners
// and fills; AUCUN_CODE when they disagree.
int closedFigureCode(const CDessin& drawing) {
    const double hull = drawing.convexHull().area();
    if (hull <= kDiamondUprightFill * drawing.boundingRectangle().area())
        return 109;
    const CPolygon& box = drawing.enclosingRectangle();
    const std::array<CInkPoint, 4> corners{box.vertex(0), box.vertex(1), box.vertex(2),
                                           box.vertex(3)};
    if (hull >= kSurelyRectangleFill * box.area())
        return rectangleCode(corners, drawing);
    const bool cornered =
        cornerShare(drawing) >= kCornerShare || cornerReach(drawing) <= kCornerReach;
    const bool full = hull >= kRectangleFill * box.area();
    const bool roundFill = hull <= kRoundFill * box.area();
    if (cornered ? roundFill : full)
        return AUCUN_CODE;
    return cornered ? rectangleCode(corners, drawing) : roundCode(corners, drawing);
}

bool closedCode(int code) {
    return code >= 104 && code <= 112;
}

bool closedFigure(std::string_view member) {
    return member == "Rectangle" || member == "Circle" || member == "Ellipse" ||
           member == "Diamond";
}

// The arrow that points from `tail` to `tip`.
int arrowCode(const CInkPoint& tail, const CInkPoint& tip) {
    if (wide(tail, tip))
        return tip.x >= tail.x ? 114 : 115;
    return tip.y >= tail.y ? 116 : 117;
}

// The component the rule-based member's figure draws: a line lying or standing,
// a rectangle or a square by its sides, a triangle by where its apex points, a
// circle or an ellipse lying or standing, an arrow by the way from its tail to
// its tip. AUCUN_CODE for a member without such a figure.
int codeOfFigure(const CShapeGesture& member, const CDessin& drawing) {
    if (const auto* line = dynamic_cast<const CShapeLine*>(&member))
        return wide(line->ends()[0], line->ends()[1]) ? 102 : 103;
    if (const auto* rectangle = dynamic_cast<const CShapeRectangle*>(&member))
        return rectangleCode(rectangle->corners(), drawing);
    if (const auto* triangle = dynamic_cast<const CShapeTriangle*>(&member)) {
        std::array<int, 3> y{triangle->vertices()[0].y, triangle->vertices()[1].y,
                             triangle->vertices()[2].y};
        std::sort(y.begin(), y.end());
        return y[1] - y[0] > y[2] - y[1] ? 107 : 106;
    }
    if (const auto* circle = dynamic_cast<const CShapeCircle*>(&member))
        return roundCode(circle->corners(), drawing);
    if (const auto* ellipse = dynamic_cast<const CShapeEllipse*>(&member))
        return roundCode(ellipse->corners(), drawing);
    if (dynamic_cast<const CShapeDiamond*>(&member))
        return 109;
    if (member.name() == "Cross")
        return 113;
    if (const auto* arrow = dynamic_cast<const CShapeArrow*>(&member))
        return arrowCode(arrow->tail(), arrow->tip());
    return AUCUN_CODE;
}

} // namespace

GestureDecision decideGesture(std::shared_ptr<CDessin> drawing, const CEnsemble& set,
                              GestureTarget target, bool combine) {
    GestureDecision decision;
    CAReconnaitre shape(set);
    shape.setDessin(std::move(drawing));
    shape.calculerCaracteristiques();
    decision.possible = set.reconnaissancePossible();
    if (!decision.possible)
        return decision;
    shape.reconnaitre();
    decision.className = shape.nomReconnu();
    decision.rejectedByProbability = shape.rejeteParProbabilite();
    decision.rejectedByDistance = shape.rejeteParDistance();
    if (!combine) {
        decision.code = shape.code();
        return decision;
    }

    const CodeVotes trained = votes(shape, set);
    const auto accept = [&](int code) {
        decision.code = code;
        decision.className = set.classe(trained.bestClass.at(code)).nom();
        decision.rejectedByProbability = decision.rejectedByDistance = false;
        return decision;
    };
    const auto near = [&](int code) {
        return CAReconnaitre::distanceAcceptee(
            distanceTo(shape, set.classe(trained.bestClass.at(code)), set));
    };
    const auto candidates = shape.reconnaisseurFormes().recognize(*shape.dessin());
    const CShapeGesture& member = *candidates.at(0);
    // A tap or a stray click draws nothing: whatever class lies nearest, it
    // is no component and no command.
    if (member.name() == "Tap")
        return decision;

    if (target == GestureTarget::Command) {
        // "Effacer : Tout" takes the whole flowchart away: it needs two strokes
        // that cut each other well inside both (the rule-based recogniser also
        // sees a cross in two strokes meeting at their feet), and straight ones
        // unless the rule-based recogniser sees a cross, or their ink itself
        // crosses well inside both, however their ends hook. Without that, what
        // the trained recogniser gave the X is no rival; and when a stroke is
        // bent, as a P's bowl is, no X was meant at all. A move is a straight
        // stroke: one that loops is none of the four straight moves.
        const bool bent = hasBentStroke(*shape.dessin());
        const bool crossing = inkCrosses(*shape.dessin()) ||
                              (chordsCross(*shape.dessin()) && (member.name() == "Cross" || !bent));
        const bool looped = loops(*shape.dessin());
        std::set<int> rivals;
        for (const auto& [code, p] : trained.share)
            if ((code != 208 || crossing) && !(looped && code >= 202 && code <= 205))
                rivals.insert(code);
        const int best = trained.best(bent || looped ? rivals : std::set<int>{});
        decision.className = set.classe(trained.bestClass.at(best)).nom();
        if (best == 208 && !crossing)
            return decision;
        // A scribble the rule-based recogniser is sure of is one, whatever
        // letter its zigzags look like to the trained recogniser; so is a stroke
        // that runs back and forth four times and more, which no letter of the
        // commands does (an N runs three times).
        if (trained.share.contains(207) && passes(*shape.dessin()) >= 4)
            return accept(207);
        if (member.name() == "Delete" && member.degree() >= kFirmDegree)
            return trained.share.contains(207) && near(207) ? accept(207) : decision;
        // A sign the rule-based recogniser knows must be one of its commands,
        // when it is half sure of it at least (a P's bowl is a chevron of
        // degree 0.04 to it, a loop of a move one of 0.18).
        const std::set<int> kind =
            member.degree() >= kHalfSure ? commandsOf(member.name()) : std::set<int>{};
        if (!kind.empty() && !kind.contains(best))
            return decision;
        // A C and a question mark look alike to both recognisers, but they turn
        // opposite ways: the C back round anticlockwise, the question mark's
        // hook clockwise. A P in one stroke is often a faint C to the
        // rule-based recogniser: the turn settles only what the trained one
        // takes for a C or a question mark.
        if (member.name() == "Copy" && shape.dessin()->strokeCount() == 1 &&
            (best == 213 || best == 217)) {
            const int turned = windingArea(shape.dessin()->stroke(0)) > 0 ? 217 : 213;
            return trained.share.contains(turned) && near(turned) ? accept(turned) : decision;
        }
        // A P and a B differ in their lower third, a stem or a bowl; the
        // trained recogniser, torn between the two, leaves that to the drawing.
        if ((best == 212 || best == 214) && trained.total({212, 214}) >= kSureCommand) {
            const int letter = lowerWidthShare(*shape.dessin()) >= 0.5 ? 212 : 214;
            return trained.share.contains(letter) && near(letter) ? accept(letter) : decision;
        }
        // An N in three strokes is far from the generated ones for many people,
        // who draw its stems upward; drawn so, it needs no nearness.
        if (best == 209 && threeStrokeN(*shape.dessin()) &&
            trained.share.at(best) / trained.total(rivals) >= kSureCommand)
            return accept(209);
        // A sign the rule-based recogniser cannot tell from another command (a V
        // or an L) leaves the trained recogniser alone to tell them apart: it
        // must be as sure as on its own.
        const double needed = kind.size() > 1 ? 0.98 : kSureCommand;
        if (trained.share.at(best) / trained.total(rivals) >= needed && near(best))
            return accept(best);
        // Unsure, the trained recogniser is settled by the kind of sign the
        // rule-based one sees, when it is sure among the commands of that kind.
        const int within = kind.empty() ? AUCUN_CODE : trained.best(kind);
        if (within != AUCUN_CODE &&
            CAReconnaitre::probabiliteAcceptee(trained.share.at(within) / trained.total(kind)) &&
            near(within))
            return accept(within);
        return decision;
    }

    // The trained recogniser's own choice, its classes counted by code.
    const int first = trained.best({});
    const bool sure = CAReconnaitre::probabiliteAcceptee(trained.share.at(first)) && near(first);
    decision.className = set.classe(trained.bestClass.at(first)).nom();

    // The rule-based recogniser's kind of thing; doubtful when its second
    // candidate, of another kind, is nearly as good.
    // A diamond, a rectangle or a round figure is told by its corners and
    // fills, whichever of them the rule-based recogniser prefers; told so, a
    // weak rule-based degree no longer gives way to the trained recogniser.
    // When the set draws no closed figure in as many strokes as the drawing (an
    // arrow's shaft and head), a closed figure is one the rule-based recogniser
    // could not tell.
    const bool closedDrawn = std::any_of(trained.share.begin(), trained.share.end(),
                                         [](const auto& code) { return closedCode(code.first); });
    const bool shapeless = closedFigure(member.name()) && !closedDrawn;
    // A stroke gone round that the rule-based recogniser could not place is
    // told as a closed figure too, and is never a line.
    const bool goneRound = closedStroke(*shape.dessin());
    const bool closedInk = closedFigure(member.name()) || (member.name() == "Unknown" && goneRound);
    const int filled = closedInk && closedDrawn ? closedFigureCode(*shape.dessin()) : AUCUN_CODE;
    const bool closed = filled != AUCUN_CODE;
    const int figure = closed      ? filled
                       : shapeless ? AUCUN_CODE
                                   : codeOfFigure(member, *shape.dessin());
    std::set<int> kind = shapeless ? codesOf("")
                         : !closed ? codesOf(member.name())
                                   : codesOf(figure == 109   ? "Diamond"
                                             : figure >= 110 ? "Circle"
                                                             : "Rectangle");
    // A cross the rule-based recogniser missed is still two strokes that cut
    // each other: an arrow's head meets its shaft only at the tip.
    if (member.name() != "Cross" && !chordsCross(*shape.dessin()))
        kind.erase(113);
    if (goneRound) {
        kind.erase(102);
        kind.erase(103);
    }
    // Handwriting is the only component that zigzags as a scribble does:
    // whatever figure the trained recogniser leans to, a scribble is text.
    if (member.name() == "Delete" && trained.share.contains(118))
        return accept(118);
    // A head whose apex a shaft's end touches is an arrow, whatever either
    // recogniser makes of it (the trained one often an X, the head's chord
    // cutting the shaft); handwriting may touch itself so, and stays text. A
    // set that draws no such arrow decides as usual.
    if (const auto arrow = shaftAndHead(*shape.dessin()); arrow && !handwritten(*shape.dessin()))
        if (const int code = arrowCode(arrow->first, arrow->second); trained.share.contains(code))
            return accept(code);
    if (candidates.count() > 1 && !shapeless &&
        !(closed && closedFigure(candidates.at(1)->name())) &&
        codesOf(candidates.at(1)->name()) != kind &&
        candidates.at(1)->degree() >= kDoubtfulSecond * member.degree()) {
        // A sure trained recogniser settles the doubt for one of the two kinds.
        const bool either =
            kind.contains(first) || codesOf(candidates.at(1)->name()).contains(first);
        return sure && either ? accept(first) : decision;
    }
    if (sure)
        return kind.contains(first) ? accept(first) : decision;
    // Any triangle fills half of its smallest enclosing rectangle, which lies
    // along one of its sides; rectangles, round figures and diamonds fill three
    // quarters and more. A triangle told so is taken whatever the trained
    // recogniser leans to.
    const bool triangular = member.name() == "Triangle" &&
                            shape.dessin()->convexHull().area() <=
                                kTriangleFill * shape.dessin()->enclosingRectangle().area();
    if (!closed && !triangular && member.degree() < kFirmDegree && !kind.contains(first) &&
        trained.share.at(first) >= kLeaning)
        return decision;

    // Within the rule-based kind, its figure tells which code: a rectangle's
    // sides, where a triangle's apex points, the way from an arrow's tail to its
    // tip. Without a figure, the trained recogniser tells, sure among the codes of
    // the kind.
    if (figure != AUCUN_CODE)
        return trained.share.contains(figure) ? accept(figure) : decision;
    const int within = trained.best(kind);
    if (within == AUCUN_CODE)
        return decision;
    const double share = trained.share.at(within) / trained.total(kind);
    // Handwriting varies more than any figure: far from the mean of its
    // classes, it is still text when the rule-based recogniser sees a scribble,
    // or nothing it knows in a drawing that looks handwritten.
    const bool scribbled =
        within == 118 && (member.name() == "Delete" || member.name() == "WavyLine" ||
                          (member.name() == "Unknown" && handwritten(*shape.dessin())));
    if (CAReconnaitre::probabiliteAcceptee(share) && (near(within) || scribbled))
        return accept(within);
    return decision;
}
