#include "recognizer/ShapeCommands.h"

#include "recognizer/Features.h"

#include <algorithm>

using namespace features;

namespace {
constexpr double inf = kInfinity;
} // namespace

CCommandDelete::CCommandDelete() {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{
        {enclosingAspect, {0.06, 0.08, 1, 1}},
        {inkOverHullPerimeter, {1.5, 1.9, inf, inf}},
        {coreTrianglePoints, {0, 3, inf, inf}},
        {strokeCount, {1, 1, 1, 1}},
    });
}

std::unique_ptr<CShapeGesture> CCommandDelete::clone() const {
    auto copy = std::make_unique<CCommandDelete>();
    copyStateTo(*copy);
    return copy;
}

CCommandWavyLine::CCommandWavyLine() {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{
        {enclosingAspect, {0.06, 0.08, 0.4, 0.45}},
        {inkOverHullPerimeter, {0.5, 0.55, 1.5, 1.9}},
        {coreTrianglePoints, {0, 3, inf, inf}},
        {strokeCount, {1, 1, 1, 1}},
    });
}

std::unique_ptr<CShapeGesture> CCommandWavyLine::clone() const {
    auto copy = std::make_unique<CCommandWavyLine>();
    copyStateTo(*copy);
    return copy;
}

CCommandCopy::CCommandCopy() {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{
        {hullThinness, {13, 14, 18, 23}},
        {inkOverHullPerimeter, {0.45, 0.7, 0.85, 0.9}},
        {triangleOverHull, {0.45, 0.48, 0.7, 0.75}},
        {triangleOverQuad, {0.62, 0.65, 0.81, 0.83}},
        {quadPerimeterOverHull, {0.9, 0.94, 0.98, 0.989}},
        {strokeCount, {1, 1, 1, 1}},
    });
}

std::unique_ptr<CShapeGesture> CCommandCopy::clone() const {
    auto copy = std::make_unique<CCommandCopy>();
    copyStateTo(*copy);
    return copy;
}

CCommandMove::CCommandMove() {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{
        {triangleOverHull, {0.75, 0.85, 1, 1}},
        {trianglePerimeterOverHull, {0.95, 0.98, 1, 1}},
        {inkOverHullPerimeter, {0.2, 0.3, 0.83, 0.93}},
        {hullPerimeterOverMeanStroke, {1.2, 1.3, 2, 2}},
        {hullThinness, {18, 19, 25, 35}},
        {strokeCount, {1, 1, 1, 1}},
    });
}

std::unique_ptr<CShapeGesture> CCommandMove::clone() const {
    auto copy = std::make_unique<CCommandMove>();
    copyStateTo(*copy);
    copy->m_vertices = m_vertices;
    return copy;
}

void CCommandMove::attach(const CDessin& drawing) {
    CShapeCommand::attach(drawing);
    const CPolygon& t = drawing.largestTriangle();
    m_vertices = {t.vertex(0), t.vertex(1), t.vertex(2)};
}

CCommandCross::CCommandCross() {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{
        {quadOverHull, {0.85, 0.95, 1, 1}},
        {quadPerimeterOverHull, {0.98, 0.99, 1, 1}},
        {strokeCount, {2, 2, 2, 2}},
    });
}

std::unique_ptr<CShapeGesture> CCommandCross::clone() const {
    auto copy = std::make_unique<CCommandCross>();
    copyStateTo(*copy);
    return copy;
}

double CCommandCross::contextDegree(const CDessin& drawing, Prototypes& prototypes) {
    std::unique_ptr<CDessin> first = drawing.clone();
    CDessin second;
    second.addStroke(first->removeLastStroke());

    const CShapeGesture* secondClass = firstAccepting(second, prototypes);
    const double d1 = secondClass ? secondClass->degree() : 0.0;
    const bool secondIsLine = secondClass && secondClass->name() == "Line";
    restoreAll(prototypes);
    if (!secondIsLine)
        return 0.0;

    const CShapeGesture* firstClass = firstAccepting(*first, prototypes);
    const bool firstIsLine = firstClass && firstClass->name() == "Line";
    restoreAll(prototypes);
    const double d2 = firstIsLine && chordsCross(first->stroke(0), second.stroke(0)) ? 1.0 : 0.0;
    return std::min(d1, d2);
}

std::unique_ptr<CShapeGesture> CCommandTap::clone() const {
    auto copy = std::make_unique<CCommandTap>();
    copyStateTo(*copy);
    copy->m_point = m_point;
    return copy;
}

void CCommandTap::attach(const CDessin& drawing) {
    CShapeCommand::attach(drawing);
    m_point = drawing.firstPoint();
    m_degree = 1.0;
}

bool chordsCross(const CStroke& first, const CStroke& second) {
    const CInkPoint& p1 = first.point(0);
    const CInkPoint& p2 = first.point(first.pointCount() - 1);
    const CInkPoint& q1 = second.point(0);
    const CInkPoint& q2 = second.point(second.pointCount() - 1);
    return turnsPositive(p1, p2, q1) != turnsPositive(p1, p2, q2) &&
           turnsPositive(q1, q2, p1) != turnsPositive(q1, q2, p2);
}
