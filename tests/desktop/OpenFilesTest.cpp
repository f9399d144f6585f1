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
// gesture set, a text that is none and a file of no editor. The second process
// is the real program, started from the files' folder: it hands its files to
// the first Velmora and stops, and the refusal of one file stops neither
// Velmora nor the files after it.
TEST(OpenFiles, ASecondVelmoraHandsItsFilesToTheFirstAndARefusalStopsNoOtherFile) {
    QTemporaryDir outside;
    EditorFixture editor;
    ModalAnswers answers;
    const auto path = [&outside](const QString& name) { return outside.filePath(name); };
    const auto documentPaths = [&editor] {
        QStringList paths;
        for (CDocument* document : editor.application().documents().documents())
            paths << document->pathName();
        return paths;
    };
    const QString samples = VELMORA_SAMPLES;
    ASSERT_TRUE(QFile::copy(samples + "court.svk", path("court.svk")));
    ASSERT_TRUE(QFile::copy(samples + "composants.gst", path("composants.gst")));
    COrganigramme empty;
    writeFile(path("plan.org"), QByteArray::fromStdString(storeOrganigramme(empty)));
    writeFile(path("casse.svk"), "<html>pas un document</html>");
    writeFile(path("notes.txt"), "notes");

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

    answers.then(clickButton("OK"));
    editor.application().openFiles({path("casse.svk"), path("composants.gst")});
    EXPECT_EQ(answers.seen(), (QStringList{"Le fichier notes.txt ne peut être ouvert.",
                                           "Le fichier casse.svk n'est pas un document Strovik."}));
    EXPECT_EQ(editor.windowCount(), 3);
}
