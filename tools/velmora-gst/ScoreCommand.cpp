#include "velmora-gst/Commands.h"
#include "velmora-gst/FlowchartSets.h"

#include "engine/Ensemble.h"
#include "gesturelogs/GestureLog.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>

namespace {

// A kind of gesture in the logs and the codes that make what its writers meant,
// the code a personal class takes first.
struct KindCodes {
    std::string kind;
    std::vector<int> codes;
};

struct KindScore {
    int drawings = 0;
    int right = 0;
    int rejected = 0;
    int wrong = 0;
    std::map<int, int> wrongCodes; // what the wrong ones became
};

struct ScoreOptions {
    std::vector<std::string> folders;
    std::vector<KindCodes> kinds;
    GestureTarget target = GestureTarget::Component;
    bool combine = true;
    std::string setsFolder;
    std::string setFile;
    std::vector<std::string> people;
    std::vector<std::string> excluded;
    int personal = 0;
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
    const QCommandLineOption map("map", "", "GESTE=CODES");
    const QCommandLineOption command("command");
    const QCommandLineOption literal("literal");
    const QCommandLineOption sets("sets", "", "DOSSIER");
    const QCommandLineOption set("set", "", "FICHIER");
    const QCommandLineOption people("people", "", "P");
    const QCommandLineOption exclude("exclude-people", "", "P");
    const QCommandLineOption personal("personal", "", "N");
    const QCommandLineOption json("json");
    parser.addOptions({map, command, literal, sets, set, people, exclude, personal, json});
    if (!parseToolArguments(parser, "score", args))
        return false;
    for (const QString& text : parser.values(map)) {
        KindCodes kind;
        if (!parseKind(text, kind)) {
            std::cerr << "score : --map attend GESTE=CODE,CODE... : " << text.toStdString() << '\n';
            return false;
        }
        options.kinds.push_back(std::move(kind));
    }
    for (const QString& folder : parser.positionalArguments())
        options.folders.push_back(folder.toStdString());
    if (options.folders.empty() || options.kinds.empty()) {
        std::cerr << "score : indiquez au moins un dossier de journaux de gestes et un --map.\n";
        return false;
    }
    if (parser.isSet(personal)) {
        long long n = 0;
        if (!parseNumber(parser.value(personal).toStdString(), 1, 100, n)) {
            std::cerr << "score : --personal attend un entier de 1 à 100.\n";
            return false;
        }
        options.personal = static_cast<int>(n);
    }
    options.target = parser.isSet(command) ? GestureTarget::Command : GestureTarget::Component;
    options.combine = !parser.isSet(literal);
    options.setsFolder = parser.value(sets).toStdString();
    options.setFile = parser.value(set).toStdString();
    options.people = listOf(parser.value(people));
    options.excluded = listOf(parser.value(exclude));
    options.json = parser.isSet(json);
    return true;
}

bool counted(const ScoreOptions& options, const std::string& person) {
    const auto has = [&](const std::vector<std::string>& list) {
        return std::find(list.begin(), list.end(), person) != list.end();
    };
    return (options.people.empty() || has(options.people)) && !has(options.excluded);
}

// One drawing of a log kind, with the writer it came from.
struct LoggedDrawing {
    std::size_t kind;
    std::string person;
    const CExemple* exemple;
};

// The drawings of the mapped kinds by the writers counted, each writer's in name order.
std::vector<LoggedDrawing> loggedDrawings(const std::vector<CEnsemble*>& logs,
                                          const ScoreOptions& options) {
    std::vector<LoggedDrawing> drawings;
    for (std::size_t k = 0; k < options.kinds.size(); ++k)
        for (const CEnsemble* log : logs)
            for (int c = 0; c < log->nbClasses(); ++c) {
                const CClasse& classe = log->classe(c);
                if (classe.nom() != options.kinds[k].kind)
                    continue;
                for (int e = 0; e < classe.nbExemples(); ++e) {
                    const auto who = personSpeedOf(classe.exemple(e).nom());
                    const std::string person = who ? who->person : std::string();
                    if (counted(options, person))
                        drawings.push_back({k, person, &classe.exemple(e)});
                }
            }
    std::stable_sort(drawings.begin(), drawings.end(), [](const auto& a, const auto& b) {
        return a.person != b.person ? a.person < b.person : a.exemple->nom() < b.exemple->nom();
    });
    return drawings;
}

// `set` with one more class per kind, trained on `examples` as a person adapts
// the set to their hand: the class takes the kind's first code.
std::unique_ptr<CEnsemble> personalSet(const CEnsemble& set, const ScoreOptions& options,
                                       const std::vector<std::vector<const CExemple*>>& examples) {
    auto personal = std::make_unique<CEnsemble>(set.nom(), set.description());
    personal->setTypeAction(set.typeAction());
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& source = set.classe(c);
        auto classe = std::make_unique<CClasse>(source.nom(), source.description());
        classe->setCode(source.code());
        for (int e = 0; e < source.nbExemples(); ++e)
            classe->ajouterExemple(std::make_unique<CExemple>(source.exemple(e)));
        personal->ajouterClasse(std::move(classe));
    }
    for (std::size_t k = 0; k < examples.size(); ++k) {
        if (examples[k].empty())
            continue;
        auto classe = std::make_unique<CClasse>(options.kinds[k].kind + " (personnel)", "");
        classe->setCode(static_cast<std::uint16_t>(options.kinds[k].codes.front()));
        for (const CExemple* exemple : examples[k]) {
            auto copy = std::make_unique<CExemple>(exemple->nom());
            copy->setDessin(exemple->dessin());
            copy->calculerCaracteristiques();
            classe->ajouterExemple(std::move(copy));
        }
        personal->ajouterClasse(std::move(classe));
    }
    for (int c = 0; c < personal->nbClasses(); ++c) {
        personal->classe(c).calculerMoyenne();
        personal->classe(c).calculerCovariance();
    }
    personal->calculerStatistiques();
    return personal;
}

