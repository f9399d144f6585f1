#include "engine/FichierEnsemble.h"
#include "flowchart/Commandes.h"
#include "flowchart/OrgArchive.h"
#include "generator/ComponentGestures.h"
#include "generator/FamilyGestures.h"
#include "recognizer/DrawingText.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

// Writes generated inputs for each fuzz target into DIR/<target>/.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds DIR\n";
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    const std::filesystem::path drawings = root / "drawing_text";
    std::filesystem::create_directories(drawings);
    int n = 0;
    for (FamilyKind kind : kFamilyKinds) {
        DrawingGenerator g(static_cast<std::uint32_t>(kind) + 1);
        auto drawing = g.draw(familyGesture(kind, g, {200, 200}, 80, 0.4));
        std::ofstream out(drawings / ("generated-" + std::to_string(n++) + ".txt"));
        writeDrawing(out, *drawing, kind != FamilyKind::Cross);
    }
    const std::filesystem::path sets = root / "gesture_set";
    std::filesystem::create_directories(sets);
    for (int classes = 1; classes <= 3; ++classes) {
        const auto set = componentSet(classes, 3, static_cast<std::uint32_t>(classes));
        std::ofstream(sets / ("generated-" + std::to_string(classes) + ".gst"))
            << ecrireEnsemble(*set);
    }
    const std::filesystem::path flowcharts = root / "organigramme";
    std::filesystem::create_directories(flowcharts);
    for (int fixed = 0; fixed < 2; ++fixed) {
        COrganigramme org;
        org.setFixedSize(fixed == 1);
        for (int code = 102; code <= 117; ++code) {
            const int x = 40 * (code - 100);
            org.AddElement(creerComposant(code, CRect{x, 20, x + 35, 70}, org));
        }
        org.AddElement(
            std::make_unique<CTexte>(0x0000FF, "Verdana", 12, CRect{5, 5, 90, 30}, "Été à 5 €"));
        std::ofstream(flowcharts / ("generated-" + std::to_string(fixed) + ".org"),
                      std::ios::binary)
            << storeOrganigramme(org);
    }
    return 0;
}
