#include "flowchart/Commandes.h"
#include "flowchart/OrgArchive.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

// Writes generated flowcharts for the flowchart reader's fuzz target into
// DIR/organigramme/: the drawings and gesture sets of tools/samples seed the others.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds DIR\n";
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "organigramme";
    std::filesystem::create_directories(folder);
    for (int fixed = 0; fixed < 2; ++fixed) {
        COrganigramme org;
        org.setFixedSize(fixed == 1);
        for (int code = 102; code <= 117; ++code) {
            const int x = 40 * (code - 100);
            org.AddElement(creerComposant(code, CRect{x, 20, x + 35, 70}, org));
        }
        org.AddElement(
            std::make_unique<CTexte>(0x0000FF, "Verdana", 12, CRect{5, 5, 90, 30}, "Été à 5 €"));
        std::ofstream(folder / ("generated-" + std::to_string(fixed)), std::ios::binary)
            << storeOrganigramme(org);
    }
    return 0;
}
