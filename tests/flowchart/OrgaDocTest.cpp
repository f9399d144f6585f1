#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/OrgaEditor.h"
#include "generator/ComponentGestures.h"
#include "gesture/GesturePlayer.h"

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QByteArray stored(COrganigramme& organigramme) {
    return QByteArray::fromStdString(storeOrganigramme(organigramme));
}

} // namespace

class OrgaDocument : public OrgaEditor {
protected:
    QString flowcharts() const { return editor.root() + "Organigrammes/"; }
    void writeSet(CEnsemble set, const char* name) {
        ASSERT_TRUE(enregistrerEnsemble(set, gestures().toStdString(), name).ok);
    }
    // In the gesture-set chooser, changes the components row to `file`, then
    // OK; the messages that follow get OK.
    void chooseComponentSet(const QString& file, int messages) {
        m_answers
            .then([](QWidget& dialog) {
                clickWithMouse(dialog.findChild<QPushButton*>(QStringLiteral("change1")));
            })
            .then(chooseFile(gestures() + file))
            .then(clickButton("OK"));
        for (int i = 0; i < messages; ++i)
            m_answers.then(clickButton("OK"));
        chooseMenuEntry(mainFrame(), "&Dessin", "&Choisir les gestes...");
    }
};

// The sizing parameters are not kept in the file; the colour is. An opened
// flowchart starts in component mode too, and saved again unchanged keeps its bytes.
TEST_F(OrgaDocument, SavedClosedAndReopenedItIsTheSameFlowchart) {
    newFlowchart();
    play(*componentDrawing(kind::RectangleHorizontal, {150, 150}));
    chooseMenuEntry(mainFrame(), "&Couleur", "&Rouge");
    play(*componentDrawing(kind::Cercle, {400, 150}));
    m_answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("text1"), "Été à Noël");
        clickWithMouse(findButton(dialog, "OK"));
    });
    play(*componentDrawing(kind::Texte, {400, 400}));
    m_answers.then([](QWidget& dialog) {
        clickRadio(dialog.findChild<QRadioButton*>("fixedSize"));
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    const QString path = flowcharts() + "plan.org";
    m_answers.then(chooseFile(path));
    chooseMenuEntry(mainFrame(), "&Dessin", "Enregistrer &sous...");
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(doc().title(), "plan.org");
    const QByteArray saved = readFile(path);
    EXPECT_EQ(saved, stored(doc().organigramme()));
    chooseMenuEntry(mainFrame(), "&Dessin", "&Fermer");
    flushDeletes();
    EXPECT_EQ(editor.windowCount(), 0);

    setTraceMode(1);
    m_answers.then(chooseFile(path));
    chooseMenuEntry(mainFrame(), "&Organigrammes", "&Ouvrir");
    ASSERT_NE(editor.active<COrga>(), nullptr);
    EXPECT_EQ(editor.application().traceMode(), 0);
    ASSERT_EQ(elements().size(), 3u);
    EXPECT_EQ(elements()[1]->color(), kRouge);
    EXPECT_EQ(static_cast<const CTexte&>(*elements()[2]).text(), "Été à Noël");
    EXPECT_EQ(doc().color(), kRouge);
    EXPECT_FALSE(doc().organigramme().fixedSize());
    mainFrame().commandAction(DocCommand::Save)->trigger();
    EXPECT_EQ(readFile(path), saved);
}

// The colour it already has changes nothing; "&Autre couleur..." starts from
// the current colour, and Annuler keeps it.
TEST_F(OrgaDocument, TheColourEntriesSetTheColourOfNewComponentsAndAreChecked) {
    newFlowchart();
    chooseMenuEntry(mainFrame(), "&Couleur", "&Noir");
    EXPECT_TRUE(frame().colourAction("&Noir")->isChecked());
    EXPECT_FALSE(doc().isModified());
    chooseMenuEntry(mainFrame(), "&Couleur", "&Bleu");
    EXPECT_EQ(doc().color(), kBleu);
    EXPECT_FALSE(frame().colourAction("&Noir")->isChecked());
    EXPECT_TRUE(doc().isModified());
    m_answers
        .then([](QWidget& window) {
            auto* dialog = qobject_cast<QColorDialog*>(&window);
            EXPECT_EQ(dialog->currentColor(), QColor(0, 0, 255));
            dialog->setCurrentColor(QColor(1, 2, 3));
            clickWithMouse(findButton(window, "OK"));
        })
        .then(clickButton("Annuler"));
    chooseMenuEntry(mainFrame(), "&Couleur", "&Autre couleur...");
    chooseMenuEntry(mainFrame(), "&Couleur", "&Autre couleur...");
    EXPECT_EQ(doc().color(), 0x030201u);
    expectTexts("FlowchartWindow", "another colour", frameTexts(mainFrame()), editor.root());
}

// The fields of the fixed sizes are open only in fixed-size mode; numbers are
// cut to four digits; Annuler keeps everything; the document is not changed.
TEST_F(OrgaDocument, TheParametersDialogShowsReadsAndKeepsTheSizingParameters) {
    newFlowchart();
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartWindow", "sizes, bounding box", windowTexts(dialog));
        clickRadio(dialog.findChild<QRadioButton*>("fixedSize"));
        typeOver(dialog.findChild<QLineEdit*>("squareSide"), "12345");
        typeOver(dialog.findChild<QLineEdit*>("step"), "7");
        expectTexts("FlowchartWindow", "sizes, fixed", windowTexts(dialog));
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    const COrganigramme& org = doc().organigramme();
    EXPECT_TRUE(org.fixedSize());
    EXPECT_EQ(org.sizes().squareSide, 1234);
    EXPECT_EQ(org.step(), 7);
    EXPECT_FALSE(doc().isModified());
    m_answers.then([](QWidget& dialog) {
        clickRadio(dialog.findChild<QRadioButton*>("boundingBox"));
        typeOver(dialog.findChild<QLineEdit*>("circleRadius"), "9");
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    EXPECT_TRUE(org.fixedSize());
    EXPECT_EQ(org.sizes().circleRadius, 40);
    play(*componentDrawing(kind::Carre, {300, 300}, 60));
    EXPECT_EQ(static_cast<const CCarre&>(*elements().back()).side(), 1234);
}

// The strokes of a gesture that could not be recognised wait for the next
// one; sets chosen again are read again, sets that cannot be read are told.
TEST_F(OrgaDocument, TheGestureSetsAreReadWhenTheFlowchartIsMadeOrTheyAreChosen) {
    CEnsemble untrained("vide", "");
    untrained.setTypeAction(TYPE_COMPOSANTS);
    untrained.ajouterClasse(std::make_unique<CClasse>("Croix", ""));
    writeSet(untrained, "formes.gst");
    writeSet(components(), "bonnes.gst");
    QFile::remove(gestures() + "lettres.gst");
    m_answers.then(clickButton("OK")).then(clickButton("OK"));
    newFlowchart();
    EXPECT_TRUE(m_answers.seen().value(0).contains("lettres.gst"));
    EXPECT_EQ(doc().characterSet().nbClasses(), 0);
    play(*traced({{{250, 250}, {350, 350}}}));
    EXPECT_EQ(m_answers.seen().value(1), "Reconnaissance impossible");
    EXPECT_TRUE(elements().empty());
    EXPECT_TRUE(view().capture().hasInk());

    chooseComponentSet("bonnes.gst", 1);
    EXPECT_EQ(doc().componentSet().nbClasses(), kComponentGestureCount);
    EXPECT_FALSE(editor.application().configuration().setsChanged);
    play(*traced({{{350, 250}, {250, 350}}}));
    ASSERT_EQ(elements().size(), 1u);
    EXPECT_EQ(elements()[0]->type(), kind::Croix);
    EXPECT_FALSE(view().capture().hasInk());
    const CEnsemble* before = &doc().componentSet();
    m_answers.then(clickButton("Annuler"));
    chooseMenuEntry(mainFrame(), "&Dessin", "&Choisir les gestes...");
    EXPECT_EQ(&doc().componentSet(), before);
}
