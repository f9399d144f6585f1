#include "engine/Ensemble.h"
#include "gesturelogs/LogFolder.h"
#include "recognizer/Files.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string xmlLog(int subject, const char* speed, int x) {
    return "\xEF\xBB\xBF<Gesture Subject=\"" + std::to_string(subject) + "\" Speed=\"" + speed +
           "\">\n<Point X=\"" + std::to_string(x) + "\" Y=\"10\" T=\"100\" />\n<Point X=\"" +
           std::to_string(x + 40) + "\" Y=\"30\" T=\"350\" />\n</Gesture>\n";
}

// Writes `text` at `relative` below `folder`, making the folders on the way.
void write(const TemporaryFolder& folder, const std::string& relative, const std::string& text) {
    const fs::path path = folder.path() + relative;
    fs::create_directories(path.parent_path());
    ASSERT_TRUE(writeFileAtomically(path.string(), text).ok);
}

std::vector<std::string> exampleNames(const CClasse& classe) {
    std::vector<std::string> names;
    for (int e = 0; e < classe.nbExemples(); ++e)
        names.push_back(classe.exemple(e).nom());
    return names;
}

} // namespace

// Every log below the folder, a class per kind; a broken log, a file that is not
// a log and the same gesture met twice are each reported by name and left out.
TEST(LogFolder, ImportsEveryLogBelowTheFolderAndReportsTheOthers) {
    const TemporaryFolder folder;
    const std::string root = folder.path();
    write(folder, "s02/fast/v01.xml", xmlLog(2, "fast", 10));
    write(folder, "s02/fast/v02.xml", xmlLog(2, "fast", 20));
    write(folder, "s03/slow/v01.xml", xmlLog(3, "slow", 30));
    write(folder, "copie/v01.xml", xmlLog(3, "slow", 99));
    write(folder, "s03/slow/caret01.XML", xmlLog(3, "slow", 40));
    write(folder, "s03/slow/caret02.xml", xmlLog(3, "slow", 50).substr(0, 60));
    write(folder, "mmg/10-stylus-fast-X-01.csv", "1,-1,1,1000,1\n9,-9,1,1016,1\n9,-1,1,1100,2\n");
    write(folder, "README.md", "not a log");
    write(folder, "notes.csv", "1,2,1,3,1\n");

    const FolderImport import = importLogFolder(root);
    EXPECT_TRUE(import.error.empty()) << import.error;
    EXPECT_EQ(import.files, 8);
    ASSERT_EQ(import.refused.size(), 3u);
    const std::string start = "Journal de geste " + root;
    EXPECT_EQ(import.refused[0].rfind(start + "notes.csv illisible, le nom du fichier", 0), 0u);
    EXPECT_EQ(import.refused[1].rfind(start + "s03/slow/caret02.xml illisible, ligne ", 0), 0u);
    EXPECT_EQ(import.refused[2], start + "s03/slow/v01.xml ignoré : le geste « v » a déjà un "
                                         "exemple nommé « s03-slow-v01 ».");

    const CEnsemble& set = *import.set;
    EXPECT_EQ(set.nom(), fs::path(root).parent_path().filename().string());
    ASSERT_EQ(set.nbClasses(), 3);
    EXPECT_EQ(exampleNames(set.classe(0)), std::vector<std::string>{"10-stylus-fast-X-01"});
    EXPECT_EQ(exampleNames(set.classe(1)), std::vector<std::string>{"s03-slow-caret01"});
    EXPECT_EQ(exampleNames(set.classe(2)),
              (std::vector<std::string>{"s02-fast-v01", "s02-fast-v02", "s03-slow-v01"}));
    EXPECT_EQ(set.classe(0).exemple(0).dessin()->strokeCount(), 2);
    EXPECT_EQ(set.classe(2).exemple(2).dessin()->firstPoint().x, 99);

    const std::string missing = root + "nowhere";
    EXPECT_EQ(importLogFolder(missing).error,
              "Le dossier " + missing + " n'existe pas ou n'est pas un dossier.");
    EXPECT_EQ(readLogFile(missing + ".xml").error,
              "Impossible d'ouvrir le fichier " + missing + ".xml : il n'existe pas.");
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

    const auto all = selectExamples(set, {});
    ASSERT_EQ(all->nbClasses(), 1) << "the empty class is dropped";
    EXPECT_EQ(all->classe(0).code(), 204);
    EXPECT_EQ(all->classe(0).nbExemples(), 7);

    EXPECT_EQ(exampleNames(selectExamples(set, {{"s03"}, {"fast"}, 0})->classe(0)),
              (std::vector<std::string>{"s03-fast-v01", "s03-fast-v02"}));

    // Five from four groups (s02-fast, s02-slow, s03-fast, and the names that
    // carry none): the first of each in turn, in the class's order.
    const auto five = selectExamples(set, {{}, {}, 5});
    EXPECT_EQ(exampleNames(five->classe(0)),
              (std::vector<std::string>{"s02-fast-v01", "s02-fast-v02", "s02-slow-v01",
                                        "s03-fast-v01", "loose"}));
    // The selection shares the drawings: nothing is read or drawn again.
    EXPECT_EQ(five->classe(0).exemple(1).dessin(), set.classe(0).exemple(1).dessin());
}
