#include "velmora-gst/Commands.h"

#include "engine/Codes.h"
#include "flowchart/Commandes.h"
#include "flowchart/FlowchartExport.h"
#include "flowchart/OrgArchive.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <iostream>

namespace {

// Fonts and images need a GUI application; a script has no display.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-gst";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// Every component kind in a grid, four to a row, each named below, and one
// unknown component: it is stored without its ink.
std::unique_ptr<COrganigramme> sampleFlowchart() {
    auto flowchart = std::make_unique<COrganigramme>();
    constexpr int kColumn = 190, kRow = 150, kLeft = 40, kTop = 40;
    const Colour colours[] = {kNoir, kRouge, kVert, kBleu};
    for (int code = kind::LigneHorizontale; code <= kind::FlecheBasHaut; ++code) {
        const int i = code - kind::LigneHorizontale;
        const int x = kLeft + (i % 4) * kColumn, y = kTop + (i / 4) * kRow;
        flowchart->setColor(colours[i % 4]);
        // At their gesture's size, arrows would have heads as long as their shafts.
        flowchart->setFixedSize(code >= kind::FlecheGaucheDroite);
        flowchart->AddElement(creerComposant(code, CRect{x, y, x + 120, y + 80}, *flowchart));
        flowchart->AddElement(std::make_unique<CTexte>(kNoir, "Verdana", 9,
                                                       CRect{x, y + 95, x + 120, y + 110},
                                                       nomCode(TYPE_COMPOSANTS, code)));
    }
    const int y = kTop + 4 * kRow;
    flowchart->AddElement(std::make_unique<CTexte>(kBleu, "Times New Roman", 14,
                                                   CRect{kLeft, y, kLeft + 300, y + 25},
                                                   "Organigramme « exemple » à 5 €"));
    flowchart->AddElement(std::make_unique<CInconnu>(
        kNoir, 2, CRect{kLeft + 400, y, kLeft + 460, y + 40}, CDessin()));
    flowchart->setColor(kNoir);
    return flowchart;
}

} // namespace

int runExport(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    parser.addOption({"exemple", "Écrit l'organigramme d'exemple."});
    if (!parseToolArguments(parser, "export", args))
        return 2;
    const QStringList files = parser.positionalArguments();
    if (parser.isSet("exemple")) {
        if (files.size() != 1) {
            std::cerr << "export --exemple : indiquez le fichier .org à écrire.\n";
            return 2;
        }
        const FileResult saved = saveOrganigrammeFile(files[0].toStdString(), *sampleFlowchart());
        if (!saved.ok)
            std::cerr << saved.error << '\n';
        return saved.ok ? 0 : 1;
    }
    if (files.size() != 2) {
        std::cerr << "export : indiquez l'organigramme (.org) et le fichier à écrire "
                     "(.png, .svg ou .pdf).\n";
        return 2;
    }
    const OrgLoadResult loaded = openOrganigrammeFile(files[0].toStdString());
    if (!loaded.organigramme) {
        std::cerr << loaded.error << '\n';
        return 1;
    }
    const auto application = guiApplication();
    const QString error = exportFlowchart(*loaded.organigramme, files[1]);
    if (!error.isEmpty()) {
        std::cerr << error.toStdString() << '\n';
        return 1;
    }
    return 0;
}
