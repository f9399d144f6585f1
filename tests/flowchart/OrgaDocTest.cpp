#include "app/Editors.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/Commandes.h"
#include "flowchart/OrgArchive.h"
#include "flowchart/OrgaEditor.h"
#include "flowchart/PropEltDlg.h"
#include "generator/ComponentGestures.h"
#include "generator/ShippedSets.h"
#include "gesture/GesturePlayer.h"
#include "shell/Application.h"
#include "shell/ChildFrame.h"
#include "support/FailingDisks.h"
#include "support/Menus.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray stored(COrganigramme& organigramme) {
    return QByteArray::fromStdString(storeOrganigramme(organigramme));
}

// In the gesture-set chooser, changes the components row to `path`, then OK.
void chooseComponentSet(ModalAnswers& answers, const QString& path) {
    answers
        .then([](QWidget& dialog) {
            clickWithMouse(dialog.findChild<QPushButton*>(QStringLiteral("change1")));
        })
        .then(chooseFile(path))
        .then(clickButton("OK"));
}

} // namespace

class OrgaDocument : public OrgaEditor {
protected:
    QString flowcharts() const { return m_app.root() + "Organigrammes/"; }
    QString gestures() const { return m_app.root() + "Gestes/"; }
    void writeSet(CEnsemble set, const char* name) {
        ASSERT_TRUE(enregistrerEnsemble(set, gestures().toStdString(), name).ok);
    }
};

