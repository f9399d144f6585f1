#include "flowchart/OrgaEditor.h"
#include "flowchart/PainterCanvas.h"
#include "gesture/GesturePlayer.h"

#include <QColorDialog>
#include <QLineEdit>

namespace {

// Picks a colour in the colour chooser and confirms it.
ModalAnswers::Answer pickColour(QColor colour) {
    return [colour](QWidget& window) {
        auto* dialog = qobject_cast<QColorDialog*>(&window);
        ASSERT_NE(dialog, nullptr) << window.windowTitle().toStdString();
        dialog->setCurrentColor(colour);
        clickWithMouse(findButton(window, "OK"));
    };
}

} // namespace

// Commands drawn with the left button in the "commande" trace mode, over
// components put straight into the flowchart. The rules of each command are
// the core's; here, that each reaches it and what it leaves to a dialog.
class OrgaCommands : public OrgaEditor {
protected:
    void SetUp() override {
        OrgaEditor::SetUp();
        newFlowchart();
        setTraceMode(1);
    }
    template <typename Element> Element* add(std::unique_ptr<Element> element) {
        auto* added = static_cast<Element*>(doc().AddElement(std::move(element)));
        doc().updateAllViews(nullptr);
        doc().setModifiedFlag(false);
        return added;
    }
    CCercle* circle(CPoint c, int radius = 40) {
        return add(
            std::make_unique<CCercle>(kNoir, 2, CRect{c.x - 1, c.y - 1, c.x + 1, c.y + 1}, radius));
    }
    // Points at `p`, then draws the command; the status line names it.
    void command(QPoint p, int code) {
        hover(p);
        play(*commandDrawing(code, {300, 300}));
        statuses << editor.status();
    }
    void TearDown() override {
        expectTexts("FlowchartWindow",
                    testing::UnitTest::GetInstance()->current_test_info()->name(),
                    statuses + m_answers.seen());
    }

    QStringList statuses;
};

// A stroke to the right that ends in a hook, 85 wide: the circle goes 85 to
// the right, is selected, and is painted where it went and gone from where it
// was, even when only those places are painted again.
TEST_F(OrgaCommands, AMoveRepaintsBothPlaces) {
    CCercle* c = circle({300, 300});
    hover({300, 300});
    play(*traced({{{200, 300}, {285, 300}, {280, 306}}}));
    statuses << editor.status();
    EXPECT_EQ(c->center(), (CPoint{385, 300}));
    EXPECT_EQ(view().selection(), c);
    EXPECT_TRUE(doc().isModified());
    QImage moved(view().size(), QImage::Format_ARGB32_Premultiplied);
    view().render(&moved, QPoint(250, 250), QRegion(250, 250, 50, 100));
    view().render(&moved, QPoint(400, 250), QRegion(400, 250, 50, 100));
    EXPECT_EQ(moved.pixelColor(260, 300), QColor(Qt::white));
    EXPECT_EQ(moved.pixelColor(425, 300), toQColor(kSelectionColour));
}

// With a selection the colour is the component's; without, the document's,
// checked in the "&Couleur" menu, for the components drawn next.
TEST_F(OrgaCommands, ColoursGoToTheSelectionOrToTheDocument) {
    CCercle* a = circle({200, 200});
    CCercle* b = circle({400, 200});
    command({200, 200}, commande::CouleurRouge);
    EXPECT_EQ(a->color(), kRouge);
    EXPECT_EQ(b->color(), kNoir);
    m_answers.then(pickColour(QColor(10, 20, 30)));
    command({400, 200}, commande::CouleurAutre);
    EXPECT_EQ(b->color(), 0x1E140Au);
    EXPECT_EQ(doc().color(), kNoir);

    command({600, 450}, commande::CouleurVert);
    EXPECT_EQ(doc().color(), kVert);
    EXPECT_TRUE(frame().colourAction("&Vert")->isChecked());
    EXPECT_FALSE(frame().colourAction("&Noir")->isChecked());
    m_answers.then(pickColour(QColor(200, 100, 50))).then(clickButton("Annuler"));
    command({600, 450}, commande::CouleurAutre);
    command({600, 450}, commande::CouleurAutre);
    EXPECT_EQ(doc().color(), 0x3264C8u);
    EXPECT_TRUE(frame().colourAction("&Autre couleur...")->isChecked());
    setTraceMode(0);
    play(*componentDrawing(kind::Carre, {400, 400}));
    EXPECT_EQ(elements().back()->color(), 0x3264C8u);
}

