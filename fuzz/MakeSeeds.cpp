#include "engine/FichierEnsemble.h"
#include "flowchart/Commandes.h"
#include "flowchart/OrgArchive.h"
#include "generator/ComponentGestures.h"
#include "generator/FamilyGestures.h"
#include "recognizer/DrawingText.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

// Writes generated inputs for each fuzz target into DIR/<target>/.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds DIR\n";
        return 2;
    }
    const auto write = [root = std::filesystem::path(argv[1])](const std::string& target, int n,
                                                               const std::string& content) {
        std::filesystem::create_directories(root / target);
        std::ofstream(root / target / ("generated-" + std::to_string(n)), std::ios::binary)
            << content;
    };
    int n = 0;
    for (FamilyKind kind : kFamilyKinds) {
        DrawingGenerator g(static_cast<std::uint32_t>(kind) + 1);
        std::ostringstream text;
        writeDrawing(text, *g.draw(familyGesture(kind, g, {200, 200}, 80, 0.4)),
                     kind != FamilyKind::Cross);
        write("drawing_text", n++, text.str());
    }
    for (int classes = 1; classes <= 3; ++classes)
        write("gesture_set", classes,
              ecrireEnsemble(*componentSet(classes, 3, static_cast<std::uint32_t>(classes))));
    for (int fixed = 0; fixed < 2; ++fixed) {
        COrganigramme org;
        org.setFixedSize(fixed == 1);
        for (int code = 102; code <= 117; ++code) {
            const int x = 40 * (code - 100);
            org.AddElement(creerComposant(code, CRect{x, 20, x + 35, 70}, org));
        }
        org.AddElement(
            std::make_unique<CTexte>(0x0000FF, "Verdana", 12, CRect{5, 5, 90, 30}, "Été à 5 €"));
        write("organigramme", fixed, storeOrganigramme(org));
    }
    return 0;
}
