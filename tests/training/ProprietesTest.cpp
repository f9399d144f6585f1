#include "support/Drawings.h"
#include "training/GestureEditor.h"
#include "training/ProprietesDlg.h"

#include <QRadioButton>

#include <cmath>

namespace {

// Clicks the choice's radio button, then OK; with a section, the choices are
// first checked against it.
ModalAnswers::Answer choose(int choice, const char* section = nullptr) {
    return [choice, section](QWidget& dialog) {
        if (section != nullptr)
            expectTexts("GestureSetDialogs", section, windowTexts(dialog));
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("choix%1").arg(choice)),
                          Qt::LeftButton, {}, QPoint(6, 6));
        clickWithMouse(findButton(dialog, "OK"));
    };
}

// The cell shows the number, to the fifteen digits it is written with.
void expectCell(QWidget& dialog, const QString& name, double value) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name.toStdString();
    EXPECT_NEAR(edit->text().toDouble(), value, 1e-13 * std::abs(value)) << name.toStdString();
}

// Answers with the dialog's texts against the golden file, then OK.
ModalAnswers::Answer expectDialog(const char* state) {
    return [state](QWidget& dialog) {
        expectTexts("GestureSetDialogs", state, windowTexts(dialog));
        clickWithMouse(findButton(dialog, "OK"));
    };
}

} // namespace

// The set's matrices and weights show the set's numbers, class by class in
// columns; the grid has room for 13 classes and shows 0 beyond. A class shows
// its mean features and its weights; a gesture drawn or stored, its features
// and its points.
TEST_F(GestureEditor, ThePropertiesShowTheNumbersTheSetHolds) {
    open(*setOf({{"droite", 4, 0}, {"bas", 4, 1}}, TYPE_AUCUN, 40), "deux.gst");
    const CEnsemble& s = set();
    answers.then(choose(0, "proprietesEnsemble"))
        .then([&](QWidget& dialog) {
            expectCell(dialog, "cell7_7", s.statistiques().valeur(7, 7));
            expectCell(dialog, "cell2_9", s.statistiques().valeur(2, 9));
            // OK closes only while every cell reads as a number; the set keeps its own.
            typeOver(dialog.findChild<QLineEdit*>("cell3_4"), "abc");
            clickWithMouse(findButton(dialog, "OK"));
            EXPECT_TRUE(dialog.isVisible());
            typeOver(dialog.findChild<QLineEdit*>("cell3_4"), "-1.5e3");
            clickWithMouse(findButton(dialog, "OK"));
            EXPECT_NE(s.statistiques().valeur(3, 4), -1500.0);
        })
        .then(clickButton("OK"))
        .then(choose(1))
        .then([&](QWidget& dialog) {
            expectCell(dialog, "cell0_12", s.statistiques().inverse(0, 12));
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then(choose(2))
        .then([&](QWidget& dialog) {
            for (int k = 0; k < 14; ++k) {
                expectCell(dialog, QString("cell%1_0").arg(k), s.classe(0).poids()[k]);
                expectCell(dialog, QString("cell%1_1").arg(k), s.classe(1).poids()[k]);
                expectCell(dialog, QString("cell%1_12").arg(k), 0.0);
            }
            clickWithMouse(findButton(dialog, "OK"));
        });
    for (int i = 0; i < 3; ++i)
        click("proprietesEnsemble");
    expectTexts("GestureSetDialogs", "titles of the set's properties", answers.seen());

    chooseRow("classes", "droite");
    const CClasse& droite = set().classe(0);
    answers.then(choose(0))
        .then([&](QWidget& dialog) {
            const QString length = dialog.findChild<QLineEdit*>("f8")->text();
            EXPECT_NEAR(length.toDouble(), droite.moyenne()[7], 0.5);
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then(choose(2))
        .then([&](QWidget& dialog) {
            for (int k : {0, 13})
                expectCell(dialog, QString("w%1").arg(k), droite.poids()[k]);
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then([](QWidget& dialog) {
            expectTexts("GestureSetDialogs", "proprietesClasse", windowTexts(dialog));
            clickWithMouse(findButton(dialog, "Annuler"));
        });
    for (int i = 0; i < 3; ++i)
        click("proprietesClasse");
    expectTexts("GestureSetDialogs", "titles of the class's properties", answers.seen().mid(7));

    // The release repeats the last point: four points, the middle one at m = 1.
    draw(*drawingOf({{{20, 20, 0.0}, {170, 20, 0.25}, {320, 20, 0.5}}}));
    answers.then(choose(0)).then(expectDialog("features of a line across"));
    click("proprietesGeste");
    GesturePlayer player(view().capture(), editor.clock());
    player.press({30, 40});
    player.release({30, 40});
    view().capture().finishNow();
    answers.then(choose(1)).then(expectDialog("points of a click"));
    click("proprietesGeste");

    auto points = setOf({{"z", 1}});
    points->classe(0).exemple(0).setDessin(
        drawingOf({{{10, 5}, {20, 6}, {30, 7}}, {{40, 8}, {50, 9}, {60, 90}}}));
    open(*points, "points.gst");
    // A stored example shows its first and last points and its box.
    answers.then(choose(1, "proprietesExemple")).then(expectDialog("points of two strokes"));
    click("proprietesExemple");
}