// Too small to reduce, a component is told so; "Taille : Autre" asks for the
// kind's own dimensions, or says the component has none.
TEST_F(OrgaCommands, SizeCommandsRefuseOrAskThroughTheirDialogs) {
    add(std::make_unique<CLigne>(kNoir, 2, CRect{499, 199, 501, 201}, 12, Axis::Horizontal));
    m_answers.then(clickButton("OK"));
    command({500, 200}, commande::TailleReduire);
    CCercle* c = circle({200, 200});
    command({200, 200}, commande::TailleAgrandir);
    EXPECT_EQ(c->radius(), 45);
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartWindow", "size of a circle", windowTexts(dialog));
        typeInto(dialog, "value1", "55");
        clickWithMouse(findButton(dialog, "OK"));
    });
    command({200, 200}, commande::TailleAutre);
    EXPECT_EQ(c->radius(), 55);
    auto* arrow = add(std::make_unique<CFleche>(kNoir, 2, CRect{450, 200, 452, 202}, 50, 8, 12,
                                                Axis::Horizontal, Head::Forward));
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartWindow", "size of an arrow", windowTexts(dialog));
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
}

// Refused for want of a selection, a command still marks the flowchart changed;
// a gesture of no command changes nothing.
TEST_F(OrgaCommands, EraseTheSelectionOrEverything) {
    circle({200, 200});
    CCercle* b = circle({400, 200});
    command({200, 200}, commande::EffacerSelection);
    ASSERT_EQ(elements().size(), 1u);
    EXPECT_EQ(elements()[0].get(), b);
    EXPECT_EQ(view().selection(), nullptr);
    m_answers.then(clickButton("OK"));
    command({300, 450}, commande::EffacerSelection);
    EXPECT_TRUE(doc().isModified());
    doc().setModifiedFlag(false);
    m_answers.then(clickButton("OK"));
    hover({400, 200});
    play(*traced({spiralVertices()}));
    EXPECT_FALSE(doc().isModified());
    command({300, 450}, commande::EffacerTout);
    EXPECT_TRUE(elements().empty());
    circle({200, 200});
    hover({200, 200});
    chooseMenuEntry(mainFrame(), "&Dessin", "Tout &effacer");
    EXPECT_TRUE(elements().empty());
    EXPECT_EQ(view().selection(), nullptr);
    EXPECT_TRUE(doc().isModified());
}

// While a right-button gesture is drawn and processed, the selection stays the
// component under the pointer when it began; only its press and release count.
TEST_F(OrgaCommands, ARightButtonGestureKeepsItsSelection) {
    setTraceMode(0);
    CCercle* a = circle({200, 200});
    CCercle* b = circle({500, 200});
    hover({200, 200});
    GesturePlayer player(view().capture(), editor.clock());
    player.setButton(Qt::RightButton);
    player.press({200, 200});
    hover({500, 200});
    EXPECT_EQ(view().selection(), a);
    editor.clock().advance(0.25);
    player.release({300, 200});
    hover({500, 200});
    view().capture().finishNow();
    statuses << editor.status();
    EXPECT_EQ(a->center(), (CPoint{300, 200}));
    EXPECT_EQ(b->center(), (CPoint{500, 200}));
    hover({500, 200});
    EXPECT_EQ(view().selection(), b);
}
