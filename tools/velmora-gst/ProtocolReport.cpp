#include "velmora-gst/Commands.h"

#include "engine/Ensemble.h"
#include "engine/PersonSpeedEvaluation.h"
#include "recognizer/TextEncoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iostream>

namespace {

constexpr std::size_t kCell = 10;

// The shares of one row of the tables, in the order of columnTitles().
std::vector<int> shareCounts(const RecognitionCounts& c) {
    return {
        c.right,          c.bestRight, c.rejected, c.rejectedByProbability, c.rejectedByDistance,
        c.wronglyAccepted};
}

std::string columnTitles() {
    std::string titles = rightAligned("Gestes", 9);
    for (const char* title : {"Reconnus", "Meilleure", "Rejetés", "Probab.", "Distance", "À tort"})
        titles += rightAligned(title, kCell);
    return titles;
}

std::string cells(const RecognitionCounts& counts) {
    std::string row = rightAligned(std::to_string(counts.tests), 9);
    for (const int n : shareCounts(counts))
        row += rightAligned(percent(counts.share(n)), kCell);
    return row;
}

void printText(const CEnsemble& set, const std::string& source, std::uint32_t seed,
               Recognizer recognizer, const std::vector<PersonSpeedResult>& results) {
    int examples = 0;
    std::size_t width = 6;
    for (int c = 0; c < set.nbClasses(); ++c) {
        examples += set.classe(c).nbExemples();
        width = std::max(width, codePointCount(set.classe(c).nom()));
    }
    std::cout << "Protocole par personne et par vitesse sur « " << set.nom() << " » (" << source
              << ")\nReconnaisseur : " << recognizerTitle(recognizer)
              << "\nClasses : " << set.nbClasses() << " ; exemples : " << examples
              << " ; tirages : " << results.front().repetitions << " ; graine : " << seed << '\n'
              << "« Meilleure » : la classe du geste est venue en premier, rejetée ou non ;\n"
              << "« Probab. », « Distance » : rejetés par chacun des deux tests (un geste peut\n"
              << "l'être par les deux).\n";
    for (const PersonSpeedResult& r : results) {
        std::cout << "\nN = " << r.training << " exemples d'apprentissage par classe ; groupes "
                  << "(personne, vitesse) : " << r.groups
                  << " ; gestes reconnus : " << r.overall.tests << '\n';
        if (r.classesLeftOut > 0)
            std::cout << "Classes écartées d'un groupe faute d'exemples (pas plus de " << r.training
                      << ") : " << r.classesLeftOut << '\n';
        if (r.overall.impossible > 0)
            std::cout << "Reconnaissance impossible : "
                      << percent(r.overall.share(r.overall.impossible)) << '\n';
        std::cout << padded("Classe", width) << columnTitles() << '\n';
        for (int c = 0; c < set.nbClasses(); ++c)
            std::cout << padded(set.classe(c).nom(), width)
                      << cells(r.perClass[static_cast<std::size_t>(c)]) << '\n';
        std::cout << padded("Total", width) << cells(r.overall) << '\n';
    }
    if (results.size() > 1) {
        std::cout << "\nRésumé\n" << rightAligned("N", 6) << columnTitles() << '\n';
        for (const PersonSpeedResult& r : results)
            std::cout << rightAligned(std::to_string(r.training), 6) << cells(r.overall) << '\n';
    }
}

QJsonObject countsObject(const RecognitionCounts& c) {
    return {{"gestes", c.tests},
            {"reconnus", c.right},
            {"meilleure_juste", c.bestRight},
            {"rejetes", c.rejected},
            {"rejetes_probabilite", c.rejectedByProbability},
            {"rejetes_distance", c.rejectedByDistance},
            {"acceptes_a_tort", c.wronglyAccepted},
            {"impossibles", c.impossible},
            {"taux_reconnaissance", c.share(c.right)}};
}

void printJson(const CEnsemble& set, const std::string& source, std::uint32_t seed,
               Recognizer recognizer, const std::vector<PersonSpeedResult>& results) {
    QJsonArray classes;
    for (int c = 0; c < set.nbClasses(); ++c)
        classes.append(QString::fromStdString(set.classe(c).nom()));
    QJsonArray rows;
    for (const PersonSpeedResult& r : results) {
        QJsonArray perClass;
        for (const RecognitionCounts& counts : r.perClass)
            perClass.append(countsObject(counts));
        rows.append(QJsonObject{{"apprentissage", r.training},
                                {"groupes", r.groups},
                                {"classes_ecartees", r.classesLeftOut},
                                {"total", countsObject(r.overall)},
                                {"par_classe", perClass}});
    }
    const QJsonObject root{{"source", QString::fromStdString(source)},
                           {"ensemble", QString::fromStdString(set.nom())},
                           {"reconnaisseur", QString::fromStdString(recognizerName(recognizer))},
                           {"tirages", results.front().repetitions},
                           {"graine", static_cast<qint64>(seed)},
                           {"classes", classes},
                           {"resultats", rows}};
    std::cout << QJsonDocument(root).toJson().toStdString();
}

} // namespace

void printProtocol(const CEnsemble& set, const std::string& source, std::uint32_t seed,
                   Recognizer recognizer, const std::vector<PersonSpeedResult>& results,
                   bool json) {
    if (json)
        printJson(set, source, seed, recognizer, results);
    else
        printText(set, source, seed, recognizer, results);
}

std::string recognizerName(Recognizer recognizer) {
    return recognizer == Recognizer::Templates ? "templates" : "rubine";
}

std::string recognizerTitle(Recognizer recognizer) {
    return recognizer == Recognizer::Templates
               ? "modèles (un par exemple, 16 points, cosinus ; jamais de rejet)"
               : "ensemble appris (classifieur linéaire et ses deux tests de rejet)";
}
