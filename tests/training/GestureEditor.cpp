#include "training/GestureEditor.h"

#include "app/Editors.h"
#include "engine/FichierEnsemble.h"
#include "generator/CommandGestures.h"
#include "generator/ComponentGestures.h"
#include "generator/ShapePaths.h"
#include "shell/MainFrm.h"
#include "support/Typing.h"
#include "training/Apprentissage.h"
#include "training/ApprentissageDoc.h"
#include "training/ExempleForm.h"
#include "training/ExempleView.h"
#include "training/ReconForm.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

GestureEditor::GestureEditor() : m_test(editorTemplates(), newSetDialog()) {
    m_test.startReady();
    // Focus changes, which tell the active pane, need an active window.
    m_test.frame().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&m_test.frame()));
}

GestureEditor::~GestureEditor() = default;

void GestureEditor::open(CEnsemble& set, const QString& fileName) {
    const FileResult written =
        enregistrerEnsemble(set, gestureFolder().toStdString(), fileName.toStdString());
    EXPECT_TRUE(written.ok) << written.error;
    m_test.application().openFile(gestureFolder() + fileName);
}

CApprentissage* GestureEditor::window() {
    auto* found = qobject_cast<CApprentissage*>(m_test.frame().activeChildFrame());
    if (found == nullptr)
        ADD_FAILURE() << "no gesture-set window is active";
    return found;
}

CEnsemble& GestureEditor::set() {
    return static_cast<CApprentissageDoc&>(window()->document()).ensemble();
}

CExempleForm& GestureEditor::form() {
    return window()->form();
}

CExempleView& GestureEditor::view() {
    return window()->view();
}

CReconForm& GestureEditor::result() {
    return window()->result();
}

QWidget* GestureEditor::windowWidget() {
    return window();
}

void GestureEditor::missing(const QString& name) {
    ADD_FAILURE() << "no widget named " << name.toStdString();
}

QString GestureEditor::text(const QString& labelName) {
    QLabel* label = widget<QLabel>(labelName);
    return label != nullptr ? label->text() : QString();
}

void GestureEditor::click(const QString& buttonName) {
    QTest::mouseClick(widget<QAbstractButton>(buttonName), Qt::LeftButton);
}

void GestureEditor::chooseRow(const QString& listName, const QString& text) {
    auto* list = widget<QListWidget>(listName);
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items[0]).center());
}

QStringList GestureEditor::rows(const QString& listName) {
    auto* list = widget<QListWidget>(listName);
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QString GestureEditor::selectedRow(const QString& listName) {
    const QList<QListWidgetItem*> selected = widget<QListWidget>(listName)->selectedItems();
    return selected.isEmpty() ? QString() : selected[0]->text();
}

void GestureEditor::typeName(const QString& editName, const QString& text) {
    typeOver(widget<QLineEdit>(editName), text);
}

void GestureEditor::draw(const CDessin& drawing) {
    CExempleView& area = view();
    GesturePlayer player(area.capture(), m_clock);
    player.play(drawing);
    m_clock.advance(1.0);
}

void GestureEditor::addExample(const CDessin& drawing, const QString& name) {
    draw(drawing);
    typeName("nomExemple", name);
    click("ajouterExemple");
}

std::string GestureEditor::fileText(const QString& fileName) const {
    QFile file(gestureFolder() + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return "(pas de fichier " + fileName.toStdString() + ")";
    return file.readAll().toStdString();
}

namespace {

constexpr Vec2 kCentre{160, 160};

std::unique_ptr<CDessin> component(int index, std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw(componentGesture(index, g, kCentre, 120));
}

} // namespace

std::unique_ptr<CDessin> horizontalLine(std::uint32_t seed) {
    return component(0, seed);
}

std::unique_ptr<CDessin> verticalLine(std::uint32_t seed) {
    return component(1, seed);
}

std::unique_ptr<CDessin> circle(std::uint32_t seed) {
    return component(8, seed);
}

std::unique_ptr<CDessin> scribble(std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw({paths::scribble(kCentre, 140, 90, 9, 0.3)});
}

std::unique_ptr<CDessin> command(int code, std::uint32_t seed) {
    DrawingGenerator g(seed);
    return g.draw(commandGesture(code, g, kCentre, 120));
}
