#include "shell/DocTemplates.h"

#include "flowchart/Orga.h"
#include "shell/DocTemplate.h"
#include "text/Strovik.h"
#include "training/Apprentissage.h"

std::vector<std::unique_ptr<CDocTemplate>> applicationTemplates() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(textTemplate());
    templates.push_back(gestureSetTemplate());
    templates.push_back(orgaTemplate());
    return templates;
}
