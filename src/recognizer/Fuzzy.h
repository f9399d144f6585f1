#pragma once

#include "recognizer/IndexedList.h"

class CDessin;

// 1e30 stands for infinity in the abscissas of the fuzzy sets.
constexpr double kInfinity = 1e30;

// Trapezoid over (a, b, c, d): 0 outside [a, d], 1 on [b, c], linear between.
class CFuzzySet {
public:
    CFuzzySet(double a, double b, double c, double d);

    double membership(double x) const;

    double coreStart() const { return m_b; }
    double coreEnd() const { return m_c; }
    double leftWidth() const { return m_b - m_a; }
    double rightWidth() const { return m_d - m_c; }

private:
    double m_a, m_b, m_c, m_d;
};

using Feature = double (*)(const CDessin&);

struct CFuzzyCondition {
    Feature feature = nullptr;
    CFuzzySet set;
};

// A conjunction of conditions: the smallest membership, 0 as soon as one is 0.
class CFuzzyRule {
public:
    CFuzzyRule() = default;
    CFuzzyRule(std::initializer_list<CFuzzyCondition> conditions);

    void add(const CFuzzyCondition& condition) { m_conditions.append(condition); }
    int conditionCount() const { return m_conditions.count(); }
    double degree(const CDessin& drawing) const;

private:
    CIndexedList<CFuzzyCondition> m_conditions;
};
