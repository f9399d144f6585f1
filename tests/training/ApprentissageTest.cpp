#include "training/Apprentissage.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "shell/MainFrm.h"
#include "support/Drawings.h"
#include "support/FailingDisks.h"
#include "support/Menus.h"
#include "training/ExempleForm.h"
#include "training/ExempleView.h"
#include "training/GestureEditor.h"
#include "training/ReconForm.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CEnsemble> smallSet() {
    auto set = std::make_unique<CEnsemble>("petit", "Aucune description");
    auto classe = std::make_unique<CClasse>("trait", "");
    auto exemple = std::make_unique<CExemple>("exemple1");
    exemple->setDessin(
        std::shared_ptr<CDessin>(drawingOf({{{0, 0, 0.0}, {50, 0, 0.1}}}).release()));
    classe->ajouterExemple(std::move(exemple));
    set->ajouterClasse(std::move(classe));
    return set;
}

QStringList titles(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions)
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

class GestureWindow : public testing::Test {
protected:
    void SetUp() override {
        editor.open(*smallSet(), "petit.gst");
        QFile::remove(editor.gestureFolder() + "petit.gst");
    }

    int windows() { return editor.test().frame().mdiArea()->subWindowList().size(); }
    void closeWindow() {
        editor.test().frame().mdiArea()->activeSubWindow()->close();
        flushDeletes();
    }
    // A change that leaves the file's content as it was.
    void touch() { editor.set().setModifie(true); }
    bool written(const QString& name) { return QFile::exists(editor.gestureFolder() + name); }

    GestureEditor editor;
    ModalAnswers answers;
};

// A zigzag of 1,600 points: its example alone takes some 25 KiB in a file.
std::unique_ptr<CDessin> longZigzag() {
    auto stroke = std::make_unique<CStroke>();
    for (int i = 0; i < 1600; ++i)
        stroke->addPoint(40 + (i % 200), 20 + (i / 200) * 30 + (i % 2) * 15, i * 0.01);
    auto drawing = std::make_unique<CDessin>();
    drawing->addStroke(std::move(stroke));
    return drawing;
}

} // namespace

TEST_F(GestureWindow, OpensAt800By410WithTheFormLeftAndTheResultAboveTheDrawing) {
    CApprentissage& window = *editor.window();
    EXPECT_EQ(window.size(), QSize(800, 410));
    EXPECT_EQ(editor.form().width(), 475);
    EXPECT_EQ(editor.form().height(), 410);
    EXPECT_EQ(editor.result().height(), 85);
    EXPECT_EQ(editor.result().x(), editor.view().x());
    EXPECT_GT(editor.view().y(), editor.result().y());
    EXPECT_GT(editor.view().height(), 250);
    EXPECT_EQ(window.windowTitle(), "petit.gst");
    EXPECT_EQ(editor.test().frame().windowTitle(), "Velmora - petit.gst");
}

TEST_F(GestureWindow, HasItsOwnGestesMenu) {
    QMenuBar* bar = editor.test().frame().menuBar();
    EXPECT_EQ(titles(bar->actions()),
              (QStringList{"&Editeur", "&Organigrammes", "&Gestes", "O&ption", "Fe&nêtre", "&?"}));
    EXPECT_EQ(
        titles(bar->actions()[2]->menu()->actions()),
        (QStringList{"&Nouveau", "&Ouvrir...", "&Fermer", "&Enregistrer", "En&registrer sous..."}));
    // Activating the window again keeps one entry of each.
    editor.test().frame().mdiArea()->setActiveSubWindow(nullptr);
    editor.test().frame().mdiArea()->activateNextSubWindow();
    EXPECT_EQ(bar->actions()[2]->menu()->actions().size(), 5);
}

