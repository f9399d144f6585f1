#pragma once

#include "gesturelogs/LogFolder.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CDessin;
class QCommandLineParser;
class CEnsemble;
class CShapeRecognizer;
struct PersonSpeedResult;
enum class Recognizer;

// Each subcommand takes the arguments after its name and returns the exit status:
// 0 done, 1 unreadable input, 2 wrong arguments.
int runShapes(const std::vector<std::string>& args);
int runInfo(const std::vector<std::string>& args);
int runEval(const std::vector<std::string>& args);
int runRecognize(const std::vector<std::string>& args);
int runImport(const std::vector<std::string>& args);
int runShapesEval(const std::vector<std::string>& args);
int runComponent(const std::vector<std::string>& args);
int runScore(const std::vector<std::string>& args);
int runSpread(const std::vector<std::string>& args);
int runExport(const std::vector<std::string>& args);

// Parses `args` (those after the subcommand's name) with `parser`; prints a
// French message that starts with `command` and returns false when they are wrong.
bool parseToolArguments(QCommandLineParser& parser, const std::string& command,
                        const std::vector<std::string>& args);

// Reads FILE, or standard input for "-"; prints a French message on failure.
bool readInput(const std::string& name, std::string& content);

// Reads and trains a gesture set; prints the French message and returns null
// when the file is not sound.
std::unique_ptr<CEnsemble> loadSet(const std::string& path);

// The options that pick examples from a gesture source: --people P,...,
// --speeds V,... and --per-class N. Reading them says what is wrong, starting
// with `command`, and returns false.
void addSelectionOptions(QCommandLineParser& parser);
bool readSelection(const QCommandLineParser& parser, const std::string& command,
                   LogSelection& selection);

// A trained set from a gesture-set file or from a folder of gesture logs, with
// the examples `selection` keeps. Refused logs are reported on the error output
// and skipped; null, with a message printed, when nothing usable was read.
std::unique_ptr<CEnsemble> loadSource(const std::string& path, const LogSelection& selection);

// The per-person protocol's figures for each N, as text or JSON.
void printProtocol(const CEnsemble& set, const std::string& source, std::uint32_t seed,
                   Recognizer recognizer, const std::vector<PersonSpeedResult>& results, bool json);

// "rubine" or "templates", as --recognizer names them.
std::string recognizerName(Recognizer recognizer);
// What the text reports say of it, in French.
std::string recognizerTitle(Recognizer recognizer);

// "a,b,,c" gives a, b, "" and c.
std::vector<std::string> commaList(const std::string& text);

// Whole decimal number in [min, max].
bool parseNumber(const std::string& text, long long min, long long max, long long& value);
// The value of option `name` when it is given (`value` is kept otherwise); false,
// with "COMMAND : WHAT invalide : TEXT (entier de MIN à MAX attendu).", when
// it is not a whole number in [min, max].
bool numberOption(const QCommandLineParser& parser, const QString& name, const std::string& command,
                  const std::string& what, long long min, long long max, long long& value);

// "12,5 %": one decimal, French decimal comma, right-aligned on 7 characters.
std::string percent(double share);

// Prints the rule-based recogniser's candidates for `drawing`, best first.
void printShapeCandidates(CShapeRecognizer& recognizer, const CDessin& drawing);

// `text` followed by spaces up to `width` characters (not bytes).
std::string padded(const std::string& text, std::size_t width);
// Spaces up to `width` characters, then `text`.
std::string rightAligned(const std::string& text, std::size_t width);
