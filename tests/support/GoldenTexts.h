#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

// Expected outputs of the core kept in tests/texts/<file>.txt, in the window
// texts' format: a line "[section]" opens a section, blank lines are skipped.
inline std::vector<std::string> goldenLines(const std::string& file, const std::string& section) {
    std::ifstream in(std::string(VELMORA_TEXTS_DIR) + file + ".txt");
    std::vector<std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('['))
            inside = line == "[" + section + "]";
        else if (inside && !line.empty())
            lines.push_back(line);
    }
    EXPECT_FALSE(lines.empty()) << file << ".txt has no section [" << section << "]";
    return lines;
}

inline void expectGolden(const std::string& file, const std::string& section,
                         const std::vector<std::string>& lines) {
    EXPECT_EQ(lines, goldenLines(file, section)) << file << " [" << section << "]";
}

// A refusal table's line "input => message", line breaks in the input written \n.
struct GoldenRefusal {
    std::string input, message;
};

inline std::vector<GoldenRefusal> goldenRefusals(const std::string& file,
                                                 const std::string& section) {
    std::vector<GoldenRefusal> refusals;
    for (const std::string& line : goldenLines(file, section)) {
        const std::size_t arrow = line.find(" => ");
        std::string input;
        for (std::size_t i = 0; i < arrow; ++i)
            input += line.compare(i, 2, "\\n") == 0 ? (++i, '\n') : line[i];
        refusals.push_back({input, line.substr(arrow + 4)});
    }
    return refusals;
}
