#include "engine/Codes.h"
#include "flowchart/Commandes.h"
#include "flowchart/OrgaEditor.h"
#include "flowchart/PainterCanvas.h"
#include "gesture/GesturePlayer.h"
#include "shell/Strings.h"
#include "support/Menus.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kSurSelection = "Cette commande n'est disponible que sur sélection d'une forme.";
const QString kTropPetite = "La forme est trop petite : impossible de la réduire.";

QString recognised(int code) {
    return "Geste reconnu : " + toQString(nomCode(TYPE_COMMANDES, code));
}

// Picks a colour in the colour chooser and confirms it.
ModalAnswers::Answer pickColour(QColor colour) {
    return [colour](QWidget& window) {
        auto* dialog = qobject_cast<QColorDialog*>(&window);
        if (dialog == nullptr) {
            ADD_FAILURE() << "not the colour chooser: " << window.windowTitle().toStdString();
            return;
        }
        dialog->setCurrentColor(colour);
        clickWithMouse(findButton(window, "OK"));
    };
}

} // namespace

// Commands drawn with the left button in the "commande" trace mode, over
// components put straight into the flowchart.
class OrgaCommands : public OrgaEditor {
protected:
    void SetUp() override {
        OrgaEditor::SetUp();
        newFlowchart();
        setTraceMode(1);
    }

    CElement* add(std::unique_ptr<CElement> element) {
        CElement* added = doc().AddElement(std::move(element));
        doc().updateAllViews(nullptr);
        doc().setModifiedFlag(false);
        return added;
    }
    CCercle* circle(CPoint centre, int radius = 40) {
        const CRect around{centre.x - 1, centre.y - 1, centre.x + 1, centre.y + 1};
        return static_cast<CCercle*>(add(std::make_unique<CCercle>(kNoir, 2, around, radius)));
    }
    // Points at `p`, then draws the command.
    void command(QPoint p, const CDessin& drawing) {
        hover(p);
        play(drawing);
    }
    void command(QPoint p, int code, Vec2 where = {300, 300}) {
        command(p, *commandDrawing(code, where));
        EXPECT_EQ(status(), recognised(code));
    }
};

TEST_F(OrgaCommands, MovesGoByTheGesturesWidthOrHeightWhicheverWayTheStrokeRuns) {
    CCercle* c = circle({300, 300});
    EXPECT_EQ(view().grab().toImage().pixelColor(260, 300), QColor(Qt::black));
    // A stroke to the right that ends in a hook: 85 wide, it ends 80 to the
    // right of where it began, and lower.
    const auto right = traced({{{200, 300}, {285, 300}, {280, 306}}});
    command({300, 300}, *right);
    ASSERT_EQ(status(), recognised(commande::DeplacementGaucheDroite));
    EXPECT_EQ(c->center(), (CPoint{385, 300}));
    EXPECT_EQ(view().selection(), c);
    EXPECT_TRUE(doc().isModified());
    // Painted where it went, in the selection colour, and gone from where it was,
    // even when only those places are painted again.
    QImage moved(view().size(), QImage::Format_ARGB32_Premultiplied);
    view().render(&moved, QPoint(250, 250), QRegion(250, 250, 50, 100));
    view().render(&moved, QPoint(400, 250), QRegion(400, 250, 50, 100));
    EXPECT_EQ(moved.pixelColor(260, 300), QColor(Qt::white));
    EXPECT_EQ(moved.pixelColor(425, 300), toQColor(kSelectionColour));

    const auto left = commandDrawing(commande::DeplacementDroiteGauche, {300, 300});
    command({385, 300}, *left);
    EXPECT_EQ(c->center(), (CPoint{385 - gestureRectangle(*left).width(), 300}));

    const CPoint before = c->center();
    const auto down = commandDrawing(commande::DeplacementHautBas, {300, 300});
    command({before.x, before.y}, *down);
    EXPECT_EQ(c->center(), (CPoint{before.x, before.y + gestureRectangle(*down).height()}));

    const CPoint low = c->center();
    const auto up = commandDrawing(commande::DeplacementBasHaut, {300, 300});
    command({low.x, low.y}, *up);
    EXPECT_EQ(c->center(), (CPoint{low.x, low.y - gestureRectangle(*up).height()}));

    const CPoint last = c->center();
    const auto along = commandDrawing(commande::DeplacementAutre, {300, 300});
    command({last.x, last.y}, *along);
    const CInkPoint first = along->firstPoint();
    const CInkPoint end = along->lastPoint();
    EXPECT_EQ(c->center(), (CPoint{last.x + end.x - first.x, last.y + end.y - first.y}));
}