TEST_F(OrgaDocument, SavedClosedAndReopenedItIsTheSameFlowchart) {
    newFlowchart();
    play(*componentDrawing(kind::RectangleHorizontal, {150, 150}));
    chooseMenuEntry(mainFrame(), "&Couleur", "&Rouge");
    play(*componentDrawing(kind::Cercle, {400, 150}));
    play(*componentDrawing(kind::FlecheHautBas, {150, 400}));
    m_answers.then([](QWidget& dialog) {
        typeInto(dialog, "text1", "Été à Noël");
        clickWithMouse(findButton(dialog, "OK"));
    });
    play(*componentDrawing(kind::Texte, {400, 400}));
    m_answers.then([](QWidget& dialog) {
        clickRadio(dialog.findChild<QRadioButton*>("fixedSize"));
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    ASSERT_EQ(elements().size(), 4u);
    ASSERT_TRUE(doc().organigramme().fixedSize());

    const QString path = flowcharts() + "plan.org";
    m_answers.then(chooseFile(path));
    chooseMenuEntry(mainFrame(), "&Dessin", "Enregistrer &sous...");
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(doc().title(), "plan.org");
    const QByteArray saved = contentOf(path);
    EXPECT_EQ(saved, stored(doc().organigramme()));
    EXPECT_TRUE(QDir(flowcharts()).entryList({"*.tmp*"}, QDir::Files).isEmpty());

    chooseMenuEntry(mainFrame(), "&Dessin", "&Fermer");
    flushDeletes();
    EXPECT_TRUE(mainFrame().mdiArea()->subWindowList().isEmpty());

    // A flowchart window opened from a file starts in component mode too.
    setTraceMode(1);
    m_answers.then(chooseFile(path));
    chooseMenuEntry(mainFrame(), "&Organigrammes", "&Ouvrir");
    m_frame = qobject_cast<COrga*>(mainFrame().activeChildFrame());
    ASSERT_NE(m_frame, nullptr);
    EXPECT_EQ(m_app.application().traceMode(), 0);
    EXPECT_EQ(doc().title(), "plan.org");
    ASSERT_EQ(elements().size(), 4u);
    EXPECT_EQ(elements()[1]->type(), kind::Cercle);
    EXPECT_EQ(elements()[1]->color(), kRouge);
    EXPECT_EQ(static_cast<const CTexte&>(*elements()[3]).text(), "Été à Noël");
    EXPECT_EQ(doc().color(), kRouge);
    EXPECT_EQ(stored(doc().organigramme()), saved);
    // The sizing parameters are not kept in the file.
    const SizingParameters defaults;
    EXPECT_FALSE(doc().organigramme().fixedSize());
    EXPECT_EQ(doc().organigramme().sizes(), defaults.sizes);
    EXPECT_EQ(doc().organigramme().step(), 10);
    EXPECT_EQ(doc().organigramme().minSize(), 5);

    // Saved again as it is, the file keeps the same bytes.
    mainFrame().commandAction(DocCommand::Save)->trigger();
    EXPECT_EQ(contentOf(path), saved);
}

TEST_F(OrgaDocument, AFailedWriteIsReportedAndTheFlowchartStaysModified) {
    newFlowchart();
    play(*componentDrawing(kind::Carre, {200, 200}));
    // A folder where the file should be: it cannot be replaced by a file.
    const QString path = flowcharts() + "dossier.org";
    ASSERT_TRUE(QDir().mkpath(path));
    doc().setPathName(path);
    m_answers.then(clickButton("OK"));
    mainFrame().commandAction(DocCommand::Save)->trigger();
    ASSERT_EQ(m_answers.seen().size(), 1);
    EXPECT_TRUE(m_answers.seen()[0].contains("dossier.org")) << m_answers.seen()[0].toStdString();
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// Whatever refuses the save, the user is told why, the file saved before is
// left as it was, and the change is still there to save.
TEST_F(OrgaDocument, AFolderWithoutWritePermissionOrAFullDiskRefusesTheSave) {
    newFlowchart();
    play(*componentDrawing(kind::Carre, {200, 200}));
    const QString path = flowcharts() + "plein.org";
    const auto save = [this] { mainFrame().commandAction(DocCommand::Save)->trigger(); };
    doc().setPathName(path);
    save();
    const QByteArray saved = contentOf(path);
    ASSERT_FALSE(saved.isEmpty());

    play(*componentDrawing(kind::Cercle, {400, 200}));
    {
        UnwritableFolder locked(flowcharts());
        m_answers.then(clickButton("OK"));
        save();
    }
    EXPECT_EQ(m_answers.seen().value(0), UnwritableFolder::message(path));
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(contentOf(path), saved);

    {
        FullDisk disk(flowcharts());
        save();
        const QByteArray small = contentOf(path);
        ASSERT_EQ(small, stored(doc().organigramme()));
        for (int i = 0; i < 1000; ++i)
            doc().AddElement(std::make_unique<CCercle>(kNoir, 1, CRect{i, i, i + 40, i + 40}));
        m_answers.then(clickButton("OK"));
        save();
        EXPECT_EQ(m_answers.seen().value(1), disk.message(path));
        EXPECT_TRUE(doc().isModified());
        EXPECT_EQ(contentOf(path), small);
        EXPECT_EQ(QDir(flowcharts()).entryList({"plein.org*"}, QDir::Files),
                  QStringList{"plein.org"});
    }
    save();
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(contentOf(path), stored(doc().organigramme()));
}

TEST_F(OrgaDocument, AFileThatIsNotAFlowchartIsRefused) {
    writeFile(flowcharts() + "faux.org", "ceci n'est pas un organigramme");
    m_answers.then(chooseFile(flowcharts() + "faux.org")).then(clickButton("OK"));
    chooseMenuEntry(mainFrame(), "&Organigrammes", "&Ouvrir");
    ASSERT_EQ(m_answers.seen().size(), 2);
    EXPECT_TRUE(m_answers.seen()[1].contains("faux.org")) << m_answers.seen()[1].toStdString();
    EXPECT_TRUE(m_app.application().documents().documents().empty());
}

TEST_F(OrgaDocument, TheColourEntriesSetTheColourOfNewComponentsAndAreChecked) {
    newFlowchart();
    EXPECT_TRUE(frame().colourAction("&Noir")->isChecked());
    // The colour it already has: checked still, and nothing to save.
    chooseMenuEntry(mainFrame(), "&Couleur", "&Noir");
    EXPECT_TRUE(frame().colourAction("&Noir")->isChecked());
    EXPECT_FALSE(doc().isModified());
    chooseMenuEntry(mainFrame(), "&Couleur", "&Bleu");
    EXPECT_EQ(doc().color(), kBleu);
    EXPECT_TRUE(frame().colourAction("&Bleu")->isChecked());
    EXPECT_FALSE(frame().colourAction("&Noir")->isChecked());
    EXPECT_TRUE(doc().isModified());

    m_answers.then([](QWidget& window) {
        auto* dialog = qobject_cast<QColorDialog*>(&window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentColor(), QColor(0, 0, 255));
        dialog->setCurrentColor(QColor(1, 2, 3));
        clickWithMouse(findButton(window, "OK"));
    });
    chooseMenuEntry(mainFrame(), "&Couleur", "&Autre couleur...");
    EXPECT_EQ(doc().color(), 0x030201u);
    EXPECT_TRUE(frame().colourAction("&Autre couleur...")->isChecked());
    EXPECT_FALSE(frame().colourAction("&Bleu")->isChecked());

    m_answers.then(clickButton("Annuler"));
    chooseMenuEntry(mainFrame(), "&Couleur", "&Autre couleur...");
    EXPECT_EQ(doc().color(), 0x030201u);
    EXPECT_TRUE(frame().colourAction("&Autre couleur...")->isChecked());
}

TEST_F(OrgaDocument, TheParametersDialogShowsReadsAndKeepsTheSizingParameters) {
    newFlowchart();
    QString headHeight, headLength;
    bool enabledBefore = true, enabledAfter = false;
    m_answers.then([&](QWidget& dialog) {
        headHeight = dialog.findChild<QLineEdit*>("arrowHeadHalfHeight")->text();
        headLength = dialog.findChild<QLineEdit*>("arrowHeadLength")->text();
        enabledBefore = dialog.findChild<QLineEdit*>("squareSide")->isEnabled();
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("step")->isEnabled());
        clickRadio(dialog.findChild<QRadioButton*>("fixedSize"));
        enabledAfter = dialog.findChild<QLineEdit*>("squareSide")->isEnabled();
        typeInto(dialog, "squareSide", "12345");
        typeInto(dialog, "step", "7");
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    EXPECT_EQ(headHeight, "8");
    EXPECT_EQ(headLength, "12");
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfter);
    const COrganigramme& org = doc().organigramme();
    EXPECT_TRUE(org.fixedSize());
    EXPECT_EQ(org.sizes().squareSide, 1234);
    EXPECT_EQ(org.step(), 7);
    EXPECT_EQ(org.sizes().arrowHeadHalfHeight, 8);
    EXPECT_EQ(org.sizes().arrowHeadLength, 12);
    EXPECT_FALSE(doc().isModified());

    m_answers.then([](QWidget& dialog) {
        clickRadio(dialog.findChild<QRadioButton*>("boundingBox"));
        typeInto(dialog, "circleRadius", "9");
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    EXPECT_TRUE(org.fixedSize());
    EXPECT_EQ(org.sizes().circleRadius, 40);

    m_answers.then([](QWidget& dialog) {
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("fixedSize")->isChecked());
        EXPECT_EQ(dialog.findChild<QLineEdit*>("squareSide")->text(), "1234");
        clickRadio(dialog.findChild<QRadioButton*>("boundingBox"));
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("squareSide")->isEnabled());
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    EXPECT_FALSE(org.fixedSize());
}

TEST_F(OrgaDocument, ChoosingOtherSetsReadsThemAgain) {
    writeSet(*componentSet(3, 8, 9), "trois.gst");
    newFlowchart();
    EXPECT_EQ(doc().componentSet().nbClasses(), kComponentGestureCount);
    chooseComponentSet(m_answers, gestures() + "trois.gst");
    chooseMenuEntry(mainFrame(), "&Dessin", "&Choisir les gestes...");
    EXPECT_EQ(doc().componentSet().nbClasses(), 3);
    EXPECT_FALSE(m_app.application().configuration().setsChanged);

    const CEnsemble* before = &doc().componentSet();
    m_answers.then(clickButton("Annuler"));
    chooseMenuEntry(mainFrame(), "&Dessin", "&Choisir les gestes...");
    EXPECT_EQ(&doc().componentSet(), before);
}

// The strokes of a gesture that could not be recognised wait for the next one.
TEST_F(OrgaDocument, WithoutAUsableSetNothingIsRecognisedAndTheStrokesWait) {
    CEnsemble untrained("vide", "");
    untrained.setTypeAction(TYPE_COMPOSANTS);
    untrained.ajouterClasse(std::make_unique<CClasse>("Croix", ""));
    writeSet(untrained, "formes.gst");
    writeSet(components(), "bonnes.gst");
    newFlowchart();
    m_answers.then(clickButton("OK"));
    play(*traced({{{250, 250}, {350, 350}}}));
    EXPECT_EQ(m_answers.seen(), QStringList{"Reconnaissance impossible"});
    EXPECT_TRUE(elements().empty());
    EXPECT_TRUE(view().capture().hasInk());

    chooseComponentSet(m_answers, gestures() + "bonnes.gst");
    chooseMenuEntry(mainFrame(), "&Dessin", "&Choisir les gestes...");
    play(*traced({{{350, 250}, {250, 350}}}));
    ASSERT_EQ(elements().size(), 1u);
    EXPECT_EQ(elements()[0]->type(), kind::Croix);
    EXPECT_FALSE(view().capture().hasInk());
}

TEST_F(OrgaDocument, SetsThatCannotBeReadAreReportedWhenTheFlowchartIsMade) {
    QFile::remove(gestures() + "lettres.gst");
    m_answers.then(clickButton("OK"));
    newFlowchart();
    ASSERT_EQ(m_answers.seen().size(), 1);
    EXPECT_TRUE(m_answers.seen()[0].contains("lettres.gst")) << m_answers.seen()[0].toStdString();
    EXPECT_EQ(doc().characterSet().nbClasses(), 0);
    EXPECT_EQ(doc().componentSet().nbClasses(), kComponentGestureCount);
}

TEST_F(OrgaDocument, ANewFlowchartStartsInComponentTraceMode) {
    setTraceMode(1);
    EXPECT_EQ(m_app.application().traceMode(), 1);
    newFlowchart();
    EXPECT_EQ(m_app.application().traceMode(), 0);
    EXPECT_TRUE(menuEntry(mainFrame(), "&trace", "composant")->isChecked());
    menuEntry(mainFrame(), "&trace", "commande")->trigger();
    EXPECT_EQ(m_app.application().traceMode(), 1);
}

// A new user's flowchart: the sets shipped with the program are in the gesture
// folder from the start, and recognise what is drawn.
TEST(ShippedSets, ARectangleDrawnOnANewFlowchartIsARectangleAndTurnsRed) {
    GestureClock::Manual clock;
    TestApplication app(editorTemplates(), newSetDialog());
    app.startReady();
    ModalAnswers answers;
    chooseMenuEntry(app.frame(), "&Organigrammes", "&Nouveau");
    auto* frame = qobject_cast<COrga*>(app.frame().activeChildFrame());
    ASSERT_NE(frame, nullptr);
    COrgaView& view = *frame->view();
    GesturePlayer player(view.capture(), clock);
    DrawingGenerator g(8);
    player.play(*shippedGesture(TYPE_COMPOSANTS, kind::RectangleHorizontal, g));
    const auto& elements = frame->orgaDocument().organigramme().elements();
    ASSERT_EQ(elements.size(), 1u);
    auto* rectangle = dynamic_cast<const CRectangle*>(elements[0].get());
    ASSERT_NE(rectangle, nullptr);

    const CPoint inside = rectangle->GetBoundRect().centerPoint();
    QMouseEvent move(QEvent::MouseMove, QPointF(inside.x, inside.y), QPointF(), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    ASSERT_EQ(view.selection(), rectangle);
    app.application().setTraceMode(1);
    clock.advance(1.0);
    player.play(*shippedGesture(TYPE_COMMANDES, commande::CouleurRouge, g));
    EXPECT_EQ(rectangle->color(), kRouge);
}
