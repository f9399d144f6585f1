#include "shell/Configuration.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

Configuration::Configuration(std::string root) : dataRoot(std::move(root)) {
    resetFolders();
}

void Configuration::resetFolders() {
    textFolder = "Editeur/";
    flowchartFolder = "Organigrammes/";
    gestureFolder = "Gestes/";
    statisticsFolder = "Statistiques/";
    trainingFolder = statisticsFolder + "Apprentissage/";
    recognitionFolder = statisticsFolder + "Reconnaissance/";
}

std::array<std::string, 6> Configuration::folders() const {
    return {textFolder,       flowchartFolder, gestureFolder,
            statisticsFolder, trainingFolder,  recognitionFolder};
}

std::string withTrailingSlash(std::string path) {
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

std::string chooseDataRoot(const char* environment, const std::string& option,
                           const std::string& home) {
    if (environment != nullptr && *environment != '\0')
        return withTrailingSlash(environment);
    if (!option.empty())
        return withTrailingSlash(option);
    return withTrailingSlash(home) + "Velmora/Données/";
}

bool isUsableFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

bool createFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return isUsableFolder(path);
}

std::string createMissingFolders(const Configuration& configuration) {
    for (const std::string& folder : configuration.folders()) {
        const std::string path = configuration.dataRoot + folder;
        if (!isUsableFolder(path) && !createFolder(path))
            return path;
    }
    return {};
}
