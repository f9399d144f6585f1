#include "flowchart/OrgaEditor.h"

#include "engine/AReconnaitre.h"
#include "engine/FichierEnsemble.h"
#include "flowchart/Elements.h"
#include "generator/CommandGestures.h"
#include "generator/ComponentGestures.h"
#include "generator/ShapePaths.h"
#include "generator/ShippedSets.h"

#include <cmath>

// The generated components, but drawn by a user whose circles come out round
// one time, a little taller than wide the next.
const CEnsemble& OrgaEditor::components() {
    static const std::unique_ptr<CEnsemble> set = [] {
        auto components = componentSet(kComponentGestureCount, 15, 1);
        CClasse& circles = components->classe(kind::Cercle - kFirstComponentCode);
        circles.supprimerExemples();
        DrawingGenerator g(5);
        for (int e = 0; e < 20; ++e) {
            const double ry = g.uniform(40, 75);
            const double rx = ry * (e % 2 == 0 ? g.uniform(0.92, 1.05) : g.uniform(0.68, 0.85));
            const Vec2 centre{g.uniform(200, 400), g.uniform(200, 400)};
            auto example = std::make_unique<CExemple>("ovale" + std::to_string(e + 1));
            example->setDessin(g.draw({paths::ellipse(centre, rx, ry, 0, -M_PI / 2)}));
            circles.ajouterExemple(std::move(example));
        }
        components->apprendre();
        return components;
    }();
    return *set;
}

const CEnsemble& OrgaEditor::commands() {
    static const std::unique_ptr<CEnsemble> set = shippedSet(kShippedSets[1], 15, 3);
    return *set;
}

// These tests hold the view to the literal decision of the trained recogniser.
void OrgaEditor::SetUp() {
    setCombinedRecognition(false);
    const std::string folder = gestures().toStdString();
    CEnsemble componentsCopy(components());
    CEnsemble commandsCopy(commands());
    ASSERT_TRUE(enregistrerEnsemble(componentsCopy, folder, "formes.gst").ok);
    ASSERT_TRUE(enregistrerEnsemble(commandsCopy, folder, "commandes.gst").ok);
    ASSERT_TRUE(enregistrerEnsemble(commandsCopy, folder, "lettres.gst").ok);
}

void OrgaEditor::newFlowchart() {
    chooseMenuEntry(mainFrame(), "&Organigrammes", "&Nouveau");
    ASSERT_NE(editor.active<COrga>(), nullptr);
}

// Tests are about what the editor does with a gesture, not about how often the
// set recognises one: the writer draws again what the set does not recognise.
std::unique_ptr<CDessin> OrgaEditor::recognisable(const CEnsemble& set, int code,
                                                  const std::function<std::vector<Path>()>& paths) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        auto drawing = m_generator.draw(paths());
        CAReconnaitre shape(set);
        shape.setDessin(drawing->clone());
        shape.calculerCaracteristiques();
        shape.reconnaitre();
        if (shape.code() == code)
            return drawing;
    }
    ADD_FAILURE() << "no recognisable drawing of " << code;
    return std::make_unique<CDessin>();
}

std::unique_ptr<CDessin> OrgaEditor::componentDrawing(int code, Vec2 centre, double size) {
    return recognisable(components(), code, [&] {
        return componentGesture(code - kFirstComponentCode, m_generator, centre, size);
    });
}

std::unique_ptr<CDessin> OrgaEditor::commandDrawing(int code, Vec2 centre, double size) {
    return recognisable(commands(), code,
                        [&] { return commandGesture(code, m_generator, centre, size); });
}

QStringList describe(const COrganigramme& flowchart) {
    QStringList lines;
    for (const auto& e : flowchart.elements()) {
        const CRect& r = e->GetBoundRect();
        lines << QString::asprintf("%s (%d, %d) [%d, %d, %d, %d] %06x %d",
                                   std::string(e->className()).c_str(), e->center().x,
                                   e->center().y, r.left, r.top, r.right, r.bottom, e->color(),
                                   e->penWidth());
    }
    return lines;
}

std::vector<Vec2> spiralVertices() {
    std::vector<Vec2> points;
    for (int step = 0; step <= 300; ++step) {
        const double a = step * 0.1;
        const double r = 10 + step / 3.0;
        points.push_back({300 + r * std::cos(a), 300 + r * std::sin(a)});
    }
    return points;
}
