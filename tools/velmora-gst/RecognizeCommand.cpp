#include "velmora-gst/Commands.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "recognizer/DrawingText.h"

#include <QCommandLineParser>

#include <cstdio>
#include <iostream>

int runRecognize(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    parser.addOption({"sans-temps", QString()});
    if (!parseToolArguments(parser, "recognize", args))
        return 2;
    std::vector<std::string> files;
    for (const QString& file : parser.positionalArguments())
        files.push_back(file.toStdString());
    const bool withTime = !parser.isSet("sans-temps");
    if (files.size() != 2) {
        std::cerr << "recognize : indiquez un ensemble de gestes (.gst) et un fichier de dessin "
                     "(ou « - »).\n";
        return 2;
    }
    const auto set = loadSet(files[0]);
    if (!set)
        return 1;
    std::string text;
    if (!readInput(files[1], text))
        return 1;
    DrawingReadResult read = readDrawingText(text, withTime);
    if (!read.drawing) {
        std::cerr << files[1] << " : " << read.error << '\n';
        return 1;
    }

    CAReconnaitre shape(*set);
    shape.setDessin(std::move(read.drawing));
    shape.calculerCaracteristiques();
    std::cout << "Ensemble : " << set->nom() << " (" << set->nbClasses() << " classes)\n";
    if (!set->reconnaissancePossible()) {
        std::cout << "Reconnaissance impossible\n";
    } else {
        shape.reconnaitre();
        const CClasse& best = *shape.classeChoisie();
        if (shape.rejete())
            std::cout << "Geste rejeté (classe la plus proche : " << shape.nomReconnu() << ")\n";
        else
            std::cout << "Geste reconnu : " << shape.nomReconnu() << '\n';
        std::printf("Code : %d (%s)\n", shape.code(),
                    nomCode(set->typeAction(), shape.code()).c_str());
        std::printf("Code de la classe : %d (%s)\n", best.code(),
                    nomCode(set->typeAction(), best.code()).c_str());
        std::printf("Évaluation : %g\nProbabilité : %.6f\nDistance : %.4f\n",
                    shape.meilleureEvaluation(), shape.probabilite(), shape.distance());
        std::printf("Rejeté par la probabilité (< 0,98) : %s\n",
                    shape.rejeteParProbabilite() ? "oui" : "non");
        std::printf("Rejeté par la distance (> 110) : %s\n",
                    shape.rejeteParDistance() ? "oui" : "non");
    }
    std::cout << "\nReconnaisseur à règles :\n" << std::flush;
    printShapeCandidates(shape.reconnaisseurFormes(), *shape.dessin());
    return 0;
}
