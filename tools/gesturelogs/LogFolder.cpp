#include "gesturelogs/LogFolder.h"

#include "gesturelogs/GestureCsv.h"
#include "gesturelogs/GestureXml.h"
#include "recognizer/Files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

// A gesture log is a few kilobytes; anything this large is not one.
constexpr std::size_t kMaxLogBytes = std::size_t{8} << 20;

std::string lowerExtension(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool contains(const std::vector<std::string>& list, const std::string& value) {
    return list.empty() || std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

LogReadResult readLogFile(const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (extension != ".xml" && extension != ".csv")
        return {std::nullopt,
                "Le fichier " + path + " n'est pas un journal de geste (.xml ou .csv)."};
    std::string text;
    const FileResult read = readWholeFile(path, text, kMaxLogBytes);
    if (!read.ok)
        return {std::nullopt, read.error};
    const std::string name = fs::path(path).filename().string();
    LogReadResult result =
        extension == ".xml" ? readGestureXml(text, name) : readGestureCsv(text, name);
    if (!result.log)
        result.error = "Journal de geste " + path + " illisible, " + result.error;
    return result;
}

FolderImport importLogFolder(const std::string& folder) {
    FolderImport import;
    std::string name = fs::path(folder).lexically_normal().filename().string();
    if (name.empty() || name == ".")
        name = fs::path(folder).lexically_normal().parent_path().filename().string();
    import.set =
        std::make_unique<CEnsemble>(name.empty() ? "gestes" : name, "Gestes importés de " + folder);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        import.error = "Le dossier " + folder + " n'existe pas ou n'est pas un dossier.";
        return import;
    }
    std::vector<std::string> paths;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const std::string extension = lowerExtension(it->path());
        if ((extension == ".xml" || extension == ".csv") && !it->is_directory(ec))
            paths.push_back(it->path().string());
    }
    if (ec) {
        import.error = "Le dossier " + folder + " ne peut être parcouru : " + ec.message() + ".";
        return import;
    }
    std::sort(paths.begin(), paths.end());
    import.files = static_cast<int>(paths.size());

    std::map<std::string, std::map<std::string, std::shared_ptr<CDessin>>> kinds;
    for (const std::string& path : paths) {
        LogReadResult read = readLogFile(path);
        if (!read.log) {
            import.refused.push_back(read.error);
            continue;
        }
        auto& examples = kinds[read.log->kind];
        if (!examples.emplace(read.log->name, std::move(read.log->drawing)).second)
            import.refused.push_back("Journal de geste " + path + " ignoré : le geste « " +
                                     read.log->kind + " » a déjà un exemple nommé « " +
                                     read.log->name + " ».");
    }
    for (auto& [kind, examples] : kinds) {
        auto classe = std::make_unique<CClasse>(kind, "");
        for (auto& [exampleName, drawing] : examples) {
            auto exemple = std::make_unique<CExemple>(exampleName);
            exemple->setDessin(std::move(drawing));
            classe->ajouterExemple(std::move(exemple));
        }
        import.set->ajouterClasse(std::move(classe));
    }
    return import;
}

std::unique_ptr<CEnsemble> selectExamples(const CEnsemble& set, const LogSelection& selection) {
    auto selected = std::make_unique<CEnsemble>(set.nom(), set.description());
    selected->setNomFichier(set.nomFichier());
    selected->setTypeAction(set.typeAction());
    for (int c = 0; c < set.nbClasses(); ++c) {
        const CClasse& source = set.classe(c);
        // Kept examples by person and speed, each group in name order.
        std::map<std::string, std::vector<const CExemple*>> groups;
        std::vector<const CExemple*> kept;
        for (int e = 0; e < source.nbExemples(); ++e) {
            const CExemple& exemple = source.exemple(e);
            const auto carried = personSpeedOf(exemple.nom());
            const PersonSpeed who = carried.value_or(PersonSpeed{});
            if (!contains(selection.people, who.person) || !contains(selection.speeds, who.speed))
                continue;
            groups[who.group].push_back(&exemple);
            kept.push_back(&exemple);
        }
        for (auto& [group, examples] : groups)
            std::sort(examples.begin(), examples.end(),
                      [](const CExemple* a, const CExemple* b) { return a->nom() < b->nom(); });
        if (selection.perClass > 0 && static_cast<int>(kept.size()) > selection.perClass) {
            std::set<const CExemple*> chosen;
            for (std::size_t rank = 0; static_cast<int>(chosen.size()) < selection.perClass; ++rank)
                for (const auto& [group, examples] : groups)
                    if (rank < examples.size() &&
                        static_cast<int>(chosen.size()) < selection.perClass)
                        chosen.insert(examples[rank]);
            std::erase_if(kept, [&chosen](const CExemple* e) { return !chosen.contains(e); });
        }
        if (kept.empty())
            continue;
        auto classe = std::make_unique<CClasse>(source.nom(), source.description());
        classe->setCode(source.code());
        for (const CExemple* exemple : kept)
            classe->ajouterExemple(std::make_unique<CExemple>(*exemple));
        selected->ajouterClasse(std::move(classe));
    }
    return selected;
}
