#include "support/Menus.h"
#include "training/GestureEditor.h"

#include <QComboBox>

// What a user does: a new set of commands from the dialog, Annuler first, three
// classes of five drawn examples, a recognised and a rejected drawing, save,
// close and reopen. Five examples a class leave the common covariance 12
// degrees of freedom for 13 features, so most fresh drawings fail the distance
// test; the stroke down drawn here is one that passes.
TEST_F(GestureEditor, FromANewSetToItsFileAndBack) {
    CMainFrame& frame = editor.frame();
    answers.then(clickButton("Annuler"));
    chooseMenuEntry(frame, "&Gestes", "&Nouveau");
    EXPECT_EQ(editor.windowCount(), 0);
    // OK needs both names; each type lists its own codes.
    answers.then([](QWidget& dialog) {
        expectTexts("GestureSetDialogs", "new set", windowTexts(dialog));
        typeOver(dialog.findChild<QLineEdit*>("setName"), "Commandes");
        auto* gestureName = dialog.findChild<QLineEdit*>("gestureName");
        typeOver(gestureName, "");
        EXPECT_FALSE(findButton(dialog, "OK")->isEnabled());
        typeOver(gestureName, "droite");
        for (const char* kind : {"Composants organigramme", "Texte", "Commandes"}) {
            chooseByKeys(dialog.findChild<QComboBox*>("actionType"), kind);
            expectTexts("GestureSetDialogs", QString("new set of type ") + kind,
                        windowTexts(dialog));
        }
        chooseByKeys(dialog.findChild<QComboBox*>("codeName"),
                     "Déplacement horizontal : Gauche-Droite");
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(frame, "&Gestes", "&Nouveau");
    ASSERT_NE(editor.active<CApprentissage>(), nullptr);
    expectWindow("a new set of commands");
    EXPECT_EQ(editor.application().lastGestureDocument(), &window().document());
    EXPECT_EQ(editor.application().takePendingSet(), nullptr);
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
            typeName("nomClasse", kind.name);
            chooseByKeys(widget<QComboBox>("code"), kind.code);
            click("ajouterClasse");
        }
        chooseRow("classes", kind.name);
        for (int e = 0; e < 5; ++e) {
            draw(*command(kind.gesture, seed++));
            click("ajouterExemple");
        }
    }
    draw(*command(204, 500));
    EXPECT_EQ(window().result().line1(), "Geste reconnu :");
    EXPECT_EQ(window().result().line2(), "bas");
    draw(*scribble(502));
    EXPECT_EQ(window().result().line1(), "Geste rejeté");
    EXPECT_EQ(window().result().line2(), "");

    chooseRow("classes", "rouge");
    chooseMenuEntry(frame, "&Gestes", "&Enregistrer");
    EXPECT_TRUE(readFile(gestureFolder() + "Commandes.gst").contains("-1\n9 Commandes\n"));
    chooseMenuEntry(frame, "&Gestes", "&Fermer");
    flushDeletes();
    EXPECT_EQ(editor.windowCount(), 0);

    answers.then(chooseFile(gestureFolder() + "Commandes.gst"));
    chooseMenuEntry(frame, "&Gestes", "&Ouvrir...");
    ASSERT_NE(editor.active<CApprentissage>(), nullptr);
    expectWindow("the three commands read back");
}
