// velmora-sets: makes the gesture sets shipped with Velmora, checks them on
// fresh drawings, and draws the picture of a set that tells what to draw.
#include "gesture-sets/GuidePicture.h"

#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "generator/ShippedSets.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage : velmora-sets COMMANDE ARGUMENTS [OPTIONS]\n"
    "\n"
    "Commandes :\n"
    "  ecrire DOSSIER [--graine S] [--exemples N]\n"
    "      Écrit formes.gst, commandes.gst et lettres.gst dans DOSSIER : une\n"
    "      classe par façon de tracer chaque code, de N dessins générés chacune\n"
    "      (par défaut 20 pour formes.gst et commandes.gst, 50 pour\n"
    "      lettres.gst), à partir de la graine S (1 par défaut, celle des\n"
    "      ensembles livrés). Même graine, mêmes fichiers.\n"
    "  verifier DOSSIER [--graine S] [--dessins N]\n"
    "      Lit les trois ensembles de DOSSIER et fait reconnaître, comme le fait\n"
    "      un organigramme neuf, N dessins neufs de chacune de leurs classes (30\n"
    "      par défaut, graine S, 1000 par défaut) ; affiche les taux par code, et\n"
    "      finit en erreur si un code est reconnu moins de 95 % des fois ou pris\n"
    "      pour un autre plus de 2 % des fois.\n"
    "  guide ENSEMBLE.gst IMAGE.png [--colonnes N]\n"
    "      Dessine pour chaque code de l'ensemble le premier exemple de chacune de\n"
    "      ses classes, sous le nom du code, avec le point de départ et le sens\n"
    "      du tracé, en N colonnes (4 par défaut), et l'enregistre en PNG.\n"
    "  --help\n"
    "      Affiche cette aide.\n";

// What each code of a set must reach on fresh drawings of all its ways.
constexpr double kMinimumRight = 0.95;
constexpr double kMaximumWrong = 0.02;

// The words and options of `args` (the command's name first), parsed; a French
// message and false when they are wrong. A numeric option must be a whole number in its range.
struct NumberOption {
    QString name;
    long long value;
    long long min;
    long long max;
};

bool parseArguments(const QStringList& args, int wordCount, std::vector<NumberOption>& numbers,
                    QStringList& words) {
    QCommandLineParser parser;
    for (const NumberOption& number : numbers)
        parser.addOption(QCommandLineOption(number.name, QString(), QStringLiteral("N")));
    if (!parser.parse(args)) {
        if (!parser.unknownOptionNames().isEmpty())
            std::cerr << "Argument inattendu : --"
                      << parser.unknownOptionNames().front().toStdString() << '\n';
        else
            std::cerr << "Valeur manquante pour " << args.back().toStdString() << ".\n";
        return false;
    }
    for (NumberOption& number : numbers) {
        if (!parser.isSet(number.name))
            continue;
        const QString text = parser.value(number.name);
        bool ok = false;
        const long long value = text.toLongLong(&ok);
        if (!ok || value < number.min || value > number.max) {
            std::cerr << "Valeur invalide pour --" << number.name.toStdString() << " : « "
                      << text.toStdString() << " » (entier de " << number.min << " à " << number.max
                      << " attendu).\n";
            return false;
        }
        number.value = value;
    }
    words = parser.positionalArguments();
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
    std::set<int> codes;
    for (int c = 0; c < read.ensemble->nbClasses(); ++c)
        codes.insert(read.ensemble->classe(c).code());
    std::cout << imageFile << " : " << codes.size() << " codes, " << read.ensemble->nbClasses()
              << " façons\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args[0];
    QStringList words;
    if (command == "ecrire" || command == "verifier") {
        // The sets are written from their own seed; fresh drawings come from another.
        const bool writing = command == "ecrire";
        std::vector<NumberOption> numbers{
            {"graine", writing ? kShippedSeed : 1000, 0, 0xFFFFFFFF},
            {writing ? "exemples" : "dessins", writing ? 0 : 30, writing ? 2 : 1, 10000}};
        if (!parseArguments(args, 1, numbers, words))
            return 2;
        const std::string folder =
            words[0].endsWith('/') ? words[0].toStdString() : words[0].toStdString() + '/';
        const auto seed = static_cast<std::uint32_t>(numbers[0].value);
        const auto count = static_cast<int>(numbers[1].value);
        return writing ? write(folder, seed, count) : verify(folder, seed, count);
    }
    if (command == "guide") {
        std::vector<NumberOption> numbers{{"colonnes", 4, 1, 20}};
        if (!parseArguments(args, 2, numbers, words))
            return 2;
        return drawGuide(argc, argv, words[0].toStdString(), words[1].toStdString(),
                         static_cast<int>(numbers[0].value));
    }
    std::cerr << "Commande inconnue : " << command.toStdString() << "\n\n" << kUsage;
    return 2;
}
