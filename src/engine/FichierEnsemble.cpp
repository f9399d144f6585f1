#include "engine/FichierEnsemble.h"

#include "recognizer/DrawingText.h"
#include "recognizer/TextEncoding.h"
#include "recognizer/TextScanner.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <locale>
#include <sstream>

namespace {

constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;
constexpr int kTimeStampsMarker = -1;

// Shortest blocks, leading line end included: "\n1 a\n0 \n0\n0" for a class,
// "\n1 a\n0" for an example. Counts beyond what is left of the text are refused.
constexpr std::size_t kMinClassBytes = 10;
constexpr std::size_t kMinExampleBytes = 6;

struct TextField {
    std::string_view what;
    std::string_view length;
    bool required;
};

constexpr TextField kSetName{"nom de l'ensemble", "longueur du nom de l'ensemble", true};
constexpr TextField kSetDescription{"description de l'ensemble",
                                    "longueur de la description de l'ensemble", false};
constexpr TextField kClassName{"nom de la classe", "longueur du nom de la classe", true};
constexpr TextField kClassDescription{"description de la classe",
                                      "longueur de la description de la classe", false};
constexpr TextField kExampleName{"nom de l'exemple", "longueur du nom de l'exemple", true};

// The length only tells an empty text from another: the word is taken whatever its size.
std::string readText(TextScanner& in, const TextField& field) {
    if (in.readInteger(field.length, 0, INT_MAX) == 0) {
        if (field.required)
            in.fail(std::string(field.what) + " vide.");
        return {};
    }
    const std::string_view word = in.readWord(field.what);
    std::string text = isValidUtf8(word) ? std::string(word) : fromWindows1252(word);
    std::replace(text.begin(), text.end(), '#', ' ');
    return text;
}

void writeText(std::ostream& out, const std::string& text) {
    std::string protectedText = text;
    // Any blank would end the word on reading: each one becomes "#", read back as a space.
    std::replace_if(
        protectedText.begin(), protectedText.end(),
        [](char c) {
            return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
        },
        '#');
    out << codePointCount(text) << ' ' << protectedText << '\n';
}

std::unique_ptr<CEnsemble> readSet(TextScanner& in, const std::string& path) {
    const bool withTime = in.readInteger("marqueur", INT_MIN, INT_MAX) == kTimeStampsMarker;
    std::string nom = readText(in, kSetName);
    std::string description = readText(in, kSetDescription);
    auto ensemble = std::make_unique<CEnsemble>(std::move(nom), std::move(description));
    ensemble->setNomFichier(path);
    ensemble->setTypeAction(
        static_cast<int>(in.readInteger("type d'action", TYPE_AUCUN, NB_TYPES_ACTION - 1)));

    const int classes = in.readCount("nombre de classes", kMinClassBytes);
    for (int c = 0; c < classes; ++c) {
        std::string nomClasse = readText(in, kClassName);
        std::string descriptionClasse = readText(in, kClassDescription);
        auto classe = std::make_unique<CClasse>(std::move(nomClasse), std::move(descriptionClasse));
        classe->setCode(static_cast<std::uint16_t>(in.readInteger("code de la classe", 0, 65535)));
        const int examples = in.readCount("nombre d'exemples", kMinExampleBytes);
        for (int e = 0; e < examples; ++e) {
            auto exemple = std::make_unique<CExemple>(readText(in, kExampleName));
            exemple->setDessin(readDrawing(in, withTime));
            classe->ajouterExemple(std::move(exemple));
        }
        ensemble->ajouterClasse(std::move(classe));
    }
    if (!in.atEnd())
        in.fail("données en trop après la dernière classe.");
    return ensemble;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());
    return text;
}

// What has an empty name, which the reader would refuse: "" when everything is named.
std::string firstUnnamed(const CEnsemble& ensemble) {
    if (ensemble.nom().empty())
        return "l'ensemble";
    for (int c = 0; c < ensemble.nbClasses(); ++c) {
        const CClasse& classe = ensemble.classe(c);
        const std::string which = "la classe " + std::to_string(c + 1);
        if (classe.nom().empty())
            return which;
        for (int e = 0; e < classe.nbExemples(); ++e)
            if (classe.exemple(e).nom().empty())
                return "l'exemple " + std::to_string(e + 1) + " de " + which + " (" + classe.nom() +
                       ")";
    }
    return {};
}

LectureEnsemble emptySetFor(const std::string& path, std::string erreur) {
    auto ensemble = std::make_unique<CEnsemble>();
    const std::string stem = std::filesystem::path(path).stem().string();
    if (!stem.empty())
        ensemble->setNom(stem);
    ensemble->setNomFichier(path);
    return {std::move(ensemble), std::move(erreur)};
}

} // namespace

LectureEnsemble lireEnsemble(std::string_view texte, const std::string& path) {
    TextScanner in(withoutByteOrderMark(texte));
    try {
        auto ensemble = readSet(in, path);
        ensemble->apprendre();
        return {std::move(ensemble), {}};
    } catch (const TextFormatError& e) {
        return emptySetFor(path, "Ensemble de gestes " + path + " illisible, " + e.what());
    }
}

LectureEnsemble chargerEnsemble(const std::string& path) {
    std::string text;
    const FileResult read = readWholeFile(path, text, kMaxFileBytes);
    if (!read.ok)
        return emptySetFor(path, read.error);
    return lireEnsemble(text, path);
}

std::string ecrireEnsemble(const CEnsemble& ensemble) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << kTimeStampsMarker << '\n';
    writeText(out, ensemble.nom());
    writeText(out, ensemble.description());
    out << ensemble.typeAction() << '\n' << ensemble.nbClasses() << '\n';
    for (int c = 0; c < ensemble.nbClasses(); ++c) {
        const CClasse& classe = ensemble.classe(c);
        writeText(out, classe.nom());
        writeText(out, classe.description());
        out << classe.code() << '\n' << classe.nbExemples() << '\n';
        for (int e = 0; e < classe.nbExemples(); ++e) {
            const CExemple& exemple = classe.exemple(e);
            writeText(out, exemple.nom());
            if (exemple.dessin())
                writeDrawing(out, *exemple.dessin());
            else
                out << "0\n";
        }
    }
    return out.str();
}

FileResult enregistrerEnsemble(CEnsemble& ensemble, const std::string& dossier,
                               const std::string& nomFichier) {
    const std::string unnamed = firstUnnamed(ensemble);
    if (!unnamed.empty())
        return {false, "L'ensemble de gestes ne peut être enregistré dans " + dossier + nomFichier +
                           " : " + unnamed + " n'a pas de nom."};
    const FileResult written = writeFileAtomically(dossier + nomFichier, ecrireEnsemble(ensemble));
    if (written.ok)
        ensemble.setNomFichier(nomFichier);
    return written;
}
