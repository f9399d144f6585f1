#include "engine/AReconnaitre.h"
#include "engine/Codes.h"
#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/Commandes.h"
#include "flowchart/OrgaEditor.h"
#include "flowchart/PainterCanvas.h"
#include "generator/ComponentGestures.h"
#include "gesture/GesturePlayer.h"
#include "shell/Strings.h"
#include "support/Menus.h"
#include "support/Typing.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <functional>

namespace {

constexpr int kFirst = 102;
constexpr int kLast = 117;

QString recognised(int code) {
    return "Geste reconnu : " + toQString(nomCode(TYPE_COMPOSANTS, code));
}

// Grid positions far enough apart that no two components overlap.
Vec2 cell(int i) {
    return {120.0 + 220 * (i % 4), 120.0 + 220 * (i / 4)};
}

// The dimensions a component was given, as the parameters dialog lists them.
std::vector<int> dimensions(const CElement& e) {
    if (const auto* line = dynamic_cast<const CLigne*>(&e))
        return {line->length()};
    if (const auto* box = dynamic_cast<const CHeightLengthElement*>(&e))
        return {box->height(), box->length()};
    if (const auto* triangle = dynamic_cast<const CTriangle*>(&e))
        return {triangle->height(), triangle->length()};
    if (const auto* diamond = dynamic_cast<const CLosange*>(&e))
        return {diamond->height(), diamond->length()};
    if (const auto* square = dynamic_cast<const CCarre*>(&e))
        return {square->side()};
    if (const auto* circle = dynamic_cast<const CCercle*>(&e))
        return {circle->radius()};
    if (const auto* ellipse = dynamic_cast<const CEllipse*>(&e))
        return {ellipse->verticalRadius(), ellipse->horizontalRadius()};
    if (const auto* arrow = dynamic_cast<const CFleche*>(&e))
        return {arrow->length(), arrow->headHalfHeight(), arrow->headLength()};
    return {};
}

} // namespace

class OrgaView : public OrgaEditor {
protected:
    void SetUp() override {
        OrgaEditor::SetUp();
        newFlowchart();
    }

    // Sets the sizing parameters through "&Dessin" > "&Taille des éléments...".
    void setSizing(const std::function<void(QWidget&)>& fill) {
        m_answers.then([fill](QWidget& dialog) {
            fill(dialog);
            clickWithMouse(findButton(dialog, "OK"));
        });
        chooseMenuEntry(mainFrame(), "&Dessin", "&Taille des éléments...");
    }
    static void fixedSizes(QWidget& dialog) {
        clickRadio(dialog.findChild<QRadioButton*>("fixedSize"));
    }
    // A circle `width` x `height` traced through its extreme points, recognised.
    void drawCircle(int width, int height) {
        play(*traced({ellipseVertices({300, 300}, width / 2, height / 2)}));
        ASSERT_EQ(status(), recognised(kind::Cercle));
    }
};

// In the default bounding-box mode each component takes the place and size of
// its gesture.
TEST_F(OrgaView, EachComponentGestureCreatesItsComponentAtTheGesturesPlace) {
    for (int code = kFirst; code <= kLast; ++code) {
        const Vec2 centre = cell(code - kFirst);
        const auto drawing = componentDrawing(code, centre);
        play(*drawing);
        EXPECT_EQ(status(), recognised(code));
        ASSERT_EQ(elements().size(), static_cast<std::size_t>(code - kFirst + 1)) << code;
        const CElement& made = *elements().back();
        EXPECT_EQ(made.type(), code);
        const CRect gesture = gestureRectangle(*drawing);
        EXPECT_EQ(made.center(), gesture.centerPoint()) << code;
        EXPECT_EQ(made.color(), kNoir);
        EXPECT_EQ(made.penWidth(), 2);
        if (code == kind::RectangleHorizontal || code == kind::Croix)
            EXPECT_EQ(dimensions(made), (std::vector<int>{gesture.height(), gesture.width()}));
    }
    EXPECT_TRUE(doc().isModified());
    EXPECT_FALSE(view().capture().hasInk());
}

