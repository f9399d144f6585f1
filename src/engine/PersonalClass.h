#pragma once

#include "recognizer/Dessin.h"

#include <memory>
#include <string>

class CClasse;
class CEnsemble;

// A person's own drawings of a code join a set as one class of their own, after
// the ways of drawing that the set was made with: "<meaning> (personnel)", with
// the code it stands for. The trained recogniser then knows their way too,
// whichever it is.

std::string personalClassName(const std::string& meaning);

// The position of the set's personal class for `meaning`; one is appended,
// empty and with `code`, when the set has none.
int personalClass(CEnsemble& set, const std::string& meaning, int code);

// Adds the drawing to the class as its next example, numbered, its features
// computed. The class's and the set's statistics are the caller's to train.
void addPersonalExample(CClasse& classe, std::shared_ptr<CDessin> drawing);

// A tap or a stray click rather than a gesture: under 10 pixels across both
// ways, or fewer than 5 points. Nobody means to teach a set that.
bool tooSmallToLearn(const CDessin& drawing);
