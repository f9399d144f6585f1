#include "velmora-gst/Commands.h"

#include "recognizer/Files.h"

#include <iostream>
#include <iterator>

namespace {

const char* const kUsage =
    "Usage : velmora-gst COMMANDE [ARGUMENTS]\n"
    "\n"
    "Commandes :\n"
    "  shapes FICHIER [--sans-temps]\n"
    "      Reconnaît le dessin FICHIER (forme texte : nombre de traits, puis pour\n"
    "      chaque trait son nombre de points et une ligne « x y t » par point ;\n"
    "      « x y » avec --sans-temps ; « - » lit l'entrée standard) et affiche les\n"
    "      candidats du reconnaisseur à règles, le meilleur d'abord.\n"
    "  --help\n"
    "      Affiche cette aide.\n";

} // namespace

bool readInput(const std::string& name, std::string& content) {
    if (name == "-") {
        content.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    const FileResult read = readWholeFile(name, content);
    if (!read.ok)
        std::cerr << read.error << '\n';
    return read.ok;
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "shapes")
        return runShapes(rest);
    std::cerr << "Commande inconnue : " << args[0] << "\n\n" << kUsage;
    return 2;
}
