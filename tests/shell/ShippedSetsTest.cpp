#include "generator/ShippedSets.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
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

// The program carries the three sets; each, read from the program itself and
// decided as a new flowchart decides, makes fresh drawings of every way of
// drawing each of its gestures (thirty of each class, from a seed the sets
// were not made from) into what they mean: at least 85 % of them, at most 3 %
// into another gesture, and no way of drawing left behind.
TEST(ShippedSets, TheProgramMakesFreshDrawingsOfEveryWayIntoWhatTheyMean) {
    ASSERT_EQ(shippedSetNames(), kNames);
    for (const ShippedSet& info : kShippedSets) {
        const QString name = QString::fromUtf8(info.fichier.data(), info.fichier.size());
        const LectureEnsemble read =
            lireEnsemble(shippedSetContent(name).toStdString(), name.toStdString());
        ASSERT_EQ(read.erreur, "") << info.fichier;
        const CEnsemble& set = *read.ensemble;
        EXPECT_EQ(set.typeAction(), info.typeAction);
        const FreshRecognition fresh = recogniseFresh(set, 30, 4242);
        ASSERT_TRUE(fresh.possible) << info.fichier;
        for (int c = 0; c < set.nbClasses(); ++c)
            EXPECT_GE(fresh.classes[c].right, 8) << set.classe(c).nom();
        const FreshRecognition::PerClass total = fresh.total();
        EXPECT_GE(total.right, 0.85 * total.drawings) << info.fichier;
        EXPECT_LE(total.wronglyAccepted, 0.03 * total.drawings) << info.fichier;
    }
    EXPECT_TRUE(shippedSetContent("autre.gst").isEmpty());
}

// A new user's gesture-set folder receives the three sets at the first start.
TEST(ShippedSets, StartUpCopiesTheMissingSets) {
    TestApplication test;
    ModalAnswers none;
    test.startReady();

    const QString folder = test.root() + "Gestes/";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), kNames);
    for (const QString& name : kNames) {
        EXPECT_EQ(readFile(folder + name), shippedSetContent(name)) << name.toStdString();
        EXPECT_TRUE(QFileInfo(folder + name).isWritable()) << name.toStdString();
    }
    EXPECT_TRUE(none.seen().isEmpty());
}

// A set already in the folder is the user's: it is never replaced, even when it
// is not a gesture set at all; only the missing ones are copied.
TEST(ShippedSets, StartUpLeavesTheUsersSetsAlone) {
    TestApplication test;
    const QString folder = test.root() + "Gestes/";
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(folder + "formes.gst", "mes propres formes");
    test.startReady();

    EXPECT_EQ(readFile(folder + "formes.gst"), "mes propres formes");
    EXPECT_EQ(readFile(folder + "commandes.gst"), shippedSetContent("commandes.gst"));
    EXPECT_EQ(readFile(folder + "lettres.gst"), shippedSetContent("lettres.gst"));
}

// Where the gesture-set folder cannot be written (here a file stands in its
// place), nothing is copied and each set's failure is told.
TEST(ShippedSets, AFolderThatCannotBeWrittenIsReported) {
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
