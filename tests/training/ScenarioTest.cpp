#include "engine/Ensemble.h"
#include "shell/MainFrm.h"
#include "support/Menus.h"
#include "support/Typing.h"
#include "training/Apprentissage.h"
#include "training/ExempleView.h"
#include "training/GestureEditor.h"
#include "training/ReconForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

// What a user does: a new set of commands from the dialog, three classes of
// five drawn examples, the weights, a recognised and a rejected drawing, save,
// reopen, save again. Five examples a class leave the common covariance 12
// degrees of freedom for 13 features, so most fresh drawings fail the distance
// test (4 of the 30 drawn here pass); the stroke down drawn last is one that passes.
TEST(GestureSetEditor, FromANewSetToTheSameFileTwice) {
    GestureEditor editor;
    CMainFrame& frame = editor.test().frame();
    ModalAnswers answers;
    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("setName"), "Commandes");
        chooseByKeys(dialog.findChild<QComboBox*>("actionType"), "Commandes");
        typeOver(dialog.findChild<QLineEdit*>("gestureName"), "droite");
        chooseByKeys(dialog.findChild<QComboBox*>("codeName"),
                     "Déplacement horizontal : Gauche-Droite");
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(frame, "&Gestes", "&Nouveau");
    ASSERT_NE(editor.window(), nullptr);
    EXPECT_EQ(editor.window()->windowTitle(), "Commandes.gst");
    EXPECT_EQ(editor.text("libelleSelectionCode"), "Commande :");

    const struct {
        const char* name;
        const char* code;
        int gesture;
    } kinds[] = {{"droite", nullptr, 203},
                 {"bas", "Déplacement vertical : Haut-Bas", 204},
                 {"rouge", "Couleur : Rouge", 210}};
    std::uint32_t seed = 1;
    for (const auto& kind : kinds) {
        if (kind.code != nullptr) {
            editor.typeName("nomClasse", kind.name);
            chooseByKeys(editor.widget<QComboBox>("code"), kind.code);
            editor.click("ajouterClasse");
        }
        editor.chooseRow("classes", kind.name);
        for (int e = 0; e < 5; ++e) {
            editor.draw(*command(kind.gesture, seed++));
            editor.click("ajouterExemple");
        }
    }
    EXPECT_EQ(editor.rows("classes"), (QStringList{"bas", "droite", "rouge"}));
    const CEnsemble& set = editor.set();
    ASSERT_EQ(set.nbClasses(), 3);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(set.classe(c).nbExemples(), 5) << c;
    EXPECT_EQ(set.classe(1).code(), 204);
    EXPECT_EQ(set.classe(2).code(), 210);
    EXPECT_EQ(set.classe(2).exemple(4).nom(), "exemple5");
    ASSERT_TRUE(set.reconnaissancePossible());

    QStringList weights;
    answers
        .then([](QWidget& dialog) {
            QTest::mouseClick(dialog.findChild<QRadioButton*>("choix2"), Qt::LeftButton, {},
                              QPoint(6, 6));
            clickWithMouse(findButton(dialog, "OK"));
        })
        .then([&](QWidget& dialog) {
            for (int j = 0; j < 4; ++j)
                weights << dialog.findChild<QLineEdit*>(QStringLiteral("cell1_%1").arg(j))->text();
            clickWithMouse(findButton(dialog, "OK"));
        });
    editor.click("proprietesEnsemble");
    ASSERT_EQ(weights.size(), 4);
    for (int j = 0; j < 3; ++j)
        EXPECT_NE(weights[j], "0") << j;
    EXPECT_EQ(weights[3], "0");

    // Fresh drawings of each kind are recognised as that kind or rejected,
    // never taken for another.
    int recognised = 0;
    for (const auto& kind : kinds) {
        for (std::uint32_t fresh = 500; fresh < 510; ++fresh) {
            editor.draw(*command(kind.gesture, fresh));
            if (editor.result().line1() == "Geste reconnu :") {
                EXPECT_EQ(editor.result().line2(), kind.name) << fresh;
                ++recognised;
            } else {
                EXPECT_EQ(editor.result().line1(), "Geste rejeté") << fresh;
            }
        }
    }
    EXPECT_GT(recognised, 0);
    editor.draw(*command(204, 500));
    EXPECT_EQ(editor.result().line1(), "Geste reconnu :");
    EXPECT_EQ(editor.result().line2(), "bas");
    editor.draw(*scribble(502));
    EXPECT_EQ(editor.result().line1(), "Geste rejeté");
    EXPECT_EQ(editor.result().line2(), "");

    editor.chooseRow("classes", "rouge");
    chooseMenuEntry(frame, "&Gestes", "&Enregistrer");
    const std::string first = editor.fileText("Commandes.gst");
    ASSERT_NE(first.find("-1\n9 Commandes\n"), std::string::npos) << first;
    EXPECT_FALSE(editor.set().modifie());
    chooseMenuEntry(frame, "&Gestes", "&Fermer");
    flushDeletes();
    EXPECT_TRUE(frame.mdiArea()->subWindowList().isEmpty());

    answers.then(chooseFile(editor.gestureFolder() + "Commandes.gst"));
    chooseMenuEntry(frame, "&Gestes", "&Ouvrir...");
    ASSERT_NE(editor.window(), nullptr);
    EXPECT_EQ(editor.rows("classes"), (QStringList{"bas", "droite", "rouge"}));
    EXPECT_EQ(editor.rows("exemples").size(), 5);
    EXPECT_EQ(editor.set().classe(0).nom(), "droite");
    // Cancelling a rename still marks the set changed: the second save writes.
    answers.then(clickButton("Annuler"));
    editor.click("renommerEnsemble");
    chooseMenuEntry(frame, "&Gestes", "&Enregistrer");
    EXPECT_FALSE(editor.set().modifie());
    EXPECT_EQ(editor.fileText("Commandes.gst"), first);

    // The set read back recognises the same drawing.
    editor.draw(*command(204, 500));
    EXPECT_EQ(editor.result().line1(), "Geste reconnu :");
    EXPECT_EQ(editor.result().line2(), "bas");
}
