#include "app/Editors.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "generator/ShapePaths.h"
#include "gesture/GesturePlayer.h"
#include "shell/MainFrm.h"
#include "shell/ShippedSetFiles.h"
#include "support/Menus.h"
#include "support/ModalAnswers.h"
#include "support/TestApplication.h"
#include "support/WindowTexts.h"
#include "training/PersonalGesturesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <tuple>

namespace {

// The ways of drawing of the tests, as one person draws them.
const Path kRectangleFromBottomRightClockwise =
    paths::polygon({{300, 200}, {100, 200}, {100, 100}, {300, 100}}, true);
const std::vector<Path> kDoubleArrow{{{100, 200}, {300, 200}},
                                     {{275, 180}, {300, 200}, {275, 220}},
                                     {{125, 180}, {100, 200}, {125, 220}}};
const std::vector<Path> kTriangleSidesThenBase{{{100, 300}, {200, 120}, {300, 300}},
                                               {{100, 300}, {300, 300}}};

} // namespace

// A new user's Velmora: the shipped sets in the gesture folder, and the
// flowchart editor able to adapt them to the user's hand.
class PersonalGestures : public testing::Test {
protected:
    PersonalGestures() : m_app(editorTemplates(), newSetDialog(), adaptDialog()) {
        m_app.startReady();
    }

    // "&Organigrammes" > "&Nouveau", and whatever the new window offers once shown.
    COrga& newFlowchart() {
        chooseMenuEntry(m_app.frame(), "&Organigrammes", "&Nouveau");
        QCoreApplication::processEvents();
        return *qobject_cast<COrga*>(m_app.frame().activeChildFrame());
    }
    void draw(GestureCapture& capture, const std::vector<Path>& strokes) {
        m_clock.advance(1.0);
        GesturePlayer(capture, m_clock).play(*m_pen.draw(strokes, PenStyle{}));
    }
    // The component that the last gesture created, or null.
    const CElement* drawOn(COrga& window, const std::vector<Path>& strokes) {
        const auto& elements = window.orgaDocument().organigramme().elements();
        const std::size_t before = elements.size();
        draw(window.view()->capture(), strokes);
        return elements.size() > before ? elements.back().get() : nullptr;
    }
    QString gestures(const QString& name) const { return m_app.root() + "Gestes/" + name; }
    GestureClock::Manual m_clock;
    TestApplication m_app;
    DrawingGenerator m_pen{3};
};

// With the shipped sets a rectangle drawn from its bottom-right corner
// clockwise is a rectangle and a line drawn right to left a line; with
// "Reconnaissance combinée" unchecked, in this window and the next, the
// trained recogniser alone rejects the rectangle, and nothing is offered to
// learn. The first flowchart offers to adapt the gestures, and only it.
TEST_F(PersonalGestures, ANewFlowchartMakesWhatWasMeantHoweverItIsDrawn) {
    ModalAnswers answers;
    answers.then(clickButton("Non")).then(clickButton("Non"));
    COrga& window = newFlowchart();
    EXPECT_NE(dynamic_cast<const CRectangle*>(drawOn(window, {kRectangleFromBottomRightClockwise})),
              nullptr);
    EXPECT_NE(dynamic_cast<const CLigne*>(drawOn(window, {paths::line({350, 300}, {120, 300})})),
              nullptr);

    chooseMenuEntry(m_app.frame(), "&Dessin", "Reconnaissance co&mbinée");
    EXPECT_EQ(drawOn(window, {kRectangleFromBottomRightClockwise}), nullptr);
    EXPECT_TRUE(m_app.frame().statusBar()->currentMessage().startsWith("Geste rejetéinconnu"));
    newFlowchart();
    EXPECT_FALSE(menuEntry(m_app.frame(), "&Dessin", "Reconnaissance co&mbinée")->isChecked());
    expectTexts("FlowchartWindow", "messages of a first flowchart", answers.seen());
}

