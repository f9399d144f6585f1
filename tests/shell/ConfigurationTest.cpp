#include "shell/Configuration.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(Configuration, ChoosesTheDataRootAndCreatesOnlyTheMissingFolders) {
    EXPECT_EQ(chooseDataRoot("/env/racine", "/option", "/home/u"), "/env/racine/");
    EXPECT_EQ(chooseDataRoot("", "/option/", "/home/u"), "/option/");
    EXPECT_EQ(chooseDataRoot(nullptr, "/option", "/home/u"), "/option/");
    EXPECT_EQ(chooseDataRoot(nullptr, "", "/home/u"), "/home/u/Velmora/Données/");
    EXPECT_EQ(chooseDataRoot(nullptr, "", "/home/u/"), "/home/u/Velmora/Données/");
    EXPECT_EQ(withTrailingSlash(""), "");
    EXPECT_EQ(withTrailingSlash("a/"), "a/");

    // Only the missing folders are created; the one that cannot be is named.
    QTemporaryDir temporary;
    const std::string root = temporary.path().toStdString() + "/racine/";
    const Configuration c(root);
    EXPECT_FALSE(isUsableFolder(root));

    ASSERT_TRUE(createFolder(root + "Gestes/"));
    std::ofstream(root + "Gestes/formes.gst") << "garde";
    EXPECT_EQ(createMissingFolders(c), "");
    for (const std::string& folder : c.folders())
        EXPECT_TRUE(isUsableFolder(root + folder)) << folder;
    EXPECT_TRUE(fs::exists(root + "Gestes/formes.gst"));

    // A file where a folder should be cannot be replaced.
    const std::string blocked = temporary.path().toStdString() + "/bloque/";
    ASSERT_TRUE(createFolder(blocked));
    std::ofstream(blocked + "Organigrammes") << "fichier";
    EXPECT_EQ(createMissingFolders(Configuration(blocked)), blocked + "Organigrammes/");
    EXPECT_TRUE(isUsableFolder(blocked + "Editeur/"));
    EXPECT_FALSE(isUsableFolder(blocked + "Gestes/"));
    EXPECT_FALSE(isUsableFolder(blocked + "Organigrammes"));
}
