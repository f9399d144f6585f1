#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/Commandes.h"
#include "flowchart/Elements.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "gesture/GestureCapture.h"
#include "gesture/GesturePlayer.h"
#include "support/Drawings.h"
#include "support/EditorFixture.h"
#include "support/FailingDisks.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/WindowTexts.h"
#include "text/Strovik.h"
#include "text/StrovikView.h"
#include "training/Apprentissage.h"
#include "training/ApprentissageDoc.h"
#include "training/ExempleView.h"
#include "training/ReconForm.h"

#include <QAbstractButton>
#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

// What the editors share: their active window, its document's flag and its capture.
template <class W> struct EditorOf {
    using Window = W;
    static Window& window(EditorFixture& e) { return *e.active<Window>(); }
    static bool modified(EditorFixture& e) { return window(e).document().isModified(); }
    static GestureCapture& capture(EditorFixture& e) { return window(e).view().capture(); }
};

// What differs between the editors in the scenarios they share. `change` makes
// a small change to the active document, or one too large for a FullDisk.
struct TextEditor : EditorOf<CStrovik> {
    static constexpr const char* kName = "texte";
    static constexpr const char* kFile = "Editeur/essai.svk";
    static constexpr const char* kMenu = "&Editeur";
    static constexpr const char* kSave = "&Enregistrer";
    static constexpr Qt::MouseButton kButton = Qt::RightButton;
    static constexpr const char* kStatusWhileWaiting = "Prêt";

    static void create(EditorFixture& e, const QString& path) {
        e.frame().action(CMainFrame::Action::NouveauTexte)->trigger();
        QTextCursor(window(e).view().document()).insertText("Premier jet");
        ASSERT_TRUE(window(e).document().doSave(path));
        e.closeActive();
    }
    static void change(EditorFixture& e, bool large) {
        QTextCursor(window(e).view().document()).insertText(QString(large ? 20000 : 1, u'x'));
    }
    static void expectGestureHandled(EditorFixture& e) {
        EXPECT_EQ(window(e).view().history().count(), 1);
        EXPECT_EQ(e.status(), "Sélectionnez quelquechose avant...");
    }
};

struct GestureSetEditor : EditorOf<CApprentissage> {
    static constexpr const char* kName = "gestes";
    static constexpr const char* kFile = "Gestes/essai.gst";
    static constexpr const char* kMenu = "&Gestes";
    static constexpr const char* kSave = "&Enregistrer";
    static constexpr Qt::MouseButton kButton = Qt::LeftButton;
    static constexpr const char* kStatusWhileWaiting = "Reconnaissance du geste...";

    static void create(EditorFixture&, const QString& path) {
        CEnsemble set("essai", "Aucune description");
        auto classe = std::make_unique<CClasse>("trait", "Aucune description");
        auto example = std::make_unique<CExemple>("exemple1");
        example->setDessin(drawingOf({{{10, 10, 0.0}, {60, 10, 0.1}}}));
        classe->ajouterExemple(std::move(example));
        set.ajouterClasse(std::move(classe));
        const QFileInfo file(path);
        ASSERT_TRUE(
            enregistrerEnsemble(set, file.path().toStdString() + "/", file.fileName().toStdString())
                .ok);
    }
    // A drawn example added to the class; a long zigzag takes some 25 KiB.
    static void change(EditorFixture& e, bool large) {
        auto stroke = std::make_unique<CStroke>();
        for (int i = 0; i < (large ? 1600 : 4); ++i)
            stroke->addPoint(40 + (i % 200), 20 + (i / 200) * 30 + (i % 2) * 15, i * 0.01);
        CDessin drawing;
        drawing.addStroke(std::move(stroke));
        e.draw(capture(e), drawing);
        QTest::mouseClick(window(e).findChild<QAbstractButton*>("ajouterExemple"), Qt::LeftButton);
    }
    static bool modified(EditorFixture& e) {
        return static_cast<CApprentissageDoc&>(window(e).document()).ensemble().modifie();
    }
    static void expectGestureHandled(EditorFixture& e) {
        EXPECT_TRUE(window(e).view().gestureComplete());
        EXPECT_EQ(window(e).result().line1(), "Reconnaissance");
        EXPECT_TRUE(e.status().startsWith(" Cross [")) << e.status().toStdString();
    }
};

struct FlowchartEditor : EditorOf<COrga> {
    static constexpr const char* kName = "organigramme";
    static constexpr const char* kFile = "Organigrammes/essai.org";
    static constexpr const char* kMenu = "&Dessin";
    static constexpr const char* kSave = "En&registrer";
    static constexpr Qt::MouseButton kButton = Qt::LeftButton;
    static constexpr const char* kStatusWhileWaiting = "Reconnaissance du geste...";

    static void create(EditorFixture& e, const QString& path) {
        e.frame().action(CMainFrame::Action::NouvelOrga)->trigger();
        change(e, false);
        ASSERT_TRUE(window(e).document().doSave(path));
        e.closeActive();
    }
    static void change(EditorFixture& e, bool large) {
        for (int i = 0; i < (large ? 1000 : 1); ++i)
            window(e).orgaDocument().AddElement(
                std::make_unique<CCercle>(kNoir, 1, CRect{i, i, i + 40, i + 40}));
    }
    static GestureCapture& capture(EditorFixture& e) { return window(e).view()->capture(); }
    // The shipped sets decide what the cross is: the view has recognised it.
    static void expectGestureHandled(EditorFixture& e) {
        EXPECT_TRUE(e.status().startsWith("Geste ")) << e.status().toStdString();
        EXPECT_FALSE(capture(e).hasInk());
    }
};