TEST_F(OrgaView, FixedSizeModeGivesEveryKindItsParametersSizes) {
    setSizing(fixedSizes);
    const std::vector<std::vector<int>> expected = {
        {50}, {50},      {150, 80}, {80, 150}, {30, 40},    {30, 40},    {100},       {80, 150},
        {40}, {100, 50}, {50, 100}, {40, 40},  {50, 8, 12}, {50, 8, 12}, {50, 8, 12}, {50, 8, 12}};
    for (int code = kFirst; code <= kLast; ++code) {
        const auto drawing = componentDrawing(code, cell(code - kFirst), 90);
        play(*drawing);
        ASSERT_EQ(status(), recognised(code));
        const CElement& made = *elements().back();
        EXPECT_EQ(made.type(), code);
        EXPECT_EQ(dimensions(made), expected[code - kFirst]) << code;
        EXPECT_EQ(made.center(), gestureRectangle(*drawing).centerPoint()) << code;
    }
}

TEST_F(OrgaView, ACircleTakesHalfTheSmallerSideOfItsGestureOrTheFixedRadius) {
    drawCircle(60, 80);
    auto* circle = dynamic_cast<const CCercle*>(elements().back().get());
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->radius(), 30);
    EXPECT_EQ(circle->center(), (CPoint{300, 300}));

    setSizing(fixedSizes);
    drawCircle(60, 80);
    circle = dynamic_cast<const CCercle*>(elements().back().get());
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->radius(), 40);
    EXPECT_EQ(circle->box(), (CRect{260, 260, 340, 340}));
}

// The kind of a rectangle follows its sizes, not the gesture's name.
TEST_F(OrgaView, AHorizontalRectangleGivenTallFixedSizesIsAVerticalOne) {
    setSizing([](QWidget& dialog) {
        fixedSizes(dialog);
        typeInto(dialog, "horizontalRectangleHeight", "150");
        typeInto(dialog, "horizontalRectangleLength", "80");
    });
    play(*componentDrawing(kind::RectangleHorizontal, {300, 300}));
    ASSERT_EQ(status(), recognised(kind::RectangleHorizontal));
    ASSERT_EQ(elements().size(), 1u);
    EXPECT_EQ(elements()[0]->type(), kind::RectangleVertical);
    EXPECT_EQ(dimensions(*elements()[0]), (std::vector<int>{150, 80}));
}

TEST_F(OrgaView, StrokesDrawnBeforeTheTimerFiresAreOneGesture) {
    const auto first = traced({{{250, 250}, {350, 350}}});
    const auto second = traced({{{350, 250}, {250, 350}}});
    GesturePlayer player(view().capture(), m_clock);
    player.playStrokes(*first);
    EXPECT_TRUE(view().capture().isPending());
    // The view's own time stamps may round the writer's speed differently.
    EXPECT_NEAR(view().capture().delayMs(), first->recognitionDelay() - 100, 1);
    EXPECT_TRUE(elements().empty());
    m_clock.advance(0.2);
    player.play(*second);
    EXPECT_FALSE(view().capture().isPending());
    ASSERT_EQ(elements().size(), 1u);
    EXPECT_EQ(elements()[0]->type(), kind::Croix);
    EXPECT_EQ(elements()[0]->GetBoundRect(), (CRect{249, 249, 351, 351}));

    // A stroke begun after the timer fired starts a new gesture.
    play(*traced({{{100, 500}, {220, 500}}}));
    play(*traced({{{300, 450}, {300, 570}}}));
    ASSERT_EQ(elements().size(), 3u);
    EXPECT_EQ(elements()[1]->type(), kind::LigneHorizontale);
    EXPECT_EQ(elements()[2]->type(), kind::LigneVerticale);
}

TEST_F(OrgaView, AnUnknownGestureIsKeptAsInkOrDiscarded) {
    const auto drawing = traced({spiralVertices()});
    m_answers.then(clickButton("Oui"));
    play(*drawing);
    EXPECT_EQ(status(), "Geste rejetéinconnu (2) ");
    EXPECT_EQ(m_answers.seen(),
              QStringList{"Le geste est inconnu. Voulez-vous conserver le tracé ?"});
    ASSERT_EQ(elements().size(), 1u);
    auto* unknown = dynamic_cast<const CInconnu*>(elements()[0].get());
    ASSERT_NE(unknown, nullptr);
    ASSERT_NE(unknown->trace(), nullptr);
    // The release point comes after the last move to the same place.
    EXPECT_EQ(unknown->trace()->pointCount(), drawing->pointCount() + 1);
    EXPECT_EQ(unknown->GetBoundRect(), gestureRectangle(*drawing).inflated(1));

    m_answers.then(clickButton("Non"));
    play(*drawing);
    EXPECT_EQ(elements().size(), 1u);
    EXPECT_FALSE(view().capture().hasInk());
}

