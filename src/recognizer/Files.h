#pragma once

#include <cstddef>
#include <string>

// Whole-file reading and crash-safe writing shared by every file format.
struct FileResult {
    bool ok = false;
    std::string error; // French, names the file
};

// Reads at most `maxBytes`; a larger file is refused rather than truncated.
FileResult readWholeFile(const std::string& path, std::string& content,
                         std::size_t maxBytes = std::size_t{1} << 30);

// Writes into a new file beside `path`, flushes it to the disk, renames it over
// `path` and flushes the folder, so that neither a failure nor a crash or power
// cut at any point leaves anything but the previous file whole or the new one.
FileResult writeFileAtomically(const std::string& path, const std::string& content);

bool fileExists(const std::string& path);
