#include "flowchart/Commandes.h"

#include "engine/Codes.h"
#include "recognizer/DrawingText.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

namespace {

const char* const kTropPetite = "La forme est trop petite : impossible de la réduire.";
const char* const kTailleImpossible = "Impossible de modifier la taille de cette forme !";
const char* const kSurSelection = "Cette commande n'est disponible que sur sélection d'une forme.";
const char* const kMauvaiseCommande = "Erreur : mauvaise commande";

std::optional<Colour> colourOf(int code) {
    switch (code) {
    case commande::CouleurNoir:
        return kNoir;
    case commande::CouleurRouge:
        return kRouge;
    case commande::CouleurVert:
        return kVert;
    case commande::CouleurBleu:
        return kBleu;
    default:
        return std::nullopt;
    }
}

bool isColour(int code) {
    return code >= commande::CouleurNoir && code <= commande::CouleurAutre;
}
bool isMove(int code) {
    return code >= commande::DeplacementDroiteGauche && code <= commande::DeplacementAutre;
}

bool allAbove(int minimum, std::initializer_list<int> dimensions) {
    return std::all_of(dimensions.begin(), dimensions.end(),
                       [minimum](int d) { return d > minimum; });
}

// Height and length both change by `delta`.
template <typename T> CommandResult resizeBoth(CElement& element, int minimum, int delta) {
    auto& e = static_cast<T&>(element);
    const int height = e.height() + delta;
    const int length = e.length() + delta;
    if (!allAbove(minimum, {height, length}))
        return CommandResult::refused(kTropPetite);
    e.Resize(height, length);
    return CommandResult::done();
}

// Radii change by half the step, so the step is first made even.
int evenDelta(int delta) {
    return delta % 2 != 0 ? delta + 1 : delta;
}

CommandResult sizeWithSelection(int code, CElement& element, const CDessin& gesture, Canvas& dc,
                                const COrganigramme& organigramme) {
    switch (code) {
    case commande::TailleReduire:
        return modifTaille(dc, element, organigramme.minSize(), -organigramme.step());
    case commande::TailleAgrandir:
        return modifTaille(dc, element, organigramme.minSize(), organigramme.step());
    case commande::TailleGeste:
        return modifTailleRect(gesture, element);
    default:
        return CommandResult::needsDialog();
    }
}

} // namespace

