#pragma once

#include <QString>

#include <memory>

class CDessin;
class CEnsemble;
struct Configuration;

// The flowchart sets that a person adapts to their hand: the configured
// components or commands set, to which their drawings are added as personal
// classes (engine/PersonalClass.h). The first time one is written, the shipped
// set is kept beside it as formes-livre.gst or commandes-livre.gst; a file of
// that name is never replaced, so the shipped set stays at hand for the chooser.

struct AdaptableSet {
    std::unique_ptr<CEnsemble> set; // null when it could not be read
    QString error;
};

// The configured set of `typeAction` (TYPE_COMPOSANTS or TYPE_COMMANDES) as the
// gesture folder holds it, or the shipped one when the file is missing.
AdaptableSet readAdaptableSet(const Configuration& configuration, int typeAction);

// Writes `set` over the configured set of its type, once the shipped set is
// kept. Returns "" or the French message of the write that failed.
QString savePersonalSet(const Configuration& configuration, CEnsemble& set);

// Adds `drawing` to the personal class of `code` in the configured set of
// `typeAction`, and saves the set so.
QString learnDrawing(const Configuration& configuration, int typeAction, int code,
                     std::shared_ptr<CDessin> drawing);
