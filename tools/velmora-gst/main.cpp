#include "velmora-gst/Commands.h"

#include "engine/FichierEnsemble.h"
#include "recognizer/Files.h"
#include "recognizer/TextEncoding.h"

#include <algorithm>
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
    "  info ENSEMBLE.gst\n"
    "      Affiche le nom, la description et le type d'action de l'ensemble de\n"
    "      gestes, puis pour chaque classe son nom, son code, son nombre\n"
    "      d'exemples et son état, et dit si l'ensemble peut reconnaître.\n"
    "  eval ENSEMBLE.gst [--folds K] [--seed S] [--json]\n"
    "      Validation croisée stratifiée en K plis (5 par défaut, graine S, 1 par\n"
    "      défaut) : chaque pli est reconnu par l'ensemble appris sur les autres.\n"
    "      Affiche le taux de reconnaissance, les parts rejetées par la\n"
    "      probabilité et par la distance, la part acceptée à tort et la matrice\n"
    "      de confusion ; --json donne le même résultat en JSON.\n"
    "  recognize ENSEMBLE.gst DESSIN [--sans-temps]\n"
    "      Reconnaît le dessin DESSIN (même forme que pour shapes) avec\n"
    "      l'ensemble appris : classe, code, probabilité, distance et rejets,\n"
    "      puis les candidats du reconnaisseur à règles.\n"
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

std::unique_ptr<CEnsemble> loadSet(const std::string& path) {
    LectureEnsemble read = chargerEnsemble(path);
    if (!read.erreur.empty()) {
        std::cerr << read.erreur << '\n';
        return nullptr;
    }
    return std::move(read.ensemble);
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = codePointCount(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto help = std::find_if(args.begin(), args.end(),
                                   [](const std::string& a) { return a == "--help" || a == "-h"; });
    if (args.empty() || help != args.end()) {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "shapes")
        return runShapes(rest);
    if (args[0] == "info")
        return runInfo(rest);
    if (args[0] == "eval")
        return runEval(rest);
    if (args[0] == "recognize")
        return runRecognize(rest);
    std::cerr << "Commande inconnue : " << args[0] << "\n\n" << kUsage;
    return 2;
}
