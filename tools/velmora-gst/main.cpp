#include "velmora-gst/Commands.h"

#include "engine/FichierEnsemble.h"
#include "recognizer/Files.h"
#include "recognizer/TextEncoding.h"

#include <QCommandLineParser>

#include <algorithm>
#include <charconv>
#include <cstdio>
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
    "  eval SOURCE [--folds K] [--seed S] [--recognizer NOM] [--json]\n"
    "      Validation croisée stratifiée en K plis (5 par défaut, graine S, 1 par\n"
    "      défaut) : chaque pli est reconnu par l'ensemble appris sur les autres.\n"
    "      Affiche le taux de reconnaissance, les parts rejetées par la\n"
    "      probabilité et par la distance, la part acceptée à tort et la matrice\n"
    "      de confusion ; --json donne le même résultat en JSON. SOURCE est un\n"
    "      ensemble de gestes (.gst) ou un dossier de journaux de gestes, lu\n"
    "      comme par import (--people, --speeds et --per-class s'appliquent).\n"
    "  eval SOURCE --train N[,N...] [--repeat R] [--seed S] [--recognizer NOM]\n"
    "       [--json]\n"
    "      Protocole par personne et par vitesse : pour chaque personne et\n"
    "      chaque vitesse que portent les noms des exemples\n"
    "      (PERSONNE-[APPAREIL-]VITESSE-..., comme les nomme import ; les\n"
    "      exemples aux autres noms forment un seul groupe), N exemples par\n"
    "      classe tirés au hasard apprennent un ensemble qui reconnaît tous les\n"
    "      autres exemples de cette personne à cette vitesse ; R tirages (100 par\n"
    "      défaut, graine S). Pour chaque N : taux de reconnaissance, part où la\n"
    "      meilleure classe est la bonne (rejet ou non), parts rejetées (par la\n"
    "      probabilité, par la distance) et part acceptée à tort, en tout et par\n"
    "      classe ; --json donne le même résultat en JSON.\n"
    "      --recognizer choisit ce qu'apprennent les exemples, pour les deux\n"
    "      formes de eval : rubine (par défaut), le classifieur appris de\n"
    "      l'ensemble ; templates, chaque exemple gardé comme modèle (16 points\n"
    "      rééchantillonnés, centrés, de longueur 1, sens compris), le geste\n"
    "      allant à la classe du modèle le plus proche en cosinus, sans rejet.\n"
    "  recognize ENSEMBLE.gst DESSIN [--sans-temps]\n"
    "      Reconnaît le dessin DESSIN (même forme que pour shapes) avec\n"
    "      l'ensemble appris : classe, code, probabilité, distance et rejets,\n"
    "      puis les candidats du reconnaisseur à règles.\n"
    "  import DOSSIER SORTIE.gst [--people P,...] [--speeds V,...] [--per-class N]\n"
    "         [--name NOM]\n"
    "      Lit les journaux de gestes de DOSSIER et de ses sous-dossiers (.xml :\n"
    "      un geste d'un trait, X, Y et T en millisecondes ; .csv : un geste de\n"
    "      plusieurs traits, X,-Y,1,T,trait) et écrit l'ensemble SORTIE.gst : une\n"
    "      classe par sorte de geste, un exemple par fichier, nommé\n"
    "      PERSONNE-[APPAREIL-]VITESSE-... d'après le fichier. Un fichier mal\n"
    "      formé est signalé et ignoré. --people et --speeds ne gardent que ces\n"
    "      personnes (s02, 10...) et ces vitesses (fast, medium, slow) ;\n"
    "      --per-class N garde au plus N exemples par classe, pris tour à tour\n"
    "      chez chaque personne à chaque vitesse ; --name nomme l'ensemble (par\n"
    "      défaut, comme le dossier).\n"
    "  shapes-eval SOURCE [--people P,...] [--speeds V,...] [--per-class N]\n"
    "      Reconnaît chaque dessin de SOURCE (dossier de journaux de gestes ou\n"
    "      ensemble .gst) avec le reconnaisseur à règles et affiche, pour chaque\n"
    "      sorte de geste, combien de fois chaque membre est venu en premier.\n"
    "  component DESSIN [--sets DOSSIER] [--command] [--literal] [--sans-temps]\n"
    "      Ce qu'un organigramme neuf, en mode composant (en mode commande avec\n"
    "      --command), fait du dessin DESSIN (même forme que pour shapes) :\n"
    "      « Composant : CODE (NOM) », « Commande : CODE (NOM) » ou « Geste\n"
    "      rejeté » avec la classe la plus proche. Les ensembles sont ceux livrés\n"
    "      avec Velmora, ou formes.gst et commandes.gst de DOSSIER ; les deux\n"
    "      reconnaisseurs sont combinés, comme par défaut dans l'organigramme,\n"
    "      sauf avec --literal (l'ensemble appris seul).\n"
    "  score DOSSIER... --map GESTE=CODE,... [--map ...] [--command] [--literal]\n"
    "        [--sets DOSSIER | --set FICHIER.gst] [--people P,...]\n"
    "        [--exclude-people P,...] [--personal N] [--json]\n"
    "      Fait décider comme component chaque dessin des journaux de gestes des\n"
    "      DOSSIERs dont la sorte est nommée par un --map, et compte par sorte\n"
    "      les justes (un des codes donnés), les rejetés et les faux (un autre\n"
    "      code). --people ne compte que ces personnes, --exclude-people écarte\n"
    "      celles-ci ; --set remplace l'ensemble du mode par FICHIER.gst.\n"
    "      --personal N : les N premiers dessins de chaque sorte de chaque\n"
    "      personne forment une classe de plus, du premier code donné, et seuls\n"
    "      les autres sont comptés.\n"
    "  spread SOURCE [--people P,...] [--speeds V,...] [--per-class N]\n"
    "      Pour chaque classe de SOURCE : nombre de traits et de points, points\n"
    "      et pixels par seconde, écart entre le départ et l'arrivée, et les 13\n"
    "      caractéristiques (5 %, médiane, 95 %).\n"
    "  export ORGANIGRAMME.org SORTIE.png|SORTIE.svg|SORTIE.pdf\n"
    "      Écrit l'organigramme en image PNG, SVG ou PDF, comme « Exporter... » :\n"
    "      la page couvre les composants et une marge.\n"
    "  export --exemple SORTIE.org\n"
    "      Écrit un organigramme qui a un composant de chaque sorte, chacun\n"
    "      nommé dessous (tools/samples/organigramme.org).\n"
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

