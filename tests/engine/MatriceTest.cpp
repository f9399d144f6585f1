#include "engine/Ensemble.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Rows = std::vector<std::vector<double>>;

Rows product(const Rows& a, const Rows& b) {
    const std::size_t n = a.size();
    Rows p(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t j = 0; j < n; ++j)
                p[i][j] += a[i][k] * b[k][j];
    return p;
}

double largestMagnitude(const Rows& m) {
    double largest = 0.0;
    for (const auto& row : m)
        for (double v : row)
            largest = std::max(largest, std::fabs(v));
    return largest;
}

} // namespace

// Singular or not, the inverse is finite and is the Moore-Penrose inverse P of
// A: A P A = A, P A P = P, and A P, P A symmetric; for a non-singular matrix
// that is the ordinary inverse.
TEST(Matrice, InverseIsTheMoorePenroseInverseAndRowChecks) {
    const struct {
        Rows a;
        double tolerance;
    } cases[] = {{{{2, 0, 0, 0}, {0, 4, 0, 0}, {0, 0, 0.5, 0}, {0, 0, 0, -8}}, 0},
                 {{{1, 2, 3}, {2, 4, 6}, {1, 0, 1}}, 1e-9},
                 // Two equal features, one constant but for rounding noise, one large.
                 {{{1, 1, 0, 3}, {1, 1, 0, 3}, {0, 0, 1e-17, 0}, {3, 3, 0, 250000}}, 1e-8}};
    for (const auto& c : cases) {
        std::vector<double> values;
        for (const auto& row : c.a)
            values.insert(values.end(), row.begin(), row.end());
        CMatrice m(static_cast<int>(c.a.size()), values);
        m.inverser();
        Rows p = c.a;
        for (int i = 0; i < m.ordre(); ++i)
            for (int j = 0; j < m.ordre(); ++j)
                ASSERT_TRUE(std::isfinite(p[i][j] = m.inverse(i, j)));
        const Rows ap = product(c.a, p), pa = product(p, c.a);
        const Rows apa = product(ap, c.a), pap = product(pa, p);
        const double scaleA = c.tolerance * largestMagnitude(c.a);
        const double scaleP = c.tolerance * largestMagnitude(p);
        for (std::size_t i = 0; i < c.a.size(); ++i)
            for (std::size_t j = 0; j < c.a.size(); ++j) {
                SCOPED_TRACE(testing::Message() << c.a.size() << " [" << i << "][" << j << "]");
                ASSERT_NEAR(apa[i][j], c.a[i][j], scaleA);
                ASSERT_NEAR(pap[i][j], p[i][j], scaleP);
                ASSERT_NEAR(ap[i][j], ap[j][i], 10 * c.tolerance);
                ASSERT_NEAR(pa[i][j], pa[j][i], 10 * c.tolerance);
            }
        if (c.tolerance == 0) {
            EXPECT_EQ(std::vector({p[0][0], p[1][1], p[2][2], p[3][3], p[0][1]}),
                      std::vector({0.5, 0.25, 2.0, -0.125, 0.0}));
        }
    }
    EXPECT_EQ(
        std::vector({CMatrice(2, {1, 2, 0, 0}).aLigneNulle(),
                     CMatrice(2, {1, 0, 0, -0.0001}).aLigneNulle(), CMatrice(13).aLigneNulle(),
                     CMatrice(3, {3, 3, 3, 3, 3, 3, 3, 3, 3}).lignesToutesEgales(),
                     CMatrice(3, {3, 3, 3, 3, 3, 3, 3, 3, 4}).lignesToutesEgales()}),
        std::vector({true, false, true, true, false}));
}
