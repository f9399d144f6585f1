#include "app/Editors.h"
#include "shell/DocTemplate.h"
#include "support/EditorFixture.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/WindowTexts.h"
#include "text/Strovik.h"
#include "text/StrovikView.h"

#include <QFile>
#include <QMdiArea>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// The application with its editors; the documents are texts.
class Documents : public testing::Test {
protected:
    CMainFrame& frame() { return editor.frame(); }
    std::vector<CDocument*> documents() { return editor.application().documents().documents(); }
    CStrovik& newText() {
        chooseMenuEntry(frame(), "&Editeur", "&Nouveau");
        return *editor.active<CStrovik>();
    }

    EditorFixture editor;
    ModalAnswers answers;
};

} // namespace

// Each editor's document string, field by field; the files of a type by their
// extension.
TEST(DocTemplate, ReadsItsDocumentStringAndIsFoundByItsNames) {
    std::vector<std::unique_ptr<CDocTemplate>> templates = editorTemplates();
    templates.push_back(
        std::make_unique<CDocTemplate>("\nseul_\nOrga\nOrga Files (*.org)", nullptr, nullptr));
    QStringList fields;
    for (const auto& t : templates)
        fields << QStringList{t->windowTitle(),      t->docName(),
                              t->fileNewName(),      t->filterName(),
                              t->extension(),        t->registryTypeId(),
                              t->registryTypeName(), t->dialogFilters().join(", ")}
                      .join(" | ");
    expectTexts("MainFrame", "document types", fields);
    std::vector<bool> matches;
    for (const char* file : {"/a/plan.org", "PLAN.ORG", "plan.orga", "org"})
        matches.push_back(templates[2]->matchesFile(file));
    EXPECT_EQ(matches, (std::vector<bool>{true, true, false, false}));
    EXPECT_FALSE(templates[3]->matchesFile("x."));
}

// New texts are numbered, each in its own window; the format bar, disabled
// until then (the main window's golden texts), acts on the active text (the
// text window's test) and is disabled again when the last one goes. Views
// leave with their widgets; the sender of a change is not told.
TEST_F(Documents, NewTextsAreNumberedAndTheBarsActOnTheActiveOne) {
    struct HintsView : CView {
        using CView::CView;
        void onUpdate(CView*, int hint) override { hints.push_back(hint); }
        std::vector<int> hints;
    };
    QAction* bold = frame().commandAction(DocCommand::Bold);
    newText();
    CStrovik& text = newText();
    EXPECT_EQ(documents().size(), 2u);
    EXPECT_EQ(documents()[0]->title(), "sans_nom_1");
    EXPECT_EQ(text.document().title(), "sans_nom_2");
    text.document().setTitle("lettre.svk");
    EXPECT_EQ(frame().windowTitle(), "Velmora - lettre.svk");
    QTest::mouseClick(frame().formatBar()->widgetForAction(bold), Qt::LeftButton);
    EXPECT_TRUE(bold->isChecked());
    {
        HintsView first(text.document()), second(text.document());
        { HintsView gone(text.document()); }
        ASSERT_EQ(text.document().views().size(), 3u);
        text.document().updateAllViews(&first, 7);
        text.document().updateAllViews(nullptr);
        EXPECT_EQ(std::pair(first.hints, second.hints),
                  std::pair(std::vector<int>{0}, std::vector<int>{7, 0}));
    }
    frame().mdiArea()->closeAllSubWindows();
    flushDeletes();
    EXPECT_FALSE(bold->isEnabled());
    EXPECT_FALSE(bold->isChecked());
}

// A file opened twice shows its window again; it is remembered, and once it is
// gone, its recent-file entry tells so and forgets it.
TEST_F(Documents, OpenedFilesAreRememberedAndClosingAsksForWhatIsNotSaved) {
    const QString path = QFileInfo(editor.root() + "Editeur/notes.svk").absoluteFilePath();
    ASSERT_TRUE(newText().document().doSave(path));
    editor.closeActive();
    answers.then(chooseFile(path)).then(chooseFile(path));
    chooseMenuEntry(frame(), "&Editeur", "&Ouvrir...");
    chooseMenuEntry(frame(), "&Editeur", "&Ouvrir...");
    ASSERT_EQ(documents().size(), 1u);
    EXPECT_EQ(documents()[0]->pathName(), path);
    editor.closeActive();
    ASSERT_TRUE(QFile::remove(path));
    answers.then(clickButton("OK"));
    chooseMenuEntry(frame(), "&Editeur", "&1 " + path);
    EXPECT_EQ(answers.seen().last(), "Le fichier notes.svk ne peut être ouvert.");
    EXPECT_TRUE(documents().empty());
    EXPECT_TRUE(editor.application().documents().recentFiles().files().isEmpty());

    // Oui saves an untitled document under the name chosen; while a document
    // refuses to close, the main window stays open.
    QTextCursor(newText().view().document()).insertText("abc");
    answers.then(clickButton("Oui")).then(chooseFile(editor.root() + "Editeur/lettre"));
    editor.closeActive();
    EXPECT_TRUE(readFile(editor.root() + "Editeur/lettre.svk").contains("abc"));
    QTextCursor(newText().view().document()).insertText("abc");
    answers.then(clickButton("Annuler")).then(clickButton("Non"));
    EXPECT_FALSE(frame().close());
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(documents().size(), 1u);
    EXPECT_TRUE(frame().close());
    flushDeletes();
    EXPECT_TRUE(documents().empty());
    EXPECT_EQ(frame().windowTitle(), "Velmora");
}
