#include "shell/Configuration.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

TEST(Configuration, ChoosesTheDataRootAndNamesTheFolderThatCannotBeMade) {
    EXPECT_EQ(chooseDataRoot("/env/racine", "/option", "/home/u"), "/env/racine/");
    EXPECT_EQ(chooseDataRoot("", "/option/", "/home/u"), "/option/");
    EXPECT_EQ(chooseDataRoot(nullptr, "/option", "/home/u"), "/option/");
    EXPECT_EQ(chooseDataRoot(nullptr, "", "/home/u"), "/home/u/Velmora/Données/");
    EXPECT_EQ(chooseDataRoot(nullptr, "", "/home/u/"), "/home/u/Velmora/Données/");
    EXPECT_EQ(withTrailingSlash(""), "");

    // A file where a folder should be cannot be replaced: that folder is
    // named, those before it are made, none after.
    QTemporaryDir temporary;
    const std::string blocked = temporary.path().toStdString() + "/bloque/";
    ASSERT_TRUE(createFolder(blocked));
    std::ofstream(blocked + "Organigrammes") << "fichier";
    EXPECT_EQ(createMissingFolders(Configuration(blocked)), blocked + "Organigrammes/");
    EXPECT_TRUE(isUsableFolder(blocked + "Editeur/"));
    EXPECT_FALSE(isUsableFolder(blocked + "Gestes/"));
    EXPECT_FALSE(isUsableFolder(blocked + "Organigrammes"));
}
