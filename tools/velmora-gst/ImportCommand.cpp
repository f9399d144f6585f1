#include "velmora-gst/Commands.h"

#include "engine/FichierEnsemble.h"

#include <QCommandLineParser>

#include <filesystem>
#include <iostream>

int runImport(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    addSelectionOptions(parser);
    parser.addOption({"name", QString(), "NOM"});
    LogSelection selection;
    if (!parseToolArguments(parser, "import", args) || !readSelection(parser, "import", selection))
        return 2;
    const std::string name = parser.value("name").toStdString();
    if (parser.isSet("name") && name.empty()) {
        std::cerr << "import : --name attend un nom.\n";
        return 2;
    }
    std::vector<std::string> files;
    for (const QString& file : parser.positionalArguments())
        files.push_back(file.toStdString());
    if (files.size() != 2) {
        std::cerr << "import : indiquez un dossier de journaux de gestes et le fichier "
                     "d'ensemble (.gst) à écrire.\n";
        return 2;
    }

    FolderImport import = importLogFolder(files[0]);
    for (const std::string& refused : import.refused)
        std::cerr << refused << '\n';
    if (!import.error.empty()) {
        std::cerr << import.error << '\n';
        return 1;
    }
    std::unique_ptr<CEnsemble> set = selectExamples(*import.set, selection);
    if (!name.empty())
        set->setNom(name);
    int examples = 0;
    for (int c = 0; c < set->nbClasses(); ++c)
        examples += set->classe(c).nbExemples();
    std::cout << "Journaux de gestes trouvés : " << import.files
              << " ; refusés : " << import.refused.size() << '\n';
    if (examples == 0) {
        std::cerr << "import : aucun geste à écrire.\n";
        return 1;
    }

    const std::filesystem::path out(files[1]);
    const std::string folder = out.has_parent_path() ? out.parent_path().string() + "/" : "";
    const FileResult written = enregistrerEnsemble(*set, folder, out.filename().string());
    if (!written.ok) {
        std::cerr << written.error << '\n';
        return 1;
    }
    std::cout << "Ensemble « " << set->nom() << " » : " << set->nbClasses() << " classes, "
              << examples << " exemples, écrit dans " << files[1] << '\n';
    return 0;
}
