#pragma once

#include "flowchart/Canvas.h"
#include "flowchart/Elements.h"

#include <memory>
#include <vector>

class COrgArchive;

// Dimensions, in pixels, that components get when they are created at a fixed
// size rather than at the size of their gesture.
struct SizeParameters {
    int squareSide = 100;
    int circleRadius = 40;
    int crossSize = 40;
    int horizontalEllipseHorizontalRadius = 100;
    int horizontalEllipseVerticalRadius = 50;
    int verticalEllipseHorizontalRadius = 50;
    int verticalEllipseVerticalRadius = 100;
    int arrowLength = 50;
    int arrowHeadLength = 12;
    int arrowHeadHalfHeight = 8;
    int horizontalLineLength = 50;
    int verticalLineLength = 50;
    int diamondHeight = 80;
    int diamondLength = 150;
    int horizontalRectangleHeight = 80;
    int horizontalRectangleLength = 150;
    int verticalRectangleHeight = 150;
    int verticalRectangleLength = 80;
    int upTriangleHeight = 30;
    int upTriangleLength = 40;
    int vTriangleHeight = 30;
    int vTriangleLength = 40;

    friend bool operator==(const SizeParameters&, const SizeParameters&) = default;
};

// What a flowchart stores: its components, its colour and its pen width. A
// deep copy, kept by undo while the flowchart goes on changing.
struct OrganigrammeContent {
    std::vector<std::unique_ptr<CElement>> elements;
    Colour color = 0;
    int penWidth = 2;
};

// The content of a flowchart: its components in drawing order, and what new
// components get. Only the components, the colour and the pen width are stored
// in files; the rest starts from the defaults for every flowchart.
class COrganigramme {
public:
    using ElementList = std::vector<std::unique_ptr<CElement>>;

    // Returns the component, which now belongs to the flowchart.
    CElement* AddElement(std::unique_ptr<CElement> element);
    // Deletes the component; nothing happens for null.
    void DeleteElement(const CElement* element);
    void DeleteAllElements();

    // From the first drawn to the last.
    const ElementList& elements() const { return m_elements; }
    // The last added of the components whose enclosing rectangle holds `point`.
    CElement* elementAt(CPoint point) const;

    void Serialize(COrgArchive& ar);

    OrganigrammeContent content() const;
    // Takes a copy of `content`, which stays as it is.
    void setContent(const OrganigrammeContent& content);

    Colour color() const { return m_color; }
    void setColor(Colour colour) { m_color = colour; }
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width) { m_penWidth = width; }

    SizeParameters& sizes() { return m_sizes; }
    const SizeParameters& sizes() const { return m_sizes; }
    bool fixedSize() const { return m_fixedSize; }
    void setFixedSize(bool fixed) { m_fixedSize = fixed; }
    // Enlarging and reducing step, and the size under which nothing is reduced.
    int step() const { return m_step; }
    void setStep(int step) { m_step = step; }
    int minSize() const { return m_minSize; }
    void setMinSize(int minimum) { m_minSize = minimum; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

private:
    int m_penWidth = 2;
    Colour m_color = 0;
    int m_step = 10;
    int m_minSize = 5;
    ElementList m_elements;
    SizeParameters m_sizes;
    bool m_fixedSize = false;
    bool m_modified = false;
};
