#include "recognizer/Fuzzy.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

CFuzzySet::CFuzzySet(double a, double b, double c, double d) : m_a(a), m_b(b), m_c(c), m_d(d) {
    if (b > c || b - a < 0 || d - c < 0) {
        std::fprintf(stderr, "CFuzzySet(%g, %g, %g, %g): invalid trapezoid\n", a, b, c, d);
        std::abort();
    }
}

double CFuzzySet::membership(double x) const {
    if (x < m_a || x > m_d)
        return 0.0;
    if (m_b <= x && x <= m_c)
        return 1.0;
    if (m_c < x)
        return 1.0 - (x - m_c) / (m_d - m_c);
    if (x >= m_a)
        return 1.0 + (x - m_b) / (m_b - m_a);
    return 0.0;
}

CFuzzyRule::CFuzzyRule(std::initializer_list<CFuzzyCondition> conditions) {
    for (const CFuzzyCondition& c : conditions)
        m_conditions.append(c);
}

double CFuzzyRule::degree(const CDessin& drawing) const {
    double degree = 1.0;
    for (const CFuzzyCondition& condition : m_conditions) {
        const double membership =
            condition.feature ? condition.set.membership(condition.feature(drawing)) : 0.0;
        degree = std::min(degree, membership);
        if (degree == 0.0)
            break;
    }
    return degree;
}
