#include "support/Menus.h"
#include "training/GestureEditor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {

const QString kReplaceShipped = "Le fichier formes.gst existe déjà.\n"
                                "C'est l'ensemble des composants que reconnaissent les "
                                "organigrammes.\nVoulez-vous le remplacer ?";

} // namespace

// A new set named like the shipped components set: its first save asks, Non
// keeps the shipped file and the set modified, Oui replaces it, and from then
// on the file is the set's own and saves without a question.
TEST_F(GestureEditor, ANewSetReplacesAnotherSetsFileOnlyWhenTheUserSaysSo) {
    ASSERT_TRUE(
        enregistrerEnsemble(*setOf({{"A", 2}}), gestureFolder().toStdString(), "formes.gst").ok);
    const QByteArray shipped = readFile(gestureFolder() + "formes.gst");
    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("setName"), "formes");
        clickWithMouse(findButton(dialog, "OK"));
    });
    chooseMenuEntry(editor.frame(), "&Gestes", "&Nouveau");
    ASSERT_NE(editor.active<CApprentissage>(), nullptr);
    const auto addAndSave = [this](std::uint32_t seed) {
        draw(*component(1, seed));
        click("ajouterExemple");
        chooseMenuEntry(editor.frame(), "&Gestes", "&Enregistrer");
    };
    answers.then(clickButton("Non"));
    addAndSave(1);
    EXPECT_EQ(readFile(gestureFolder() + "formes.gst"), shipped);
    EXPECT_TRUE(set().modifie());
    answers.then(clickButton("Oui"));
    addAndSave(2);
    EXPECT_TRUE(readFile(gestureFolder() + "formes.gst").startsWith("-1\n6 formes\n"));
    EXPECT_FALSE(set().modifie());
    addAndSave(3);
    EXPECT_FALSE(set().modifie());
    EXPECT_EQ(answers.seen(),
              (QStringList{"Nouvel ensemble de gestes", kReplaceShipped, kReplaceShipped}));
}

// Clicks on the blank part of either list change nothing; a row chosen while
// a gesture waits for its timer ends that gesture first, so the user's drawing
// is the one recognised; a rename never accepts an empty name. The longest
// description a set may hold shows as much as fits, whole in its tooltip, and
// the drawing area keeps at least half the window.
TEST_F(GestureEditor, TheWorkbenchNeverLosesTheUsersWorkAndExplainsEachVerdict) {
    open(*setOf({{"A", 2}, {"B", 2, 1}}));
    chooseRow("classes", "A");
    editor.drawStrokes(view().capture(), *component(8, 40));
    chooseRow("exemples", "exemple2");
    EXPECT_FALSE(view().capture().isPending());
    EXPECT_NE(view().lastRecognition(), nullptr);

    draw(*component(8, 41));
    const CDessin* drawn = view().currentExample().dessin().get();
    for (const char* name : {"exemples", "classes"}) {
        auto* list = widget<QListWidget>(name);
        const int row = list->currentRow();
        // Below the rows.
        const QPoint blank = list->viewport()->rect().bottomLeft() + QPoint(10, -5);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, blank);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, blank);
        EXPECT_EQ(list->currentRow(), row) << name;
        EXPECT_EQ(list->selectedItems().size(), 1) << name;
    }
    EXPECT_TRUE(view().gestureComplete());
    EXPECT_EQ(view().currentExample().dessin().get(), drawn);

    answers.then([](QWidget& dialog) {
        typeOver(dialog.findChild<QLineEdit*>("name"), "");
        auto* description = dialog.findChild<QPlainTextEdit*>("description");
        description->setFocus();
        QTest::keyClicks(description, " bis");
        EXPECT_FALSE(findButton(dialog, "OK")->isEnabled());
        typeOver(dialog.findChild<QLineEdit*>("name"), "Z");
        EXPECT_TRUE(findButton(dialog, "OK")->isEnabled());
        clickWithMouse(findButton(dialog, "Annuler"));
    });
    click("renommerClasse");
    EXPECT_EQ(set().classe(0).nom(), "A");

    auto longSet = setOf({{"A", 2}});
    std::string description;
    while (description.size() + 10 <= 499)
        description += "très long ";
    longSet->setDescription(description);
    open(*longSet);
    window().parentWidget()->resize(1000, 500);
    QApplication::processEvents();
    EXPECT_GE(view().width(), window().width() / 2);
    auto* shown = widget<QLabel>("descriptionEnsemble");
    EXPECT_EQ(shown->text().toStdString(), description);
    shown->repaint();
    EXPECT_EQ(shown->toolTip().toStdString(), description);

    // Under the verdict: the three best classes with their probability and
    // squared distance, then which test accepted or rejected the gesture.
    open(*setOf({{"A", 8}, {"B", 8, 1}, {"C", 8, 8}}));
    const auto expectExplanation = [this](const QString& pattern) {
        const QString shown = window().result().explanation();
        EXPECT_TRUE(QRegularExpression("^" + pattern + "$").match(shown).hasMatch())
            << shown.toStdString();
    };
    const QString d = "\\d+,\\d";
    const QString other = " [BC] \\(p 0,000, d² " + d + "\\)";
    draw(*component(0, 60));
    ASSERT_EQ(window().result().line2(), "A");
    expectExplanation("Accepté : p 1,000 ≥ 0,98, d² " + d +
                      " ≤ 110 ; meilleures classes : A \\(p 1,000, d² " + d + "\\)" + other +
                      other);
    draw(*scribble(61));
    ASSERT_EQ(window().result().line1(), "Geste rejeté");
    expectExplanation("Rejeté par la distance : d² " + d +
                      " > 110, p 1,000 ≥ 0,98 ; meilleures classes : B .*");
    EXPECT_EQ(window().result().height(), 85);
    chooseRow("classes", "B");
    EXPECT_EQ(window().result().explanation(), "");
}
