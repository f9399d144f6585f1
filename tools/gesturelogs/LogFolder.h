#pragma once

#include "engine/Ensemble.h"
#include "gesturelogs/GestureLog.h"

#include <memory>
#include <string>
#include <vector>

// Reads one gesture log, XML or CSV by its extension; the error names the file.
LogReadResult readLogFile(const std::string& path);

struct FolderImport {
    // One class per kind, by name; in each, one example per file, by name. Not trained.
    std::unique_ptr<CEnsemble> set;
    std::vector<std::string> refused; // one French message per file refused, naming it
    std::string error;                // French, when the folder itself cannot be read
    int files = 0;                    // gesture logs found, refused ones included
};

// Every .xml and .csv file below `folder`. The set is named after the folder.
FolderImport importLogFolder(const std::string& folder);

// Which examples to take, by the person and speed their names carry (GestureLog.h).
struct LogSelection {
    std::vector<std::string> people; // empty: everyone
    std::vector<std::string> speeds; // empty: every speed
    int perClass = 0;                // at most this many per class; 0: all
};

// The examples of `set` that `selection` keeps, shared with `set`, in classes of
// the same names and codes; classes left without examples are dropped. A class
// capped by `perClass` takes its examples from each person and speed in turn,
// first by name first. Not trained.
std::unique_ptr<CEnsemble> selectExamples(const CEnsemble& set, const LogSelection& selection);
