// The simplex on balanced transportation problems of k sources x k destinations, written as
// the workbench's wizard writes them: one equality row per source and per destination.

#include "bridges/lp/LPSolver.hpp"
#include "platform/Random.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// The sequence the problems are drawn from, restarted from each problem's seed.
Platform::Random g_random;

struct Transportation {
    int n = 0;
    std::vector<std::unique_ptr<LPLib::LPConstraint>> rows;
    LPLib::LPObjective objective;
};

Transportation generate(int k, std::uint32_t seed) {
    g_random.Seed(seed);
    std::vector<int> supply(static_cast<std::size_t>(k)), demand(static_cast<std::size_t>(k), 0);
    int total = 0;
    for (int& s : supply)
        total += (s = 10 + g_random.Below(91));
    for (int unit = 0; unit < total; ++unit)
        ++demand[static_cast<std::size_t>(g_random.Below(k))];

    Transportation t;
    t.n = k * k;
    for (int i = 0; i < k; ++i) {
        LPLib::CVector row(t.n);
        for (int j = 0; j < k; ++j)
            row[i * k + j] = 1.0;
        t.rows.push_back(
            std::make_unique<LPLib::LPConstraint>(row, '=', supply[static_cast<std::size_t>(i)]));
    }
    for (int j = 0; j < k; ++j) {
        LPLib::CVector row(t.n);
        for (int i = 0; i < k; ++i)
            row[i * k + j] = 1.0;
        t.rows.push_back(
            std::make_unique<LPLib::LPConstraint>(row, '=', demand[static_cast<std::size_t>(j)]));
    }
    LPLib::CVector cost(t.n);
    for (int v = 0; v < t.n; ++v)
        cost[v] = 1 + g_random.Below(50);
    t.objective = LPLib::LPObjective(cost, true);
    return t;
}

void BM_TransportationSimplex(benchmark::State& state) {
    const Transportation t = generate(static_cast<int>(state.range(0)), 4242);
    std::vector<const LPLib::LPConstraint*> rows;
    for (const auto& row : t.rows)
        rows.push_back(row.get());
    long pivots = 0;
    for (auto _ : state) {
        LPLib::LPSolver solver;
        solver.Setup(rows, t.n, t.objective);
        if (!solver.Solve()) state.SkipWithError(solver.message().c_str());
        pivots = solver.pivotCount();
        benchmark::DoNotOptimize(solver.GetObjectiveValue());
    }
    state.counters["pivots"] = static_cast<double>(pivots);
}

BENCHMARK(BM_TransportationSimplex)->Arg(10)->Arg(40)->Arg(100)->Arg(150)->Unit(benchmark::kMillisecond);

} // namespace
