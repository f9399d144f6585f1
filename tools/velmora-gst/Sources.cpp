#include "velmora-gst/Commands.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

std::vector<std::string> commaList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

namespace {

// The value of selection option `option`; false when it is wrong (message printed).
bool readSelectionValue(const std::string& command, const std::string& option,
                        const std::string& value, LogSelection& selection) {
    if (option == "--per-class") {
        long long count = 0;
        if (!parseNumber(value, 1, 1'000'000, count)) {
            std::cerr << command << " : nombre d'exemples par classe invalide : " << value
                      << " (entier de 1 à 1000000 attendu).\n";
            return false;
        }
        selection.perClass = static_cast<int>(count);
        return true;
    }
    std::vector<std::string> items = commaList(value);
    if (std::find(items.begin(), items.end(), std::string()) != items.end()) {
        std::cerr << command << " : " << option << " attend une liste séparée par des virgules.\n";
        return false;
    }
    if (option == "--speeds") {
        for (const std::string& speed : items) {
            if (!isKnownSpeed(speed)) {
                std::cerr << command << " : vitesse inconnue : " << speed
                          << " (fast, medium ou slow attendu).\n";
                return false;
            }
        }
        selection.speeds = std::move(items);
    } else {
        selection.people = std::move(items);
    }
    return true;
}

} // namespace

bool takeSelection(const std::string& command, std::vector<std::string>& args,
                   LogSelection& selection) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option != "--people" && option != "--speeds" && option != "--per-class") {
            rest.push_back(option);
            continue;
        }
        if (i + 1 == args.size()) {
            std::cerr << command << " : " << option << " attend une valeur.\n";
            return false;
        }
        if (!readSelectionValue(command, option, args[++i], selection))
            return false;
    }
    args = std::move(rest);
    return true;
}

std::unique_ptr<CEnsemble> loadSource(const std::string& path, const LogSelection& selection) {
    std::error_code ec;
    const bool folder = std::filesystem::is_directory(path, ec);
    std::unique_ptr<CEnsemble> set;
    if (folder) {
        FolderImport import = importLogFolder(path);
        for (const std::string& refused : import.refused)
            std::cerr << refused << '\n';
        if (!import.error.empty()) {
            std::cerr << import.error << '\n';
            return nullptr;
        }
        set = std::move(import.set);
    } else {
        set = loadSet(path);
        if (!set)
            return nullptr;
    }
    const bool selects =
        !selection.people.empty() || !selection.speeds.empty() || selection.perClass > 0;
    if (selects)
        set = selectExamples(*set, selection);
    if (set->nbClasses() == 0) {
        std::cerr << path << " : aucun geste à prendre.\n";
        return nullptr;
    }
    if (folder || selects)
        set->apprendre();
    return set;
}
