// velmora-guide: the picture of a gesture set that shows what to draw.
#include "GuidePicture.h"

#include "engine/FichierEnsemble.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage : velmora-guide ENSEMBLE.gst IMAGE.png [--colonnes N]\n"
    "\n"
    "Dessine le premier exemple de chaque classe de l'ensemble sous le nom de\n"
    "la classe, avec le point de départ et le sens du tracé, en N colonnes\n"
    "(4 par défaut), et l'enregistre en PNG.\n";

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    std::vector<std::string> files;
    int columns = 4;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--colonnes") {
            const std::string text = i + 1 < args.size() ? args[++i] : "";
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), columns);
            if (error != std::errc() || end != text.data() + text.size() || columns < 1 ||
                columns > 20) {
                std::cerr << "Nombre de colonnes invalide : « " << text
                          << " » (entier de 1 à 20 attendu).\n";
                return 2;
            }
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        std::cerr << kUsage;
        return 2;
    }

    // Pictures are drawn without a display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);

    const LectureEnsemble read = chargerEnsemble(files[0]);
    if (!read.erreur.empty()) {
        std::cerr << read.erreur << '\n';
        return 1;
    }
    const QImage picture = guidePicture(*read.ensemble, columns);
    if (!picture.save(QString::fromStdString(files[1]), "PNG")) {
        std::cerr << "L'image " << files[1] << " ne peut être enregistrée.\n";
        return 1;
    }
    std::cout << files[1] << " : " << read.ensemble->nbClasses() << " gestes\n";
    return 0;
}
