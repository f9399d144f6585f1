// Draws a small flowchart by gestures in a running Velmora, for the pictures of
// the README: the gestures are generated, recognised by the shipped components
// set as a new flowchart decides, and played into the view as mouse events.
// Usage: velmora-demo-organigramme DATA_ROOT [--insertion | --adaptation |
// --edition];
// prints "prêt" once it is drawn. With --insertion a last "Texte" gesture leaves
// the insert-text dialog open, two lines filled in. With --adaptation there is
// no flowchart: the dialog "Adapter les gestes à ma main..." stays open at the
// horizontal rectangle, drawn twice from its bottom-right corner, clockwise.
// With --edition the flowchart's "Edition" menu is open.

#include "app/Editors.h"
#include "flowchart/Commandes.h"
#include "flowchart/GestureDecision.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "flowchart/TextDlg.h"
#include "generator/ShapePaths.h"
#include "generator/ShippedSets.h"
#include "gesture/GesturePlayer.h"
#include "shell/Application.h"
#include "shell/DocTemplate.h"
#include "shell/MainFrm.h"
#include "shell/Setup.h"
#include "training/PersonalGesturesDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

struct Step {
    int code;
    Vec2 centre;
    double size;
    const char* text = nullptr; // for a "Texte" gesture
    Colour colour = kNoir;
};

const Step kSteps[] = {
    {kind::EllipseHorizontale, {330, 60}, 130},
    {kind::Texte, {330, 58}, 95, "Début"},
    {kind::FlecheHautBas, {330, 140}, 55},
    {kind::RectangleHorizontal, {330, 225}, 170},
    {kind::Texte, {330, 222}, 95, "Lire n"},
    {kind::FlecheHautBas, {330, 310}, 55},
    {kind::Losange, {330, 400}, 190, nullptr, kBleu},
    {kind::Texte, {330, 397}, 95, "n > 0 ?", kBleu},
    {kind::FlecheGaucheDroite, {500, 400}, 90},
    {kind::RectangleHorizontal, {680, 400}, 170, nullptr, kVert},
    {kind::Texte, {680, 397}, 100, "Afficher n", kVert},
    {kind::FlecheHautBas, {330, 500}, 55},
    {kind::Cercle, {330, 570}, 55, nullptr, kRouge},
    {kind::Croix, {900, 120}, 60, nullptr, kRouge},
    {kind::TrianglePointeEnHaut, {1000, 120}, 70},
    {kind::Carre, {1100, 120}, 70},
    {kind::RectangleVertical, {900, 250}, 110},
    {kind::EllipseVerticale, {1000, 250}, 110},
    {kind::FlecheBasHaut, {1100, 250}, 90},
};

void ready() {
    std::printf("prêt\n");
    std::fflush(stdout);
}

// The drawing moved so that its box is centred on `centre`.
std::unique_ptr<CDessin> movedTo(const CDessin& drawing, Vec2 centre) {
    const CPoint middle = gestureRectangle(drawing).centerPoint();
    const int dx = static_cast<int>(centre.x) - middle.x;
    const int dy = static_cast<int>(centre.y) - middle.y;
    auto moved = std::make_unique<CDessin>();
    for (int s = 0; s < drawing.strokeCount(); ++s) {
        auto stroke = std::make_unique<CStroke>();
        for (const CInkPoint& p : drawing.stroke(s).points())
            stroke->addPoint(p.x + dx, p.y + dy, p.t);
        moved->addStroke(std::move(stroke));
    }
    return moved;
}

// A drawing of the gesture, as a new user draws it, about the size wanted and
// made into that component by the view's decision; the writer tries again
// until it is. An arrow takes the box of its gesture: a slender one is wanted.
std::unique_ptr<CDessin> recognisable(const CEnsemble& set, DrawingGenerator& g, const Step& step) {
    const bool arrow = step.code >= kind::FlecheGaucheDroite && step.code <= kind::FlecheBasHaut;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        auto drawing = shippedGesture(TYPE_COMPOSANTS, step.code, g);
        const CRect box = gestureRectangle(*drawing);
        const int size = std::max(box.width(), box.height());
        if (size < step.size * 0.8 || size > step.size * 1.25 ||
            (arrow && std::min(box.width(), box.height()) > size / 3))
            continue;
        const GestureDecision decision =
            decideGesture(drawing->clone(), set, GestureTarget::Component, combinedRecognition());
        if (decision.code == step.code)
            return movedTo(*drawing, step.centre);
    }
    qFatal("gesture %d never recognised", step.code);
}

