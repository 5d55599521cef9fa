// The product-form basis inverse against dense linear algebra done from scratch: after a
// factorization and after each basis exchange, ftran and btran must solve B x = v and u B = w
// for the basis as it stands.

#include "bridges/lp/BasisInverse.hpp"
#include "platform/Random.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

using LPLib::BasisInverse;

namespace {

// The test's sequence, restarted by each test from its seed.
Platform::Random g_random;

using Dense = std::vector<std::vector<double>>; // [row][column]

int randomIn(int lo, int hi) {
    return lo + g_random.Below(hi - lo + 1);
}

BasisInverse::Columns compress(const Dense& b) {
    BasisInverse::Columns columns;
    const std::size_t m = b.size();
    for (std::size_t j = 0; j < m; ++j) {
        for (std::size_t i = 0; i < m; ++i)
            if (b[i][j] != 0.0) {
                columns.index.push_back(static_cast<int>(i));
                columns.value.push_back(b[i][j]);
            }
        columns.start.push_back(columns.index.size());
    }
    return columns;
}

// Rank of b by Gaussian elimination with partial pivoting.
int rank(Dense b) {
    const std::size_t m = b.size();
    int r = 0;
    for (std::size_t col = 0; col < m && r < static_cast<int>(m); ++col) {
        auto pivot = static_cast<std::size_t>(r);
        for (std::size_t i = pivot + 1; i < m; ++i)
            if (std::abs(b[i][col]) > std::abs(b[pivot][col])) pivot = i;
        if (std::abs(b[pivot][col]) < 1e-9) continue;
        std::swap(b[pivot], b[static_cast<std::size_t>(r)]);
        for (std::size_t i = 0; i < m; ++i) {
            if (i == static_cast<std::size_t>(r)) continue;
            const double f = b[i][col] / b[static_cast<std::size_t>(r)][col];
            for (std::size_t c = col; c < m; ++c)
                b[i][c] -= f * b[static_cast<std::size_t>(r)][c];
        }
        ++r;
    }
    return r;
}

// Sparse random matrix: a shuffled triangular part (as network bases are) or a dense-ish one.
Dense randomMatrix(int m) {
    Dense b(static_cast<std::size_t>(m), std::vector<double>(static_cast<std::size_t>(m), 0.0));
    const bool triangular = g_random.Below(2) == 0;
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < m; ++j) {
            const bool allowed = !triangular || j <= i;
            if (allowed && (i == j || g_random.Below(3) == 0))
                b[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                    g_random.Below(4) == 0 ? randomIn(-3, 3) * 0.5 : (randomIn(0, 1) ? 1.0 : -1.0);
        }
    // Shuffle rows and columns so that the structure is not handed over in order.
    for (int k = m - 1; k > 0; --k) {
        std::swap(b[static_cast<std::size_t>(k)], b[static_cast<std::size_t>(g_random.Below(k + 1))]);
        const auto c = static_cast<std::size_t>(g_random.Below(k + 1));
        for (auto& row : b)
            std::swap(row[static_cast<std::size_t>(k)], row[c]);
    }
    return b;
}

void expectSolves(const BasisInverse& inverse, const Dense& b, const std::string& context) {
    const std::size_t m = b.size();
    for (std::size_t e = 0; e < m; ++e) {
        // B x = unit vector e
        std::vector<double> x(m, 0.0);
        x[e] = 1.0;
        inverse.ftran(x);
        for (std::size_t i = 0; i < m; ++i) {
            double sum = 0.0;
            for (std::size_t j = 0; j < m; ++j)
                sum += b[i][j] * x[j];
            ASSERT_NEAR(sum, i == e ? 1.0 : 0.0, 1e-9) << context << " ftran, unit " << e << ", row " << i;
        }
        // u B = unit vector e
        std::vector<double> u(m, 0.0);
        u[e] = 1.0;
        inverse.btran(u);
        for (std::size_t j = 0; j < m; ++j) {
            double sum = 0.0;
            for (std::size_t i = 0; i < m; ++i)
                sum += u[i] * b[i][j];
            ASSERT_NEAR(sum, j == e ? 1.0 : 0.0, 1e-9) << context << " btran, unit " << e << ", column " << j;
        }
    }
}

TEST(BasisInverse, SolvesWithTheBasisAfterFactorizationAndEveryExchange) {
    constexpr std::uint32_t kSeed = 4711;
    g_random.Seed(kSeed);
    const std::atomic<bool> noStop{false};
    int exchanges = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int m = randomIn(1, 9);
        Dense b = randomMatrix(m);
        if (rank(b) < m) continue;
        const std::string context = "seed " + std::to_string(kSeed) + " trial " + std::to_string(trial);
        BasisInverse inverse;
        ASSERT_EQ(inverse.factorize(compress(b), noStop), BasisInverse::Result::Ok) << context;
        expectSolves(inverse, b, context);
        if (HasFatalFailure()) return;
        for (int step = 0; step < 12; ++step) {
            std::vector<double> column(static_cast<std::size_t>(m), 0.0);
            for (double& v : column)
                v = g_random.Below(2) == 0 ? 0.0 : randomIn(-4, 4);
            std::vector<double> alpha = column;
            inverse.ftran(alpha);
            const auto p = static_cast<std::size_t>(g_random.Below(m));
            if (std::abs(alpha[p]) < 0.1) continue; // not a usable pivot
            inverse.update(static_cast<int>(p), alpha);
            for (std::size_t i = 0; i < b.size(); ++i)
                b[i][p] = column[i];
            ++exchanges;
            expectSolves(inverse, b, context + " after exchange " + std::to_string(step));
            if (HasFatalFailure()) return;
        }
        // A fresh factorization of the exchanged basis gives the same answers.
        ASSERT_EQ(inverse.factorize(compress(b), noStop), BasisInverse::Result::Ok) << context;
        EXPECT_EQ(inverse.updateCount(), 0);
        expectSolves(inverse, b, context + " refactorized");
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(exchanges, 500);
}

TEST(BasisInverse, SingularBasesAreRecognised) {
    const std::atomic<bool> noStop{false};
    const Dense cases[] = {
        {{0.0}},
        {{1, 2}, {2, 4}},                     // dependent columns
        {{1, 0, 1}, {0, 1, 1}, {0, 0, 0}},    // a zero row
        {{1, 1, 0}, {1, 1, 0}, {0, 0, 1}},    // two equal rows
        {{1, -1, 0}, {-1, 0, 1}, {0, 1, -1}}, // a cycle of a network: rows add up to zero
    };
    for (const Dense& b : cases) {
        BasisInverse inverse;
        EXPECT_EQ(inverse.factorize(compress(b), noStop), BasisInverse::Result::Singular) << b.size();
    }
}

TEST(BasisInverse, StopRequestEndsTheElimination) {
    const std::atomic<bool> stop{true};
    // Dense enough that elimination, not the triangular pass, has to do the work.
    const Dense b = {{1, 2, 3}, {2, 1, 3}, {3, 2, 1}};
    BasisInverse inverse;
    EXPECT_EQ(inverse.factorize(compress(b), stop), BasisInverse::Result::Stopped);
}

} // namespace