TEST_F(OrgaCommands, ColoursChangeTheSelectionOnly) {
    CCercle* a = circle({200, 200});
    CCercle* b = circle({400, 200});
    command({200, 200}, commande::CouleurRouge);
    EXPECT_EQ(a->color(), kRouge);
    EXPECT_EQ(b->color(), kNoir);
    EXPECT_EQ(doc().color(), kNoir);

    m_answers.then(pickColour(QColor(10, 20, 30)));
    command({400, 200}, commande::CouleurAutre);
    EXPECT_EQ(b->color(), 0x1E140Au);
    EXPECT_EQ(a->color(), kRouge);
}

TEST_F(OrgaCommands, AColourWithNothingSelectedIsTheColourOfLaterComponents) {
    CCercle* a = circle({200, 200});
    command({600, 450}, commande::CouleurVert);
    EXPECT_EQ(view().selection(), nullptr);
    EXPECT_EQ(doc().color(), kVert);
    EXPECT_EQ(a->color(), kNoir);
    EXPECT_TRUE(frame().colourAction("&Vert")->isChecked());
    EXPECT_FALSE(frame().colourAction("&Noir")->isChecked());

    setTraceMode(0);
    play(*componentDrawing(kind::Carre, {400, 300}));
    EXPECT_EQ(elements().back()->color(), kVert);

    setTraceMode(1);
    m_answers.then(pickColour(QColor(200, 100, 50)));
    command({600, 450}, commande::CouleurAutre);
    EXPECT_EQ(doc().color(), 0x3264C8u);
    EXPECT_TRUE(frame().colourAction("&Autre couleur...")->isChecked());
    EXPECT_FALSE(frame().colourAction("&Vert")->isChecked());

    m_answers.then(clickButton("Annuler"));
    command({600, 450}, commande::CouleurAutre);
    EXPECT_EQ(doc().color(), 0x3264C8u);
}

TEST_F(OrgaCommands, ReduceAndEnlargeByTheStepAboveTheMinimum) {
    CCercle* c = circle({200, 200});
    command({200, 200}, commande::TailleReduire);
    EXPECT_EQ(c->radius(), 35);
    command({200, 200}, commande::TailleAgrandir);
    EXPECT_EQ(c->radius(), 40);

    auto* line = static_cast<CLigne*>(
        add(std::make_unique<CLigne>(kNoir, 2, CRect{499, 199, 501, 201}, 12, Axis::Horizontal)));
    m_answers.then(clickButton("OK"));
    command({500, 200}, commande::TailleReduire);
    EXPECT_EQ(m_answers.seen().value(0), kTropPetite);
    EXPECT_EQ(line->length(), 12);

    auto* text = static_cast<CTexte*>(
        add(std::make_unique<CTexte>(kNoir, "Arial", 12, CRect{100, 400, 160, 420}, "Fin")));
    command({110, 405}, commande::TailleAgrandir);
    EXPECT_EQ(text->pointSize(), 13);
    auto* small = static_cast<CTexte*>(
        add(std::make_unique<CTexte>(kNoir, "Arial", 5, CRect{400, 400, 460, 420}, "Fin")));
    m_answers.then(clickButton("OK"));
    command({410, 405}, commande::TailleReduire);
    EXPECT_EQ(m_answers.seen().value(1), kTropPetite);
    EXPECT_EQ(small->pointSize(), 5);
}

TEST_F(OrgaCommands, SizeOfTheGestureGivesAHorizontalLineTheGesturesHeight) {
    auto* line = static_cast<CLigne*>(
        add(std::make_unique<CLigne>(kNoir, 2, CRect{299, 299, 301, 301}, 50, Axis::Horizontal)));
    // An L 100 wide and 40 high: the line takes its height.
    command({300, 300}, *traced({{{200, 300}, {200, 340}, {300, 340}}}));
    ASSERT_EQ(status(), recognised(commande::TailleGeste));
    EXPECT_EQ(line->length(), 40);
    EXPECT_EQ(line->center(), (CPoint{300, 300}));
}

