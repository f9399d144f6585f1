#pragma once

#include "recognizer/ShapeGesture.h"

#include <array>

class CCommandDelete : public CShapeCommand {
public:
    CCommandDelete();
    std::string_view name() const override { return "Delete"; }
    std::unique_ptr<CShapeGesture> clone() const override;
};

class CCommandWavyLine : public CShapeCommand {
public:
    CCommandWavyLine();
    std::string_view name() const override { return "WavyLine"; }
    std::unique_ptr<CShapeGesture> clone() const override;
};

class CCommandCopy : public CShapeCommand {
public:
    CCommandCopy();
    std::string_view name() const override { return "Copy"; }
    std::unique_ptr<CShapeGesture> clone() const override;
};

class CCommandMove : public CShapeCommand {
public:
    CCommandMove();
    std::string_view name() const override { return "Move"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    const std::array<CInkPoint, 3>& vertices() const { return m_vertices; }

private:
    std::array<CInkPoint, 3> m_vertices;
};

// Two straight strokes whose chords cross.
class CCommandCross : public CShapeCommand {
public:
    CCommandCross();
    std::string_view name() const override { return "Cross"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    double contextDegree(const CDessin& drawing, Prototypes& prototypes) override;
};

// A drawing too short to be anything else.
class CCommandTap : public CShapeCommand {
public:
    CCommandTap() = default;
    std::string_view name() const override { return "Tap"; }
    std::unique_ptr<CShapeGesture> clone() const override;
    void attach(const CDessin& drawing) override;
    const CInkPoint& point() const { return m_point; }

private:
    CInkPoint m_point;
};

bool chordsCross(const CStroke& first, const CStroke& second);
