#include "recognizer/ShapeFigures.h"

#include "recognizer/Features.h"

#include <cmath>
#include <cstdlib>
#include <vector>

using namespace features;

namespace {

constexpr double inf = kInfinity;

template <std::size_t N> std::array<CInkPoint, N> firstVertices(const CPolygon& polygon) {
    std::array<CInkPoint, N> points;
    for (std::size_t i = 0; i < N; ++i)
        points[i] = polygon.vertex(static_cast<int>(i));
    return points;
}

template <typename Shape> std::unique_ptr<Shape> bareClone() {
    return std::make_unique<Shape>(true);
}

// First quadrant of an ellipse with half-axes rx and ry, from (0, ry) to (rx, 0),
// by the midpoint method.
std::vector<CInkPoint> ellipseQuadrant(long long rx, long long ry) {
    std::vector<CInkPoint> points;
    if (rx <= 0 || ry <= 0) {
        points.emplace_back(0, static_cast<int>(ry));
        points.emplace_back(static_cast<int>(rx), 0);
        return points;
    }
    const long long rx2 = rx * rx, ry2 = ry * ry;
    long long x = 0, y = ry;
    long long px = 0, py = 2 * rx2 * y;
    double p = ry2 - rx2 * ry + 0.25 * rx2;
    while (px < py) {
        points.emplace_back(static_cast<int>(x), static_cast<int>(y));
        ++x;
        px += 2 * ry2;
        if (p < 0) {
            p += ry2 + px;
        } else {
            --y;
            py -= 2 * rx2;
            p += ry2 + px - py;
        }
    }
    p = ry2 * (x + 0.5) * (x + 0.5) + rx2 * double(y - 1) * (y - 1) - double(rx2) * ry2;
    while (y >= 0) {
        points.emplace_back(static_cast<int>(x), static_cast<int>(y));
        --y;
        py -= 2 * rx2;
        if (p > 0) {
            p += rx2 - py;
        } else {
            ++x;
            px += 2 * ry2;
            p += rx2 - py + px;
        }
    }
    return points;
}

} // namespace

CShapeLine::CShapeLine(bool rotationInvariant) : CShapeFigure(rotationInvariant) {
    m_solidRule = {{inkOverHullPerimeter, {0.4, 0.45, inf, inf}}};
    m_dashedRule = {{inkOverHullPerimeter, {0, 0, 0.4, 0.45}},
                    {hullPerimeterOverMeanStroke, {5, 10, inf, inf}}};
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{{enclosingAspect, {0, 0, 0.06, 0.08}}});
}

std::unique_ptr<CShapeGesture> CShapeLine::clone() const {
    auto copy = bareClone<CShapeLine>();
    copyStateTo(*copy);
    copy->m_ends = m_ends;
    return copy;
}

void CShapeLine::attach(const CDessin& drawing) {
    CShapeFigure::attach(drawing);
    const CPolygon& r = drawing.enclosingRectangle();
    m_ends = {r.vertex(0), r.vertex(2)};
}

CShapeTriangle::CShapeTriangle(bool rotationInvariant) : CShapeFigure(rotationInvariant) {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{
        {triangleOverHull, {0.67, 0.77, 1, 1}},
        {trianglePerimeterOverHull, {0.95, 0.98, 1, 1}},
        {coreTrianglePoints, {0, 0, 1, 1}},
        {hullPerimeterOverEnclosing, {0.78, 0.8, 0.89, 0.945}},
        {triangleOverQuad, {0.81, 0.87, 1, 1}},
    });
}

std::unique_ptr<CShapeGesture> CShapeTriangle::clone() const {
    auto copy = bareClone<CShapeTriangle>();
    copyStateTo(*copy);
    copy->m_vertices = m_vertices;
    return copy;
}

void CShapeTriangle::attach(const CDessin& drawing) {
    CShapeFigure::attach(drawing);
    m_vertices = firstVertices<3>(drawing.largestTriangle());
}

CShapeRectangle::CShapeRectangle(bool rotationInvariant) : CShapeFigure(rotationInvariant) {
    m_classRule = std::make_unique<CFuzzyRule>(
        rotationInvariant ? CFuzzyRule{{hullOverEnclosing, {0.75, 0.85, 1, 1}},
                                       {quadOverEnclosing, {0.72, 0.78, 1, 1}},
                                       {coreTrianglePoints, {0, 0, 1, 1}}}
                          : CFuzzyRule{{hullOverBox, {0.8, 0.83, 1, 1}},
                                       {hullPerimeterOverBox, {0.87, 0.9, 1, 1}},
                                       {triangleOverBox, {0.45, 0.47, 0.5, 0.52}}});
}