TEST_F(GestureWindow, SaveBelongsToTheFormAndFollowsTheLastPaneClicked) {
    CMainFrame& frame = editor.test().frame();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QAction* save = menuEntry(frame, "&Gestes", "&Enregistrer");
    QAction* toolSave = frame.commandAction(DocCommand::Save);
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(toolSave->isEnabled());

    QTest::mouseClick(&editor.view(), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(toolSave->isEnabled());
    QTest::mouseClick(&editor.result(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(save->isEnabled());

    auto* classes = editor.widget<QListWidget>("classes");
    QTest::mouseClick(classes->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(toolSave->isEnabled());
    touch();
    toolSave->trigger();
    EXPECT_TRUE(written("petit.gst"));
    EXPECT_FALSE(editor.set().modifie());
}

TEST_F(GestureWindow, SaveAsUnderAnotherExtensionWarnsAndWritesIntoTheGestureFolder) {
    answers.then(chooseFile(editor.gestureFolder() + "autre.txt")).then(clickButton("OK"));
    touch();
    editor.form().OnEnregistrerSous();

    EXPECT_EQ(answers.seen().value(1), "Le fichier autre.txt ne peut être ouvert.");
    EXPECT_TRUE(written("autre.txt"));
    EXPECT_FALSE(editor.set().modifie());
    EXPECT_EQ(editor.window()->windowTitle(), "autre.txt");
    EXPECT_EQ(editor.set().nomFichier(), "autre.txt");
}

TEST_F(GestureWindow, SaveAsElsewhereStillWritesIntoTheGestureFolder) {
    const QString elsewhere = editor.test().root() + "Editeur/";
    answers.then(chooseFile(elsewhere + "ailleurs.gst"));
    chooseMenuEntry(editor.test().frame(), "&Gestes", "En&registrer sous...");

    EXPECT_TRUE(written("ailleurs.gst"));
    EXPECT_FALSE(QFile::exists(elsewhere + "ailleurs.gst"));
    EXPECT_EQ(editor.window()->windowTitle(), "ailleurs.gst");
}

TEST_F(GestureWindow, SaveAsCancelledStillCountsAsSaved) {
    touch();
    answers.then(clickButton("Annuler"));
    editor.form().OnEnregistrerSous();
    EXPECT_FALSE(editor.set().modifie());
    EXPECT_FALSE(written("petit.gst"));
}

TEST_F(GestureWindow, SaveAsFromTheResultPaneGoesStraightToTheDocument) {
    CMainFrame& frame = editor.test().frame();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::mouseClick(&editor.result(), Qt::LeftButton, {}, QPoint(3, 3));
    answers.then(chooseFile(editor.gestureFolder() + "depuis.gst"));
    chooseMenuEntry(frame, "&Gestes", "En&registrer sous...");
    EXPECT_TRUE(written("depuis.gst"));
}

TEST_F(GestureWindow, AnUnchangedSetClosesWithoutAQuestion) {
    closeWindow();
    EXPECT_EQ(windows(), 0);
    EXPECT_FALSE(written("petit.gst"));
}

TEST_F(GestureWindow, ClosingAChangedSetAsksAndAnnulerKeepsTheWindow) {
    touch();
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(editor.test().frame(), "&Gestes", "&Fermer");
    flushDeletes();
    EXPECT_EQ(answers.seen(), QStringList{"Enregistrer les modifications apportées à petit.gst ?"});
    EXPECT_EQ(windows(), 1);
    EXPECT_TRUE(editor.set().modifie());
    EXPECT_FALSE(written("petit.gst"));
}

TEST_F(GestureWindow, ClosingAChangedSetWithNonWritesNothing) {
    touch();
    answers.then(clickButton("Non"));
    closeWindow();
    EXPECT_EQ(windows(), 0);
    EXPECT_FALSE(written("petit.gst"));
}

TEST_F(GestureWindow, ClosingAChangedSetWithOuiWritesItFirst) {
    touch();
    answers.then(clickButton("Oui"));
    closeWindow();
    EXPECT_EQ(windows(), 0);
    ASSERT_TRUE(written("petit.gst"));
    const LectureEnsemble read =
        chargerEnsemble((editor.gestureFolder() + "petit.gst").toStdString());
    EXPECT_EQ(read.erreur, "");
    EXPECT_EQ(read.ensemble->nom(), "petit");
}

// Whatever refuses the save, the user is told why, the file saved before is
// left as it was, and the change is still there to save.
TEST_F(GestureWindow, AFolderWithoutWritePermissionOrAFullDiskRefusesTheSave) {
    const QString folder = editor.gestureFolder();
    const QString path = folder + "petit.gst";
    touch();
    editor.form().OnEnregistrer();
    const std::string saved = editor.fileText("petit.gst");
    ASSERT_TRUE(written("petit.gst"));

    touch();
    {
        UnwritableFolder locked(folder);
        answers.then(clickButton("OK"));
        editor.form().OnEnregistrer();
    }
    EXPECT_EQ(answers.seen().value(0), UnwritableFolder::message(path));
    EXPECT_TRUE(editor.set().modifie());
    EXPECT_EQ(editor.fileText("petit.gst"), saved);

    {
        FullDisk disk(folder);
        editor.form().OnEnregistrer();
        const std::string small = editor.fileText("petit.gst");
        ASSERT_EQ(small, saved);
        editor.addExample(*longZigzag(), "long");
        answers.then(clickButton("OK"));
        editor.form().OnEnregistrer();
        EXPECT_EQ(answers.seen().value(1), disk.message(path));
        EXPECT_TRUE(editor.set().modifie());
        EXPECT_EQ(editor.fileText("petit.gst"), small);
        EXPECT_EQ(QDir(folder).entryList({"petit.gst*"}, QDir::Files), QStringList{"petit.gst"});
    }
    editor.form().OnEnregistrer();
    EXPECT_FALSE(editor.set().modifie());
    EXPECT_EQ(chargerEnsemble(path.toStdString()).ensemble->classe(0).nbExemples(), 2);
}

TEST_F(GestureWindow, AFailedWriteIsReportedAndKeepsTheChange) {
    QDir(editor.gestureFolder()).removeRecursively();
    touch();
    answers.then(clickButton("OK"));
    editor.form().OnEnregistrer();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_TRUE(answers.seen()[0].contains("petit.gst"));
    EXPECT_TRUE(editor.set().modifie());
}