std::unique_ptr<CElement> creerComposant(int code, const CRect& g,
                                         const COrganigramme& organigramme) {
    const Colour c = organigramme.color();
    const int w = organigramme.penWidth();
    const SizeParameters& s = organigramme.sizes();
    const bool fixed = organigramme.fixedSize();
    switch (code) {
    case kind::LigneHorizontale:
    case kind::LigneVerticale: {
        const bool horizontal = code == kind::LigneHorizontale;
        const Axis axis = horizontal ? Axis::Horizontal : Axis::Vertical;
        if (!fixed)
            return std::make_unique<CLigne>(c, w, g, axis);
        return std::make_unique<CLigne>(
            c, w, g, horizontal ? s.horizontalLineLength : s.verticalLineLength, axis);
    }
    case kind::RectangleVertical:
        return fixed ? std::make_unique<CRectangle>(c, w, g, s.verticalRectangleHeight,
                                                    s.verticalRectangleLength)
                     : std::make_unique<CRectangle>(c, w, g);
    case kind::RectangleHorizontal:
        return fixed ? std::make_unique<CRectangle>(c, w, g, s.horizontalRectangleHeight,
                                                    s.horizontalRectangleLength)
                     : std::make_unique<CRectangle>(c, w, g);
    case kind::TrianglePointeEnV:
        return fixed ? std::make_unique<CTriangle>(c, w, g, s.vTriangleHeight, s.vTriangleLength,
                                                   Apex::Down)
                     : std::make_unique<CTriangle>(c, w, g, Apex::Down);
    case kind::TrianglePointeEnHaut:
        return fixed ? std::make_unique<CTriangle>(c, w, g, s.upTriangleHeight, s.upTriangleLength,
                                                   Apex::Up)
                     : std::make_unique<CTriangle>(c, w, g, Apex::Up);
    case kind::Carre:
        return fixed ? std::make_unique<CCarre>(c, w, g, s.squareSide)
                     : std::make_unique<CCarre>(c, w, g);
    case kind::Losange:
        return fixed ? std::make_unique<CLosange>(c, w, g, s.diamondHeight, s.diamondLength)
                     : std::make_unique<CLosange>(c, w, g);
    case kind::Cercle:
        return fixed ? std::make_unique<CCercle>(c, w, g, s.circleRadius)
                     : std::make_unique<CCercle>(c, w, g);
    case kind::EllipseVerticale:
        return fixed ? std::make_unique<CEllipse>(c, w, g, s.verticalEllipseHorizontalRadius,
                                                  s.verticalEllipseVerticalRadius)
                     : std::make_unique<CEllipse>(c, w, g);
    case kind::EllipseHorizontale:
        return fixed ? std::make_unique<CEllipse>(c, w, g, s.horizontalEllipseHorizontalRadius,
                                                  s.horizontalEllipseVerticalRadius)
                     : std::make_unique<CEllipse>(c, w, g);
    case kind::Croix:
        return fixed ? std::make_unique<CCroix>(c, w, g, s.crossSize)
                     : std::make_unique<CCroix>(c, w, g);
    case kind::FlecheGaucheDroite:
    case kind::FlecheDroiteGauche:
    case kind::FlecheHautBas:
    case kind::FlecheBasHaut: {
        const Axis axis = code <= kind::FlecheDroiteGauche ? Axis::Horizontal : Axis::Vertical;
        const Head head = code == kind::FlecheGaucheDroite || code == kind::FlecheHautBas
                              ? Head::Forward
                              : Head::Backward;
        if (!fixed)
            return std::make_unique<CFleche>(c, w, g, axis, head);
        return std::make_unique<CFleche>(c, w, g, s.arrowLength, s.arrowHeadHalfHeight,
                                         s.arrowHeadLength, axis, head);
    }
    default:
        return nullptr;
    }
}

CRect gestureRectangle(const CDessin& gesture) {
    if (gesture.pointCount() == 0)
        return {};
    const CInkPoint first = gesture.firstPoint();
    CRect box{first.x, first.y, first.x, first.y};
    for (int s = 0; s < gesture.strokeCount(); ++s) {
        for (const CInkPoint& p : gesture.stroke(s).points()) {
            box.left = std::min(box.left, p.x);
            box.top = std::min(box.top, p.y);
            box.right = std::max(box.right, p.x);
            box.bottom = std::max(box.bottom, p.y);
        }
    }
    return box;
}

CRect textRectangle(Canvas& dc, CPoint origin, std::string_view text, int pointSize) {
    const CSize extent = dc.textExtent(text);
    // In 64 bits, clamped: a loaded size may be absurdly large.
    const auto scaled = [pointSize](int from, int length) {
        const long long end = from + static_cast<long long>(length) * (pointSize + 1LL) / 10;
        return static_cast<int>(std::clamp(end, -kMaxCoordinate, kMaxCoordinate));
    };
    return CRect{origin.x, origin.y, scaled(origin.x, extent.cx), scaled(origin.y, extent.cy)}
        .normalized();
}

void appliquerTexte(Canvas& dc, CTexte& texte, std::string text, std::string fontName,
                    int pointSize) {
    const CRect rect = textRectangle(dc, texte.origin(), text, pointSize);
    texte.SetText(rect, std::move(text), std::move(fontName), pointSize);
}

