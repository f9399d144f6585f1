// velmora-sets: makes the gesture sets shipped with Velmora, checks them on
// fresh drawings, and draws the picture of a set that tells what to draw.
#include "gesture-sets/GuidePicture.h"

#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "generator/ShippedSets.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage : velmora-sets COMMANDE ARGUMENTS [OPTIONS]\n"
    "\n"
    "Commandes :\n"
    "  ecrire DOSSIER [--graine S] [--exemples N]\n"
    "      Écrit formes.gst, commandes.gst et lettres.gst dans DOSSIER : une\n"
    "      classe par code, de N dessins générés chacune (par défaut 40 pour\n"
    "      formes.gst, 30 pour commandes.gst et 50 pour lettres.gst), à partir\n"
    "      de la graine S (1 par défaut, celle des ensembles livrés). Même\n"
    "      graine, mêmes fichiers.\n"
    "  verifier DOSSIER [--graine S] [--dessins N]\n"
    "      Lit les trois ensembles de DOSSIER et fait reconnaître à chacun N\n"
    "      dessins neufs de chacune de ses classes (30 par défaut, graine S,\n"
    "      1000 par défaut) ; affiche les taux, et finit en erreur si un\n"
    "      ensemble reconnaît moins de 98 % des dessins ou en rejette plus de 5 %.\n"
    "  guide ENSEMBLE.gst IMAGE.png [--colonnes N]\n"
    "      Dessine le premier exemple de chaque classe de l'ensemble sous le nom\n"
    "      de la classe, avec le point de départ et le sens du tracé, en N\n"
    "      colonnes (4 par défaut), et l'enregistre en PNG.\n"
    "  --help\n"
    "      Affiche cette aide.\n";

// What each code of a set must reach on fresh drawings of all its ways.
constexpr double kMinimumRight = 0.95;
constexpr double kMaximumWrong = 0.02;

// A numeric option: its value, and the range it must lie in.
struct NumberOption {
    long long value;
    long long min;
    long long max;
};

// Splits `args` into the words and the options named in `options`, whose values
// are checked against their range; says what is wrong and returns false.
bool parseArguments(const std::vector<std::string>& args, std::size_t wordCount,
                    std::map<std::string, NumberOption>& options, std::vector<std::string>& words) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto option = options.find(args[i]);
        if (option == options.end()) {
            if (args[i].starts_with("--") || words.size() == wordCount) {
                std::cerr << "Argument inattendu : " << args[i] << '\n';
                return false;
            }
            words.push_back(args[i]);
            continue;
        }
        const std::string text = i + 1 < args.size() ? args[++i] : "";
        NumberOption& number = option->second;
        long long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < number.min ||
            value > number.max) {
            std::cerr << "Valeur invalide pour " << args[i - 1] << " : « " << text
                      << " » (entier de " << number.min << " à " << number.max << " attendu).\n";
            return false;
        }
        number.value = value;
    }
    if (words.size() != wordCount) {
        std::cerr << kUsage;
        return false;
    }
    return true;
}

