#include "recognizer/ShapeGesture.h"

#include "recognizer/Features.h"

using namespace features;

double CShapeGesture::contextDegree(const CDessin&, Prototypes&) {
    return 1.0;
}

double CShapeCommand::evaluate(const CDessin& drawing) {
    m_degree = m_classRule ? m_classRule->degree(drawing) : 0.0;
    if (m_degree > 0.0)
        attach(drawing);
    else
        m_attached = nullptr;
    return m_degree;
}

void CShapeCommand::restore() {
    if (!m_backup)
        return;
    m_attached = m_backup->attachedDrawing();
    m_degree = m_backup->degree();
    m_backup.reset();
}

void CShapeCommand::copyStateTo(CShapeCommand& clone) const {
    clone.m_attached = m_attached;
    clone.m_degree = m_degree;
    clone.m_classRule.reset();
}

CShapeFigure::CShapeFigure(bool rotationInvariant)
    : m_dashedRule{{inkOverHullPerimeter, {0.2, 0.3, 0.83, 0.93}},
                   {hullPerimeterOverMeanStroke, {5, 10, kInfinity, kInfinity}}},
      m_solidRule{{inkOverHullPerimeter, {0.83, 0.93, kInfinity, kInfinity}}},
      m_openRule{{inkOverHullPerimeter, {0.2, 0.3, 0.83, 0.93}}},
      m_boldRule{{inkOverHullPerimeter, {1.5, 3, kInfinity, kInfinity}}},
      m_rotationInvariant(rotationInvariant) {}

double CShapeFigure::evaluate(const CDessin& drawing) {
    m_degree = m_classRule ? m_classRule->degree(drawing) : 0.0;
    m_dashed = m_bold = m_open = false;
    m_attached = nullptr;
    if (m_degree != 0.0) {
        attach(drawing);
        if (m_solidRule.degree(drawing) != 0.0) {
            m_bold = m_boldRule.degree(drawing) != 0.0;
        } else {
            m_degree *= m_dashedRule.degree(drawing);
            m_dashed = m_degree != 0.0;
        }
    }
    return m_degree;
}

void CShapeFigure::restore() {
    if (!m_backup)
        return;
    const auto& saved = static_cast<const CShapeFigure&>(*m_backup);
    // A member that was not attached before the backup must not keep pointing
    // at the temporary drawing it was evaluated on since.
    if (saved.m_attached)
        attach(*saved.m_attached);
    else
        m_attached = nullptr;
    m_dashed = saved.m_dashed;
    m_open = saved.m_open;
    m_bold = saved.m_bold;
    m_degree = saved.m_degree;
    m_backup.reset();
}

void CShapeFigure::copyStateTo(CShapeFigure& clone) const {
    clone.m_attached = m_attached;
    clone.m_degree = m_degree;
    clone.m_dashed = m_dashed;
    clone.m_bold = m_bold;
    clone.m_open = false;
    clone.m_classRule.reset();
}

CShapeGesture* firstAccepting(const CDessin& part, Prototypes& prototypes) {
    for (auto& prototype : prototypes) {
        prototype->backup();
        if (prototype->evaluate(part) != 0.0)
            return prototype.get();
    }
    return nullptr;
}

void restoreAll(Prototypes& prototypes) {
    for (auto& prototype : prototypes)
        prototype->restore();
}