template <typename Editor> class EveryEditor : public testing::Test {
protected:
    void SetUp() override {
        Editor::create(editor, path);
        editor.application().openFile(path);
        ASSERT_NE(editor.active<typename Editor::Window>(), nullptr);
    }
    void save() { chooseMenuEntry(editor.frame(), Editor::kMenu, Editor::kSave); }

    EditorFixture editor;
    const QString path = editor.root() + Editor::kFile;
    const QString folder = QFileInfo(path).path() + "/";
    ModalAnswers answers;
};

using Editors = testing::Types<TextEditor, GestureSetEditor, FlowchartEditor>;
TYPED_TEST_SUITE(EveryEditor, Editors);

// Whatever refuses the save, the user is told why, the file saved before is
// left as it was, and the change is still there to save.
TYPED_TEST(EveryEditor, ASaveRefusedLosesNothingAndClosingAsksForTheChange) {
    EditorFixture& e = this->editor;
    const QString name = QFileInfo(this->path).fileName();
    QByteArray saved = readFile(this->path);
    TypeParam::change(e, false);
    {
        UnwritableFolder locked(this->folder);
        this->answers.then(clickButton("OK"));
        this->save();
    }
    EXPECT_EQ(this->answers.seen(), QStringList{UnwritableFolder::message(this->path)});
    EXPECT_TRUE(TypeParam::modified(e));
    EXPECT_EQ(readFile(this->path), saved);
    {
        FullDisk disk(this->folder);
        this->save();
        ASSERT_FALSE(TypeParam::modified(e));
        const QByteArray small = readFile(this->path);
        TypeParam::change(e, true);
        this->answers.then(clickButton("OK"));
        this->save();
        EXPECT_EQ(this->answers.seen().value(1), disk.message(this->path));
        EXPECT_TRUE(TypeParam::modified(e));
        EXPECT_EQ(readFile(this->path), small);
        EXPECT_EQ(QDir(this->folder).entryList({name + "*"}, QDir::Files), QStringList{name});
    }
    this->save();
    EXPECT_FALSE(TypeParam::modified(e));
    EXPECT_GT(readFile(this->path).size(), 12 * 1024);

    // Closing: Annuler keeps the window and the change, Non closes it and
    // leaves the file as it was, Oui saves; unchanged, it closes without a
    // question.
    const qsizetype before = this->answers.seen().size();
    saved = readFile(this->path);
    std::vector<std::tuple<int, bool, bool>> after; // windows left, modified, file as before
    for (const char* button : {"Annuler", "Non", "Oui", ""}) {
        if (e.windowCount() == 0)
            e.application().openFile(this->path);
        if (button != std::string_view("Non") && *button)
            TypeParam::change(e, false);
        if (*button)
            this->answers.then(clickButton(button));
        e.closeActive();
        after.emplace_back(e.windowCount(), e.windowCount() && TypeParam::modified(e),
                           readFile(this->path) == saved);
    }
    EXPECT_EQ(after, (std::vector<std::tuple<int, bool, bool>>{
                         {1, true, true}, {0, false, true}, {0, false, false}, {0, false, false}}));
    EXPECT_EQ(this->answers.seen().mid(before),
              QStringList(3, "Enregistrer les modifications apportées à " + name + " ?"));
}

// The menus and the window against the golden file. A press stops the
// end-of-gesture timer, so that the strokes drawn before it fires make one gesture; the timer waits
// the drawing's delay less 100 ms.
TYPED_TEST(EveryEditor, ShowsItsWindowAndStrokesDrawnBeforeTheTimerMakeOneGesture) {
    EditorFixture& e = this->editor;
    expectTexts("EditorWindows", TypeParam::kName, frameTexts(e.frame()), e.root());
    GestureCapture& capture = TypeParam::capture(e);
    QWidget& surface = capture.surface();
    EditorFixture::moveMouse(surface, {12, 34});
    EXPECT_EQ(e.frame().paneText(1), "Pointeur (x = 12 , y = 34)");
    // The button went down in another window: nothing is drawn.
    EditorFixture::moveMouse(surface, {50, 60}, TypeParam::kButton);
    EXPECT_EQ(capture.drawing(), nullptr);

    const QSignalSpy finished(&capture, &GestureCapture::finished);
    const auto first = drawingOf({{{250, 250, 0.0}, {300, 300, 0.05}, {350, 350, 0.1}}});
    e.drawStrokes(capture, *first, TypeParam::kButton);
    EXPECT_TRUE(capture.isPending());
    EXPECT_NEAR(capture.delayMs(), first->recognitionDelay() - 100, 1);
    EXPECT_EQ(e.status(), TypeParam::kStatusWhileWaiting);
    EXPECT_TRUE(capture.hasInk());

    GesturePlayer player(capture, e.clock());
    player.setButton(TypeParam::kButton);
    e.clock().advance(0.3);
    player.press({350, 250});
    EXPECT_FALSE(capture.isPending());
    EXPECT_EQ(e.status(), "Reconnaissance du geste...");
    e.clock().advance(0.1);
    player.move({300, 300});
    player.release({250, 350});
    ASSERT_TRUE(capture.isPending());
    EXPECT_EQ(capture.drawing()->strokeCount(), 2);
    this->answers.otherwise(clickButton("Non"));
    capture.finishNow();
    EXPECT_EQ(finished.count(), 1);
    TypeParam::expectGestureHandled(e);
}