void count(KindScore& score, const KindCodes& kind, const GestureDecision& decision) {
    ++score.drawings;
    if (decision.rejected()) {
        ++score.rejected;
    } else if (std::find(kind.codes.begin(), kind.codes.end(), decision.code) != kind.codes.end()) {
        ++score.right;
    } else {
        ++score.wrong;
        ++score.wrongCodes[decision.code];
    }
}

std::vector<KindScore> score(const CEnsemble& set, const std::vector<LoggedDrawing>& drawings,
                             const ScoreOptions& options) {
    std::vector<KindScore> scores(options.kinds.size());
    std::size_t i = 0;
    while (i < drawings.size()) {
        // One writer at a time, so that a personal set is made from their own drawings.
        std::size_t end = i;
        while (end < drawings.size() && drawings[end].person == drawings[i].person)
            ++end;
        std::vector<std::vector<const CExemple*>> first(options.kinds.size());
        std::vector<const LoggedDrawing*> scored;
        for (std::size_t d = i; d < end; ++d) {
            auto& training = first[drawings[d].kind];
            if (static_cast<int>(training.size()) < options.personal)
                training.push_back(drawings[d].exemple);
            else
                scored.push_back(&drawings[d]);
        }
        const auto personal = options.personal > 0 ? personalSet(set, options, first) : nullptr;
        for (const LoggedDrawing* drawing : scored)
            count(scores[drawing->kind], options.kinds[drawing->kind],
                  decideGesture(drawing->exemple->dessin(), personal ? *personal : set,
                                options.target, options.combine));
        i = end;
    }
    return scores;
}

std::string codeList(const std::vector<int>& codes) {
    std::string text;
    for (const int code : codes)
        text += (text.empty() ? "" : ",") + std::to_string(code);
    return text;
}

std::string countAndShare(int count, int total) {
    char text[32];
    std::snprintf(text, sizeof text, "%5d %s", count,
                  percent(total ? double(count) / total : 0).c_str());
    return text;
}

