#include "velmora-gst/Commands.h"

#include <QCommandLineParser>

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

void addSelectionOptions(QCommandLineParser& parser) {
    parser.addOptions(
        {{"people", QString(), "P"}, {"speeds", QString(), "V"}, {"per-class", QString(), "N"}});
}

bool readSelection(const QCommandLineParser& parser, const std::string& command,
                   LogSelection& selection) {
    long long count = 0;
    if (!numberOption(parser, "per-class", command, "nombre d'exemples par classe", 1, 1'000'000,
                      count))
        return false;
    selection.perClass = static_cast<int>(count);
    for (const char* option : {"people", "speeds"}) {
        if (!parser.isSet(option))
            continue;
        std::vector<std::string> items = commaList(parser.value(option).toStdString());
        if (std::find(items.begin(), items.end(), std::string()) != items.end()) {
            std::cerr << command << " : --" << option
                      << " attend une liste séparée par des virgules.\n";
            return false;
        }
        if (std::string(option) == "speeds") {
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
    }
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
