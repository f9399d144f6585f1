#pragma once

#include "recognizer/Dessin.h"
#include "recognizer/Fuzzy.h"

#include <memory>
#include <string_view>

class CShapeGesture;
using Prototypes = CIndexedList<std::unique_ptr<CShapeGesture>>;

// A member of the family that the rule-based recogniser knows. Its state
// (degree, attached drawing, attributes, geometry) is that of the latest
// evaluation and is overwritten by the next one.
class CShapeGesture {
public:
    virtual ~CShapeGesture() = default;

    virtual std::string_view name() const = 0;
    virtual std::string_view category() const = 0;
    // Same state, no class rule.
    virtual std::unique_ptr<CShapeGesture> clone() const = 0;
    virtual double evaluate(const CDessin& drawing) = 0;
    // A second degree for members whose acceptance depends on parts of the drawing.
    virtual double contextDegree(const CDessin& drawing, Prototypes& prototypes);
    // Records the drawing and the geometry that clients read.
    virtual void attach(const CDessin& drawing) { m_attached = &drawing; }
    virtual void restore() = 0;

    double degree() const { return m_degree; }
    const CDessin* attachedDrawing() const { return m_attached; }
    bool hasClassRule() const { return m_classRule != nullptr; }
    void resetDegree() { m_degree = 0.0; }
    void detach() { m_attached = nullptr; }
    void backup() { m_backup = clone(); }

protected:
    CShapeGesture() = default;

    const CDessin* m_attached = nullptr;
    std::unique_ptr<CFuzzyRule> m_classRule;
    double m_degree = 0.0;
    std::unique_ptr<CShapeGesture> m_backup;
};

class CShapeCommand : public CShapeGesture {
public:
    std::string_view category() const override { return "Command"; }
    double evaluate(const CDessin& drawing) override;
    void restore() override;

protected:
    void copyStateTo(CShapeCommand& clone) const;
};

class CShapeFigure : public CShapeGesture {
public:
    std::string_view category() const override { return "Shape"; }
    double evaluate(const CDessin& drawing) override;
    void restore() override;

    bool isDashed() const { return m_dashed; }
    bool isBold() const { return m_bold; }
    bool isOpen() const { return m_open; }
    bool isRotationInvariant() const { return m_rotationInvariant; }

protected:
    explicit CShapeFigure(bool rotationInvariant);
    // Attached drawing, degree, Dashed and Bold; a clone is never Open.
    void copyStateTo(CShapeFigure& clone) const;

    CFuzzyRule m_dashedRule;
    CFuzzyRule m_solidRule;
    CFuzzyRule m_openRule;
    CFuzzyRule m_boldRule;
    bool m_dashed = false;
    bool m_bold = false;
    bool m_open = false;
    bool m_rotationInvariant;
};

// Backs up and evaluates the prototypes in order on `part` until one accepts it;
// the caller restores them all with restoreAll().
CShapeGesture* firstAccepting(const CDessin& part, Prototypes& prototypes);
void restoreAll(Prototypes& prototypes);
