#include "velmora-gst/Commands.h"

#include "engine/Ensemble.h"
#include "gesturelogs/PersonSpeedEvaluation.h"
#include "recognizer/TextEncoding.h"

#include <algorithm>
#include <iostream>
#include <locale>
#include <sstream>

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
               const std::vector<PersonSpeedResult>& results) {
    int examples = 0;
    std::size_t width = 6;
    for (int c = 0; c < set.nbClasses(); ++c) {
        examples += set.classe(c).nbExemples();
        width = std::max(width, codePointCount(set.classe(c).nom()));
    }
    std::cout << "Protocole par personne et par vitesse sur « " << set.nom() << " » (" << source
              << ")\nClasses : " << set.nbClasses() << " ; exemples : " << examples
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

void printCounts(std::ostream& out, const RecognitionCounts& c) {
    out << "{\"gestes\": " << c.tests << ", \"reconnus\": " << c.right
        << ", \"meilleure_juste\": " << c.bestRight << ", \"rejetes\": " << c.rejected
        << ", \"rejetes_probabilite\": " << c.rejectedByProbability
        << ", \"rejetes_distance\": " << c.rejectedByDistance
        << ", \"acceptes_a_tort\": " << c.wronglyAccepted << ", \"impossibles\": " << c.impossible
        << ", \"taux_reconnaissance\": " << c.share(c.right) << '}';
}

void printJson(const CEnsemble& set, const std::string& source, std::uint32_t seed,
               const std::vector<PersonSpeedResult>& results) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "{\n  \"source\": " << jsonString(source)
        << ",\n  \"ensemble\": " << jsonString(set.nom())
        << ",\n  \"tirages\": " << results.front().repetitions << ",\n  \"graine\": " << seed
        << ",\n  \"classes\": [";
    for (int c = 0; c < set.nbClasses(); ++c)
        out << (c ? ", " : "") << jsonString(set.classe(c).nom());
    out << "],\n  \"resultats\": [";
    for (std::size_t i = 0; i < results.size(); ++i) {
        const PersonSpeedResult& r = results[i];
        out << (i ? ",\n" : "\n") << "    {\"apprentissage\": " << r.training
            << ", \"groupes\": " << r.groups << ", \"classes_ecartees\": " << r.classesLeftOut
            << ",\n     \"total\": ";
        printCounts(out, r.overall);
        out << ",\n     \"par_classe\": [";
        for (std::size_t c = 0; c < r.perClass.size(); ++c) {
            out << (c ? ",\n       " : "\n       ");
            printCounts(out, r.perClass[c]);
        }
        out << "]}";
    }
    out << "\n  ]\n}\n";
    std::cout << out.str();
}

} // namespace

void printProtocol(const CEnsemble& set, const std::string& source, std::uint32_t seed,
                   const std::vector<PersonSpeedResult>& results, bool json) {
    if (json)
        printJson(set, source, seed, results);
    else
        printText(set, source, seed, results);
}
