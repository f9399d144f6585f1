#pragma once

#include <array>
#include <string>

// The font face that texts get unless the user chooses another.
inline constexpr const char* kDefaultFontFace = "Verdana";

// Where the documents live: a data root and one folder per kind of document,
// each ending with '/', so that a path is always root + folder + file name.
// The values start from these defaults at every start and are never stored.
struct Configuration {
    std::string dataRoot;
    std::string textFolder;
    std::string flowchartFolder;
    std::string gestureFolder;
    std::string statisticsFolder;
    std::string trainingFolder;
    std::string recognitionFolder;
    std::string componentSet = "formes.gst";
    std::string commandSet = "commandes.gst";
    std::string textSet = "lettres.gst";
    bool setsChanged = false;

    explicit Configuration(std::string root);

    void resetFolders();
    // Text, flowchart, gesture-set, statistics, training, recognition: the order
    // in which they are checked and created.
    std::array<std::string, 6> folders() const;
    std::string gestureSetPath(const std::string& fileName) const {
        return dataRoot + gestureFolder + fileName;
    }
};

// The text with a '/' appended, unless it is empty or already ends with one.
std::string withTrailingSlash(std::string path);

// The environment variable wins over the command-line option, which wins over
// the default folder under the home directory.
std::string chooseDataRoot(const char* environment, const std::string& option,
                           const std::string& home);

// A folder that exists and can be made the current directory.
bool isUsableFolder(const std::string& path);

// Creates the folder and any missing parent; true when it exists afterwards.
bool createFolder(const std::string& path);

// Creates, in order, each folder of the configuration that is missing under the
// root. Returns the first path that could not be created, or "" when all exist.
std::string createMissingFolders(const Configuration& configuration);
