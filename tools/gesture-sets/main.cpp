// velmora-sets: makes the gesture sets shipped with Velmora and checks them on
// fresh drawings.
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "generator/ShippedSets.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage : velmora-sets COMMANDE DOSSIER [OPTIONS]\n"
    "\n"
    "Commandes :\n"
    "  ecrire DOSSIER [--graine S] [--exemples N]\n"
    "      Écrit formes.gst, commandes.gst et lettres.gst dans DOSSIER : une\n"
    "      classe par code, de N dessins générés chacune (par défaut 30, et 50\n"
    "      pour lettres.gst), à partir de la graine S (1 par défaut, celle des\n"
    "      ensembles livrés). Même graine, mêmes fichiers.\n"
    "  verifier DOSSIER [--graine S] [--dessins N]\n"
    "      Lit les trois ensembles de DOSSIER et fait reconnaître à chacun N\n"
    "      dessins neufs de chacune de ses classes (30 par défaut, graine S,\n"
    "      1000 par défaut) ; affiche les taux, et finit en erreur si un\n"
    "      ensemble reconnaît moins de 98 % des dessins ou en rejette plus de 5 %.\n"
    "  --help\n"
    "      Affiche cette aide.\n";

constexpr double kMinimumRight = 0.98;
constexpr double kMaximumRejected = 0.05;

struct Options {
    std::string folder;
    std::uint32_t seed = 0;
    int count = 0; // 0: each set's own
};

bool parseNumber(const std::string& text, long long min, long long max, long long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= min && value <= max;
}

// Reads DOSSIER, "--graine S" and the count option named `countOption`.
bool parseOptions(const std::vector<std::string>& args, const std::string& countOption,
                  Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        long long value = 0;
        if (arg == "--graine" || arg == countOption) {
            if (i + 1 == args.size()) {
                std::cerr << arg << " attend une valeur.\n";
                return false;
            }
            const std::string& text = args[++i];
            if (arg == "--graine") {
                if (!parseNumber(text, 0, 0xFFFFFFFF, value)) {
                    std::cerr << "Graine invalide : " << text
                              << " (entier de 0 à 4294967295 attendu).\n";
                    return false;
                }
                options.seed = static_cast<std::uint32_t>(value);
            } else {
                if (!parseNumber(text, 2, 10000, value)) {
                    std::cerr << "Nombre invalide : " << text
                              << " (entier de 2 à 10000 attendu).\n";
                    return false;
                }
                options.count = static_cast<int>(value);
            }
        } else if (options.folder.empty() && !arg.starts_with("--")) {
            options.folder = arg.ends_with('/') ? arg : arg + '/';
        } else {
            std::cerr << "Argument inattendu : " << arg << '\n';
            return false;
        }
    }
    if (options.folder.empty()) {
        std::cerr << "Indiquez le dossier des ensembles de gestes.\n";
        return false;
    }
    return true;
}

int write(const Options& options) {
    for (const ShippedSet& info : kShippedSets) {
        const int examples = options.count > 0 ? options.count : info.exemples;
        const auto set = shippedSet(info, examples, options.seed);
        const FileResult written =
            enregistrerEnsemble(*set, options.folder, std::string(info.fichier));
        if (!written.ok) {
            std::cerr << written.error << '\n';
            return 1;
        }
        std::cout << options.folder << info.fichier << " : " << set->nbClasses() << " classes, "
                  << examples << " exemples chacune\n";
    }
    return 0;
}

std::string percent(int count, int total) {
    char text[32];
    std::snprintf(text, sizeof text, "%5.1f %%", total > 0 ? 100.0 * count / total : 0.0);
    std::string s = text;
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}

int verify(const Options& options) {
    bool allPassed = true;
    for (const ShippedSet& info : kShippedSets) {
        const std::string path = options.folder + std::string(info.fichier);
        LectureEnsemble read = chargerEnsemble(path);
        if (!read.erreur.empty()) {
            std::cerr << read.erreur << '\n';
            return 1;
        }
        const CEnsemble& set = *read.ensemble;
        const FreshRecognition fresh = recogniseFresh(set, options.count, options.seed);
        const FreshRecognition::PerClass total = fresh.total();
        const bool passed = total.right >= kMinimumRight * total.drawings &&
                            total.rejected <= kMaximumRejected * total.drawings;
        allPassed = allPassed && passed;
        std::cout << path << " : " << total.drawings << " dessins neufs (" << options.count
                  << " par classe, graine " << options.seed << ")\n"
                  << "  reconnus " << percent(total.right, total.drawings) << "   rejetés "
                  << percent(total.rejected, total.drawings) << "   acceptés à tort "
                  << percent(total.wronglyAccepted, total.drawings) << "   "
                  << (passed ? "seuils atteints" : "SEUILS NON ATTEINTS") << '\n';
        for (int c = 0; c < set.nbClasses(); ++c) {
            const auto& counts = fresh.classes[static_cast<std::size_t>(c)];
            if (counts.right < counts.drawings)
                std::cout << "    " << set.classe(c).nom() << " : " << counts.right << " reconnus, "
                          << counts.rejected << " rejetés, " << counts.wronglyAccepted
                          << " acceptés à tort\n";
        }
    }
    return allPassed ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    Options options;
    if (args[0] == "ecrire") {
        options.seed = kShippedSeed;
        return parseOptions(rest, "--exemples", options) ? write(options) : 2;
    }
    if (args[0] == "verifier") {
        options.seed = 1000;
        options.count = 30;
        return parseOptions(rest, "--dessins", options) ? verify(options) : 2;
    }
    std::cerr << "Commande inconnue : " << args[0] << "\n\n" << kUsage;
    return 2;
}