// Fills in the insert-text dialog that a "Texte" gesture opens; `second` is
// left open on the screen.
void writeWhenAsked(const char* text, const char* second = nullptr) {
    QTimer::singleShot(0, [text, second] {
        auto* dialog = qobject_cast<CInsertTextDlg*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        dialog->findChild<QLineEdit*>("text1")->setText(QString::fromUtf8(text));
        if (second == nullptr) {
            dialog->accept();
            return;
        }
        dialog->findChild<QLineEdit*>("text2")->setText(QString::fromUtf8(second));
        dialog->findChild<QComboBox*>("size1")->setCurrentText("16");
        ready();
    });
}

// Once the adapting dialog shows: past the gestures before the horizontal
// rectangle, which is then drawn twice.
void drawWhenAdapting(GestureClock::Manual& clock, DrawingGenerator& generator) {
    QTimer::singleShot(0, [&clock, &generator] {
        auto* dialog = qobject_cast<PersonalGesturesDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        const auto button = [dialog](const char* text) {
            for (auto* b : dialog->findChildren<QPushButton*>())
                if (b->isVisible() && b->text() == QString::fromUtf8(text))
                    b->click();
        };
        button("Commencer");
        const auto* title = dialog->findChild<QLabel*>("titre");
        while (!title->text().endsWith("Rectangle horizontal"))
            button("Passer ce geste");
        GesturePlayer player(dialog->capture(), clock);
        for (int i = 0; i < 2; ++i) {
            clock.advance(1.0);
            player.play(*generator.draw(
                {paths::polygon({{330, 230}, {90, 230}, {90, 100}, {330, 100}}, true)}));
        }
        ready();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    prepareApplication(qtApplication);
    const QString mode = argc == 3 ? QString(argv[2]) : QString();
    const bool insertion = mode == "--insertion";
    const bool adaptation = mode == "--adaptation";
    const bool edition = mode == "--edition";
    if (argc != 2 && !insertion && !adaptation && !edition) {
        std::fprintf(stderr, "usage : velmora-demo-organigramme DOSSIER_DE_DONNEES "
                             "[--insertion | --adaptation | --edition]\n");
        return 2;
    }
    // The shipped gesture sets are copied into the new data folder at start.
    const Configuration configuration(withTrailingSlash(argv[1]));
    createFolder(configuration.dataRoot);
    // Only the dialog's picture may adapt the gestures: a flowchart would offer it.
    CApplication application(configuration.dataRoot, editorTemplates(), newSetDialog(),
                             adaptation ? adaptDialog() : CApplication::AdaptDialog());
    application.initInstance(CApplication::Splash::Skip);
    // A virtual display has no window manager to maximise the window.
    application.mainFrame()->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    GestureClock::Manual clock;
    DrawingGenerator generator(11);
    if (adaptation) {
        drawWhenAdapting(clock, generator);
        application.OnAdapterGestes();
        return 0;
    }
    application.OnNouvelOrga();
    auto* frame = qobject_cast<COrga*>(application.mainFrame()->activeChildFrame());
    frame->parentWidget()->showMaximized();
    COrgaView& view = *frame->view();
    QApplication::processEvents();

    GesturePlayer player(view.capture(), clock);
    for (const Step& step : kSteps) {
        frame->orgaDocument().setColor(step.colour);
        const auto drawing = recognisable(frame->orgaDocument().componentSet(), generator, step);
        if (step.text != nullptr)
            writeWhenAsked(step.text);
        clock.advance(1.0);
        player.play(*drawing);
        QApplication::processEvents();
    }
    frame->orgaDocument().setColor(kNoir);
    if (insertion) {
        writeWhenAsked("Fin du programme", "(n lu)");
        clock.advance(1.0);
        player.play(*recognisable(frame->orgaDocument().componentSet(), generator,
                                  {kind::Texte, {620, 560}, 120}));
    } else if (edition) {
        QMenuBar* bar = application.mainFrame()->menuBar();
        for (QAction* menu : bar->actions())
            if (menu->text() == "Edi&tion")
                bar->setActiveAction(menu);
        ready();
    } else {
        player.move({390, 470});
        QApplication::processEvents();
        ready();
    }
    return QApplication::exec();
}
