#include "recognizer/Features.h"

#include "recognizer/Dessin.h"

namespace features {

double inkOverHullPerimeter(const CDessin& d) {
    return d.totalLength() / d.convexHull().perimeter();
}

double hullThinness(const CDessin& d) {
    const double p = d.convexHull().perimeter();
    return p * p / d.convexHull().area();
}

double hullPerimeterOverMeanStroke(const CDessin& d) {
    return d.convexHull().perimeter() / (d.totalLength() / d.strokeCount());
}

double coreTrianglePoints(const CDessin& d) {
    return d.pointsInsideCoreTriangle();
}

double strokeCount(const CDessin& d) {
    return d.strokeCount();
}

double enclosingAspect(const CDessin& d) {
    const CPolygon& r = d.enclosingRectangle();
    const double first = distance(r.vertex(1), r.vertex(0));
    const double second = distance(r.vertex(2), r.vertex(1));
    if (first == 0.0 || second == 0.0)
        return 0.0;
    const double s = first / second;
    return s <= 1.0 ? s : 1.0 / s;
}

double triangleOverHull(const CDessin& d) {
    return d.largestTriangle().area() / d.convexHull().area();
}

double hullOverEnclosing(const CDessin& d) {
    return d.convexHull().area() / d.enclosingRectangle().area();
}

double hullOverBox(const CDessin& d) {
    return d.convexHull().area() / d.boundingRectangle().area();
}

double triangleOverBox(const CDessin& d) {
    return d.largestTriangle().area() / d.boundingRectangle().area();
}

double quadOverHull(const CDessin& d) {
    return d.largestQuadrilateral().area() / d.convexHull().area();
}

double quadOverEnclosing(const CDessin& d) {
    return d.largestQuadrilateral().area() / d.enclosingRectangle().area();
}

double triangleOverQuad(const CDessin& d) {
    return d.largestTriangle().area() / d.largestQuadrilateral().area();
}

double trianglePerimeterOverHull(const CDessin& d) {
    return d.largestTriangle().perimeter() / d.convexHull().perimeter();
}

double hullPerimeterOverEnclosing(const CDessin& d) {
    return d.convexHull().perimeter() / d.enclosingRectangle().perimeter();
}

double hullPerimeterOverBox(const CDessin& d) {
    return d.convexHull().perimeter() / d.boundingRectangle().perimeter();
}

double quadPerimeterOverHull(const CDessin& d) {
    return d.largestQuadrilateral().perimeter() / d.convexHull().perimeter();
}

} // namespace features
