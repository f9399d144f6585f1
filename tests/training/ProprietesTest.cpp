#include "engine/Ensemble.h"
#include "support/Drawings.h"
#include "support/Typing.h"
#include "training/ExempleView.h"
#include "training/GestureEditor.h"
#include "training/Nombres.h"
#include "training/ProprietesDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CEnsemble> twoClasses() {
    auto set = std::make_unique<CEnsemble>("deux", "");
    std::uint32_t seed = 40;
    for (const char* name : {"droite", "bas"}) {
        auto classe = std::make_unique<CClasse>(name, "");
        for (int e = 0; e < 4; ++e) {
            auto exemple = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
            exemple->setDessin(name[0] == 'd' ? horizontalLine(seed++) : verticalLine(seed++));
            classe->ajouterExemple(std::move(exemple));
        }
        set->ajouterClasse(std::move(classe));
    }
    set->apprendre();
    return set;
}

QString cell(QWidget& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    return edit != nullptr ? edit->text() : "(pas de case " + name + ")";
}

ModalAnswers::Answer choose(int choice) {
    return [choice](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("choix%1").arg(choice)),
                          Qt::LeftButton, {}, QPoint(6, 6));
        clickWithMouse(findButton(dialog, "OK"));
    };
}

class Properties : public testing::Test {
protected:
    GestureEditor editor;
    ModalAnswers answers;
};

} // namespace

TEST_F(Properties, TheWeightsOfAllClassesFillOneColumnPerClassAndZerosBeyond) {
    editor.open(*twoClasses(), "deux.gst");
    const CEnsemble& set = editor.set();
    QStringList first, third, beyond;
    answers.then(choose(2)).then([&](QWidget& dialog) {
        for (int k = 0; k < 14; ++k) {
            first << cell(dialog, QStringLiteral("cell%1_0").arg(k));
            third << cell(dialog, QStringLiteral("cell%1_1").arg(k));
            for (int j = 2; j < 13; ++j)
                beyond << cell(dialog, QStringLiteral("cell%1_%2").arg(k).arg(j));
        }
        clickWithMouse(findButton(dialog, "OK"));
    });
    editor.click("proprietesEnsemble");

    EXPECT_EQ(answers.seen(),
              (QStringList{"Propriétés de l'ensemble", "Poids associés à toutes les classes"}));
    ASSERT_EQ(first.size(), 14);
    for (int k = 0; k < 14; ++k) {
        EXPECT_EQ(first[k].toStdString(), formatGeneral(set.classe(0).poids()[k])) << k;
        EXPECT_EQ(third[k].toStdString(), formatGeneral(set.classe(1).poids()[k])) << k;
    }
    EXPECT_NE(first[1], "0");
    EXPECT_EQ(beyond, QStringList(14 * 11, "0"));
}

