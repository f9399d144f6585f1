#include "engine/FichierEnsemble.h"
#include "generator/ComponentGestures.h"
#include "support/Drawings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

const std::string kSpecimen = "-1\n"
                              "10 mes#gestes\n"
                              "0 \n"
                              "2\n"
                              "1\n"
                              "8 haut#bas\n"
                              "0 \n"
                              "204\n"
                              "1\n"
                              "8 exemple1\n"
                              "1\n"
                              "3\n"
                              "100 50 0\n"
                              "100 80 0.11\n"
                              "100 120 0.23\n";

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device random;
        m_path = fs::temp_directory_path() / ("velmora-gst-" + std::to_string(random()));
        fs::create_directories(m_path);
    }
    ~TemporaryFolder() { fs::remove_all(m_path); }
    // The folder, ending with "/".
    std::string path() const { return m_path.string() + "/"; }

private:
    fs::path m_path;
};

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string readFile(const std::string& path) {
    std::string content;
    EXPECT_TRUE(readWholeFile(path, content).ok);
    return content;
}

// The error of reading `text`, which must be refused.
std::string refusal(const std::string& text) {
    const LectureEnsemble read = lireEnsemble(text, "essai.gst");
    EXPECT_NE(read.ensemble, nullptr);
    EXPECT_EQ(read.ensemble->nbClasses(), 0);
    EXPECT_EQ(read.ensemble->nom(), "essai");
    return read.erreur;
}

} // namespace

TEST(FichierEnsemble, WritesTheSpecimenByteForByte) {
    CEnsemble set("mes gestes", "");
    set.setTypeAction(TYPE_COMMANDES);
    auto classe = std::make_unique<CClasse>("haut bas", "");
    classe->setCode(204);
    auto exemple = std::make_unique<CExemple>("exemple1");
    exemple->setDessin(drawingOf({{{100, 50, 0.0}, {100, 80, 0.11}, {100, 120, 0.23}}}));
    classe->ajouterExemple(std::move(exemple));
    set.ajouterClasse(std::move(classe));
    EXPECT_EQ(ecrireEnsemble(set), kSpecimen);
}

TEST(FichierEnsemble, ReadsTheSpecimen) {
    const LectureEnsemble read = lireEnsemble(kSpecimen, "/donnees/Gestes/mes.gst");
    ASSERT_EQ(read.erreur, "");
    const CEnsemble& set = *read.ensemble;
    EXPECT_EQ(set.nom(), "mes gestes");
    EXPECT_EQ(set.description(), "");
    EXPECT_EQ(set.nomFichier(), "/donnees/Gestes/mes.gst");
    EXPECT_EQ(set.typeAction(), TYPE_COMMANDES);
    ASSERT_EQ(set.nbClasses(), 1);
    EXPECT_EQ(set.classe(0).nom(), "haut bas");
    EXPECT_EQ(set.classe(0).code(), 204);
    ASSERT_EQ(set.classe(0).nbExemples(), 1);
    const CExemple& e = set.classe(0).exemple(0);
    EXPECT_EQ(e.nom(), "exemple1");
    ASSERT_EQ(e.nbPoints(), 3);
    EXPECT_EQ(e.points()[2], CInkPoint(100, 120));
    EXPECT_DOUBLE_EQ(e.points()[1].t, 0.11);
    // Read sets are trained: the features are there.
    EXPECT_DOUBLE_EQ(e.caracteristique(7), 70.0);
    EXPECT_DOUBLE_EQ(e.caracteristique(12), 0.23);
}

TEST(FichierEnsemble, TimeStampsKeepSixDigits) {
    CEnsemble set("temps", "un geste lent");
    auto classe = std::make_unique<CClasse>("c", "");
    auto exemple = std::make_unique<CExemple>("e");
    exemple->setDessin(drawingOf({{{0, 0, 0.0}, {10, 0, 12.3456789}}}));
    classe->ajouterExemple(std::move(exemple));
    set.ajouterClasse(std::move(classe));
    const std::string text = ecrireEnsemble(set);
    EXPECT_NE(text.find("\n10 0 12.3457\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n13 un#geste#lent\n"), std::string::npos) << text;

    const LectureEnsemble read = lireEnsemble(text, "temps.gst");
    ASSERT_EQ(read.erreur, "");
    EXPECT_EQ(read.ensemble->classe(0).exemple(0).caracteristique(12), 12.3457);
}

