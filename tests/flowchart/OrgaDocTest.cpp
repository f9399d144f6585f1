#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/OrgaEditor.h"
#include "generator/ComponentGestures.h"

#include <QColorDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class OrgaDocument : public OrgaEditor {
protected:
    void writeSet(CEnsemble set, const char* name) {
        ASSERT_TRUE(enregistrerEnsemble(set, gestures().toStdString(), name).ok);
    }
};

// The sizing parameters are not kept in the file; the colour is. An opened
// flowchart saved again unchanged keeps its bytes. The parameters change no
// document: the fields of the fixed sizes are open only in fixed-size mode
// and numbers are cut to four digits. The colour it already has changes
// nothing; "&Autre couleur..." starts from the current colour, and Annuler
// keeps it.
TEST_F(OrgaDocument, SavedClosedAndReopenedItIsTheSameFlowchart) {
    newFlowchart();
    chooseMenuEntry(mainFrame(), "&Couleur", "&Noir");
    EXPECT_FALSE(doc().isModified());
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartWindow", "sizes, bounding box", windowTexts(dialog));
        // On its round box: a click beside its text does nothing.
        auto* fixedSize = dialog.findChild<QRadioButton*>("fixedSize");
        QTest::mouseClick(fixedSize, Qt::LeftButton, {}, QPoint(6, fixedSize->height() / 2));
        typeOver(dialog.findChild<QLineEdit*>("squareSide"), "12345");
        typeOver(dialog.findChild<QLineEdit*>("step"), "7");
        expectTexts("FlowchartWindow", "sizes, fixed", windowTexts(dialog));
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    EXPECT_EQ(doc().organigramme().step(), 7);
    EXPECT_FALSE(doc().isModified());
    play(*componentDrawing(kind::Carre, {150, 150}, 60));
    EXPECT_EQ(static_cast<const CCarre&>(*elements().back()).side(), 1234);
    EXPECT_EQ(std::pair(elements().back()->color(), elements().back()->penWidth()),
              std::pair(kNoir, 2));
    chooseMenuEntry(mainFrame(), "&Couleur", "&Rouge");
    m_answers.then([](QWidget& window) {
        EXPECT_EQ(qobject_cast<QColorDialog*>(&window)->currentColor(), QColor(255, 0, 0));
        clickWithMouse(findButton(window, "Annuler"));
    });
    chooseMenuEntry(mainFrame(), "&Couleur", "&Autre couleur...");
    play(*componentDrawing(kind::Cercle, {400, 150}));
    m_answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("text1"), "Été à Noël");
        clickWithMouse(findButton(dialog, "OK"));
    });
    play(*componentDrawing(kind::Texte, {400, 400}));
    const QString path = editor.root() + "Organigrammes/plan.org";
    m_answers.then(chooseFile(path));
    chooseMenuEntry(mainFrame(), "&Dessin", "Enregistrer &sous...");
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(doc().title(), "plan.org");
    const QByteArray saved = readFile(path);
    chooseMenuEntry(mainFrame(), "&Dessin", "&Fermer");
    flushDeletes();
    EXPECT_EQ(editor.windowCount(), 0);

    m_answers.then(chooseFile(path));
    chooseMenuEntry(mainFrame(), "&Organigrammes", "&Ouvrir");
    ASSERT_NE(editor.active<COrga>(), nullptr);
    ASSERT_EQ(elements().size(), 3u);
    EXPECT_EQ(elements()[1]->color(), kRouge);
    EXPECT_EQ(static_cast<const CTexte&>(*elements()[2]).text(), "Été à Noël");
    EXPECT_EQ(doc().color(), kRouge);
    EXPECT_FALSE(doc().organigramme().fixedSize());
    mainFrame().commandAction(DocCommand::Save)->trigger();
    EXPECT_EQ(readFile(path), saved);
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

    m_answers
        .then([](QWidget& dialog) {
            clickWithMouse(dialog.findChild<QPushButton*>(QStringLiteral("change1")));
        })
        .then(chooseFile(gestures() + "bonnes.gst"))
        .then(clickButton("OK"))
        .then(clickButton("OK"));
    chooseMenuEntry(mainFrame(), "&Dessin", "&Choisir les gestes...");
    EXPECT_EQ(doc().componentSet().nbClasses(), kComponentGestureCount);
    EXPECT_FALSE(editor.application().configuration().setsChanged);
    play(*traced({{{350, 250}, {250, 350}}}));
    ASSERT_EQ(elements().size(), 1u);
    EXPECT_EQ(elements()[0]->type(), kind::Croix);
    EXPECT_FALSE(view().capture().hasInk());
}
