#include "engine/FichierEnsemble.h"
#include "gesturelogs/LogFolder.h"
#include "recognizer/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

std::string xmlLog(int subject, const char* speed, int x) {
    return "\xEF\xBB\xBF<Gesture Subject=\"" + std::to_string(subject) + "\" Speed=\"" + speed +
           "\">\n<Point X=\"" + std::to_string(x) + "\" Y=\"10\" T=\"100\" />\n<Point X=\"" +
           std::to_string(x + 40) + "\" Y=\"30\" T=\"350\" />\n<Point X=\"" +
           std::to_string(x + 80) + "\" Y=\"10\" T=\"600\" />\n</Gesture>\n";
}

class LogFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root =
            fs::temp_directory_path() / ("velmora-logs-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }

    void write(const std::string& relative, const std::string& text) {
        const fs::path path = m_root / relative;
        fs::create_directories(path.parent_path());
        ASSERT_TRUE(writeFileAtomically(path.string(), text).ok);
    }
    std::string root() const { return m_root.string(); }

    fs::path m_root;
};

std::vector<std::string> exampleNames(const CClasse& classe) {
    std::vector<std::string> names;
    for (int e = 0; e < classe.nbExemples(); ++e)
        names.push_back(classe.exemple(e).nom());
    return names;
}

} // namespace

TEST_F(LogFolderTest, ImportsEveryLogBelowTheFolderAndReportsTheBrokenOnes) {
    write("s02/fast/v01.xml", xmlLog(2, "fast", 10));
    write("s02/fast/v02.xml", xmlLog(2, "fast", 20));
    write("s03/slow/v01.xml", xmlLog(3, "slow", 30));
    write("s03/slow/caret01.XML", xmlLog(3, "slow", 40));
    write("s03/slow/caret02.xml", xmlLog(3, "slow", 50).substr(0, 60));
    write("mmg/10-stylus-fast-X-01.csv",
          "1,-1,1,1000,1\n9,-9,1,1016,1\n9,-1,1,1100,2\n1,-9,1,1116,2\n");
    write("README.md", "not a log");
    write("notes.csv", "1,2,1,3,1\n");

    const FolderImport import = importLogFolder(root() + "/");
    EXPECT_TRUE(import.error.empty()) << import.error;
    EXPECT_EQ(import.files, 7);
    ASSERT_EQ(import.refused.size(), 2u);
    EXPECT_EQ(import.refused[0].find("Journal de geste " + (m_root / "notes.csv").string() +
                                     " illisible, le nom du fichier n'est pas de la forme"),
              0u)
        << import.refused[0];
    EXPECT_EQ(import.refused[1].find("Journal de geste " +
                                     (m_root / "s03/slow/caret02.xml").string() +
                                     " illisible, ligne "),
              0u)
        << import.refused[1];

    const CEnsemble& set = *import.set;
    EXPECT_EQ(set.nom(), m_root.filename().string());
    ASSERT_EQ(set.nbClasses(), 3);
    EXPECT_EQ(set.classe(0).nom(), "X");
    EXPECT_EQ(set.classe(1).nom(), "caret");
    EXPECT_EQ(set.classe(2).nom(), "v");
    EXPECT_EQ(exampleNames(set.classe(0)), std::vector<std::string>{"10-stylus-fast-X-01"});
    EXPECT_EQ(exampleNames(set.classe(1)), std::vector<std::string>{"s03-slow-caret01"});
    EXPECT_EQ(exampleNames(set.classe(2)),
              (std::vector<std::string>{"s02-fast-v01", "s02-fast-v02", "s03-slow-v01"}));
    EXPECT_EQ(set.classe(0).exemple(0).dessin()->strokeCount(), 2);
    EXPECT_EQ(set.classe(2).exemple(2).dessin()->firstPoint().x, 30);
}

TEST_F(LogFolderTest, TheSameGestureTwiceIsImportedOnce) {
    write("a/s02/fast/x01.xml", xmlLog(2, "fast", 10));
    write("b/x01.xml", xmlLog(2, "fast", 99));
    const FolderImport import = importLogFolder(root());
    ASSERT_EQ(import.refused.size(), 1u);
    EXPECT_EQ(import.refused[0], "Journal de geste " + (m_root / "b/x01.xml").string() +
                                     " ignoré : le geste « x » a déjà un exemple nommé « "
                                     "s02-fast-x01 ».");
    ASSERT_EQ(import.set->nbClasses(), 1);
    ASSERT_EQ(import.set->classe(0).nbExemples(), 1);
    EXPECT_EQ(import.set->classe(0).exemple(0).dessin()->firstPoint().x, 10);
}

