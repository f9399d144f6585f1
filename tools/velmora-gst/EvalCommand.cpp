#include "velmora-gst/Commands.h"

#include "engine/Ensemble.h"
#include "engine/PersonSpeedEvaluation.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdio>
#include <iostream>

namespace {

struct Options {
    std::string file;
    int folds = 5;
    std::vector<int> train; // examples per class of the per-person protocol; empty: folds
    int repeat = 100;
    std::uint32_t seed = 1;
    bool json = false;
    Recognizer recognizer = Recognizer::Trained;
    LogSelection selection;
};

bool parseTrainingCounts(const std::string& text, std::vector<int>& counts) {
    for (const std::string& item : commaList(text)) {
        long long n = 0;
        if (!parseNumber(item, 1, 1000, n))
            return false;
        counts.push_back(static_cast<int>(n));
    }
    return true;
}

bool parseOptions(const std::vector<std::string>& args, Options& options) {
    QCommandLineParser parser;
    addSelectionOptions(parser);
    parser.addOptions({{"folds", QString(), "K"},
                       {"seed", QString(), "S"},
                       {"train", QString(), "N"},
                       {"repeat", QString(), "R"},
                       {"recognizer", QString(), "NOM"},
                       {"json", QString()}});
    if (!parseToolArguments(parser, "eval", args) ||
        !readSelection(parser, "eval", options.selection))
        return false;
    long long folds = options.folds, repeat = options.repeat, seed = options.seed;
    if (!numberOption(parser, "folds", "eval", "nombre de plis", 2, 1000, folds) ||
        !numberOption(parser, "repeat", "eval", "nombre de tirages", 1, 100'000, repeat) ||
        !numberOption(parser, "seed", "eval", "graine", 0, 0xFFFFFFFF, seed))
        return false;
    options.folds = static_cast<int>(folds);
    options.repeat = static_cast<int>(repeat);
    options.seed = static_cast<std::uint32_t>(seed);
    options.json = parser.isSet("json");
    const QString recognizer = parser.value("recognizer");
    if (recognizer == "templates") {
        options.recognizer = Recognizer::Templates;
    } else if (parser.isSet("recognizer") && recognizer != "rubine") {
        std::cerr << "eval : reconnaisseur invalide : " << recognizer.toStdString()
                  << " (rubine ou templates attendu).\n";
        return false;
    }
    if (parser.isSet("train") &&
        !parseTrainingCounts(parser.value("train").toStdString(), options.train)) {
        std::cerr << "eval : nombres d'exemples d'apprentissage invalides : "
                  << parser.value("train").toStdString()
                  << " (entiers de 1 à 1000 séparés par des virgules attendus).\n";
        return false;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        std::cerr << "eval : indiquez un ensemble de gestes (.gst) ou un dossier de journaux de "
                     "gestes.\n";
        return false;
    }
    options.file = files.front().toStdString();
    if (parser.isSet("folds") && !options.train.empty()) {
        std::cerr << "eval : --folds et --train ne vont pas ensemble (validation croisée ou "
                     "protocole par personne).\n";
        return false;
    }
    return true;
}

void printText(const CEnsemble& set, const Options& options, const CrossValidationResult& r) {
    std::cout << "Validation croisée de « " << set.nom() << " » (" << options.file
              << ") : " << options.folds << " plis, graine " << options.seed << '\n'
              << "Reconnaisseur : " << recognizerTitle(options.recognizer) << '\n'
              << "Exemples : " << r.examples << " ; classes : " << set.nbClasses() << "\n\n";
    const std::pair<const char*, int> lines[] = {
        {"Reconnus correctement     ", r.right},
        {"Rejetés par la probabilité", r.rejectedByProbability},
        {"Rejetés par la distance   ", r.rejectedByDistance},
        {"Acceptés à tort           ", r.wronglyAccepted},
        {"Reconnaissance impossible ", r.impossible},
    };
    for (const auto& [label, count] : lines) {
        char number[16];
        std::snprintf(number, sizeof number, "%6d", count);
        std::cout << label << number << "  " << percent(r.share(count)) << '\n';
    }
    std::cout << "(un geste peut être rejeté par les deux tests)\n\n"
              << "Matrice de confusion (lignes : classe du geste ; colonnes : classe reconnue,\n"
              << "« - » : non reconnu)\n";
    const int classes = set.nbClasses();
    std::ostringstream header;
    header << "    ";
    for (int c = 0; c < classes; ++c) {
        char cell[16];
        std::snprintf(cell, sizeof cell, "%4d", c + 1);
        header << cell;
    }
    std::cout << header.str() << "     -\n";
    for (int c = 0; c < classes; ++c) {
        char cell[16];
        std::snprintf(cell, sizeof cell, "%4d", c + 1);
        std::cout << cell;
        for (int k = 0; k < classes; ++k) {
            std::snprintf(cell, sizeof cell, "%4d", r.confusion[c][k]);
            std::cout << cell;
        }
        std::snprintf(cell, sizeof cell, "%6d", r.confusion[c][classes]);
        std::cout << cell << "  " << set.classe(c).nom() << '\n';
    }
}

void printJson(const CEnsemble& set, const Options& options, const CrossValidationResult& r) {
    QJsonArray classes;
    for (int c = 0; c < set.nbClasses(); ++c)
        classes.append(QString::fromStdString(set.classe(c).nom()));
    QJsonArray confusion;
    for (const std::vector<int>& row : r.confusion) {
        QJsonArray counts;
        for (const int n : row)
            counts.append(n);
        confusion.append(counts);
    }
    const QJsonObject root{
        {"fichier", QString::fromStdString(options.file)},
        {"ensemble", QString::fromStdString(set.nom())},
        {"plis", options.folds},
        {"reconnaisseur", QString::fromStdString(recognizerName(options.recognizer))},
        {"graine", static_cast<qint64>(options.seed)},
        {"exemples", r.examples},
        {"classes", classes},
        {"reconnus", r.right},
        {"rejetes_probabilite", r.rejectedByProbability},
        {"rejetes_distance", r.rejectedByDistance},
        {"acceptes_a_tort", r.wronglyAccepted},
        {"impossibles", r.impossible},
        {"taux_reconnaissance", r.share(r.right)},
        {"part_rejetes_probabilite", r.share(r.rejectedByProbability)},
        {"part_rejetes_distance", r.share(r.rejectedByDistance)},
        {"part_acceptes_a_tort", r.share(r.wronglyAccepted)},
        {"part_impossibles", r.share(r.impossible)},
        {"confusion", confusion}};
    std::cout << QJsonDocument(root).toJson().toStdString();
}

} // namespace

int runEval(const std::vector<std::string>& args) {
    Options options;
    if (!parseOptions(args, options))
        return 2;
    const auto set = loadSource(options.file, options.selection);
    if (!set)
        return 1;
    if (!options.train.empty()) {
        std::vector<PersonSpeedResult> results;
        for (const int n : options.train)
            results.push_back(evaluatePerPersonAndSpeed(*set, n, options.repeat, options.seed,
                                                        options.recognizer));
        printProtocol(*set, options.file, options.seed, options.recognizer, results, options.json);
        return 0;
    }
    const CrossValidationResult result =
        crossValidate(*set, options.folds, options.seed, options.recognizer);
    if (options.json)
        printJson(*set, options, result);
    else
        printText(*set, options, result);
    return 0;
}