CommandResult appliquerCommande(int code, CElement* selection, const CDessin& gesture, Canvas& dc,
                                COrganigramme& organigramme) {
    if (!estCommande(code))
        return CommandResult::refused(kMauvaiseCommande);
    CommandResult result;
    if (!selection) {
        if (code == commande::EffacerTout)
            organigramme.DeleteAllElements();
        else if (isColour(code))
            result = traitementCmdeCouleur(code, organigramme);
        else
            result = CommandResult::refused(kSurSelection);
    } else if (isMove(code)) {
        result = traitementCmdeDeplct(code, gesture, *selection);
    } else if (code == commande::EffacerSelection || code == commande::EffacerTout) {
        result = traitementCmdeEffacer(code, selection, organigramme);
    } else if (isColour(code)) {
        result = traitementCmdeCouleurSel(code, *selection);
    } else {
        result = sizeWithSelection(code, *selection, gesture, dc, organigramme);
    }
    organigramme.setModified(true);
    return result;
}

CommandResult traitementCmdeCouleur(int code, COrganigramme& organigramme) {
    if (code == commande::CouleurAutre)
        return CommandResult::needsDialog();
    const std::optional<Colour> colour = colourOf(code);
    if (!colour)
        return CommandResult::refused(
            "Erreur : dans traitementCmdeCouleur.\nLa commande entrée n'est pas une couleur.");
    organigramme.setColor(*colour);
    return CommandResult::done();
}

CommandResult traitementCmdeCouleurSel(int code, CElement& element) {
    if (code == commande::CouleurAutre)
        return CommandResult::needsDialog();
    const std::optional<Colour> colour = colourOf(code);
    if (!colour)
        return CommandResult::refused(
            "Erreur : dans traitementCmdeCouleurSel.\nLa commande entrée n'est pas une couleur.");
    element.setColor(*colour);
    return CommandResult::done();
}

CommandResult traitementCmdeEffacer(int code, const CElement* element,
                                    COrganigramme& organigramme) {
    if (code == commande::EffacerSelection)
        organigramme.DeleteElement(element);
    else if (code == commande::EffacerTout)
        organigramme.DeleteAllElements();
    else
        return CommandResult::refused("Erreur : dans traitementCmdeEffacer.\nLa commande entrée "
                                      "n'est pas une commande d'effacement.");
    return CommandResult::done();
}

CommandResult traitementCmdeDeplct(int code, const CDessin& gesture, CElement& element) {
    const CRect g = gestureRectangle(gesture);
    CPoint offset;
    switch (code) {
    case commande::DeplacementDroiteGauche:
        offset = {g.left - g.right, 0};
        break;
    case commande::DeplacementGaucheDroite:
        offset = {g.right - g.left, 0};
        break;
    case commande::DeplacementHautBas:
        offset = {0, g.bottom - g.top};
        break;
    case commande::DeplacementBasHaut:
        offset = {0, g.top - g.bottom};
        break;
    case commande::DeplacementAutre: {
        const CInkPoint first = gesture.firstPoint();
        const CInkPoint last = gesture.lastPoint();
        offset = {last.x - first.x, last.y - first.y};
        break;
    }
    default:
        return CommandResult::refused("Erreur : dans traitementCmdeDeplct.\nLa commande entrée "
                                      "n'est pas une commande de déplacement.");
    }
    element.Move(offset);
    return CommandResult::done();
}