TEST(FichierEnsemble, SavedThenReadThenSavedGivesTheSameText) {
    TemporaryFolder folder;
    const auto set = componentSet(6, 4, 17);
    set->classe(1).setDescription("deux mots");
    set->classe(2).setNom("Carré # dièse");
    ASSERT_TRUE(enregistrerEnsemble(*set, folder.path(), "composants.gst").ok);
    EXPECT_EQ(set->nomFichier(), "composants.gst");
    const std::string first = readFile(folder.path() + "composants.gst");

    const LectureEnsemble read = chargerEnsemble(folder.path() + "composants.gst");
    ASSERT_EQ(read.erreur, "");
    EXPECT_EQ(read.ensemble->classe(2).nom(), "Carré   dièse");
    ASSERT_TRUE(enregistrerEnsemble(*read.ensemble, folder.path(), "composants.gst").ok);
    const std::string second = readFile(folder.path() + "composants.gst");
    EXPECT_EQ(second, first);
    // Lengths count characters: "Carré###dièse" is 13 characters, 15 bytes.
    EXPECT_NE(first.find("\n13 Carré###dièse\n"), std::string::npos);
}

TEST(FichierEnsemble, BlanksInNamesAreProtected) {
    CEnsemble set("a\tb", "ligne\nsuivante");
    set.ajouterClasse(std::make_unique<CClasse>("c", ""));
    const std::string text = ecrireEnsemble(set);
    EXPECT_EQ(text, "-1\n3 a#b\n14 ligne#suivante\n0\n1\n1 c\n0 \n101\n0\n");
    const LectureEnsemble read = lireEnsemble(text, "x.gst");
    ASSERT_EQ(read.erreur, "");
    EXPECT_EQ(read.ensemble->nom(), "a b");
    EXPECT_EQ(read.ensemble->classe(0).nbExemples(), 0);
}

TEST(FichierEnsemble, FileWithoutTimeStamps) {
    const std::string text = "0\n4 sans\n0 \n1\n1\n5 ligne\n0 \n102\n2\n"
                             "2 e1\n1\n2\n0 0\n30 0\n"
                             "2 e2\n1\n3\n0 0\n20 1\n40 2\n";
    const LectureEnsemble read = lireEnsemble(text, "sans.gst");
    ASSERT_EQ(read.erreur, "");
    const CClasse& c = read.ensemble->classe(0);
    ASSERT_EQ(c.nbExemples(), 2);
    EXPECT_EQ(c.exemple(1).points()[2], CInkPoint(40, 2));
    EXPECT_EQ(c.exemple(1).points()[2].t, 0.0);
    EXPECT_EQ(c.exemple(1).caracteristique(12), 0.0);
    // Every f13 is 0: a zero row, and the set cannot recognise.
    EXPECT_EQ(c.etat(), CClasse::ETAT_LIGNE_NULLE);
    EXPECT_FALSE(read.ensemble->reconnaissancePossible());
    // Written again, the points carry time stamps.
    EXPECT_NE(ecrireEnsemble(*read.ensemble).find("\n40 2 0\n"), std::string::npos);
}

TEST(FichierEnsemble, ForeignFileWithCrlfAndWindows1252) {
    const std::string text = "\xEF\xBB\xBF-1\r\n"
                             "11 Fl\xE8"
                             "ches#\x9C"
                             "uvre\r\n"
                             "0 \r\n"
                             "1\r\n"
                             "1\r\n"
                             "5 Carr\xE9\r\n"
                             "4 \x80#10\r\n"
                             "108\r\n"
                             "1\r\n"
                             "2 e1\r\n"
                             "1\r\n"
                             "2\r\n"
                             "1 2 0.5\r\n"
                             "3 4 0.75\r\n";
    TemporaryFolder folder;
    writeFile(folder.path() + "windows.gst", text);
    const LectureEnsemble read = chargerEnsemble(folder.path() + "windows.gst");
    ASSERT_EQ(read.erreur, "");
    EXPECT_EQ(read.ensemble->nom(), "Flèches œuvre");
    EXPECT_EQ(read.ensemble->typeAction(), TYPE_COMPOSANTS);
    EXPECT_EQ(read.ensemble->classe(0).nom(), "Carré");
    EXPECT_EQ(read.ensemble->classe(0).description(), "€ 10");
    EXPECT_EQ(read.ensemble->classe(0).exemple(0).points()[1], CInkPoint(3, 4));
    EXPECT_TRUE(ecrireEnsemble(*read.ensemble).starts_with("-1\n13 Flèches#œuvre\n0 \n1\n"));
}