void printText(const ScoreOptions& options, const std::vector<KindScore>& scores,
               const std::vector<std::string>& people) {
    std::cout << (options.target == GestureTarget::Component ? "Composants" : "Commandes")
              << (options.combine ? ", reconnaisseurs combinés"
                                  : ", reconnaissance de l'ensemble seul")
              << " ; ensemble : "
              << (!options.setFile.empty()      ? options.setFile
                  : !options.setsFolder.empty() ? options.setsFolder
                                                : std::string("livré"))
              << "\nPersonnes comptées :";
    for (const std::string& person : people)
        std::cout << ' ' << person;
    std::cout << '\n';
    if (options.personal > 0)
        std::cout << "Personnalisation : les " << options.personal
                  << " premiers dessins de chaque geste de chaque personne forment une classe "
                     "de plus ; les autres sont comptés.\n";
    std::cout << '\n'
              << padded("Geste", 18) << padded("Codes justes", 16)
              << "Dessins        Justes       Rejetés          Faux\n";
    KindScore total;
    for (std::size_t k = 0; k < scores.size(); ++k) {
        const KindScore& s = scores[k];
        total.drawings += s.drawings;
        total.right += s.right;
        total.rejected += s.rejected;
        total.wrong += s.wrong;
        std::cout << padded(options.kinds[k].kind, 18)
                  << padded(codeList(options.kinds[k].codes), 16)
                  << rightAligned(std::to_string(s.drawings), 7)
                  << countAndShare(s.right, s.drawings) << countAndShare(s.rejected, s.drawings)
                  << countAndShare(s.wrong, s.drawings);
        if (!s.wrongCodes.empty()) {
            std::cout << "   faux :";
            for (const auto& [code, n] : s.wrongCodes)
                std::cout << ' ' << code << " ×" << n;
        }
        std::cout << '\n';
    }
    std::cout << padded("Total", 34) << rightAligned(std::to_string(total.drawings), 7)
              << countAndShare(total.right, total.drawings)
              << countAndShare(total.rejected, total.drawings)
              << countAndShare(total.wrong, total.drawings) << '\n';
}

void printJson(const ScoreOptions& options, const std::vector<KindScore>& scores,
               const std::vector<std::string>& people) {
    QJsonArray kinds;
    for (std::size_t k = 0; k < scores.size(); ++k) {
        QJsonArray codes;
        for (const int code : options.kinds[k].codes)
            codes.append(code);
        QJsonObject wrongCodes;
        for (const auto& [code, n] : scores[k].wrongCodes)
            wrongCodes[QString::number(code)] = n;
        kinds.append(QJsonObject{{"geste", QString::fromStdString(options.kinds[k].kind)},
                                 {"codes", codes},
                                 {"dessins", scores[k].drawings},
                                 {"justes", scores[k].right},
                                 {"rejetes", scores[k].rejected},
                                 {"faux", scores[k].wrong},
                                 {"faux_par_code", wrongCodes}});
    }
    QJsonArray counted;
    for (const std::string& person : people)
        counted.append(QString::fromStdString(person));
    const QJsonObject root{
        {"mode", options.target == GestureTarget::Component ? "composants" : "commandes"},
        {"reconnaisseurs_combines", options.combine},
        {"personnalisation", options.personal},
        {"personnes", counted},
        {"gestes", kinds}};
    std::cout << QJsonDocument(root).toJson().toStdString();
}

} // namespace

int runScore(const std::vector<std::string>& args) {
    ScoreOptions options;
    if (!parseOptions(args, options))
        return 2;
    const auto set = flowchartSet(options.target, options.setsFolder, options.setFile);
    if (!set)
        return 1;
    std::vector<std::unique_ptr<CEnsemble>> imported;
    std::vector<CEnsemble*> logs;
    for (const std::string& folder : options.folders) {
        auto log = loadSource(folder, {});
        if (!log)
            return 1;
        logs.push_back(log.get());
        imported.push_back(std::move(log));
    }
    const std::vector<LoggedDrawing> drawings = loggedDrawings(logs, options);
    std::vector<std::string> people;
    for (const LoggedDrawing& drawing : drawings)
        if (people.empty() || people.back() != drawing.person)
            people.push_back(drawing.person);
    const std::vector<KindScore> scores = score(*set, drawings, options);
    if (options.json)
        printJson(options, scores, people);
    else
        printText(options, scores, people);
    return 0;
}
