#include "velmora-gst/Commands.h"

#include "engine/Ensemble.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace {

// What is measured of each drawing: how the hand and the device drew it, then
// the 13 features.
constexpr const char* kMeasures[] = {"traits", "points", "points/s", "pixels/s", "écart/f3", "f1",
                                     "f2",     "f3",     "f4",       "f5",       "f6",       "f7",
                                     "f8",     "f9",     "f10",      "f11",      "f12",      "f13"};
constexpr std::size_t kMeasureCount = std::size(kMeasures);

std::vector<double> measures(const CExemple& exemple) {
    const auto& f = exemple.caracteristiques();
    const double duration = std::max(f[12], 1e-3);
    std::vector<double> values{double(exemple.dessin()->strokeCount()), double(exemple.nbPoints()),
                               exemple.nbPoints() / duration, f[7] / duration,
                               f[4] / std::max(f[2], 1.0)};
    values.insert(values.end(), f.begin(), f.end());
    return values;
}

double quantile(std::vector<double> values, double q) {
    const auto at = static_cast<std::size_t>(q * double(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at),
                     values.end());
    return values[at];
}

} // namespace

int runSpread(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    addSelectionOptions(parser);
    LogSelection selection;
    if (!parseToolArguments(parser, "spread", args) || !readSelection(parser, "spread", selection))
        return 2;
    if (parser.positionalArguments().size() != 1) {
        std::cerr << "spread : indiquez un dossier de journaux de gestes ou un ensemble de gestes "
                     "(.gst).\n";
        return 2;
    }
    const std::string source = parser.positionalArguments().front().toStdString();
    const auto set = loadSource(source, selection);
    if (!set)
        return 1;
    std::cout << "Mesures par classe de « " << set->nom() << " » (" << source
              << ") : 5 %, médiane et 95 % des dessins\n";
    for (int c = 0; c < set->nbClasses(); ++c) {
        const CClasse& classe = set->classe(c);
        std::vector<std::vector<double>> columns(kMeasureCount);
        for (int e = 0; e < classe.nbExemples(); ++e) {
            if (!classe.exemple(e).dessin())
                continue;
            const std::vector<double> values = measures(classe.exemple(e));
            for (std::size_t m = 0; m < kMeasureCount; ++m)
                columns[m].push_back(values[m]);
        }
        if (columns[0].empty())
            continue;
        std::cout << '\n' << classe.nom() << " (" << columns[0].size() << " dessins)\n";
        for (std::size_t m = 0; m < kMeasureCount; ++m) {
            std::printf("  %s %10.3g %10.3g %10.3g\n", padded(kMeasures[m], 9).c_str(),
                        quantile(columns[m], 0.05), quantile(columns[m], 0.5),
                        quantile(columns[m], 0.95));
        }
    }
    return 0;
}
