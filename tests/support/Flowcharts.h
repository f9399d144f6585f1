#pragma once

#include "flowchart/Elements.h"
#include "flowchart/Organigramme.h"
#include "support/Drawings.h"

// One component of every kind code around (x, y), in varied colours and pen
// widths, some at fixed sizes and some at their gesture's size: 19 components.
inline void addEveryKind(COrganigramme& org, int x, int y) {
    const CRect g{x, y, x + 61, y + 81};
    org.AddElement(std::make_unique<CLigne>(0x0000FF, 1, g, 51, Axis::Horizontal));
    org.AddElement(std::make_unique<CLigne>(0x00FF00, 2, g, Axis::Vertical));
    org.AddElement(std::make_unique<CRectangle>(0xFF0000, 3, g));
    org.AddElement(std::make_unique<CRectangle>(0x123456, 1, g, 80, 150));
    org.AddElement(std::make_unique<CTriangle>(0, 2, g, 30, 40, Apex::Up));
    org.AddElement(std::make_unique<CTriangle>(0, 2, g, Apex::Down));
    org.AddElement(std::make_unique<CCarre>(0xABCDEF, 4, g));
    org.AddElement(std::make_unique<CLosange>(0, 1, g, 80, 150));
    org.AddElement(std::make_unique<CCercle>(0x00FFFF, 2, g, 40));
    org.AddElement(std::make_unique<CEllipse>(0, 2, g));
    org.AddElement(std::make_unique<CEllipse>(0, 2, g, 100, 50));
    org.AddElement(std::make_unique<CCroix>(0, 5, g, 40));
    org.AddElement(std::make_unique<CFleche>(0, 2, g, Axis::Horizontal, Head::Forward));
    org.AddElement(std::make_unique<CFleche>(0, 2, g, 50, 8, 12, Axis::Horizontal, Head::Backward));
    org.AddElement(std::make_unique<CFleche>(0, 2, g, 50, 8, 12, Axis::Vertical, Head::Forward));
    org.AddElement(std::make_unique<CFleche>(0, 2, g, Axis::Vertical, Head::Backward));
    org.AddElement(
        std::make_unique<CTexte>(0x0000FF, "Times New Roman", 14, g, "Début « été » 5 €"));
    org.AddElement(std::make_unique<CTexte>(0, "Verdana", 8, CRect{x, y, x, y}, ""));
    org.AddElement(std::make_unique<CInconnu>(
        0, 2, g, *drawingOf({{{x, y}, {x + 30, y + 40}}, {{x + 61, y}, {x, y + 81}}})));
}
