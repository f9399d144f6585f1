#pragma once

#include "generator/GestureVariant.h"

// The sixteen flowchart-command gestures, one per code from 202 "Déplacement
// horizontal : Droite-Gauche" to 217 "Taille : Autre":
//   202..205  a stroke in the direction of the move, curving a little as a
//             hand's straight line does;
//   206       the way to go, down and to the left, then a small loop to set the
//             component down;
//   207       a scribble, back and forth, going down;
//   208       a large X, from top left, then from top right;
//   209..212  the letters N, R, V, B (noir, rouge, vert, bleu);
//   213       the letter C (couleur);
//   214, 215  the letters P (plus petit) and G (plus grand);
//   216       an L, the left and bottom sides of the box wanted;
//   217       a question mark, its dot a second stroke.
// Each is drawn the same way round every time, as a user trains a set; the
// proportions, a slight slant and the writer's style vary.

// Paths of one drawing of command `code` (202..217), `size` pixels high or long.
std::vector<Path> commandGesture(int code, DrawingGenerator& g, Vec2 centre, double size);

// Every way people write each command, in code order, the way above first:
// the letters N and P in one, two or three strokes, the scribble in any
// direction, the X in each stroke order; the V and the question mark in one
// stroke only, since in two they would stand beside the X and the P. A letter
// whose second stroke starts where its first began (the bowl of a P or a B,
// the foot of an L) is measured as one path going back over itself: in one
// stroke or two, it is one way. A command drawn one way only is named after its
// code alone.
const std::vector<GestureVariant>& commandVariants();