TEST_F(OrgaView, ATextGestureWritesTheLinesOfTheInsertTextDialog) {
    const QFontMetrics metrics(QFont(view().font().family(), 10));
    // Line 2 left empty: line 3 is not written, whatever it holds.
    m_answers.then([](QWidget& dialog) {
        typeInto(dialog, "text1", "Début");
        typeInto(dialog, "text2", "x");
        typeInto(dialog, "text3", "Fin");
        typeInto(dialog, "text2", "");
        clickWithMouse(findButton(dialog, "OK"));
    });
    const auto drawing = componentDrawing(kind::Texte, {200, 200});
    play(*drawing);
    ASSERT_EQ(elements().size(), 1u);
    auto* text = dynamic_cast<const CTexte*>(elements()[0].get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "Début");
    EXPECT_EQ(text->fontName(), "Verdana");
    EXPECT_EQ(text->pointSize(), 12);
    const CPoint origin = gestureRectangle(*drawing).topLeft();
    EXPECT_EQ(text->origin(), origin);
    EXPECT_EQ(text->GetBoundRect(),
              (CRect{origin.x, origin.y, origin.x + metrics.horizontalAdvance("Début") * 13 / 10,
                     origin.y + metrics.height() * 13 / 10}));

    // Three lines, each under the one before, in their own font and size.
    m_answers.then([](QWidget& dialog) {
        typeInto(dialog, "text1", "Un");
        typeInto(dialog, "text2", "Deux");
        chooseByKeys(dialog.findChild<QComboBox*>("font2"), "Courier New");
        chooseByKeys(dialog.findChild<QComboBox*>("size2"), "20");
        typeInto(dialog, "text3", "Trois");
        clickWithMouse(findButton(dialog, "OK"));
    });
    play(*componentDrawing(kind::Texte, {400, 400}));
    ASSERT_EQ(elements().size(), 4u);
    const auto& two = static_cast<const CTexte&>(*elements()[2]);
    const auto& three = static_cast<const CTexte&>(*elements()[3]);
    EXPECT_EQ(two.text(), "Deux");
    EXPECT_EQ(two.fontName(), "Courier New");
    EXPECT_EQ(two.pointSize(), 20);
    EXPECT_EQ(two.origin(),
              (CPoint{elements()[1]->GetBoundRect().left, elements()[1]->GetBoundRect().bottom}));
    EXPECT_EQ(two.GetBoundRect().height(), metrics.height() * 21 / 10);
    EXPECT_EQ(three.origin(), (CPoint{two.GetBoundRect().left, two.GetBoundRect().bottom}));

    m_answers.then(clickButton("Annuler"));
    play(*componentDrawing(kind::Texte, {500, 200}));
    EXPECT_EQ(elements().size(), 4u);
}

TEST_F(OrgaView, ThePointerSelectsTheLastAddedComponentUnderIt) {
    doc().AddElement(std::make_unique<CRectangle>(kNoir, 2, CRect{100, 100, 300, 200}));
    doc().AddElement(std::make_unique<CCercle>(kBleu, 2, CRect{200, 150, 300, 250}));
    doc().updateAllViews(nullptr);
    hover({150, 120});
    EXPECT_EQ(view().selection(), elements()[0].get());
    EXPECT_EQ(mainFrame().paneText(1), "Pointeur (x = 150 , y = 120)");
    hover({250, 180});
    EXPECT_EQ(view().selection(), elements()[1].get());
    const QImage image = view().grab().toImage();
    EXPECT_EQ(image.pixelColor(200, 200), toQColor(kSelectionColour));
    EXPECT_EQ(image.pixelColor(100, 150), QColor(Qt::black));
    hover({50, 50});
    EXPECT_EQ(view().selection(), nullptr);
    EXPECT_EQ(view().grab().toImage().pixelColor(200, 200), toQColor(kBleu));
}

