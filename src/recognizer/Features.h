#pragma once

class CDessin;

// Measures of a drawing read by the fuzzy rules: ratios of the areas (A) and
// perimeters (P) of its figures, its ink length L and its stroke count N.
namespace features {
double inkOverHullPerimeter(const CDessin& d);        // L / P(hull)
double hullThinness(const CDessin& d);                // P(hull)^2 / A(hull)
double hullPerimeterOverMeanStroke(const CDessin& d); // P(hull) / (L / N)
double coreTrianglePoints(const CDessin& d);          // points inside the contracted triangle
double strokeCount(const CDessin& d);
double enclosingAspect(const CDessin& d); // short side / long side, in [0, 1]
double triangleOverHull(const CDessin& d);
double hullOverEnclosing(const CDessin& d);
double hullOverBox(const CDessin& d);
double triangleOverBox(const CDessin& d);
double quadOverHull(const CDessin& d);
double quadOverEnclosing(const CDessin& d);
double triangleOverQuad(const CDessin& d);
double trianglePerimeterOverHull(const CDessin& d);
double hullPerimeterOverEnclosing(const CDessin& d);
double hullPerimeterOverBox(const CDessin& d);
double quadPerimeterOverHull(const CDessin& d);
} // namespace features