TEST(FichierEnsemble, MalformedFilesAreRefusedWithTheLine) {
    EXPECT_EQ(refusal(""), "Ensemble de gestes essai.gst illisible, ligne 1 : fin du fichier "
                           "inattendue (marqueur attendu).");
    EXPECT_EQ(refusal("-1\n0 \n0 \n0\n0\n"),
              "Ensemble de gestes essai.gst illisible, ligne 2 : nom de l'ensemble vide.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n0\n1\n1 c\n0 \n101\n1\n0 \n1\n1\n0 0 0\n"),
              "Ensemble de gestes essai.gst illisible, ligne 10 : nom de l'exemple vide.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n0\n2000000000\n1 c\n0 \n101\n0\n"),
              "Ensemble de gestes essai.gst illisible, ligne 5 : nombre de classes (2000000000) "
              "plus grand que ce que le fichier peut contenir.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n0\n-3\n"),
              "Ensemble de gestes essai.gst illisible, ligne 5 : nombre de classes hors "
              "limites : -3.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n7\n0\n"),
              "Ensemble de gestes essai.gst illisible, ligne 4 : type d'action hors limites : 7.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n0\n1\n1 c\n0 \n70000\n0\n"),
              "Ensemble de gestes essai.gst illisible, ligne 8 : code de la classe hors "
              "limites : 70000.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n0\n1\n1 c\n0 \n101\n1\n1 e\n999999\n1\n0 0 0\n"),
              "Ensemble de gestes essai.gst illisible, ligne 11 : nombre de traits (999999) plus "
              "grand que ce que le fichier peut contenir.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n0\n0\nencore\n"),
              "Ensemble de gestes essai.gst illisible, ligne 6 : données en trop après la "
              "dernière classe.");
    EXPECT_EQ(refusal("-1\n1 a\n0 \n0\n1\n1 c\n0 \n101\n1\n1 e\n1\n2\n0 0 0\n1 x 0.1\n"),
              "Ensemble de gestes essai.gst illisible, ligne 14 : « x » n'est pas un entier "
              "(ordonnée attendu).");
}

// Every prefix of a sound file that stops before its last line is refused with
// a message; cut within the last time stamp it still reads as a number.
TEST(FichierEnsemble, TruncatedFilesAreRefused) {
    const std::string text = ecrireEnsemble(*componentSet(3, 2, 5));
    const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    for (std::size_t n = 0; n < text.size(); ++n) {
        const LectureEnsemble read = lireEnsemble(text.substr(0, n), "coupe.gst");
        ASSERT_NE(read.ensemble, nullptr);
        if (n < lastLine) {
            ASSERT_FALSE(read.erreur.empty()) << n;
            ASSERT_EQ(read.ensemble->nbClasses(), 0);
        }
    }
}

TEST(FichierEnsemble, MissingFileAndUnwritableFolder) {
    TemporaryFolder folder;
    const LectureEnsemble read = chargerEnsemble(folder.path() + "absent.gst");
    EXPECT_EQ(read.erreur,
              "Impossible d'ouvrir le fichier " + folder.path() + "absent.gst : il n'existe pas.");
    EXPECT_EQ(read.ensemble->nom(), "absent");
    EXPECT_EQ(read.ensemble->nomFichier(), folder.path() + "absent.gst");
    EXPECT_EQ(read.ensemble->nbClasses(), 0);

    CEnsemble set("x", "");
    const FileResult written = enregistrerEnsemble(set, folder.path() + "manque/", "x.gst");
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, "Impossible d'écrire le fichier " + folder.path() +
                                 "manque/x.gst : il n'existe pas.");
    EXPECT_EQ(set.nomFichier(), "x.gst");
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

// What could not be read back is not written, and the file already there stays.
TEST(FichierEnsemble, UnnamedExampleIsNotWritten) {
    TemporaryFolder folder;
    const auto set = componentSet(2, 3, 1);
    ASSERT_TRUE(enregistrerEnsemble(*set, folder.path(), "s.gst").ok);
    const std::string before = readFile(folder.path() + "s.gst");
    set->classe(1).exemple(2).setNom("");
    const FileResult written = enregistrerEnsemble(*set, folder.path(), "s.gst");
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, "L'ensemble de gestes ne peut être enregistré dans " + folder.path() +
                                 "s.gst : l'exemple 3 de la classe 2 (Ligne verticale) n'a pas de "
                                 "nom.");
    EXPECT_EQ(readFile(folder.path() + "s.gst"), before);
}
