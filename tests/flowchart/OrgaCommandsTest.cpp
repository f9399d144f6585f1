#include "flowchart/OrgaEditor.h"
#include "flowchart/PainterCanvas.h"
#include "gesture/GesturePlayer.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>

#include <tuple>

namespace {

// Picks a colour in the colour chooser and confirms it.
ModalAnswers::Answer pickColour(QColor colour) {
    return [colour](QWidget& window) {
        static_cast<QColorDialog&>(window).setCurrentColor(colour);
        clickWithMouse(findButton(window, "OK"));
    };
}

} // namespace

// Commands drawn with the left button in the "commande" trace mode, over
// circles put straight into the flowchart. The rules of each command are the
// core's; here, that each reaches it and what it leaves to a dialog. After
// each command the status line, the flowchart and the selection are noted;
// at the end of the test they and the messages go against the golden file.
class OrgaCommands : public OrgaWindow {
protected:
    void SetUp() override {
        OrgaWindow::SetUp();
        setTraceMode(1);
    }
    void TearDown() override {
        expectTexts("FlowchartCommands",
                    testing::UnitTest::GetInstance()->current_test_info()->name(),
                    steps + m_answers.seen());
    }
    void circle(int x, int y) { add<CCercle>(kNoir, 2, CRect{x - 1, y - 1, x + 1, y + 1}, 40); }
    // Points at `p`, then draws the command.
    void command(QPoint p, int code) { command(p, *commandDrawing(code, {300, 300})); }
    void command(QPoint p, const CDessin& drawing) {
        hover(p);
        play(drawing);
        note();
    }
    void note() {
        steps << editor.status() << describe(doc().organigramme());
        const auto& elements = doc().organigramme().elements();
        for (std::size_t i = 0; i < elements.size(); ++i)
            if (elements[i].get() == view().selection())
                steps << QString("selected: %1").arg(i);
        steps << QString(doc().isModified() ? "modified" : "unmodified");
        doc().setModifiedFlag(false);
    }

    QStringList steps;
};

// A stroke to the right that ends in a hook, 85 wide: the circle goes 85 to
// the right and is painted where it went, in the selection colour, and gone
// from where it was, even when only those places are painted again.
TEST_F(OrgaCommands, AMoveRepaintsBothPlaces) {
    circle(300, 300);
    command({300, 300}, *traced({{{200, 300}, {285, 300}, {280, 306}}}));
    QImage moved(view().size(), QImage::Format_ARGB32_Premultiplied);
    view().render(&moved, QPoint(250, 250), QRegion(250, 250, 50, 100));
    view().render(&moved, QPoint(400, 250), QRegion(400, 250, 50, 100));
    EXPECT_EQ(moved.pixelColor(260, 300), QColor(Qt::white));
    EXPECT_EQ(moved.pixelColor(425, 300), toQColor(kSelectionColour));
}

// With a selection the colour is the component's; without, the document's,
// checked in the "&Couleur" menu.
TEST_F(OrgaCommands, ColoursGoToTheSelectionOrToTheDocument) {
    circle(200, 200);
    circle(400, 200);
    command({200, 200}, commande::CouleurRouge);
    m_answers.then(pickColour(QColor(10, 20, 30)));
    command({400, 200}, commande::CouleurAutre);
    command({600, 450}, commande::CouleurVert);
    EXPECT_TRUE(frame().colourAction("&Vert")->isChecked());
    m_answers.then(pickColour(QColor(200, 100, 50))).then(clickButton("Annuler"));
    command({600, 450}, commande::CouleurAutre);
    command({600, 450}, commande::CouleurAutre);
    EXPECT_EQ(doc().color(), 0x3264C8u);
    EXPECT_TRUE(frame().colourAction("&Autre couleur...")->isChecked());
}

// Too small to reduce, a component is told so; "Taille : Autre" asks for the
// kind's own dimensions, refusing letters, or says the component has none; on
// a text it asks for the text, its font and its size.
TEST_F(OrgaCommands, SizeCommandsRefuseOrAskThroughTheirDialogs) {
    add<CLigne>(kNoir, 2, CRect{499, 199, 501, 201}, 12, Axis::Horizontal);
    m_answers.then(clickButton("OK"));
    command({500, 200}, commande::TailleReduire);
    circle(200, 200);
    command({200, 200}, commande::TailleAgrandir);
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartCommands", "size of a circle", windowTexts(dialog));
        typeOver(dialog.findChild<QLineEdit*>("value1"), "5a5");
        clickWithMouse(findButton(dialog, "OK"));
    });
    command({200, 200}, commande::TailleAutre);
    add<CFleche>(kNoir, 2, CRect{450, 200, 452, 202}, 50, 8, 12, Axis::Horizontal, Head::Forward);
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartCommands", "size of an arrow", windowTexts(dialog));
        typeOver(dialog.findChild<QLineEdit*>("length"), "90");
        typeOver(dialog.findChild<QLineEdit*>("headLength"), "20");
        clickWithMouse(findButton(dialog, "OK"));
    });
    command({451, 201}, commande::TailleAutre);
    add<CInconnu>(kNoir, 2, CRect{100, 400, 200, 480}, *traced({{{100, 400}, {200, 480}}}));
    m_answers.then(clickButton("OK"));
    command({150, 440}, commande::TailleAutre);
    add<CTexte>(kNoir, "Courier New", 14, CRect{500, 400, 540, 420}, "Fin");
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartDialogs", "text", windowTexts(dialog));
        typeOver(dialog.findChild<QLineEdit*>("text"), "Début");
        chooseByKeys(dialog.findChild<QComboBox*>("font"), "Times New Roman");
        chooseByKeys(dialog.findChild<QComboBox*>("size"), "16");
        clickWithMouse(findButton(dialog, "OK"));
    });
    command({520, 410}, commande::TailleAutre);
    const auto& texte = static_cast<const CTexte&>(*elements().back());
    EXPECT_EQ(std::tuple(texte.text(), texte.fontName(), texte.pointSize()),
              std::tuple(std::string("Début"), std::string("Times New Roman"), 16));
}

// Refused for want of a selection, a command still marks the flowchart changed;
// a gesture of no command changes nothing; the menu erases everything too.
TEST_F(OrgaCommands, EraseTheSelectionOrEverything) {
    circle(200, 200);
    circle(400, 200);
    command({200, 200}, commande::EffacerSelection);
    m_answers.then(clickButton("OK")).then(clickButton("OK"));
    command({300, 450}, commande::EffacerSelection);
    command({400, 200}, *traced({spiralVertices()}));
    command({300, 450}, commande::EffacerTout);
    circle(200, 200);
    hover({200, 200});
    chooseMenuEntry(mainFrame(), "&Dessin", "Tout &effacer");
    note();
}

// While a right-button gesture is drawn and processed, the selection stays the
// component under the pointer when it began; only its press and release count.
TEST_F(OrgaCommands, ARightButtonGestureKeepsItsSelection) {
    setTraceMode(0);
    circle(200, 200);
    circle(500, 200);
    hover({200, 200});
    GesturePlayer player(view().capture(), editor.clock());
    player.setButton(Qt::RightButton);
    player.press({200, 200});
    hover({500, 200});
    editor.clock().advance(0.25);
    player.release({300, 200});
    hover({500, 200});
    note();
    view().capture().finishNow();
    note();
    hover({500, 200});
    note();
}
