#include "shell/DocTemplates.h"

#include "shell/DocTemplate.h"

std::vector<std::unique_ptr<CDocTemplate>> applicationTemplates() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    return templates;
}