TEST_F(OrgaView, InkIsDrawnSegmentBySegmentInTheTraceModesColour) {
    GesturePlayer player(view().capture(), m_clock);
    player.press({100, 300});
    player.move({160, 300});
    player.move({220, 300});
    EXPECT_TRUE(view().capture().hasInk());
    EXPECT_EQ(view().grab().toImage().pixelColor(190, 300), QColor(Qt::black));
    player.release({220, 300});
    view().capture().finishNow();
    EXPECT_FALSE(view().capture().hasInk());

    // The last segment takes the ink of the button: black for the left one.
    setTraceMode(1);
    player.press({100, 400});
    player.move({200, 400});
    player.release({200, 460});
    const QImage image = view().grab().toImage();
    EXPECT_EQ(image.pixelColor(150, 400), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(200, 430), QColor(Qt::black));
}

// "(1)": rejected as too ambiguous; "(2)": too far from the class chosen.
TEST_F(OrgaView, TheStatusLineSaysWhatWasRecognisedOrWhichTestsRejected) {
    std::vector<Vec2> twice = ellipseVertices({300, 300}, 26, 40);
    twice.insert(twice.end(), twice.begin(), twice.end());
    const struct {
        std::unique_ptr<CDessin> drawing;
        bool byProbability;
        bool byDistance;
        QString status;
    } cases[] = {
        {traced({{{200, 200}, {300, 200}, {300, 300}, {200, 300}, {200, 200}}}), false, false,
         "Geste reconnu : Carré"},
        {traced({ellipseVertices({300, 300}, 28, 40)}), true, false, "Geste rejetéinconnu (1) "},
        {traced({spiralVertices()}), false, true, "Geste rejetéinconnu (2) "},
        {traced({twice}), true, true, "Geste rejetéinconnu (1) (2) "},
    };
    for (const auto& c : cases) {
        CAReconnaitre shape(components());
        shape.setDessin(c.drawing->clone());
        shape.calculerCaracteristiques();
        shape.reconnaitre();
        ASSERT_EQ(shape.rejeteParProbabilite(), c.byProbability) << c.status.toStdString();
        ASSERT_EQ(shape.rejeteParDistance(), c.byDistance) << c.status.toStdString();
        if (shape.rejete())
            m_answers.then(clickButton("Non"));
        play(*c.drawing);
        EXPECT_EQ(status(), c.status);
    }
    EXPECT_EQ(elements().size(), 1u);
}

TEST_F(OrgaView, TheViewScrollsToComponentsBeyondTheWindow) {
    QScrollBar* across = frame().scrollArea()->horizontalScrollBar();
    EXPECT_EQ(across->maximum(), 0);
    doc().AddElement(std::make_unique<CCarre>(kNoir, 2, CRect{1900, 300, 2000, 400}));
    doc().updateAllViews(nullptr);
    QCoreApplication::processEvents();
    EXPECT_GE(view().width(), 2000);
    EXPECT_GT(across->maximum(), 0);
    across->setValue(across->maximum());
    QCoreApplication::processEvents();
    // The pointer over the square, where the view now shows it.
    const QPoint onScreen =
        frame().scrollArea()->viewport()->mapFromGlobal(view().mapToGlobal(QPoint(1950, 310)));
    EXPECT_TRUE(frame().scrollArea()->viewport()->rect().contains(onScreen));
    hover({1950, 310});
    EXPECT_EQ(view().selection(), elements()[0].get());
}

// A class of the components set that stands for a command creates nothing.
TEST_F(OrgaView, AComponentGestureWithACommandCodeIsAWrongCommand) {
    const auto odd = componentSet(3, 10, 4);
    odd->classe(0).setCode(commande::TailleAgrandir);
    ASSERT_TRUE(
        enregistrerEnsemble(*odd, (m_app.root() + "Gestes/").toStdString(), "formes.gst").ok);
    doc().LoadGestureSets();
    m_answers.then(clickButton("OK"));
    play(*traced({{{200, 300}, {400, 300}}}));
    ASSERT_EQ(status(), "Geste reconnu : Ligne horizontale");
    EXPECT_EQ(m_answers.seen(), QStringList{"Erreur : mauvaise commande"});
    EXPECT_TRUE(elements().empty());
    EXPECT_FALSE(doc().isModified());
}
