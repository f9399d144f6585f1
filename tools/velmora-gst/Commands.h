#pragma once

#include <memory>
#include <string>
#include <vector>

class CDessin;
class CEnsemble;
class CShapeRecognizer;

// Each subcommand takes the arguments after its name and returns the exit status:
// 0 done, 1 unreadable input, 2 wrong arguments.
int runShapes(const std::vector<std::string>& args);
int runInfo(const std::vector<std::string>& args);
int runEval(const std::vector<std::string>& args);
int runRecognize(const std::vector<std::string>& args);

// Reads FILE, or standard input for "-"; prints a French message on failure.
bool readInput(const std::string& name, std::string& content);

// Reads and trains a gesture set; prints the French message and returns null
// when the file is not sound.
std::unique_ptr<CEnsemble> loadSet(const std::string& path);

// Prints the rule-based recogniser's candidates for `drawing`, best first.
void printShapeCandidates(CShapeRecognizer& recognizer, const CDessin& drawing);

// `text` followed by spaces up to `width` characters (not bytes).
std::string padded(const std::string& text, std::size_t width);
