#include "velmora-gst/Commands.h"

#include "engine/Ensemble.h"
#include "recognizer/TextEncoding.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iostream>

namespace {

std::string statusText(int etat) {
    switch (etat) {
    case CClasse::ETAT_UTILISABLE:
        return "utilisable";
    case CClasse::ETAT_TROP_PEU_D_EXEMPLES:
        return "moins de deux exemples";
    case CClasse::ETAT_LIGNE_NULLE:
        return "une caractéristique constante";
    default:
        return "covariance aux lignes toutes égales";
    }
}

} // namespace

int runInfo(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    if (!parseToolArguments(parser, "info", args))
        return 2;
    if (parser.positionalArguments().size() != 1) {
        std::cerr << "info : indiquez un seul fichier d'ensemble de gestes (.gst).\n";
        return 2;
    }
    const auto set = loadSet(parser.positionalArguments().front().toStdString());
    if (!set)
        return 1;

    std::cout << "Ensemble : " << set->nom() << '\n'
              << "Description : " << set->description() << '\n'
              << "Type d'action : " << set->typeAction() << " (" << nomTypeAction(set->typeAction())
              << ")\n"
              << "Classes : " << set->nbClasses() << " (vides : " << set->nbClassesVides() << ")\n";
    if (set->nbClasses() > 0) {
        std::size_t width = 6;
        for (int c = 0; c < set->nbClasses(); ++c)
            width = std::max(width, codePointCount(set->classe(c).nom()));
        std::cout << '\n'
                  << padded("Classe", width) << "  Code  " << padded("Nom du code", 38)
                  << "  Exemples  État\n";
        for (int c = 0; c < set->nbClasses(); ++c) {
            const CClasse& classe = set->classe(c);
            const std::string code = std::to_string(classe.code());
            const std::string count = std::to_string(classe.nbExemples());
            std::cout << padded(classe.nom(), width) << "  " << padded(code, 4) << "  "
                      << padded(nomCode(set->typeAction(), classe.code()), 38) << "  "
                      << std::string(8 - std::min<std::size_t>(8, count.size()), ' ') << count
                      << "  " << classe.etat() << " (" << statusText(classe.etat()) << ")\n";
        }
    }
    std::cout << "\nReconnaissance possible : " << (set->reconnaissancePossible() ? "oui" : "non")
              << '\n';
    return 0;
}