bool parseNumber(const std::string& text, long long min, long long max, long long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= min && value <= max;
}

bool numberOption(const QCommandLineParser& parser, const QString& name, const std::string& command,
                  const std::string& what, long long min, long long max, long long& value) {
    if (!parser.isSet(name))
        return true;
    const std::string text = parser.value(name).toStdString();
    if (parseNumber(text, min, max, value))
        return true;
    std::cerr << command << " : " << what << " invalide : " << text << " (entier de " << min
              << " à " << max << " attendu).\n";
    return false;
}

std::string percent(double share) {
    char text[32];
    std::snprintf(text, sizeof text, "%5.1f %%", 100.0 * share);
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t length = codePointCount(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

std::string rightAligned(const std::string& text, std::size_t width) {
    const std::size_t length = codePointCount(text);
    return length >= width ? text : std::string(width - length, ' ') + text;
}

bool parseToolArguments(QCommandLineParser& parser, const std::string& command,
                        const std::vector<std::string>& args) {
    QStringList list{QString::fromStdString(command)};
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    if (parser.parse(list))
        return true;
    if (!parser.unknownOptionNames().isEmpty())
        std::cerr << command
                  << " : option inconnue : " << parser.unknownOptionNames().front().toStdString()
                  << '\n';
    else
        std::cerr << command << " : " << args.back() << " attend une valeur.\n";
    return false;
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
    if (args[0] == "import")
        return runImport(rest);
    if (args[0] == "shapes-eval")
        return runShapesEval(rest);
    if (args[0] == "component")
        return runComponent(rest);
    if (args[0] == "score")
        return runScore(rest);
    if (args[0] == "spread")
        return runSpread(rest);
    if (args[0] == "export")
        return runExport(rest);
    std::cerr << "Commande inconnue : " << args[0] << "\n\n" << kUsage;
    return 2;
}
