#include "engine/Codes.h"
#include "flowchart/OrgaEditor.h"
#include "flowchart/PainterCanvas.h"
#include "generator/ShapePaths.h"
#include "gesture/GesturePlayer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

#include <tuple>

using OrgaView = OrgaWindow;

// A gesture of no component is kept as its ink on Oui; a rejected one says
// which tests rejected it: "(1)" too ambiguous, "(2)" too far from its class.
TEST_F(OrgaView, AnUnknownGestureIsKeptAsInkOrDiscarded) {
    // Ellipses drawn clockwise from the top.
    Path twice = paths::ellipse({300, 300}, 26, 40, 0, -M_PI / 2);
    twice.insert(twice.end(), twice.begin(), twice.end());
    const auto spiral = traced({spiralVertices()});
    const auto ambiguous = traced({paths::ellipse({300, 300}, 28, 40, 0, -M_PI / 2)});
    const auto both = traced({twice});
    m_answers.then(clickButton("Oui")).then(clickButton("Non")).then(clickButton("Non"));
    QStringList statuses;
    for (const CDessin* drawing : {spiral.get(), ambiguous.get(), both.get()}) {
        play(*drawing);
        statuses << editor.status();
    }
    expectTexts("FlowchartWindow", "status of rejected gestures", statuses);
    ASSERT_EQ(elements().size(), 1u);
    auto* unknown = dynamic_cast<const CInconnu*>(elements()[0].get());
    ASSERT_NE(unknown, nullptr);
    // The release point comes after the last move to the same place.
    EXPECT_EQ(unknown->trace()->pointCount(), spiral->pointCount() + 1);
    EXPECT_FALSE(view().capture().hasInk());
}

// Each line under the one before, in its own font and size; a line left empty
// ends the text. A line opens once the line above has text; OK needs the first.
TEST_F(OrgaView, ATextGestureWritesTheLinesOfTheInsertTextDialog) {
    m_answers.then([](QWidget& dialog) {
        expectTexts("FlowchartWindow", "insert text", windowTexts(dialog));
        typeOver(dialog.findChild<QLineEdit*>("text1"), "Un");
        typeOver(dialog.findChild<QLineEdit*>("text2"), "Deux");
        expectTexts("FlowchartDialogs", "insert text, two lines", windowTexts(dialog));
        chooseByKeys(dialog.findChild<QComboBox*>("font2"), "Courier New");
        chooseByKeys(dialog.findChild<QComboBox*>("size2"), "20");
        typeOver(dialog.findChild<QLineEdit*>("text3"), "Trois");
        typeOver(dialog.findChild<QLineEdit*>("text2"), "");
        expectTexts("FlowchartDialogs", "insert text, second line emptied", windowTexts(dialog));
        typeOver(dialog.findChild<QLineEdit*>("text2"), "Deux");
        clickWithMouse(findButton(dialog, "OK"));
    });
    play(*componentDrawing(kind::Texte, {400, 400}));
    ASSERT_EQ(elements().size(), 3u);
    const auto& two = static_cast<const CTexte&>(*elements()[1]);
    EXPECT_EQ(std::tuple(two.text(), two.fontName(), two.pointSize()),
              std::tuple(std::string("Deux"), std::string("Courier New"), 20));
    EXPECT_EQ(two.origin(),
              (CPoint{elements()[0]->GetBoundRect().left, elements()[0]->GetBoundRect().bottom}));
    EXPECT_EQ(static_cast<const CTexte&>(*elements()[2]).origin(),
              (CPoint{two.GetBoundRect().left, two.GetBoundRect().bottom}));
    m_answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("text1"), "Seul");
        typeOver(dialog.findChild<QLineEdit*>("text2"), "x");
        typeOver(dialog.findChild<QLineEdit*>("text3"), "Fin");
        typeOver(dialog.findChild<QLineEdit*>("text2"), "");
        clickWithMouse(findButton(dialog, "OK"));
    });
    play(*componentDrawing(kind::Texte, {200, 200}));
    ASSERT_EQ(elements().size(), 4u);
    EXPECT_EQ(static_cast<const CTexte&>(*elements()[3]).fontName(), "Verdana");
    m_answers.then(clickButton("Annuler"));
    play(*componentDrawing(kind::Texte, {500, 200}));
    EXPECT_EQ(elements().size(), 4u);
}

// The pointer selects the last added component under it, painted in the
// selection colour; the view scrolls to components beyond the window.
TEST_F(OrgaView, ThePointerSelectsTheLastAddedComponentUnderIt) {
    add<CRectangle>(kNoir, 2, CRect{100, 100, 300, 200});
    add<CCercle>(kBleu, 2, CRect{200, 150, 300, 250});
    add<CCarre>(kNoir, 2, CRect{1900, 300, 2000, 400});
    QCoreApplication::processEvents();
    hover({250, 180});
    const QImage image = view().grab().toImage();
    EXPECT_EQ(image.pixelColor(200, 200), toQColor(kSelectionColour));
    EXPECT_EQ(image.pixelColor(100, 150), QColor(Qt::black));
    hover({50, 50});
    EXPECT_EQ(view().selection(), nullptr);

    QScrollBar* across = frame().scrollArea()->horizontalScrollBar();
    EXPECT_GE(view().width(), 2000);
    across->setValue(across->maximum());
    QCoreApplication::processEvents();
    const QPoint onScreen =
        frame().scrollArea()->viewport()->mapFromGlobal(view().mapToGlobal(QPoint(1950, 310)));
    EXPECT_TRUE(frame().scrollArea()->viewport()->rect().contains(onScreen));
}

// A component above and left of (0, 0) is inside the view, painted there. The
// ink of a move follows the trace mode; the last segment takes the ink of the
// button: black for the left one.
TEST_F(OrgaView, InkIsDrawnSegmentBySegmentInTheTraceModesColour) {
    add<CCarre>(kRouge, 1, CRect{-300, -200, -200, -100});
    const QImage painted = view().grab().toImage();
    int red = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            red += painted.pixelColor(x, y) == toQColor(kRouge);
    EXPECT_GE(red, 3 * 100);
    GesturePlayer player(view().capture(), editor.clock());
    player.press({100, 300});
    player.move({160, 300});
    player.move({220, 300});
    EXPECT_EQ(view().grab().toImage().pixelColor(190, 300), QColor(Qt::black));
    player.release({220, 300});
    view().capture().finishNow();
    EXPECT_FALSE(view().capture().hasInk());
    setTraceMode(1);
    player.press({100, 400});
    player.move({200, 400});
    player.release({200, 460});
    const QImage image = view().grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 400), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(200, 430), QColor(Qt::black));
    player.setButton(Qt::RightButton);
    player.press({300, 400});
    player.release({300, 460});
    EXPECT_EQ(view().grab().toImage().pixelColor(300, 430), QColor(Qt::red));
}
