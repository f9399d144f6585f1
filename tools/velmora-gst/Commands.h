#pragma once

#include <string>
#include <vector>

// Each subcommand takes the arguments after its name and returns the exit status.
int runShapes(const std::vector<std::string>& args);

// Reads FILE, or standard input for "-"; prints a French message on failure.
bool readInput(const std::string& name, std::string& content);
