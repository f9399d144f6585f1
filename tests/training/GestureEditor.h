#pragma once

#include "engine/Ensemble.h"
#include "engine/FichierEnsemble.h"
#include "generator/CommandGestures.h"
#include "generator/ComponentGestures.h"
#include "generator/ShapePaths.h"
#include "gesture/GesturePlayer.h"
#include "support/EditorFixture.h"
#include "support/ModalAnswers.h"
#include "support/Typing.h"
#include "support/WindowTexts.h"
#include "training/Apprentissage.h"
#include "training/ApprentissageDoc.h"
#include "training/ExempleView.h"
#include "training/ReconForm.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

// Generated drawings about 120 pixels across, inside the drawing area: a
// component gesture (0 for a line across, 1 for a line down, 8 for a circle),
// a command (202..217) and a scribble.
inline std::unique_ptr<CDessin> component(int index, std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw(componentGesture(index, g, {160, 160}, 120));
}
inline std::unique_ptr<CDessin> command(int code, std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw(commandGesture(code, g, {160, 160}, 120));
}
inline std::unique_ptr<CDessin> scribble(std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw({paths::scribble({160, 160}, 140, 90, 9, 0.3)});
}

// A class of the set: its name, its number of examples and the component
// gesture drawn for them.
struct ClassOf {
    const char* name;
    int examples;
    int gesture = 0;
};

// Classes named and filled as given, lines across unless told otherwise: {"A", 0}
// is an empty class A. The set is trained.
inline std::unique_ptr<CEnsemble> setOf(std::initializer_list<ClassOf> classes,
                                        int type = TYPE_AUCUN, std::uint32_t seed = 1) {
    auto set = std::make_unique<CEnsemble>("essai", "pour les tests");
    set->setTypeAction(type);
    for (const ClassOf& c : classes) {
        auto classe = std::make_unique<CClasse>(c.name, std::string("classe ") + c.name);
        for (int e = 0; e < c.examples; ++e) {
            auto example = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
            example->setDessin(component(c.gesture, seed++));
            classe->ajouterExemple(std::move(example));
        }
        set->ajouterClasse(std::move(classe));
    }
    set->apprendre();
    return set;
}

// The gesture-set editor in the running application.
class GestureEditor : public testing::Test {
protected:
    QString gestureFolder() const { return editor.root() + "Gestes/"; }
    // Writes the set into the gesture-set folder and opens it as a user would.
    void open(CEnsemble& set, const QString& file = "essai.gst") {
        ASSERT_TRUE(enregistrerEnsemble(set, gestureFolder().toStdString(), file.toStdString()).ok);
        editor.application().openFile(gestureFolder() + file);
        ASSERT_NE(editor.active<CApprentissage>(), nullptr);
    }
    CApprentissage& window() { return *editor.active<CApprentissage>(); }
    CEnsemble& set() { return static_cast<CApprentissageDoc&>(window().document()).ensemble(); }
    CExempleView& view() { return window().view(); }
    template <typename Widget = QWidget> Widget* widget(const char* name) {
        return window().findChild<Widget*>(name);
    }
    void click(const char* button) {
        QTest::mouseClick(widget<QAbstractButton>(button), Qt::LeftButton);
    }
    void chooseRow(const char* list, const QString& text) {
        auto* rows = widget<QListWidget>(list);
        const QList<QListWidgetItem*> items = rows->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          rows->visualItemRect(items[0]).center());
    }
    void typeName(const char* edit, const QString& text) {
        typeOver(widget<QLineEdit>(edit), text);
    }
    void draw(const CDessin& drawing) { editor.draw(view().capture(), drawing); }
    void addExample(const CDessin& drawing, const QString& name) {
        draw(drawing);
        typeName("nomExemple", name);
        click("ajouterExemple");
    }
    // The window's lists, fields and buttons against section `state` of the golden file.
    void expectWindow(const char* state) {
        expectTexts("GestureSetWindow", state, windowTexts(window()), editor.root());
    }

    EditorFixture editor;
    ModalAnswers answers;
};