TEST_F(Properties, TheSetMatricesShowTheCommonCovarianceAndItsInverse) {
    editor.open(*twoClasses(), "deux.gst");
    const CMatrice& statistics = editor.set().statistiques();
    QString value, inverse;
    answers.then(choose(0))
        .then([&](QWidget& dialog) {
            value = cell(dialog, "cell7_7");
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then(choose(1))
        .then([&](QWidget& dialog) {
            inverse = cell(dialog, "cell0_12");
            clickWithMouse(findButton(dialog, "OK"));
        });
    editor.click("proprietesEnsemble");
    editor.click("proprietesEnsemble");
    EXPECT_EQ(value.toStdString(), formatGeneral(statistics.valeur(7, 7)));
    EXPECT_EQ(inverse.toStdString(), formatGeneral(statistics.inverse(0, 12)));
}

TEST_F(Properties, ClassLevelShowsMeanFeaturesAndWeights) {
    editor.open(*twoClasses(), "deux.gst");
    editor.chooseRow("classes", "droite");
    const CClasse& droite = editor.set().classe(0);
    QString f8, w0, w13;
    answers.then(choose(0))
        .then([&](QWidget& dialog) {
            f8 = cell(dialog, "f8");
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then(choose(2))
        .then([&](QWidget& dialog) {
            w0 = cell(dialog, "w0");
            w13 = cell(dialog, "w13");
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then(clickButton("Annuler"));
    editor.click("proprietesClasse");
    editor.click("proprietesClasse");
    editor.click("proprietesClasse");

    EXPECT_EQ(answers.seen(), (QStringList{"Propriétés de la classe", "Caractéristiques de Rubine",
                                           "Propriétés de la classe", "Poids associés à la classe",
                                           "Propriétés de la classe"}));
    EXPECT_EQ(f8.toStdString(), FormaterNombre(droite.moyenne()[7], 0));
    EXPECT_EQ(w0.toStdString(), formatGeneral(droite.poids()[0]));
    EXPECT_EQ(w13.toStdString(), formatGeneral(droite.poids()[13]));
}

TEST_F(Properties, TheDrawnGestureShowsItsFeaturesRoundedForReading) {
    editor.open(*twoClasses(), "deux.gst");
    editor.draw(*drawingOf({{{20, 20, 0.0}, {170, 20, 0.25}, {320, 20, 0.5}}}));
    QStringList features;
    answers.then(choose(0)).then([&](QWidget& dialog) {
        for (int f = 1; f <= 13; ++f)
            features << cell(dialog, QStringLiteral("f%1").arg(f));
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("f1")->isReadOnly());
        clickWithMouse(findButton(dialog, "OK"));
    });
    editor.click("proprietesGeste");
    // The release repeats the last point: four points, the middle one at m = 1.
    EXPECT_EQ(features, (QStringList{"1.00", "0", "300.00", "0", "300.00", "1.00", "0", "300", "0",
                                     "0", "0", "1", "0.50"}));
}

TEST_F(Properties, APointsDialogOfAClickLeavesTheMissingPointsBlank) {
    editor.open(*twoClasses(), "deux.gst");
    GesturePlayer player(editor.view().capture(), editor.clock());
    player.press({30, 40});
    player.release({30, 40});
    editor.view().capture().finishNow();
    QStringList shown;
    answers.then(choose(1)).then([&](QWidget& dialog) {
        for (const char* name :
             {"nbPoints", "x0", "y0", "x1", "y1", "x2", "y3", "xP-2", "yP-2", "xP-1", "yP-1"})
            shown << cell(dialog, name);
        shown << dialog.findChild<QLabel*>("minimum")->text()
              << dialog.findChild<QLabel*>("maximum")->text();
        clickWithMouse(findButton(dialog, "OK"));
    });
    editor.click("proprietesGeste");
    EXPECT_EQ(shown, (QStringList{"2", "30", "40", "30", "40", "", "", "30", "40", "30", "40",
                                  "30 ; 40", "30 ; 40"}));
}

TEST_F(Properties, AStoredExampleShowsItsFirstAndLastPointsAndItsBox) {
    auto set = std::make_unique<CEnsemble>("points", "");
    auto classe = std::make_unique<CClasse>("z", "");
    auto exemple = std::make_unique<CExemple>("exemple1");
    exemple->setDessin(std::shared_ptr<CDessin>(
        drawingOf({{{10, 5}, {20, 6}, {30, 7}}, {{40, 8}, {50, 9}, {60, 90}}}).release()));
    classe->ajouterExemple(std::move(exemple));
    set->ajouterClasse(std::move(classe));
    set->apprendre();
    editor.open(*set, "points.gst");
    QStringList shown;
    answers.then(choose(1)).then([&](QWidget& dialog) {
        for (const char* name :
             {"nbPoints", "x0", "y0", "x3", "y3", "xP-2", "yP-2", "xP-1", "yP-1"})
            shown << cell(dialog, name);
        shown << dialog.findChild<QLabel*>("minimum")->text()
              << dialog.findChild<QLabel*>("maximum")->text();
        clickWithMouse(findButton(dialog, "OK"));
    });
    editor.click("proprietesExemple");
    EXPECT_EQ(shown,
              (QStringList{"6", "10", "5", "40", "8", "50", "9", "60", "90", "10 ; 5", "60 ; 90"}));
}

TEST_F(Properties, CancellingAChoiceOpensNothing) {
    editor.open(*twoClasses(), "deux.gst");
    editor.chooseRow("classes", "droite");
    answers.then(clickButton("Annuler")).then(clickButton("Annuler")).then(clickButton("Annuler"));
    editor.click("proprietesEnsemble");
    editor.click("proprietesClasse");
    editor.click("proprietesExemple");
    EXPECT_EQ(answers.seen(), (QStringList{"Propriétés de l'ensemble", "Propriétés de la classe",
                                           "Propriétés de l'exemple"}));
}

TEST(MatrixDialog, AClassOfOneExampleHasAZeroScatterMatrix) {
    CClasse classe("seul", "");
    auto exemple = std::make_unique<CExemple>("exemple1");
    exemple->setDessin(horizontalLine(3));
    exemple->calculerCaracteristiques();
    classe.ajouterExemple(std::move(exemple));
    classe.calculerMoyenne();
    classe.calculerCovariance();
    CMatriceDlg dialog(classe.covariance(), CMatriceDlg::Part::Values, nullptr);
    const QList<QLineEdit*> cells = dialog.findChildren<QLineEdit*>();
    ASSERT_EQ(cells.size(), 169);
    for (QLineEdit* c : cells)
        EXPECT_EQ(c->text(), "0") << c->objectName().toStdString();
}

TEST(MatrixDialog, OKClosesOnlyWhileEveryCellReadsAsANumber) {
    CMatrice identity(13);
    CMatriceDlg dialog(identity, CMatriceDlg::Part::Values, nullptr);
    dialog.show();
    ModalAnswers answers;
    answers.then(clickButton("OK"));
    typeOver(dialog.findChild<QLineEdit*>("cell3_4"), "abc");
    clickWithMouse(findButton(dialog, "OK"));
    EXPECT_EQ(answers.seen(), QStringList{"Entrez un nombre."});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);

    typeOver(dialog.findChild<QLineEdit*>("cell3_4"), "-1.5e3");
    clickWithMouse(findButton(dialog, "OK"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(identity.valeur(3, 4), 0.0);
}
