#include "support/Menus.h"
#include "training/ExempleForm.h"
#include "training/GestureEditor.h"

#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include <tuple>

// Opens at 800 by 410 with the form left and the result above the drawing.
// Save belongs to the form: it follows the last pane clicked. Whatever folder
// was browsed, Save As writes into the gesture-set folder; another extension
// is told, then written all the same.
TEST_F(GestureEditor, TheWindowsLayoutAndWhereItsSavesGo) {
    open(*setOf({{"trait", 1}}), "petit.gst");
    QFile::remove(gestureFolder() + "petit.gst");
    const auto written = [this](const QString& name) {
        return QFile::exists(gestureFolder() + name);
    };
    // Clicks in the pane, as the user does before choosing a command.
    const auto clickIn = [](QWidget& pane) {
        QTest::mouseClick(&pane, Qt::LeftButton, {}, QPoint(3, 3));
    };
    const auto saveAs = [this] {
        chooseMenuEntry(editor.frame(), "&Gestes", "En&registrer sous...");
    };
    EXPECT_EQ(std::tuple(window().size(), window().form().width(), window().result().height(),
                         window().result().x()),
              std::tuple(QSize(800, 410), 475, 85, view().x()));
    EXPECT_GT(view().y(), window().result().y());
    EXPECT_GT(view().height(), 250);
    // Activating the window again keeps one entry of each in its menu.
    editor.frame().mdiArea()->setActiveSubWindow(nullptr);
    editor.frame().mdiArea()->activateNextSubWindow();
    EXPECT_EQ(editor.frame().menuBar()->actions()[2]->menu()->actions().size(), 8);

    QAction* save = menuEntry(editor.frame(), "&Gestes", "&Enregistrer");
    QAction* toolSave = editor.frame().commandAction(DocCommand::Save);
    EXPECT_TRUE(toolSave->isEnabled());
    clickIn(view());
    EXPECT_FALSE(save->isEnabled());
    EXPECT_FALSE(toolSave->isEnabled());
    clickIn(window().result());
    EXPECT_FALSE(save->isEnabled());
    clickIn(*widget<QListWidget>("classes")->viewport());
    EXPECT_TRUE(save->isEnabled());
    set().setModifie(true);
    toolSave->trigger();
    EXPECT_TRUE(written("petit.gst"));

    answers.then(chooseFile(gestureFolder() + "autre.txt")).then(clickButton("OK"));
    set().setModifie(true);
    saveAs();
    EXPECT_EQ(answers.seen().value(1), "Le fichier autre.txt ne peut être ouvert.");
    EXPECT_TRUE(written("autre.txt"));
    EXPECT_FALSE(set().modifie());
    EXPECT_EQ(set().nomFichier(), "autre.txt");

    answers.then(chooseFile(editor.root() + "Editeur/ailleurs.gst"));
    saveAs();
    EXPECT_TRUE(written("ailleurs.gst"));
    EXPECT_FALSE(QFile::exists(editor.root() + "Editeur/ailleurs.gst"));
    EXPECT_EQ(window().windowTitle(), "ailleurs.gst");

    // From the result pane it goes straight to the document.
    clickIn(window().result());
    answers.then(chooseFile(gestureFolder() + "depuis.gst"));
    saveAs();
    EXPECT_TRUE(written("depuis.gst"));

    // Cancelled, it writes nothing but still counts as saved.
    QFile::remove(gestureFolder() + "depuis.gst");
    set().setModifie(true);
    answers.then(clickButton("Annuler"));
    window().form().OnEnregistrerSous();
    EXPECT_FALSE(set().modifie());
    EXPECT_FALSE(written("depuis.gst"));
}