CommandResult modifTaille(Canvas& dc, CElement& element, int minimum, int delta) {
    switch (element.type()) {
    case kind::Inconnu:
        return CommandResult::refused(kTailleImpossible);
    case kind::LigneHorizontale:
    case kind::LigneVerticale: {
        auto& e = static_cast<CLigne&>(element);
        const int length = e.length() + delta;
        if (!allAbove(minimum, {length}))
            return CommandResult::refused(kTropPetite);
        e.Resize(length);
        break;
    }
    case kind::RectangleVertical:
    case kind::RectangleHorizontal:
        return resizeBoth<CRectangle>(element, minimum, delta);
    case kind::TrianglePointeEnV:
    case kind::TrianglePointeEnHaut:
        return resizeBoth<CTriangle>(element, minimum, delta);
    case kind::Carre: {
        auto& e = static_cast<CCarre&>(element);
        const int side = e.side() + delta;
        if (!allAbove(minimum, {side}))
            return CommandResult::refused(kTropPetite);
        e.Resize(side);
        break;
    }
    case kind::Losange:
        return resizeBoth<CLosange>(element, minimum, delta);
    case kind::Cercle: {
        auto& e = static_cast<CCercle&>(element);
        const int radius = e.radius() + evenDelta(delta) / 2;
        if (!allAbove(minimum, {radius}))
            return CommandResult::refused(kTropPetite);
        e.Resize(radius);
        break;
    }
    case kind::EllipseVerticale:
    case kind::EllipseHorizontale: {
        auto& e = static_cast<CEllipse&>(element);
        const int d = evenDelta(delta) / 2;
        const int horizontal = e.horizontalRadius() + d, vertical = e.verticalRadius() + d;
        if (!allAbove(minimum, {vertical, horizontal}))
            return CommandResult::refused(kTropPetite);
        e.Resize(horizontal, vertical);
        break;
    }
    case kind::Croix:
        return resizeBoth<CCroix>(element, minimum, delta);
    case kind::FlecheGaucheDroite:
    case kind::FlecheDroiteGauche:
    case kind::FlecheHautBas:
    case kind::FlecheBasHaut: {
        auto& e = static_cast<CFleche&>(element);
        const int length = e.length() + delta;
        if (!allAbove(minimum, {length}))
            return CommandResult::refused(kTropPetite);
        e.Resize(length, e.headHalfHeight(), e.headLength());
        break;
    }
    case kind::Texte: {
        auto& e = static_cast<CTexte&>(element);
        const int size = e.pointSize() + (delta > 0) - (delta < 0);
        if (delta < 0 && size < 5)
            return CommandResult::refused(kTropPetite);
        appliquerTexte(dc, e, e.text(), e.fontName(), size);
        break;
    }
    default:
        return CommandResult::refused("Erreur dans modifTaille();");
    }
    return CommandResult::done();
}

CommandResult modifTailleRect(const CDessin& gesture, CElement& element) {
    const CRect g = gestureRectangle(gesture);
    const int w = g.width();
    const int h = g.height();
    switch (element.type()) {
    case kind::Inconnu:
        return CommandResult::refused(kTailleImpossible);
    case kind::LigneHorizontale:
        static_cast<CLigne&>(element).Resize(h);
        break;
    case kind::LigneVerticale:
        static_cast<CLigne&>(element).Resize(w);
        break;
    case kind::RectangleVertical:
    case kind::RectangleHorizontal:
        static_cast<CRectangle&>(element).Resize(h, w);
        break;
    case kind::TrianglePointeEnV:
    case kind::TrianglePointeEnHaut:
        static_cast<CTriangle&>(element).Resize(h, w);
        break;
    case kind::Losange:
        static_cast<CLosange&>(element).Resize(h, w);
        break;
    case kind::Croix:
        static_cast<CCroix&>(element).Resize(h, w);
        break;
    case kind::Carre:
        static_cast<CCarre&>(element).Resize(std::min(h, w));
        break;
    case kind::Cercle:
        static_cast<CCercle&>(element).Resize(std::min(h, w) / 2);
        break;
    case kind::EllipseVerticale:
    case kind::EllipseHorizontale:
        static_cast<CEllipse&>(element).Resize(w / 2, h / 2);
        break;
    case kind::FlecheGaucheDroite:
    case kind::FlecheDroiteGauche:
        static_cast<CFleche&>(element).Resize(h, w, w);
        break;
    case kind::FlecheHautBas:
    case kind::FlecheBasHaut:
        static_cast<CFleche&>(element).Resize(w, h, h);
        break;
    case kind::Texte:
        return CommandResult::needsDialog();
    default:
        return CommandResult::refused("Erreur dans modifTailleRect();");
    }
    return CommandResult::done();
}

