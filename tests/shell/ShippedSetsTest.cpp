#include "shell/Configuration.h"
#include "shell/ShippedSetFiles.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QStringList kNames{"commandes.gst", "formes.gst", "lettres.gst"};

} // namespace

// A root that exists gets its missing folders at the start, without a
// question, and its gesture-set folder the three sets, writable; a set already
// there is the user's and is never replaced, even when it is not a gesture set.
TEST(ShippedSets, StartUpCopiesOnlyTheMissingSetsOrTellsWhyItCannot) {
    TestApplication test;
    const QString folder = test.root() + "Gestes/";
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(folder + "formes.gst", "mes propres formes");
    ModalAnswers none;
    test.start();
    expectDataFolders(test.root());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), kNames);
    for (const QString& name : kNames) {
        EXPECT_EQ(readFile(folder + name),
                  name == "formes.gst" ? "mes propres formes" : shippedSetContent(name))
            << name.toStdString();
        EXPECT_TRUE(QFileInfo(folder + name).isWritable()) << name.toStdString();
    }
    EXPECT_TRUE(shippedSetContent("autre.gst").isEmpty());

    // Where the gesture-set folder cannot be written (here a file stands in its
    // place), nothing is copied and each set's failure is told.
    QTemporaryDir temporary;
    const QString root = temporary.path() + "/";
    writeFile(root + "Gestes", "pas un dossier");
    const QStringList errors = installShippedSets(Configuration(root.toStdString()));
    ASSERT_EQ(errors.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(errors[i].startsWith("Impossible") && errors[i].contains(kNames[i]))
            << errors[i].toStdString();
    EXPECT_EQ(readFile(root + "Gestes"), "pas un dossier");
}