// The dialog, as the first flowchart offers it: cancelled after a gesture and
// a half, it writes nothing. A rejected arrow with a head at each end is then
// offered for learning once the question of the ink is answered; taught as an
// arrow, the next one is an arrow, and the shipped set is kept as
// formes-livre.gst. A tap is not offered. From the Gestes menu, three
// triangles drawn sides first then base and every other gesture passed,
// commands included: the components set is written with them, and the open
// flowchart and the next make triangles of them; no command was drawn, so the
// commands set stays as it was.
TEST_F(PersonalGestures, TheUsersWayIsLearntFromARejectedGestureOrFromTheDialog) {
    ModalAnswers answers;
    answers.then(clickButton("Oui")).then([this](QWidget& window) {
        auto& dialog = static_cast<PersonalGesturesDialog&>(window);
        clickWithMouse(findButton(dialog, "Commencer"));
        for (int i = 0; i < 3; ++i)
            draw(dialog.capture(), {paths::line({100, 100}, {300, 100})});
        clickWithMouse(findButton(dialog, "Suivant"));
        draw(dialog.capture(), {paths::line({200, 50}, {200, 250})});
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    COrga& first = newFlowchart();
    for (const QString name : {"formes.gst", "commandes.gst"})
        EXPECT_EQ(readFile(gestures(name)), shippedSetContent(name)) << name.toStdString();
    EXPECT_FALSE(QFile::exists(gestures("formes-livre.gst")));

    answers.then(clickButton("Non")).then([](QWidget& dialog) {
        auto* label = dialog.findChild<QLabel*>();
        auto* components = dialog.findChild<QComboBox*>();
        EXPECT_EQ(label->text(), "Apprendre ce geste comme : " + components->currentText() + " ?");
        components->setCurrentText("Flèche (gauche-droite)");
        EXPECT_EQ(label->text(), "Apprendre ce geste comme : Flèche (gauche-droite) ?");
        clickWithMouse(findButton(dialog, "Oui"));
    });
    EXPECT_EQ(drawOn(first, kDoubleArrow), nullptr);
    const auto lastClass = [this] {
        const LectureEnsemble personal = chargerEnsemble(gestures("formes.gst").toStdString());
        const CClasse& c = personal.ensemble->classe(personal.ensemble->nbClasses() - 1);
        return std::tuple(c.nom(), c.code(), c.nbExemples());
    };
    EXPECT_EQ(lastClass(), std::tuple(std::string("Flèche (gauche-droite) (personnel)"), 114, 1));
    EXPECT_EQ(readFile(gestures("formes-livre.gst")), shippedSetContent("formes.gst"));
    EXPECT_NE(dynamic_cast<const CFleche*>(drawOn(first, kDoubleArrow)), nullptr);
    answers.then(clickButton("Non"));
    GesturePlayer tap(first.view()->capture(), m_clock);
    tap.press({200, 200});
    tap.release({200, 200});
    first.view()->capture().finishNow();
    expectTexts("FlowchartWindow", "messages of a gesture taught", answers.seen());

    answers.then(clickButton("Non")).then(clickButton("Non"));
    EXPECT_EQ(drawOn(first, kTriangleSidesThenBase), nullptr);
    // The commands ticked too, "Commencer", then three triangles and "Suivant"
    // for the up triangle; every other gesture is passed, the last one too,
    // which ends the dialog.
    answers.then([this](QWidget& window) {
        auto& dialog = static_cast<PersonalGesturesDialog&>(window);
        dialog.findChild<QCheckBox*>("commandes")->setChecked(true);
        clickWithMouse(findButton(dialog, "Commencer"));
        const auto* title = dialog.findChild<QLabel*>("titre");
        for (int step = 0; step < 40 && dialog.isVisible(); ++step) {
            const bool mine = title->text().endsWith(" : Triangle (pointe en haut)");
            for (int i = 0; mine && i < 3; ++i)
                draw(dialog.capture(), kTriangleSidesThenBase);
            clickWithMouse(findButton(dialog, mine ? "Suivant" : "Passer ce geste"));
        }
    });
    chooseMenuEntry(m_app.frame(), "&Gestes", "&Adapter les gestes à ma main...");
    EXPECT_EQ(lastClass(),
              std::tuple(std::string("Triangle (pointe en haut) (personnel)"), 107, 3));
    EXPECT_EQ(readFile(gestures("formes-livre.gst")), shippedSetContent("formes.gst"));
    EXPECT_EQ(readFile(gestures("commandes.gst")), shippedSetContent("commandes.gst"));
    EXPECT_FALSE(QFile::exists(gestures("commandes-livre.gst")));
    EXPECT_NE(dynamic_cast<const CTriangle*>(drawOn(first, kTriangleSidesThenBase)), nullptr);
    EXPECT_NE(dynamic_cast<const CTriangle*>(drawOn(newFlowchart(), kTriangleSidesThenBase)),
              nullptr);
}