// `count` examples per class; 0 for each set's own count. A missing folder is
// made; when it cannot be, writing the first set says so.
int write(const std::string& folder, std::uint32_t seed, int count) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    for (const ShippedSet& info : kShippedSets) {
        const int examples = count > 0 ? count : info.exemples;
        const auto set = shippedSet(info, examples, seed);
        const FileResult written = enregistrerEnsemble(*set, folder, std::string(info.fichier));
        if (!written.ok) {
            std::cerr << written.error << '\n';
            return 1;
        }
        std::cout << folder << info.fichier << " : " << set->nbClasses() << " classes, " << examples
                  << " exemples chacune\n";
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

int verify(const std::string& folder, std::uint32_t seed, int perClass) {
    bool allPassed = true;
    for (const ShippedSet& info : kShippedSets) {
        const std::string path = folder + std::string(info.fichier);
        const LectureEnsemble read = chargerEnsemble(path);
        if (!read.erreur.empty()) {
            std::cerr << read.erreur << '\n';
            return 1;
        }
        const CEnsemble& set = *read.ensemble;
        const FreshRecognition fresh = recogniseFresh(set, perClass, seed);
        // The classes of one code count together: a code is right when the
        // flowchart makes what it stands for, whichever way it was drawn.
        std::map<int, FreshRecognition::PerClass> codes;
        for (int c = 0; c < set.nbClasses(); ++c) {
            const auto& counts = fresh.classes[static_cast<std::size_t>(c)];
            FreshRecognition::PerClass& code = codes[set.classe(c).code()];
            code.drawings += counts.drawings;
            code.right += counts.right;
            code.rejected += counts.rejected;
            code.wronglyAccepted += counts.wronglyAccepted;
        }
        const FreshRecognition::PerClass total = fresh.total();
        std::cout << path << " : " << total.drawings << " dessins neufs (" << perClass
                  << " par classe, " << set.nbClasses() << " classes, graine " << seed << ")\n"
                  << "  reconnus " << percent(total.right, total.drawings) << "   rejetés "
                  << percent(total.rejected, total.drawings) << "   acceptés à tort "
                  << percent(total.wronglyAccepted, total.drawings) << '\n';
        bool passed = true;
        for (const auto& [code, counts] : codes) {
            const bool codePassed = counts.right >= kMinimumRight * counts.drawings &&
                                    counts.wronglyAccepted <= kMaximumWrong * counts.drawings;
            passed = passed && codePassed;
            std::cout << "    " << code << " " << nomCode(set.typeAction(), code) << " : "
                      << percent(counts.right, counts.drawings) << " reconnus, "
                      << percent(counts.rejected, counts.drawings) << " rejetés, "
                      << percent(counts.wronglyAccepted, counts.drawings) << " acceptés à tort"
                      << (codePassed ? "" : "   SEUILS NON ATTEINTS") << '\n';
        }
        std::cout << "  " << (passed ? "seuils atteints" : "SEUILS NON ATTEINTS") << '\n';
        allPassed = allPassed && passed;
    }
    return allPassed ? 0 : 1;
}

int drawGuide(int argc, char** argv, const std::string& setFile, const std::string& imageFile,
              int columns) {
    // Pictures are drawn without a display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);

    const LectureEnsemble read = chargerEnsemble(setFile);
    if (!read.erreur.empty()) {
        std::cerr << read.erreur << '\n';
        return 1;
    }
    const QImage picture = guidePicture(*read.ensemble, columns);
    if (!picture.save(QString::fromStdString(imageFile), "PNG")) {
        std::cerr << "L'image " << imageFile << " ne peut être enregistrée.\n";
        return 1;
    }
    std::cout << imageFile << " : " << read.ensemble->nbClasses() << " gestes\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    std::vector<std::string> words;
    if (command == "ecrire" || command == "verifier") {
        // The sets are written from their own seed; fresh drawings come from another.
        const bool writing = command == "ecrire";
        const std::string countOption = writing ? "--exemples" : "--dessins";
        std::map<std::string, NumberOption> options{
            {"--graine", {writing ? kShippedSeed : 1000, 0, 0xFFFFFFFF}},
            {countOption, {writing ? 0 : 30, writing ? 2 : 1, 10000}}};
        if (!parseArguments(rest, 1, options, words))
            return 2;
        const std::string folder = words[0].ends_with('/') ? words[0] : words[0] + '/';
        const auto seed = static_cast<std::uint32_t>(options["--graine"].value);
        const auto count = static_cast<int>(options[countOption].value);
        return writing ? write(folder, seed, count) : verify(folder, seed, count);
    }
    if (command == "guide") {
        std::map<std::string, NumberOption> options{{"--colonnes", {4, 1, 20}}};
        if (!parseArguments(rest, 2, options, words))
            return 2;
        return drawGuide(argc, argv, words[0], words[1],
                         static_cast<int>(options["--colonnes"].value));
    }
    std::cerr << "Commande inconnue : " << command << "\n\n" << kUsage;
    return 2;
}
