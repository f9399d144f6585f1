#pragma once

#include "generator/DrawingGenerator.h"

// The sixteen flowchart-command gestures, one per code from 202 "Déplacement
// horizontal : Droite-Gauche" to 217 "Taille : Autre":
//   202..205  a straight stroke in the direction of the move;
//   206       a small loop where the pen takes the component, then the way to go;
//   207       a scribble, back and forth, going down;
//   208       a large X, from top left, then from top right;
//   209..212  the letters N, R, V, B (noir, rouge, vert, bleu);
//   213       the letter C (couleur);
//   214, 215  ">" to reduce, "<" to enlarge, as a musical hairpin;
//   216       a rectangle of the size wanted, clockwise from its top left corner;
//   217       a question mark, its dot a second stroke.
// Each is drawn the same way round every time, as a user trains a set; the size,
// the proportions, a slight slant and the writer's style vary.
inline constexpr int kFirstCommandCode = 202;
inline constexpr int kCommandGestureCount = 16;

// Paths of one drawing of command `code` (202..217) about `size` pixels across.
std::vector<Path> commandGesture(int code, DrawingGenerator& g, Vec2 centre, double size);
