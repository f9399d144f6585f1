#pragma once

#include "generator/DrawingGenerator.h"

#include <string_view>

// One natural way of drawing each member of the rule-based recogniser's family.
enum class FamilyKind {
    Line,
    Triangle,
    Rectangle,
    Circle,
    Ellipse,
    Diamond,
    Arrow,
    Cross,
    Delete,
    WavyLine,
    Copy,
    Move,
    Tap,
};

inline constexpr FamilyKind kFamilyKinds[] = {
    FamilyKind::Line,    FamilyKind::Triangle, FamilyKind::Rectangle, FamilyKind::Circle,
    FamilyKind::Ellipse, FamilyKind::Diamond,  FamilyKind::Arrow,     FamilyKind::Cross,
    FamilyKind::Delete,  FamilyKind::WavyLine, FamilyKind::Copy,      FamilyKind::Move,
    FamilyKind::Tap,
};

// The member's name as the recogniser reports it ("Line", "Arrow", ...).
std::string_view familyName(FamilyKind kind);

// Paths of one drawing of `kind`, about `size` pixels across, centred on `centre`
// and turned by `rotation`; proportions, start point and overshoot vary with `g`.
std::vector<Path> familyGesture(FamilyKind kind, DrawingGenerator& g, Vec2 centre, double size,
                                double rotation);
