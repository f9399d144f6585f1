#include "gesturelogs/GestureCsv.h"

#include "gesturelogs/LoggedInk.h"
#include "recognizer/DrawingText.h"
#include "recognizer/TextScanner.h"

#include <array>
#include <climits>
#include <filesystem>
#include <vector>

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = text.find(separator);
        fields.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return fields;
        text.remove_prefix(end + 1);
    }
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The kind the file name gives, empty when the name is not of the form PERSON-DEVICE-SPEED-KIND-NN.
std::string kindOf(std::string_view stem) {
    const auto fields = split(stem, '-');
    if (fields.size() != 5 || !isKnownSpeed(fields[2]))
        return {};
    for (const std::string_view field : fields)
        if (field.empty())
            return {};
    return std::string(fields[3]);
}

std::unique_ptr<CDessin> readPoints(std::string_view text) {
    constexpr std::array<std::string_view, 5> kFields{"X", "-Y", "constante", "T",
                                                      "numéro de trait"};
    LoggedInk ink;
    int line = 0;
    for (const std::string_view raw : split(text, '\n')) {
        ++line;
        if (trimmed(raw).empty())
            continue;
        const auto fields = split(raw, ',');
        if (fields.size() != kFields.size())
            TextScanner::failAt(line, std::to_string(fields.size()) +
                                          " champs au lieu de 5 (X,-Y,1,T,trait attendu).");
        std::array<long long, 5> values{};
        const std::array<long long, 5> limits{kMaxCoordinate, kMaxCoordinate, LLONG_MAX,
                                              LoggedInk::kMaxMilliseconds, INT_MAX};
        for (std::size_t f = 0; f < fields.size(); ++f)
            values[f] = TextScanner::parseInteger(trimmed(fields[f]), kFields[f],
                                                  f == 4 ? 1 : -limits[f], limits[f], line);
        ink.add(static_cast<int>(values[0]), static_cast<int>(-values[1]), values[3], values[4]);
    }
    if (ink.pointCount() == 0)
        TextScanner::failAt(line, "le geste n'a aucun point.");
    return ink.finish();
}

} // namespace

LogReadResult readGestureCsv(std::string_view text, std::string_view fileName) {
    const std::string stem = std::filesystem::path(fileName).stem().string();
    std::string kind = kindOf(stem);
    if (kind.empty())
        return {std::nullopt, "le nom du fichier n'est pas de la forme "
                              "PERSONNE-APPAREIL-VITESSE-GESTE-NN.csv."};
    try {
        GestureLog log{std::move(kind), stem, readPoints(text)};
        return {std::move(log), {}};
    } catch (const TextFormatError& e) {
        return {std::nullopt, e.what()};
    }
}
