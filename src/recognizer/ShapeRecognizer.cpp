#include "recognizer/ShapeRecognizer.h"

#include <algorithm>

namespace {
constexpr double kTapLength = 10.0;
}

CShapeRecognizer::CShapeRecognizer(bool rotationInvariant, double threshold)
    : m_threshold(threshold), m_unknown(std::make_unique<CShapeUnknown>()),
      m_tap(std::make_unique<CCommandTap>()) {
    m_prototypes.append(std::make_unique<CCommandDelete>());
    m_prototypes.append(std::make_unique<CCommandWavyLine>());
    m_prototypes.append(std::make_unique<CCommandCopy>());
    m_prototypes.append(std::make_unique<CCommandMove>());
    m_prototypes.append(std::make_unique<CCommandCross>());
    m_prototypes.append(std::make_unique<CShapeLine>(rotationInvariant));
    m_prototypes.append(std::make_unique<CShapeTriangle>(rotationInvariant));
    m_prototypes.append(std::make_unique<CShapeRectangle>(rotationInvariant));
    m_prototypes.append(std::make_unique<CShapeCircle>(rotationInvariant));
    m_prototypes.append(std::make_unique<CShapeEllipse>(rotationInvariant));
    m_prototypes.append(std::make_unique<CShapeDiamond>(rotationInvariant));
    auto arrow = std::make_unique<CShapeArrow>(rotationInvariant);
    m_arrow = arrow.get();
    m_prototypes.append(std::move(arrow));
}

CSortedList<CShapeGesture*> CShapeRecognizer::recognize(const CDessin& drawing) {
    CSortedList<CShapeGesture*> results(true);
    // Members still attached to an earlier drawing must not be re-attached to it
    // by the context checks' restore.
    for (auto& prototype : m_prototypes) {
        prototype->resetDegree();
        prototype->detach();
    }
    m_arrow->forgetShaft();

    if (drawing.totalLength() < kTapLength) {
        m_tap->attach(drawing);
        results.insert(m_tap.get(), 1.0);
        return results;
    }
    for (auto& prototype : m_prototypes) {
        double d = prototype->evaluate(drawing);
        if (d > m_threshold) {
            d = std::min(d, prototype->contextDegree(drawing, m_prototypes));
            if (d > m_threshold)
                results.insert(prototype.get(), 1.0 - d);
        }
    }
    if (results.empty()) {
        m_unknown->attach(drawing);
        results.insert(m_unknown.get(), 1.0);
    }
    return results;
}