TailleAutre tailleAutre(const CElement& element) {
    TailleAutre asked;
    asked.dialog = TailleAutre::Dialog::Size;
    asked.title = nomCode(TYPE_COMPOSANTS, element.type());
    auto& d = asked.dimensions;
    switch (element.type()) {
    case kind::Inconnu:
        return {.refusal = kTailleImpossible, .title = {}, .dimensions = {}};
    case kind::LigneHorizontale:
    case kind::LigneVerticale:
        d = {{"longueur : ", static_cast<const CLigne&>(element).length()}};
        break;
    case kind::RectangleVertical:
    case kind::RectangleHorizontal:
    case kind::Croix: {
        const auto& e = static_cast<const CHeightLengthElement&>(element);
        d = {{"hauteur : ", e.height()}, {"longueur : ", e.length()}};
        break;
    }
    case kind::TrianglePointeEnV:
    case kind::TrianglePointeEnHaut: {
        const auto& e = static_cast<const CTriangle&>(element);
        d = {{"hauteur : ", e.height()}, {"longueur : ", e.length()}};
        break;
    }
    case kind::Losange: {
        const auto& e = static_cast<const CLosange&>(element);
        d = {{"hauteur : ", e.height()}, {"longueur : ", e.length()}};
        break;
    }
    case kind::Carre:
        d = {{"longueur : ", static_cast<const CCarre&>(element).side()}};
        break;
    case kind::Cercle:
        d = {{"rayon : ", static_cast<const CCercle&>(element).radius()}};
        break;
    case kind::EllipseVerticale:
    case kind::EllipseHorizontale: {
        const auto& e = static_cast<const CEllipse&>(element);
        d = {{"rayon hauteur : ", e.verticalRadius()}, {"rayon longueur : ", e.horizontalRadius()}};
        break;
    }
    case kind::FlecheGaucheDroite:
    case kind::FlecheDroiteGauche:
    case kind::FlecheHautBas:
    case kind::FlecheBasHaut: {
        const auto& e = static_cast<const CFleche&>(element);
        asked.dialog = TailleAutre::Dialog::Arrow;
        asked.title = "Flèche";
        d = {{"longueur : ", e.length()},
             {"hauteur pointe : ", e.headHalfHeight()},
             {"longueur pointe : ", e.headLength()}};
        break;
    }
    case kind::Texte:
        asked.dialog = TailleAutre::Dialog::Text;
        break;
    default:
        return {.refusal = "Erreur dans OnTailleModif();", .title = {}, .dimensions = {}};
    }
    return asked;
}

CommandResult appliquerTailleAutre(CElement& element, std::span<const int> values) {
    const TailleAutre asked = tailleAutre(element);
    if (asked.dialog == TailleAutre::Dialog::None || asked.dialog == TailleAutre::Dialog::Text ||
        values.size() != asked.dimensions.size())
        return CommandResult::refused("Erreur dans OnTailleModif();");
    switch (element.type()) {
    case kind::LigneHorizontale:
    case kind::LigneVerticale:
        static_cast<CLigne&>(element).Resize(values[0]);
        break;
    case kind::RectangleVertical:
    case kind::RectangleHorizontal:
    case kind::Croix:
        static_cast<CHeightLengthElement&>(element).Resize(values[0], values[1]);
        break;
    case kind::TrianglePointeEnV:
    case kind::TrianglePointeEnHaut:
        static_cast<CTriangle&>(element).Resize(values[0], values[1]);
        break;
    case kind::Losange:
        static_cast<CLosange&>(element).Resize(values[0], values[1]);
        break;
    case kind::Carre:
        static_cast<CCarre&>(element).Resize(values[0]);
        break;
    case kind::Cercle:
        static_cast<CCercle&>(element).Resize(values[0]);
        break;
    case kind::EllipseVerticale:
    case kind::EllipseHorizontale:
        static_cast<CEllipse&>(element).Resize(values[1], values[0]);
        break;
    case kind::FlecheGaucheDroite:
    case kind::FlecheDroiteGauche:
    case kind::FlecheHautBas:
    case kind::FlecheBasHaut:
        static_cast<CFleche&>(element).Resize(values[0], values[1], values[2]);
        break;
    }
    return CommandResult::done();
}
