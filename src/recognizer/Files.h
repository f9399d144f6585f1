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

// Writes into a temporary file beside `path`, then renames it over `path`, so
// that a failure leaves the previous file as it was.
FileResult writeFileAtomically(const std::string& path, const std::string& content);

bool fileExists(const std::string& path);