TEST_F(LogFolderTest, AFolderThatIsNotThereIsSaidSo) {
    const std::string missing = root() + "/nowhere";
    const FolderImport import = importLogFolder(missing);
    EXPECT_EQ(import.error, "Le dossier " + missing + " n'existe pas ou n'est pas un dossier.");
    EXPECT_EQ(import.set->nbClasses(), 0);

    const LogReadResult read = readLogFile(missing + ".xml");
    EXPECT_FALSE(read.log);
    EXPECT_EQ(read.error, "Impossible d'ouvrir le fichier " + missing + ".xml : il n'existe pas.");
}

TEST_F(LogFolderTest, AnImportedSetWritesAndReadsBackPointForPoint) {
    write("10-stylus-slow-N-03.csv",
          "5,-5,1,1302127281991,1\n5,-60,1,1302127282102,1\n40,-5,1,1302127282101,2\n"
          "40,-60,1,1302127282433,2\n");
    write("s05/medium/circle04.xml", xmlLog(5, "medium", 7));
    const FolderImport import = importLogFolder(root());
    ASSERT_TRUE(import.refused.empty());
    const LectureEnsemble back = lireEnsemble(ecrireEnsemble(*import.set), "back.gst");
    ASSERT_TRUE(back.erreur.empty()) << back.erreur;
    ASSERT_EQ(back.ensemble->nbClasses(), 2);
    for (int c = 0; c < 2; ++c) {
        const CExemple& written = import.set->classe(c).exemple(0);
        const CExemple& read = back.ensemble->classe(c).exemple(0);
        EXPECT_EQ(read.nom(), written.nom());
        ASSERT_EQ(read.dessin()->strokeCount(), written.dessin()->strokeCount());
        for (int s = 0; s < read.dessin()->strokeCount(); ++s) {
            ASSERT_EQ(read.dessin()->stroke(s).pointCount(),
                      written.dessin()->stroke(s).pointCount());
            for (int i = 0; i < read.dessin()->stroke(s).pointCount(); ++i) {
                const CInkPoint& a = written.dessin()->stroke(s).point(i);
                const CInkPoint& b = read.dessin()->stroke(s).point(i);
                EXPECT_EQ(a.x, b.x);
                EXPECT_EQ(a.y, b.y);
                EXPECT_DOUBLE_EQ(a.t, b.t);
            }
        }
    }
    // The stamp a millisecond back was held at the time before it: 0.111 s.
    EXPECT_DOUBLE_EQ(back.ensemble->classe(0).exemple(0).dessin()->stroke(1).point(0).t, 0.111);
    EXPECT_EQ(back.ensemble->classe(0).exemple(0).dessin()->stroke(1).point(1).y, 60);
}

TEST(LogSelection, KeepsPeopleAndSpeedsAndSharesTheCapAmongThem) {
    CEnsemble set("logs", "");
    auto classe = std::make_unique<CClasse>("v", "");
    classe->setCode(204);
    for (const char* name : {"s02-fast-v01", "s02-fast-v02", "s02-fast-v03", "s02-slow-v01",
                             "s03-fast-v01", "s03-fast-v02", "loose"}) {
        auto exemple = std::make_unique<CExemple>(name);
        exemple->setDessin(std::make_shared<CDessin>());
        classe->ajouterExemple(std::move(exemple));
    }
    set.ajouterClasse(std::move(classe));
    set.ajouterClasse(std::make_unique<CClasse>("x", ""));
    auto other = std::make_unique<CClasse>("caret", "");
    other->ajouterExemple(std::make_unique<CExemple>("s04-slow-caret01"));
    set.ajouterClasse(std::move(other));

    const auto all = selectExamples(set, {});
    ASSERT_EQ(all->nbClasses(), 2) << "the empty class is dropped";
    EXPECT_EQ(all->classe(0).code(), 204);
    EXPECT_EQ(all->classe(0).nbExemples(), 7);

    const auto fast = selectExamples(set, {{"s02", "s03"}, {"fast"}, 0});
    ASSERT_EQ(fast->nbClasses(), 1);
    EXPECT_EQ(exampleNames(fast->classe(0)),
              (std::vector<std::string>{"s02-fast-v01", "s02-fast-v02", "s02-fast-v03",
                                        "s03-fast-v01", "s03-fast-v02"}));

    // Four from four groups (s02-fast, s02-slow, s03-fast, and the names that carry
    // none): the first of each, in the class's order.
    const auto four = selectExamples(set, {{}, {}, 4});
    EXPECT_EQ(exampleNames(four->classe(0)),
              (std::vector<std::string>{"s02-fast-v01", "s02-slow-v01", "s03-fast-v01", "loose"}));
    const auto five = selectExamples(set, {{}, {}, 5});
    EXPECT_EQ(exampleNames(five->classe(0)),
              (std::vector<std::string>{"s02-fast-v01", "s02-fast-v02", "s02-slow-v01",
                                        "s03-fast-v01", "loose"}));
    EXPECT_EQ(five->classe(1).nbExemples(), 1);

    // The selection shares the drawings: nothing is read or drawn again.
    EXPECT_EQ(five->classe(0).exemple(1).dessin(), set.classe(0).exemple(1).dessin());
}
