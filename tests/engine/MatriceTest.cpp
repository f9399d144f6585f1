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

Rows rowsOf(const CMatrice& m, double (CMatrice::*element)(int, int) const) {
    Rows rows(m.ordre(), std::vector<double>(m.ordre()));
    for (int i = 0; i < m.ordre(); ++i)
        for (int j = 0; j < m.ordre(); ++j)
            rows[i][j] = (m.*element)(i, j);
    return rows;
}

Rows valuesOf(const CMatrice& m) {
    return rowsOf(m, &CMatrice::valeur);
}
Rows inverseOf(const CMatrice& m) {
    return rowsOf(m, &CMatrice::inverse);
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

void expectNear(const Rows& actual, const Rows& expected, double tolerance) {
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (std::size_t j = 0; j < expected.size(); ++j)
            EXPECT_NEAR(actual[i][j], expected[i][j], tolerance) << "[" << i << "][" << j << "]";
}

double largestMagnitude(const Rows& m) {
    double largest = 0.0;
    for (const auto& row : m)
        for (double v : row)
            largest = std::max(largest, std::fabs(v));
    return largest;
}

} // namespace

TEST(Inverser, DiagonalGivesReciprocals) {
    CMatrice m = matrixOf({{2, 0, 0, 0}, {0, 4, 0, 0}, {0, 0, 0.5, 0}, {0, 0, 0, -8}});
    m.inverser();
    expectNear(inverseOf(m), {{0.5, 0, 0, 0}, {0, 0.25, 0, 0}, {0, 0, 2, 0}, {0, 0, 0, -0.125}}, 0);
}

// A singular matrix gets its Moore-Penrose inverse: A A+ A = A, A+ A A+ = A+,
// and A A+, A+ A symmetric.
TEST(Inverser, SingularMatrixGivesThePseudoInverse) {
    CMatrice m = matrixOf({{1, 2, 3}, {2, 4, 6}, {1, 0, 1}});
    m.inverser();
    const Rows a = valuesOf(m), p = inverseOf(m);
    expectNear(product(product(a, p), a), a, 1e-9);
    expectNear(product(product(p, a), p), p, 1e-9);
    const Rows ap = product(a, p), pa = product(p, a);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(ap[i][j], ap[j][i], 1e-9);
            EXPECT_NEAR(pa[i][j], pa[j][i], 1e-9);
        }
}

// A covariance of 13 features where two features are equal in every example
// (f9 = f10 when every turn goes one way) and one is constant but for rounding
// noise: the inverse stays finite and still satisfies A A+ A = A.
TEST(Inverser, CovarianceWithDependentFeatures) {
    std::mt19937 random(5);
    std::normal_distribution<double> normal;
    std::vector<std::vector<double>> samples(30, std::vector<double>(13));
    for (auto& f : samples) {
        for (double& v : f)
            v = normal(random);
        f[9] = f[8];
        f[12] = 1e-17 * normal(random);
        f[7] *= 500;
    }
    Rows cov(13, std::vector<double>(13, 0.0));
    for (const auto& f : samples)
        for (int i = 0; i < 13; ++i)
            for (int j = 0; j < 13; ++j)
                cov[i][j] += f[i] * f[j] / 29;
    CMatrice m = matrixOf(cov);
    m.inverser();
    const Rows p = inverseOf(m);
    for (const auto& row : p)
        for (double v : row)
            ASSERT_TRUE(std::isfinite(v));
    expectNear(product(product(cov, p), cov), cov, 1e-8 * largestMagnitude(cov));
    expectNear(product(product(p, cov), p), p, 1e-8 * largestMagnitude(p));
}

// For a well-conditioned matrix the result is the ordinary inverse.
TEST(Inverser, NonSingularGivesTheOrdinaryInverse) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> uniform(-1, 1);
    Rows a(13, std::vector<double>(13));
    for (int i = 0; i < 13; ++i)
        for (int j = 0; j < 13; ++j)
            a[i][j] = uniform(random) + (i == j ? 13 : 0);
    CMatrice m = matrixOf(a);
    m.inverser();
    Rows identity(13, std::vector<double>(13, 0.0));
    for (int i = 0; i < 13; ++i)
        identity[i][i] = 1.0;
    expectNear(product(a, inverseOf(m)), identity, 1e-12);
    expectNear(product(inverseOf(m), a), identity, 1e-12);
}

TEST(Matrice, RowChecks) {
    EXPECT_TRUE(matrixOf({{1, 2}, {0, 0}}).aLigneNulle());
    EXPECT_FALSE(matrixOf({{1, 0}, {0, -0.0001}}).aLigneNulle());
    EXPECT_TRUE(matrixOf({{3, 3, 3}, {3, 3, 3}, {3, 3, 3}}).lignesToutesEgales());
    EXPECT_FALSE(matrixOf({{3, 3, 3}, {3, 3, 3}, {3, 3, 4}}).lignesToutesEgales());
    EXPECT_TRUE(CMatrice(13).aLigneNulle());
}