std::unique_ptr<CShapeGesture> CShapeRectangle::clone() const {
    auto copy = bareClone<CShapeRectangle>();
    copyStateTo(*copy);
    copy->m_corners = m_corners;
    return copy;
}

void CShapeRectangle::attach(const CDessin& drawing) {
    CShapeFigure::attach(drawing);
    m_corners = firstVertices<4>(drawing.enclosingRectangle());
}

CShapeCircle::CShapeCircle(bool rotationInvariant) : CShapeFigure(rotationInvariant) {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{
        {hullThinness, {12.5, 12.5, 13.2, 13.5}},
        {coreTrianglePoints, {0, 0, 0, 0}},
    });
}

std::unique_ptr<CShapeGesture> CShapeCircle::clone() const {
    auto copy = bareClone<CShapeCircle>();
    copyStateTo(*copy);
    copy->m_radius = m_radius;
    copy->m_centre = m_centre;
    copy->m_corners = m_corners;
    return copy;
}

void CShapeCircle::attach(const CDessin& drawing) {
    CShapeFigure::attach(drawing);
    m_corners = firstVertices<4>(drawing.boundingRectangle());
    const double w = distance(m_corners[0], m_corners[1]);
    const double h = distance(m_corners[2], m_corners[1]);
    m_radius = static_cast<int>((w + h) / 4);
    m_centre = CInkPoint(static_cast<int>(m_corners[0].x + w / 2),
                         static_cast<int>(m_corners[0].y + h / 2));
}

CShapeEllipse::CShapeEllipse(bool rotationInvariant) : CShapeFigure(rotationInvariant) {
    m_classRule = std::make_unique<CFuzzyRule>(
        rotationInvariant ? CFuzzyRule{{hullThinness, {13.2, 13.5, 19, 30}},
                                       {quadOverHull, {0.6, 0.65, 0.71, 0.78}},
                                       {coreTrianglePoints, {0, 0, 0, 0}}}
                          : CFuzzyRule{{triangleOverBox, {0, 0, 0.4, 0.45}},
                                       {triangleOverHull, {0.4, 0.43, 0.47, 0.52}},
                                       {hullOverBox, {0.6, 0.7, 0.8, 0.9}}});
}

std::unique_ptr<CShapeGesture> CShapeEllipse::clone() const {
    auto copy = bareClone<CShapeEllipse>();
    copyStateTo(*copy);
    copy->m_corners = m_corners;
    copy->buildOutline();
    return copy;
}

void CShapeEllipse::attach(const CDessin& drawing) {
    CShapeFigure::attach(drawing);
    m_corners = firstVertices<4>(m_rotationInvariant ? drawing.enclosingRectangle()
                                                     : drawing.boundingRectangle());
    buildOutline();
}

void CShapeEllipse::buildOutline() {
    // The midpoint method gives about rx + ry points a quadrant: larger ellipses
    // are traced at a smaller scale and stretched back.
    constexpr double kMaxQuadrantSpan = 998.0;
    const CInkPoint& c0 = m_corners[0];
    const CInkPoint& c1 = m_corners[1];
    const CInkPoint& c2 = m_corners[2];
    const double rx = distance(c0, c1) / 2, ry = distance(c1, c2) / 2;
    const double scale = rx + ry > kMaxQuadrantSpan ? kMaxQuadrantSpan / (rx + ry) : 1.0;
    const std::vector<CInkPoint> quadrant =
        ellipseQuadrant(static_cast<long long>(rx * scale), static_cast<long long>(ry * scale));

    double cx = 0, cy = 0;
    for (const CInkPoint& c : m_corners)
        cx += c.x / 4.0, cy += c.y / 4.0;
    const double angle = std::atan2(double(c1.y) - c0.y, double(c1.x) - c0.x);
    const double cosA = std::cos(angle) / scale, sinA = std::sin(angle) / scale;
    m_outline = std::make_unique<CPolygon>();
    const auto place = [&](double x, double y) {
        m_outline->addVertex(CInkPoint(static_cast<int>(std::lround(cx + x * cosA - y * sinA)),
                                       static_cast<int>(std::lround(cy + x * sinA + y * cosA))));
    };
    // Quadrants in turn, each walked so that the outline runs round without a jump.
    for (auto it = quadrant.begin(); it != quadrant.end(); ++it)
        place(it->x, it->y);
    for (auto it = quadrant.rbegin(); it != quadrant.rend(); ++it)
        place(it->x, -it->y);
    for (auto it = quadrant.begin(); it != quadrant.end(); ++it)
        place(-it->x, -it->y);
    for (auto it = quadrant.rbegin(); it != quadrant.rend(); ++it)
        place(-it->x, it->y);
}

