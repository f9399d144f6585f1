#include "QtBench.h"
#include "app/Editors.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/Commandes.h"
#include "flowchart/FlowchartExport.h"
#include "flowchart/Orga.h"
#include "flowchart/OrgaDoc.h"
#include "flowchart/OrgaView.h"
#include "generator/ComponentGestures.h"
#include "shell/Application.h"
#include "shell/DocTemplate.h"
#include "shell/MainFrm.h"

#include <QFileInfo>
#include <QImage>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <utility>

// Goals, on a flowchart of 10,000 components: painting a window of it under
// 50 ms, even with all 10,000 in the window at once, following the pointer
// from one component to another (finding the component under it and repainting
// both) under 1 ms, undoing or redoing one step under 5 ms and exporting it to
// PNG under 1 s.
//
// Two flowcharts of 10,000 components are measured: one spread over a sheet
// of 25 windows of 1600 x 1000 pixels, as a large flowchart is laid out, and
// one heaped into a single window, where every component overlaps dozens of
// others: the worst case.

namespace {

constexpr int kComponents = 10'000;
constexpr QSize kWindow{1600, 1000};

// Every kind, one text in eight, half at their gesture's size and half at the
// fixed sizes, at places drawn at random on a sheet of `sheet` pixels.
void fill(COrgaDoc& doc, QSize sheet) {
    DrawingGenerator g(2024);
    COrganigramme& org = doc.organigramme();
    for (int i = 0; i < kComponents; ++i) {
        const int x = g.uniformInt(0, sheet.width() - 200);
        const int y = g.uniformInt(0, sheet.height() - 200);
        const CRect gesture{x, y, x + g.uniformInt(10, 200), y + g.uniformInt(10, 200)};
        org.setFixedSize(i % 2 == 0);
        org.setColor(static_cast<Colour>(g.uniformInt(0, 0xFFFFFF)));
        if (i % 8 == 7)
            org.AddElement(std::make_unique<CTexte>(org.color(), "Verdana", 12, gesture,
                                                    "Étape n° " + std::to_string(i)));
        else
            org.AddElement(creerComposant(g.uniformInt(102, 117), gesture, org));
    }
    doc.modelChanged();
    doc.updateAllViews(nullptr);
}

// The application with two flowchart windows, spread and heaped.
class Editor {
public:
    Editor() {
        startQt();
        const std::unique_ptr<CEnsemble> set = componentSet(kComponentGestureCount, 5, 1);
        const Configuration configuration(m_data.root);
        for (const std::string& name :
             {configuration.componentSet, configuration.commandSet, configuration.textSet})
            enregistrerEnsemble(*set, m_data.root + configuration.gestureFolder, name);
        m_application = std::make_unique<CApplication>(m_data.root, editorTemplates());
        m_application->initInstance(CApplication::Splash::Skip);
        spread = open({kWindow.width() * 5, kWindow.height() * 5});
        heaped = open(kWindow);
    }

    COrga* spread;
    COrga* heaped;

private:
    COrga* open(QSize sheet) {
        m_application->OnNouvelOrga();
        auto* frame = qobject_cast<COrga*>(m_application->mainFrame()->activeChildFrame());
        if (frame == nullptr)
            qFatal("no flowchart window");
        fill(frame->orgaDocument(), sheet);
        return frame;
    }

    DataRoot m_data;
    std::unique_ptr<CApplication> m_application;
};

Editor& editor() {
    static Editor shared;
    return shared;
}

COrga& flowchart(const benchmark::State& state) {
    return state.range(0) == 0 ? *editor().spread : *editor().heaped;
}

void moveTo(QWidget& widget, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(widget.mapToGlobal(p)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

// A window's worth of the flowchart painted as the view paints it.
void BM_PaintWindow(benchmark::State& state) {
    COrgaView& view = *flowchart(state).view();
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    const QRegion whole(QRect(QPoint(), kWindow));
    for (auto _ : state) {
        view.render(&window, QPoint(), whole);
        benchmark::DoNotOptimize(window.constBits());
    }
    const auto& elements = flowchart(state).orgaDocument().organigramme().elements();
    state.counters["dans_la_fenetre"] =
        static_cast<double>(std::count_if(elements.begin(), elements.end(), [](const auto& e) {
            return e->GetBoundRect().left < kWindow.width() &&
                   e->GetBoundRect().top < kWindow.height();
        }));
}
BENCHMARK(BM_PaintWindow)->ArgName("entasse")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Two places in the part of the view on the screen, over two different components.
std::optional<std::pair<QPoint, QPoint>> twoComponents(COrga& frame) {
    const COrganigramme& org = frame.orgaDocument().organigramme();
    const QRect shown = frame.view()->visibleRegion().boundingRect().adjusted(20, 20, -20, -20);
    std::optional<QPoint> first;
    for (const auto& element : org.elements()) {
        const CPoint c = element->GetBoundRect().centerPoint();
        const QPoint p(c.x, c.y);
        if (!shown.contains(p) || org.elementAt(c) != element.get())
            continue;
        if (!first)
            first = p;
        else if (org.elementAt({first->x(), first->y()}) != element.get())
            return std::pair{*first, p};
    }
    return std::nullopt;
}

// The pointer goes back and forth between two components on the screen: each
// move finds the component under it, and the old and the new selection are
// painted again in their colours.
void BM_HoverFromOneComponentToAnother(benchmark::State& state) {
    COrga& frame = flowchart(state);
    frame.parentWidget()->showMaximized();
    QCoreApplication::processEvents();
    COrgaView& view = *frame.view();
    const auto places = twoComponents(frame);
    if (!places) {
        state.SkipWithError("no two components on the screen");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        moveTo(view, i % 2 == 0 ? places->first : places->second);
        QCoreApplication::sendPostedEvents();
        ++i;
    }
    const auto* last = frame.orgaDocument().organigramme().elementAt(
        {(i % 2 == 1 ? places->first : places->second).x(),
         (i % 2 == 1 ? places->first : places->second).y()});
    if (view.selection() != last)
        state.SkipWithError("the selection did not follow the pointer");
}
BENCHMARK(BM_HoverFromOneComponentToAnother)
    ->ArgName("entasse")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// One component moved, then the move undone and redone in turn: each
// iteration is one step, the flowchart's 10,000 components put back from a copy.
void BM_UndoOrRedoOneStep(benchmark::State& state) {
    COrgaDoc& doc = flowchart(state).orgaDocument();
    doc.organigramme().elements().front()->Move({10, 0});
    doc.organigramme().setModified(true);
    doc.modelChanged("Déplacer");
    QUndoStack& stack = doc.undoStack();
    bool undo = true;
    for (auto _ : state) {
        if (undo)
            stack.undo();
        else
            stack.redo();
        undo = !undo;
    }
    if (doc.organigramme().elements().size() != kComponents)
        state.SkipWithError("the flowchart lost components");
}
BENCHMARK(BM_UndoOrRedoOneStep)->ArgName("entasse")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole flowchart written to a PNG cut to its components: 8,000 x 5,000
// pixels spread, 1,600 x 1,000 heaped.
void BM_ExportPng(benchmark::State& state) {
    const COrganigramme& org = flowchart(state).orgaDocument().organigramme();
    QTemporaryDir folder;
    const QString path = folder.filePath("organigramme.png");
    for (auto _ : state) {
        const QString error = exportFlowchart(org, path);
        if (!error.isEmpty())
            state.SkipWithError(error.toStdString().c_str());
    }
    state.counters["octets"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_ExportPng)->ArgName("entasse")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
