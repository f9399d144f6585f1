#include "flowchart/OrgArchive.h"
#include "flowchart/Organigramme.h"
#include "shell/InstanceLink.h"
#include "support/EditorFixture.h"
#include "support/ModalAnswers.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// Files of every kind in a folder outside the data root: a text, a flowchart, a
// gesture set, a text that is none and a file of no editor.
class OpenFiles : public testing::Test {
protected:
    void SetUp() override {
        const QString samples = VELMORA_SAMPLES;
        ASSERT_TRUE(QFile::copy(samples + "court.svk", path("court.svk")));
        ASSERT_TRUE(QFile::copy(samples + "composants.gst", path("composants.gst")));
        COrganigramme empty;
        writeFile(path("plan.org"), QByteArray::fromStdString(storeOrganigramme(empty)));
        writeFile(path("casse.svk"), "<html>pas un document</html>");
        writeFile(path("notes.txt"), "notes");
    }
    QString path(const QString& name) const { return outside.filePath(name); }
    QStringList documentPaths() {
        QStringList paths;
        for (CDocument* document : editor.application().documents().documents())
            paths << document->pathName();
        return paths;
    }

    QTemporaryDir outside;
    EditorFixture editor;
    ModalAnswers answers;
};

TEST_F(OpenFiles, EachOpensWhereItIsAndARefusedOneIsToldWithoutStoppingTheOthers) {
    answers.then(clickButton("OK")).then(clickButton("OK"));
    editor.application().openFiles({path("casse.svk"), path("court.svk"), path("notes.txt"),
                                    path("plan.org"), path("composants.gst")});
    EXPECT_EQ(answers.seen(), (QStringList{"Le fichier casse.svk n'est pas un document Strovik.",
                                           "Le fichier notes.txt ne peut être ouvert."}));
    EXPECT_EQ(editor.windowCount(), 3);
    EXPECT_EQ(documentPaths().first(2), (QStringList{path("court.svk"), path("plan.org")}));
}

// The second process is the real program, started from the files' folder; the
// refusal of one file does not stop the first Velmora.
TEST_F(OpenFiles, ASecondVelmoraHandsItsFilesToTheFirstAndStops) {
    InstanceLink link(editor.root());
    editor.application().receiveFiles(link);
    EXPECT_FALSE(InstanceLink(editor.root()).listen()) << "a later Velmora took the link";
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("VELMORA_DATA_ROOT", editor.root());
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(outside.path());
    QSignalSpy finished(&second, &QProcess::finished);
    answers.then(clickButton("OK"));
    second.start(VELMORA_PROGRAM, {"--sans-splash", "court.svk", "notes.txt", "plan.org"});
    if (!finished.wait(20000)) {
        second.kill();
        FAIL() << "the second Velmora went on running";
    }
    EXPECT_EQ(std::pair(second.exitStatus(), second.exitCode()),
              std::pair(QProcess::NormalExit, 0));
    // The files open once the second Velmora has gone.
    for (int waited = 0; documentPaths().size() < 2 && waited < 5000; waited += 50)
        QTest::qWait(50);
    EXPECT_EQ(documentPaths(), (QStringList{path("court.svk"), path("plan.org")}));
    EXPECT_EQ(answers.seen(), QStringList{"Le fichier notes.txt ne peut être ouvert."});
}