CShapeDiamond::CShapeDiamond(bool rotationInvariant) : CShapeFigure(rotationInvariant) {
    m_classRule = std::make_unique<CFuzzyRule>(
        rotationInvariant ? CFuzzyRule{{quadOverHull, {0.78, 0.85, 1, 1}},
                                       {hullThinness, {14.5, 15.5, 21.5, 26}},
                                       {quadOverEnclosing, {0.52, 0.56, 0.72, 0.78}},
                                       {triangleOverQuad, {0.5, 0.53, 0.62, 0.7}},
                                       {coreTrianglePoints, {0, 0, 1, 1}}}
                          : CFuzzyRule{{triangleOverBox, {0, 0, 0.4, 0.45}}});
}

std::unique_ptr<CShapeGesture> CShapeDiamond::clone() const {
    auto copy = bareClone<CShapeDiamond>();
    copyStateTo(*copy);
    copy->m_corners = m_corners;
    return copy;
}

void CShapeDiamond::attach(const CDessin& drawing) {
    CShapeFigure::attach(drawing);
    m_corners = firstVertices<4>(m_rotationInvariant ? drawing.enclosingRectangle()
                                                     : drawing.boundingRectangle());
}

CShapeArrow::CShapeArrow(bool rotationInvariant) : CShapeFigure(rotationInvariant) {
    m_classRule = std::make_unique<CFuzzyRule>(CFuzzyRule{{strokeCount, {2, 2, inf, inf}}});
}

std::unique_ptr<CShapeGesture> CShapeArrow::clone() const {
    auto copy = bareClone<CShapeArrow>();
    copyStateTo(*copy);
    copy->m_tail = m_tail;
    copy->m_tip = m_tip;
    copy->m_head = m_head;
    return copy;
}

double CShapeArrow::contextDegree(const CDessin& drawing, Prototypes& prototypes) {
    if (drawing.strokeCount() <= 1)
        return 0.0;
    std::unique_ptr<CDessin> shaft = drawing.clone();
    CDessin head;
    head.addStroke(shaft->removeLastStroke());

    double result = 0.0;
    const CShapeGesture* headClass = firstAccepting(head, prototypes);
    if (headClass && (headClass->name() == "Move" || headClass->name() == "Triangle")) {
        CShapeUnknown shaftInk;
        shaftInk.attach(*shaft);
        const std::array<CInkPoint, 3> abc = firstVertices<3>(head.largestTriangle());
        const CInkPoint g((abc[0].x + abc[1].x + abc[2].x) / 3,
                          (abc[0].y + abc[1].y + abc[2].y) / 3);
        const CInkPoint f = shaft->firstPoint();
        const CInkPoint e = shaft->lastPoint();
        const double d1 = std::abs(f.x - g.x) + std::abs(f.y - g.y);
        const double d2 = std::abs(e.x - g.x) + std::abs(e.y - g.y);
        const double ratio = d2 / d1;
        // The head sits at one end of the shaft, not across its middle.
        if (shaftInk.isBold() || ratio <= 0.6 || ratio >= 1.7) {
            result = headClass->degree();
            attach(*shaft);
            m_tail = drawing.firstPoint();
            m_tip = g;
            m_head = abc;
            m_dashed = shaftInk.isDashed();
            m_bold = shaftInk.isBold();
            m_shaft = std::move(shaft);
        }
    }
    restoreAll(prototypes);
    return result;
}

CShapeUnknown::CShapeUnknown() : CShapeFigure(true) {}

std::unique_ptr<CShapeGesture> CShapeUnknown::clone() const {
    auto copy = std::make_unique<CShapeUnknown>();
    copyStateTo(*copy);
    return copy;
}

void CShapeUnknown::attach(const CDessin& drawing) {
    CShapeFigure::attach(drawing);
    m_dashed = m_bold = m_open = false;
    m_degree = 1.0;
    if (m_dashedRule.degree(drawing) != 0.0)
        m_dashed = true;
    else if (m_openRule.degree(drawing) != 0.0)
        m_open = true;
    else if (m_boldRule.degree(drawing) != 0.0)
        m_bold = true;
}
