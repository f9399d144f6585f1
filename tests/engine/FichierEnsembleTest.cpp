#include "engine/FichierEnsemble.h"
#include "generator/ComponentGestures.h"
#include "support/Drawings.h"
#include "support/GoldenTexts.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

// Blanks in names become "#", lengths count characters, times keep six digits.
const std::string kSample = "-1\n10 mes#gestes\n13 un#geste#lent\n2\n2\n"
                            "8 haut#bas\n0 \n204\n1\n8 exemple1\n1\n3\n"
                            "100 50 0\n100 80 0.11\n100 120 12.3457\n"
                            "13 Carré###dièse\n9 deux#mots\n101\n0\n";

std::string contentOf(const std::string& path) {
    std::string content;
    EXPECT_TRUE(readWholeFile(path, content).ok) << path;
    return content;
}

} // namespace

// Written byte for byte; read back trained, and saved again through a file, the
// text is the same.
TEST(FichierEnsemble, WritesTheSampleAndReadsItBack) {
    CEnsemble written("mes gestes", "un\tgeste\nlent");
    written.setTypeAction(TYPE_COMMANDES);
    auto classe = std::make_unique<CClasse>("haut bas", "");
    classe->setCode(204);
    auto exemple = std::make_unique<CExemple>("exemple1");
    exemple->setDessin(drawingOf({{{100, 50, 0.0}, {100, 80, 0.11}, {100, 120, 12.3456789}}}));
    classe->ajouterExemple(std::move(exemple));
    written.ajouterClasse(std::move(classe));
    written.ajouterClasse(std::make_unique<CClasse>("Carré # dièse", "deux mots"));
    EXPECT_EQ(ecrireEnsemble(written), kSample);

    const LectureEnsemble read = lireEnsemble(kSample, "/donnees/Gestes/mes.gst");
    ASSERT_EQ(read.erreur, "");
    CEnsemble& set = *read.ensemble;
    ASSERT_EQ(set.nbClasses(), 2);
    const CExemple& e = set.classe(0).exemple(0);
    ASSERT_EQ(e.nbPoints(), 3);
    EXPECT_EQ(std::tuple(set.nom(), set.description(), set.nomFichier(), set.typeAction(),
                         set.classe(0).nom(), set.classe(0).code(), set.classe(0).nbExemples(),
                         set.classe(1).nom(), set.classe(1).description(), set.classe(1).code(),
                         e.nom(), e.points()[2], e.points()[1].t, e.caracteristique(12)),
              std::tuple("mes gestes", "un geste lent", "/donnees/Gestes/mes.gst", TYPE_COMMANDES,
                         "haut bas", 204, 1, "Carré   dièse", "deux mots", 101, "exemple1",
                         CInkPoint(100, 120), 0.11, 12.3457));
    EXPECT_DOUBLE_EQ(e.caracteristique(7), 70.0);

    TemporaryFolder folder;
    ASSERT_TRUE(enregistrerEnsemble(set, folder.path(), "copie.gst").ok);
    EXPECT_EQ(set.nomFichier(), "copie.gst");
    EXPECT_EQ(contentOf(folder.path() + "copie.gst"), kSample);
    const LectureEnsemble again = chargerEnsemble(folder.path() + "copie.gst");
    ASSERT_EQ(again.erreur, "");
    EXPECT_EQ(ecrireEnsemble(*again.ensemble), kSample);
}

// Files without time stamps, or written elsewhere with CR LF line ends, a byte
// order mark and Windows-1252 names, are written back the usual way.
TEST(FichierEnsemble, ForeignFilesAreWrittenBackTheUsualWay) {
    const std::pair<std::string, std::string> cases[] = {
        {"0\n4 sans\n0 \n1\n1\n5 ligne\n0 \n102\n2\n"
         "2 e1\n1\n2\n0 0\n30 0\n2 e2\n1\n3\n0 0\n20 1\n40 2\n",
         "-1\n4 sans\n0 \n1\n1\n5 ligne\n0 \n102\n2\n"
         "2 e1\n1\n2\n0 0 0\n30 0 0\n2 e2\n1\n3\n0 0 0\n20 1 0\n40 2 0\n"},
        {"\xEF\xBB\xBF-1\r\n11 Fl\xE8"
         "ches#\x9Cuvre\r\n0 \r\n1\r\n1\r\n5 Carr\xE9\r\n4 \x80#10\r\n108\r\n1\r\n"
         "2 e1\r\n1\r\n2\r\n1 2 0.5\r\n3 4 0.75\r\n",
         "-1\n13 Flèches#œuvre\n0 \n1\n1\n5 Carré\n4 €#10\n108\n1\n2 e1\n1\n2\n1 2 0.5\n3 4 "
         "0.75\n"},
    };
    for (const auto& [text, written] : cases) {
        const LectureEnsemble read = lireEnsemble(text, "etranger.gst");
        ASSERT_EQ(read.erreur, "");
        EXPECT_EQ(ecrireEnsemble(*read.ensemble), written);
    }
    // Every f13 is 0 without time stamps: a zero row, and the set cannot recognise.
    const LectureEnsemble untimed = lireEnsemble(cases[0].first, "sans.gst");
    EXPECT_EQ(untimed.ensemble->classe(0).etat(), CClasse::ETAT_LIGNE_NULLE);
    EXPECT_FALSE(untimed.ensemble->reconnaissancePossible());
}

// A refused text gives an empty set named after the file, and the line at fault;
// so does a missing file. What cannot be read back is not written, and the file
// already there stays.
TEST(FichierEnsemble, RefusedTextsMissingFilesAndUnnamedExamples) {
    for (const auto& [text, message] : goldenRefusals("Refusals", "FichierEnsemble")) {
        const LectureEnsemble read = lireEnsemble(text, "essai.gst");
        ASSERT_NE(read.ensemble, nullptr);
        EXPECT_EQ(std::tuple(read.erreur, read.ensemble->nbClasses(), read.ensemble->nom()),
                  std::tuple("Ensemble de gestes essai.gst illisible, " + message, 0, "essai"));
    }
    // Every prefix that stops before the last line is refused; cut within the
    // last time stamp it still reads as a number.
    const auto set = componentSet(3, 3, 5);
    const std::string text = ecrireEnsemble(*set);
    const std::size_t lastLine = text.rfind('\n', text.size() - 2) + 1;
    for (std::size_t n = 0; n < lastLine; ++n) {
        const LectureEnsemble read = lireEnsemble(text.substr(0, n), "coupe.gst");
        ASSERT_TRUE(!read.erreur.empty() && read.ensemble->nbClasses() == 0) << n;
    }

    TemporaryFolder folder;
    const LectureEnsemble read = chargerEnsemble(folder.path() + "absent.gst");
    EXPECT_EQ(std::tuple(read.erreur.empty(), read.ensemble->nom(), read.ensemble->nomFichier()),
              std::tuple(false, "absent", folder.path() + "absent.gst"));
    ASSERT_TRUE(enregistrerEnsemble(*set, folder.path(), "s.gst").ok);
    set->classe(1).exemple(2).setNom("");
    const FileResult unnamed = enregistrerEnsemble(*set, folder.path(), "s.gst");
    EXPECT_EQ(std::pair(unnamed.ok, unnamed.error),
              std::pair(false, "L'ensemble de gestes ne peut être enregistré dans " +
                                   folder.path() +
                                   "s.gst : l'exemple 3 de la classe 2 (Ligne verticale) n'a pas "
                                   "de nom."));
    EXPECT_EQ(std::pair(set->nomFichier(), contentOf(folder.path() + "s.gst")),
              std::pair(std::string("s.gst"), text));
}
