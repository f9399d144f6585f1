#pragma once

#include "recognizer/ShapeCommands.h"
#include "recognizer/ShapeFigures.h"

// Classifies a whole drawing into the shape and command family, without training.
class CShapeRecognizer {
public:
    explicit CShapeRecognizer(bool rotationInvariant = true, double threshold = 0.0);

    // Accepted members, best first (key 1 - degree); never empty. The elements
    // are this recogniser's own members: their state describes this drawing
    // until the next call.
    CSortedList<CShapeGesture*> recognize(const CDessin& drawing);

    const Prototypes& prototypes() const { return m_prototypes; }

private:
    Prototypes m_prototypes;
    double m_threshold;
    std::unique_ptr<CShapeUnknown> m_unknown;
    std::unique_ptr<CCommandTap> m_tap;
    CShapeArrow* m_arrow = nullptr;
};
