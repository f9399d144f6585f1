#include "shell/DocTemplates.h"

#include "shell/DocTemplate.h"
#include "text/Strovik.h"
#include "text/StrovikDoc.h"

std::vector<std::unique_ptr<CDocTemplate>> applicationTemplates() {
    std::vector<std::unique_ptr<CDocTemplate>> templates;
    templates.push_back(std::make_unique<CDocTemplate>(
        "\nsans_nom_\nStrovik\nText Files (*.svk)\n.svk\nStrovik.Document\nStrovik Document",
        [](const CDocTemplate& t) { return std::make_unique<CStrovikDoc>(t); },
        [](CDocument& d) { return std::make_unique<CStrovik>(static_cast<CStrovikDoc&>(d)); }));
    return templates;
}
