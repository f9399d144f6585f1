#include "generator/ShippedSets.h"

#include "engine/AReconnaitre.h"
#include "engine/Ensemble.h"
#include "generator/CommandGestures.h"
#include "generator/ComponentGestures.h"
#include "generator/ShapePaths.h"
#include "generator/TextGestures.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// A size spread evenly over its logarithm, so that small drawings are as common
// as large ones.
double sizeBetween(DrawingGenerator& g, double smallest, double largest) {
    return std::exp(g.uniform(std::log(smallest), std::log(largest)));
}

} // namespace

// Random draws are made one statement at a time, never two in one call's arguments.
std::unique_ptr<CDessin> shippedGesture(int typeAction, int code, DrawingGenerator& g) {
    const double x = g.uniform(150, 650);
    const double y = g.uniform(150, 450);
    // A line of handwriting standing for a text is not written tiny.
    const double smallest = typeAction == TYPE_COMPOSANTS ? (code == 118 ? 90 : 50) : 40;
    const double size = sizeBetween(g, smallest, typeAction == TYPE_COMPOSANTS ? 220 : 200);
    std::vector<Path> strokes;
    if (typeAction == TYPE_COMPOSANTS) {
        strokes = componentGesture(code - kFirstComponentCode, g, {x, y}, size);
        // Closed shapes go counterclockwise on the screen, rectangles from their
        // top-left corner down first, round shapes and triangles from the top:
        // every rectangle, circle and triangle of the people's gesture logs is
        // drawn that way. The diamond (109), which the logs do not have, stays
        // clockwise: counterclockwise from the top it starts like a triangle.
        if (code >= 104 && code <= 112 && code != 109)
            std::reverse(strokes[0].begin(), strokes[0].end());
    } else if (typeAction == TYPE_COMMANDES) {
        strokes = commandGesture(code, g, {x, y}, size);
    } else {
        strokes = textGesture(code, g, {x, y}, size);
    }
    for (Path& stroke : strokes) {
        // People stop a closed figure short of where it began, by a tenth of its
        // size on average; an open stroke starts and stops a few pixels either
        // side of its ends.
        const bool closed = stroke.size() > 2 && std::hypot(stroke.front().x - stroke.back().x,
                                                            stroke.front().y - stroke.back().y) < 1;
        const double startShift = closed ? g.uniform(-1, 1) : g.uniform(-4, 4);
        const double endShift = closed ? size * g.uniform(0.05, 0.2) : g.uniform(-4, 4);
        stroke = paths::withEnds(std::move(stroke), startShift, endShift);
    }
    // The people's logs are drawn at 100 to 900 pixels a second on average,
    // 200 to 300 mostly, and report 40 to 110 points a second.
    PenStyle style = g.randomStyle();
    style.speed = sizeBetween(g, 130, 1100);
    style.sampleRateHz = g.uniform(40, 120);
    return g.draw(strokes, style);
}

std::unique_ptr<CEnsemble> shippedSet(const ShippedSet& info, int examples, std::uint32_t seed) {
    const int typeAction = info.typeAction;
    auto ensemble =
        std::make_unique<CEnsemble>(std::string(info.nom), std::string(info.description));
    ensemble->setTypeAction(typeAction);
    DrawingGenerator g(seed);
    for (const int code : codesDuType(typeAction)) {
        auto classe = std::make_unique<CClasse>(nomCode(typeAction, code), "");
        classe->setCode(static_cast<std::uint16_t>(code));
        for (int e = 0; e < examples; ++e) {
            auto exemple = std::make_unique<CExemple>("exemple" + std::to_string(e + 1));
            exemple->setDessin(shippedGesture(typeAction, code, g));
            classe->ajouterExemple(std::move(exemple));
        }
        ensemble->ajouterClasse(std::move(classe));
    }
    ensemble->apprendre();
    return ensemble;
}

FreshRecognition::PerClass FreshRecognition::total() const {
    PerClass sum;
    for (const PerClass& c : classes) {
        sum.drawings += c.drawings;
        sum.right += c.right;
        sum.rejected += c.rejected;
        sum.wronglyAccepted += c.wronglyAccepted;
    }
    return sum;
}

FreshRecognition recogniseFresh(const CEnsemble& set, int perClass, std::uint32_t seed) {
    FreshRecognition result;
    result.possible = set.reconnaissancePossible();
    result.classes.resize(static_cast<std::size_t>(set.nbClasses()));
    DrawingGenerator g(seed);
    for (int c = 0; c < set.nbClasses(); ++c) {
        FreshRecognition::PerClass& counts = result.classes[static_cast<std::size_t>(c)];
        for (int i = 0; i < perClass; ++i) {
            CAReconnaitre shape(set);
            shape.setDessin(shippedGesture(set.typeAction(), set.classe(c).code(), g));
            ++counts.drawings;
            if (!result.possible) {
                ++counts.rejected;
                continue;
            }
            shape.calculerCaracteristiques();
            shape.reconnaitre();
            if (shape.rejete())
                ++counts.rejected;
            else if (shape.meilleurIndice() == c)
                ++counts.right;
            else
                ++counts.wronglyAccepted;
        }
    }
    return result;
}
