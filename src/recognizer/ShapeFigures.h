#pragma once

#include "recognizer/ShapeGesture.h"

#include <array>

class CShapeLine : public CShapeFigure {
public:
    explicit CShapeLine(bool rotationInvariant = true);
    std::string_view name() const override { return "Line"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    // Opposite corners of the smallest enclosing rectangle.
    const std::array<CInkPoint, 2>& ends() const { return m_ends; }

private:
    std::array<CInkPoint, 2> m_ends;
};

class CShapeTriangle : public CShapeFigure {
public:
    explicit CShapeTriangle(bool rotationInvariant = true);
    std::string_view name() const override { return "Triangle"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    const std::array<CInkPoint, 3>& vertices() const { return m_vertices; }

private:
    std::array<CInkPoint, 3> m_vertices;
};

class CShapeRectangle : public CShapeFigure {
public:
    explicit CShapeRectangle(bool rotationInvariant = true);
    std::string_view name() const override { return "Rectangle"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    const std::array<CInkPoint, 4>& corners() const { return m_corners; }

private:
    std::array<CInkPoint, 4> m_corners;
};

class CShapeCircle : public CShapeFigure {
public:
    explicit CShapeCircle(bool rotationInvariant = true);
    std::string_view name() const override { return "Circle"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    int radius() const { return m_radius; }
    const CInkPoint& centre() const { return m_centre; }
    const std::array<CInkPoint, 4>& corners() const { return m_corners; }

private:
    int m_radius = 0;
    CInkPoint m_centre;
    std::array<CInkPoint, 4> m_corners;
};

class CShapeEllipse : public CShapeFigure {
public:
    explicit CShapeEllipse(bool rotationInvariant = true);
    std::string_view name() const override { return "Ellipse"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    const std::array<CInkPoint, 4>& corners() const { return m_corners; }
    // Points of the ellipse inscribed in the corners, centred on their centre.
    const CPolygon* outline() const { return m_outline.get(); }

private:
    void buildOutline();

    std::array<CInkPoint, 4> m_corners;
    std::unique_ptr<CPolygon> m_outline;
};

class CShapeDiamond : public CShapeFigure {
public:
    explicit CShapeDiamond(bool rotationInvariant = true);
    std::string_view name() const override { return "Diamond"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    const std::array<CInkPoint, 4>& corners() const { return m_corners; }

private:
    std::array<CInkPoint, 4> m_corners;
};

// A shaft with a head drawn last; its geometry is set by its context check.
class CShapeArrow : public CShapeFigure {
public:
    explicit CShapeArrow(bool rotationInvariant = true);
    std::string_view name() const override { return "Arrow"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    double contextDegree(const CDessin& drawing, Prototypes& prototypes) override;
    const CInkPoint& tail() const { return m_tail; }
    const CInkPoint& tip() const { return m_tip; }
    const std::array<CInkPoint, 3>& head() const { return m_head; }
    // The shaft of the latest accepted arrow, its attached drawing.
    void forgetShaft() { m_shaft.reset(); }

private:
    CInkPoint m_tail;
    CInkPoint m_tip;
    std::array<CInkPoint, 3> m_head;
    std::unique_ptr<CDessin> m_shaft;
};

// What nothing else accepts; attaching it finds whether the ink is dashed, open or bold.
class CShapeUnknown : public CShapeFigure {
public:
    CShapeUnknown();
    std::string_view name() const override { return "Unknown"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
};
