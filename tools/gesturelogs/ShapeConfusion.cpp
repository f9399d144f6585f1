#include "gesturelogs/ShapeConfusion.h"

#include "engine/Ensemble.h"
#include "recognizer/ShapeRecognizer.h"

#include <algorithm>

ShapeConfusion shapeConfusion(const CEnsemble& set) {
    ShapeConfusion confusion;
    CShapeRecognizer recognizer(true, 0.0);
    for (const auto& member : recognizer.prototypes())
        confusion.members.emplace_back(member->name());
    confusion.members.emplace_back(CCommandTap().name());
    confusion.members.emplace_back(CShapeUnknown().name());

    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& classe = set.classe(c);
        confusion.kinds.push_back(classe.nom());
        std::vector<int>& row = confusion.counts.emplace_back(confusion.members.size(), 0);
        for (int e = 0; e < classe.nbExemples(); ++e) {
            const auto& drawing = classe.exemple(e).dessin();
            if (!drawing)
                continue;
            const std::string_view first = recognizer.recognize(*drawing).at(0)->name();
            const auto column =
                std::find(confusion.members.begin(), confusion.members.end(), first);
            ++row[static_cast<std::size_t>(column - confusion.members.begin())];
        }
    }
    return confusion;
}
