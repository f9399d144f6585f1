#include "velmora-gst/Commands.h"

#include "engine/Ensemble.h"
#include "gesturelogs/ShapeConfusion.h"
#include "recognizer/TextEncoding.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iostream>

int runShapesEval(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    addSelectionOptions(parser);
    LogSelection selection;
    if (!parseToolArguments(parser, "shapes-eval", args) ||
        !readSelection(parser, "shapes-eval", selection))
        return 2;
    if (parser.positionalArguments().size() != 1) {
        std::cerr << "shapes-eval : indiquez un dossier de journaux de gestes ou un ensemble de "
                     "gestes (.gst).\n";
        return 2;
    }
    const std::string source = parser.positionalArguments().front().toStdString();
    const auto set = loadSource(source, selection);
    if (!set)
        return 1;

    const ShapeConfusion confusion = shapeConfusion(*set);
    std::size_t kindWidth = 5;
    for (const std::string& kind : confusion.kinds)
        kindWidth = std::max(kindWidth, codePointCount(kind));
    int total = 0;
    for (const auto& row : confusion.counts)
        for (const int n : row)
            total += n;
    std::cout << "Reconnaisseur à règles sur « " << set->nom() << " » (" << source
              << ") : " << total << " dessins\n"
              << "Lignes : sorte de geste ; colonnes : le membre venu en premier.\n\n"
              << padded("Geste", kindWidth);
    for (const std::string& member : confusion.members)
        std::cout << ' ' << rightAligned(member, std::max<std::size_t>(member.size(), 4));
    std::cout << "  Total\n";
    for (std::size_t k = 0; k < confusion.kinds.size(); ++k) {
        std::cout << padded(confusion.kinds[k], kindWidth);
        int rowTotal = 0;
        for (std::size_t m = 0; m < confusion.members.size(); ++m) {
            const int n = confusion.counts[k][m];
            rowTotal += n;
            const std::size_t width = std::max<std::size_t>(confusion.members[m].size(), 4);
            std::cout << ' ' << rightAligned(n ? std::to_string(n) : "·", width);
        }
        std::cout << ' ' << rightAligned(std::to_string(rowTotal), 6) << '\n';
    }
    return 0;
}
