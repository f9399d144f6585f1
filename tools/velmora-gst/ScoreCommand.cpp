#include "velmora-gst/Commands.h"
#include "velmora-gst/FlowchartSets.h"

#include "engine/Ensemble.h"
#include "gesturelogs/DecisionScore.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <iostream>

namespace {

struct ScoreOptions {
    std::vector<std::string> folders;
    ScoreSettings settings;
    std::string setsFolder;
    std::string setFile;
    bool json = false;
};

bool parseKind(const QString& text, KindCodes& kind) {
    const QStringList parts = text.split('=');
    if (parts.size() != 2 || parts[0].isEmpty())
        return false;
    kind.kind = parts[0].toStdString();
    for (const QString& code : parts[1].split(',')) {
        long long value = 0;
        if (!parseNumber(code.toStdString(), 101, 65535, value))
            return false;
        kind.codes.push_back(static_cast<int>(value));
    }
    return true;
}

std::vector<std::string> listOf(const QString& text) {
    std::vector<std::string> items;
    for (const QString& item : text.split(',', Qt::SkipEmptyParts))
        items.push_back(item.toStdString());
    return items;
}

bool parseOptions(const std::vector<std::string>& args, ScoreOptions& options) {
    QCommandLineParser parser;
    parser.addOptions({{"map", QString(), "GESTE=CODES"},
                       {"command", QString()},
                       {"literal", QString()},
                       {"sets", QString(), "DOSSIER"},
                       {"set", QString(), "FICHIER"},
                       {"people", QString(), "P"},
                       {"exclude-people", QString(), "P"},
                       {"personal", QString(), "N"},
                       {"json", QString()}});
    if (!parseToolArguments(parser, "score", args))
        return false;
    ScoreSettings& settings = options.settings;
    for (const QString& text : parser.values("map")) {
        KindCodes kind;
        if (!parseKind(text, kind)) {
            std::cerr << "score : --map attend GESTE=CODE,CODE... : " << text.toStdString() << '\n';
            return false;
        }
        settings.kinds.push_back(std::move(kind));
    }
    for (const QString& folder : parser.positionalArguments())
        options.folders.push_back(folder.toStdString());
    if (options.folders.empty() || settings.kinds.empty()) {
        std::cerr << "score : indiquez au moins un dossier de journaux de gestes et un --map.\n";
        return false;
    }
    long long personal = 0;
    if (!numberOption(parser, "personal", "score", "nombre de dessins personnels", 1, 100,
                      personal))
        return false;
    settings.personal = static_cast<int>(personal);
    settings.target = parser.isSet("command") ? GestureTarget::Command : GestureTarget::Component;
    settings.combine = !parser.isSet("literal");
    settings.people = listOf(parser.value("people"));
    settings.excluded = listOf(parser.value("exclude-people"));
    options.setsFolder = parser.value("sets").toStdString();
    options.setFile = parser.value("set").toStdString();
    options.json = parser.isSet("json");
    return true;
}

std::string codeList(const std::vector<int>& codes) {
    std::string text;
    for (const int code : codes) {
        if (!text.empty())
            text += ',';
        text += std::to_string(code);
    }
    return text;
}

std::string countAndShare(int count, int total) {
    char text[32];
    std::snprintf(text, sizeof text, "%6d ", count);
    return text + percent(total ? double(count) / total : 0);
}

void printRow(const std::string& kind, const std::string& codes, const KindScore& s) {
    std::cout << padded(kind, 16) << padded(codes, 14)
              << rightAligned(std::to_string(s.drawings), 7) << countAndShare(s.right, s.drawings)
              << countAndShare(s.rejected, s.drawings) << countAndShare(s.wrong, s.drawings);
    if (!s.wrongCodes.empty()) {
        std::cout << "   faux :";
        for (const auto& [code, n] : s.wrongCodes)
            std::cout << ' ' << code << " ×" << n;
    }
    std::cout << '\n';
}

void printText(const ScoreOptions& options, const DecisionScore& score) {
    const ScoreSettings& settings = options.settings;
    std::cout << (settings.target == GestureTarget::Component ? "Composants" : "Commandes")
              << (settings.combine ? ", reconnaisseurs combinés"
                                   : ", reconnaissance de l'ensemble seul")
              << " ; ensemble : "
              << (!options.setFile.empty()      ? options.setFile
                  : !options.setsFolder.empty() ? options.setsFolder
                                                : std::string("livré"))
              << "\nPersonnes comptées :";
    for (const std::string& writer : score.writers)
        std::cout << ' ' << writer;
    std::cout << '\n';
    if (settings.personal > 0)
        std::cout << "Personnalisation : les " << settings.personal
                  << " premiers dessins de chaque geste de chaque personne forment une classe "
                     "de plus ; les autres sont comptés.\n";
    std::cout << '\n'
              << padded("Geste", 16) << padded("Codes justes", 14)
              << "Dessins        Justes        Rejetés           Faux\n";
    KindScore total;
    for (std::size_t k = 0; k < score.kinds.size(); ++k) {
        printRow(settings.kinds[k].kind, codeList(settings.kinds[k].codes), score.kinds[k]);
        total.add(score.kinds[k]);
    }
    printRow("Total", "", total);
}

void printJson(const ScoreOptions& options, const DecisionScore& score) {
    const ScoreSettings& settings = options.settings;
    QJsonArray kinds;
    for (std::size_t k = 0; k < score.kinds.size(); ++k) {
        const KindScore& s = score.kinds[k];
        QJsonArray codes;
        for (const int code : settings.kinds[k].codes)
            codes.append(code);
        QJsonObject wrongCodes;
        for (const auto& [code, n] : s.wrongCodes)
            wrongCodes[QString::number(code)] = n;
        kinds.append(QJsonObject{{"geste", QString::fromStdString(settings.kinds[k].kind)},
                                 {"codes", codes},
                                 {"dessins", s.drawings},
                                 {"justes", s.right},
                                 {"rejetes", s.rejected},
                                 {"faux", s.wrong},
                                 {"faux_par_code", wrongCodes}});
    }
    QJsonArray writers;
    for (const std::string& writer : score.writers)
        writers.append(QString::fromStdString(writer));
    const QJsonObject root{
        {"mode", settings.target == GestureTarget::Component ? "composants" : "commandes"},
        {"reconnaisseurs_combines", settings.combine},
        {"personnalisation", settings.personal},
        {"personnes", writers},
        {"gestes", kinds}};
    std::cout << QJsonDocument(root).toJson().toStdString();
}

} // namespace

int runScore(const std::vector<std::string>& args) {
    ScoreOptions options;
    if (!parseOptions(args, options))
        return 2;
    const auto set = flowchartSet(options.settings.target, options.setsFolder, options.setFile);
    if (!set)
        return 1;
    std::vector<std::unique_ptr<CEnsemble>> imported;
    std::vector<const CEnsemble*> logs;
    for (const std::string& folder : options.folders) {
        auto log = loadSource(folder, {});
        if (!log)
            return 1;
        logs.push_back(log.get());
        imported.push_back(std::move(log));
    }
    const DecisionScore score = scoreDecision(*set, logs, options.settings);
    if (options.json)
        printJson(options, score);
    else
        printText(options, score);
    return 0;
}