TEST_F(OrgaCommands, OtherSizeAsksForTheKindsOwnDimensions) {
    CCercle* c = circle({200, 200});
    QString title;
    QString label;
    QString value;
    bool secondShown = true;
    m_answers.then([&](QWidget& dialog) {
        title = dialog.findChild<QLabel*>("title")->text();
        for (const QLabel* l : dialog.findChildren<QLabel*>())
            if (l->buddy() == dialog.findChild<QLineEdit*>("value1"))
                label = l->text();
        value = dialog.findChild<QLineEdit*>("value1")->text();
        secondShown = dialog.findChild<QLineEdit*>("value2")->isVisible();
        typeInto(dialog, "value1", "55");
        clickWithMouse(findButton(dialog, "OK"));
    });
    command({200, 200}, commande::TailleAutre);
    EXPECT_EQ(m_answers.seen().value(0), "Modifier la taille...");
    EXPECT_EQ(title, "Cercle");
    EXPECT_EQ(label, "rayon : ");
    EXPECT_EQ(value, "40");
    EXPECT_FALSE(secondShown);
    EXPECT_EQ(c->radius(), 55);

    auto* arrow = static_cast<CFleche*>(add(std::make_unique<CFleche>(
        kNoir, 2, CRect{450, 200, 452, 202}, 50, 8, 12, Axis::Horizontal, Head::Forward)));
    m_answers.then([](QWidget& dialog) {
        typeInto(dialog, "length", "90");
        typeInto(dialog, "headLength", "20");
        clickWithMouse(findButton(dialog, "OK"));
    });
    command({451, 201}, commande::TailleAutre);
    EXPECT_EQ(arrow->length(), 90);
    EXPECT_EQ(arrow->headHalfHeight(), 8);
    EXPECT_EQ(arrow->headLength(), 20);

    add(std::make_unique<CInconnu>(kNoir, 2, CRect{100, 400, 200, 480},
                                   *traced({{{100, 400}, {200, 480}}})));
    m_answers.then(clickButton("OK"));
    command({150, 440}, commande::TailleAutre);
    EXPECT_EQ(m_answers.seen().value(2), "Impossible de modifier la taille de cette forme !");
}

TEST_F(OrgaCommands, EraseTheSelectionOrEverything) {
    circle({200, 200});
    CCercle* b = circle({400, 200});
    circle({600, 200});
    command({200, 200}, commande::EffacerSelection);
    ASSERT_EQ(elements().size(), 2u);
    EXPECT_EQ(elements()[0].get(), b);
    EXPECT_EQ(view().selection(), nullptr);

    m_answers.then(clickButton("OK"));
    command({300, 450}, commande::EffacerSelection);
    EXPECT_EQ(m_answers.seen().value(0), kSurSelection);
    EXPECT_EQ(elements().size(), 2u);
    // Refused for want of a selection, the command still marks the flowchart changed.
    EXPECT_TRUE(doc().isModified());

    command({300, 450}, commande::EffacerTout);
    EXPECT_TRUE(elements().empty());

    circle({200, 200});
    command({200, 200}, commande::EffacerTout);
    EXPECT_TRUE(elements().empty());
    EXPECT_EQ(view().selection(), nullptr);
}

TEST_F(OrgaCommands, AGestureThatIsNoCommandIsRefusedAndChangesNothing) {
    circle({200, 200});
    m_answers.then(clickButton("OK"));
    command({200, 200}, *traced({spiralVertices()}));
    EXPECT_EQ(m_answers.seen(), QStringList{"Erreur : mauvaise commande"});
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(elements().size(), 1u);
}

// While a right-button gesture is drawn and processed, the selection stays the
// component that was under the pointer when it began.
TEST_F(OrgaCommands, ARightButtonGestureKeepsItsSelection) {
    setTraceMode(0);
    CCercle* a = circle({200, 200});
    CCercle* b = circle({500, 200});
    hover({200, 200});
    GesturePlayer player(view().capture(), m_clock);
    player.setButton(Qt::RightButton);
    player.press({200, 200});
    hover({500, 200});
    EXPECT_EQ(view().selection(), a);
    m_clock.advance(0.25);
    player.release({300, 200});
    hover({500, 200});
    EXPECT_EQ(view().selection(), a);
    view().capture().finishNow();
    // Only the press and the release count: a stroke 100 to the right.
    EXPECT_EQ(status(), recognised(commande::DeplacementGaucheDroite));
    EXPECT_EQ(a->center(), (CPoint{300, 200}));
    EXPECT_EQ(b->center(), (CPoint{500, 200}));
    hover({500, 200});
    EXPECT_EQ(view().selection(), b);
}

TEST_F(OrgaCommands, EraseEverythingFromTheMenu) {
    circle({200, 200});
    circle({400, 200});
    hover({200, 200});
    chooseMenuEntry(mainFrame(), "&Dessin", "Tout &effacer");
    EXPECT_TRUE(elements().empty());
    EXPECT_EQ(view().selection(), nullptr);
    EXPECT_TRUE(doc().isModified());
}
