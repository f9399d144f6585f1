#pragma once

#include "flowchart/Canvas.h"
#include "flowchart/Elements.h"
#include "flowchart/Geometry.h"
#include "flowchart/Organigramme.h"
#include "recognizer/Dessin.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Codes of the command gestures.
namespace commande {
inline constexpr int DeplacementDroiteGauche = 202;
inline constexpr int DeplacementGaucheDroite = 203;
inline constexpr int DeplacementHautBas = 204;
inline constexpr int DeplacementBasHaut = 205;
inline constexpr int DeplacementAutre = 206;
inline constexpr int EffacerSelection = 207;
inline constexpr int EffacerTout = 208;
inline constexpr int CouleurNoir = 209;
inline constexpr int CouleurRouge = 210;
inline constexpr int CouleurVert = 211;
inline constexpr int CouleurBleu = 212;
inline constexpr int CouleurAutre = 213;
inline constexpr int TailleReduire = 214;
inline constexpr int TailleAgrandir = 215;
inline constexpr int TailleGeste = 216;
inline constexpr int TailleAutre = 217;
} // namespace commande

inline constexpr bool estCommande(int code) {
    return code >= commande::DeplacementDroiteGauche && code <= commande::TailleAutre;
}

inline constexpr Colour kNoir = 0x000000;
inline constexpr Colour kRouge = 0x0000FF;
inline constexpr Colour kVert = 0x00FF00;
inline constexpr Colour kBleu = 0xFF0000;

// What became of a command. A refusal carries the text to show; a command that
// needs the user's answer (colour chooser, size or text dialog) is left to the
// editor, which then applies what the user chose.
struct CommandResult {
    enum class Status { Done, Refused, NeedsDialog };

    Status status = Status::Done;
    std::string message;

    static CommandResult done() { return {}; }
    static CommandResult refused(std::string message) {
        return {Status::Refused, std::move(message)};
    }
    static CommandResult needsDialog() { return {Status::NeedsDialog, {}}; }
};

// The component that a component gesture of kind 102 to 117 creates over
// `gestureRect`, with the flowchart's colour and pen width, at the fixed sizes or
// at the gesture's size as the flowchart says; null for any other kind.
std::unique_ptr<CElement> creerComposant(int code, const CRect& gestureRect,
                                         const COrganigramme& organigramme);

// The rectangle from the smallest to the largest coordinates of all the points
// of the gesture's strokes.
CRect gestureRectangle(const CDessin& gesture);

// Where a text line of `pointSize` points is written from `origin`: the extent
// of the text in the canvas's default font, scaled by (size + 1) / 10.
CRect textRectangle(Canvas& dc, CPoint origin, std::string_view text, int pointSize);
// Gives a text component new text, font and size, its rectangle measured anew.
void appliquerTexte(Canvas& dc, CTexte& texte, std::string text, std::string fontName,
                    int pointSize);

// A recognised command gesture applied to the selection (null when the pointer
// was over no component) or to the whole flowchart. Unless the code is not a
// command, the flowchart is marked modified, even after a refusal. After
// "Effacer : Sélection" or "Effacer : Tout" the selection no longer exists.
CommandResult appliquerCommande(int code, CElement* selection, const CDessin& gesture, Canvas& dc,
                                COrganigramme& organigramme);

// Colour of components created from now on.
CommandResult traitementCmdeCouleur(int code, COrganigramme& organigramme);
CommandResult traitementCmdeCouleurSel(int code, CElement& element);
// `element` is erased for "Effacer : Sélection"; everything for "Effacer : Tout".
CommandResult traitementCmdeEffacer(int code, const CElement* element, COrganigramme& organigramme);
CommandResult traitementCmdeDeplct(int code, const CDessin& gesture, CElement& element);
// Every dimension changes by `delta` and must stay above `minimum`; circles and
// ellipses change their radii by half of `delta` made even; a text changes by
// one point.
CommandResult modifTaille(Canvas& dc, CElement& element, int minimum, int delta);
// The component takes the size of the gesture's rectangle.
CommandResult modifTailleRect(const CDessin& gesture, CElement& element);

// One dimension that "Taille : Autre" asks for, with the label of its field.
struct Dimension {
    std::string label;
    int value = 0;
};

// What "Taille : Autre" asks about a component: the size dialog titled with the
// component's name, the arrow dialog, the text dialog, or nothing at all.
struct TailleAutre {
    enum class Dialog { None, Size, Arrow, Text };

    Dialog dialog = Dialog::None;
    // Why nothing is asked.
    std::string refusal;
    std::string title;
    // In the order of the dialog's fields; an arrow's are its length, head
    // half-height and head length.
    std::vector<Dimension> dimensions;
};

TailleAutre tailleAutre(const CElement& element);
// The values entered, in the order of tailleAutre()'s dimensions; no minimum applies.
CommandResult appliquerTailleAutre(CElement& element, std::span<const int> values);
