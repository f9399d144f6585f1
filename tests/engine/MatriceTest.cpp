#include "engine/Ensemble.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using Rows = std::vector<std::vector<double>>;

CMatrice matrixOf(const Rows& rows) {
    std::vector<double> values;
    for (const auto& row : rows)
        values.insert(values.end(), row.begin(), row.end());
    return CMatrice(static_cast<int>(rows.size()), values);
}

Rows product(const Rows& a, const Rows& b) {
    const std::size_t n = a.size();
    Rows p(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t j = 0; j < n; ++j)
                p[i][j] += a[i][k] * b[k][j];
    return p;
}

Rows transposed(const Rows& a) {
    Rows t = a;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < a.size(); ++j)
            t[i][j] = a[j][i];
    return t;
}

double largestMagnitude(const Rows& m) {
    double largest = 0.0;
    for (const auto& row : m)
        for (double v : row)
            largest = std::max(largest, std::fabs(v));
    return largest;
}

void expectNear(const Rows& actual, const Rows& expected, double tolerance) {
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (std::size_t j = 0; j < expected.size(); ++j)
            ASSERT_NEAR(actual[i][j], expected[i][j], tolerance) << "[" << i << "][" << j << "]";
}

Rows randomRows(std::uint32_t seed, double diagonal) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(-1, 1);
    Rows a(13, std::vector<double>(13));
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j)
            a[i][j] = uniform(random) + (i == j ? diagonal : 0);
    return a;
}

// A covariance of 13 features where two features are equal in every example
// (f9 = f10 when every turn goes one way) and one is constant but for rounding
// noise.
Rows dependentCovariance() {
    std::mt19937 random(5);
    std::normal_distribution<double> normal;
    Rows samples(30, std::vector<double>(13)), cov(13, std::vector<double>(13, 0.0));
    for (auto& f : samples) {
        for (double& v : f)
            v = normal(random);
        f[9] = f[8];
        f[12] = 1e-17 * normal(random);
        f[7] *= 500;
        for (int i = 0; i < 13; ++i)
            for (int j = 0; j < 13; ++j)
                cov[i][j] += f[i] * f[j] / 29;
    }
    return cov;
}

} // namespace

// Singular or not, the inverse is finite and is the Moore-Penrose inverse P of
// A: A P A = A, P A P = P, and A P, P A symmetric; for a non-singular matrix
// that is the ordinary inverse.
TEST(Matrice, InverseIsTheMoorePenroseInverse) {
    const struct {
        Rows a;
        double tolerance;
    } cases[] = {{{{2, 0, 0, 0}, {0, 4, 0, 0}, {0, 0, 0.5, 0}, {0, 0, 0, -8}}, 0},
                 {{{1, 2, 3}, {2, 4, 6}, {1, 0, 1}}, 1e-9},
                 {dependentCovariance(), 1e-8},
                 {randomRows(11, 13), 1e-12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a.size());
        CMatrice m = matrixOf(c.a);
        m.inverser();
        Rows p = c.a;
        for (int i = 0; i < m.ordre(); ++i)
            for (int j = 0; j < m.ordre(); ++j)
                ASSERT_TRUE(std::isfinite(p[i][j] = m.inverse(i, j)));
        const Rows ap = product(c.a, p), pa = product(p, c.a);
        expectNear(product(ap, c.a), c.a, c.tolerance * largestMagnitude(c.a));
        expectNear(product(pa, p), p, c.tolerance * largestMagnitude(p));
        expectNear(ap, transposed(ap), 10 * c.tolerance);
        expectNear(pa, transposed(pa), 10 * c.tolerance);
    }
    CMatrice diagonal = matrixOf(cases[0].a);
    diagonal.inverser();
    EXPECT_EQ(std::vector({diagonal.inverse(0, 0), diagonal.inverse(1, 1), diagonal.inverse(2, 2),
                           diagonal.inverse(3, 3), diagonal.inverse(0, 1)}),
              std::vector({0.5, 0.25, 2.0, -0.125, 0.0}));
}

TEST(Matrice, RowChecks) {
    EXPECT_TRUE(matrixOf({{1, 2}, {0, 0}}).aLigneNulle());
    EXPECT_FALSE(matrixOf({{1, 0}, {0, -0.0001}}).aLigneNulle());
    EXPECT_TRUE(matrixOf({{3, 3, 3}, {3, 3, 3}, {3, 3, 3}}).lignesToutesEgales());
    EXPECT_FALSE(matrixOf({{3, 3, 3}, {3, 3, 3}, {3, 3, 4}}).lignesToutesEgales());
    EXPECT_TRUE(CMatrice(13).aLigneNulle());
}
