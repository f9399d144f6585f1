#pragma once

#include "recognizer/IndexedList.h"

#include <cstdint>
#include <memory>
#include <optional>

// One ink point: view pixels (y grows downward) and a time stamp in seconds.
class CInkPoint {
public:
    CInkPoint() = default;
    CInkPoint(int x, int y, double t = 0.0) : x(x), y(y), t(t) {}

    // Time is ignored: two points are the same place.
    bool operator==(const CInkPoint& other) const { return x == other.x && y == other.y; }

    int x = 0;
    int y = 0;
    double t = 0.0;
};

double distance(const CInkPoint& a, const CInkPoint& b);
double triangleArea(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c);
double quadrilateralArea(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c,
                         const CInkPoint& d);
bool turnsPositive(const CInkPoint& a, const CInkPoint& b, const CInkPoint& c);
double pseudoAngle(const CInkPoint& a, const CInkPoint& b);
// Foot of the perpendicular from q onto the line through p1 and p2, in pixels.
CInkPoint foot(const CInkPoint& p1, const CInkPoint& p2, const CInkPoint& q);

// One pen-down to pen-up trace.
class CStroke {
public:
    void addPoint(int x, int y, double t);

    int pointCount() const { return m_points.count(); }
    const CIndexedList<CInkPoint>& points() const { return m_points; }
    const CInkPoint& point(int i) const { return m_points.at(i); }
    double length() const { return m_length; }
    // 1e30 when every point shares one time stamp.
    double speed() const { return m_speed; }

private:
    CIndexedList<CInkPoint> m_points;
    double m_length = 0.0;
    double m_speed = 0.0;
    CInkPoint m_previous;
    double m_startTime = 0.0;
};

// Vertex list; a closed polygon repeats its first vertex at the end. Degenerate
// areas and perimeters are 1e-30, never 0, so that ratios of them stay finite.
class CPolygon {
public:
    void addVertex(const CInkPoint& point) { m_vertices.append(point); }
    void reserve(int count) { m_vertices.reserve(static_cast<std::size_t>(count)); }
    int vertexCount() const { return m_vertices.count(); }
    const CIndexedList<CInkPoint>& vertices() const { return m_vertices; }
    const CInkPoint& vertex(int i) const { return m_vertices.at(i); }

    double area() const;
    double perimeter() const;

private:
    CIndexedList<CInkPoint> m_vertices;
    mutable double m_area = 0.0;
    mutable double m_perimeter = 0.0;
};

// A gesture: strokes in drawing order, with figures derived lazily from its ink.
class CDessin {
public:
    CDessin() = default;
    CDessin(const CDessin&) = delete;
    CDessin& operator=(const CDessin&) = delete;

    void addStroke(std::unique_ptr<CStroke> stroke);
    std::unique_ptr<CStroke> removeLastStroke();

    int strokeCount() const { return m_strokes.count(); }
    const CStroke& stroke(int i) const { return *m_strokes.at(i); }
    int pointCount() const;
    double totalLength() const { return m_totalLength; }

    // A copy rebuilt point by point, so lengths and speeds are recomputed.
    std::unique_ptr<CDessin> clone() const;

    // (0, 0, 0) for a drawing without points.
    CInkPoint firstPoint() const;
    CInkPoint lastPoint() const;

    double averageSpeed() const;
    // Milliseconds to wait after pen-up before recognising: fast writers wait less.
    int recognitionDelay() const;

    const CPolygon& convexHull() const;
    const CPolygon& boundingRectangle() const;
    const CPolygon& enclosingRectangle() const;
    const CPolygon& largestTriangle() const;
    const CPolygon& largestQuadrilateral() const;
    std::unique_ptr<CPolygon> coreTriangle() const;
    int pointsInsideCoreTriangle() const;

private:
    void forgetFigures();
    CInkPoint hullStart() const;

    double m_totalLength = 0.0;
    double m_speedSum = 0.0;
    CIndexedList<std::unique_ptr<CStroke>> m_strokes;

    mutable std::optional<CPolygon> m_hull;
    mutable std::optional<CPolygon> m_boundingRectangle;
    mutable std::optional<CPolygon> m_enclosingRectangle;
    mutable std::optional<CPolygon> m_largestTriangle;
    mutable std::optional<CPolygon> m_largestQuadrilateral;
    mutable std::optional<int> m_pointsInsideCore;
};
