#include "app/Editors.h"

#include "engine/Ensemble.h"
#include "flowchart/Orga.h"
#include "shell/DocTemplate.h"
#include "text/Strovik.h"
#include "training/Apprentissage.h"
#include "training/NouvelEnsembleDlg.h"
#include "training/PersonalGesturesDialog.h"

std::vector<std::unique_ptr<CDocTemplate>> editorTemplates() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(textTemplate());
    templates.push_back(gestureSetTemplate());
    templates.push_back(orgaTemplate());
    return templates;
}

CApplication::NewSetDialog newSetDialog() {
    return askNewGestureSet;
}

CApplication::AdaptDialog adaptDialog() {
    return adaptGestures;
}
