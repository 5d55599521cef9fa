// The complete-search bridge on n-queens in its pairwise form (a queen per column, two
// disequalities per pair of columns over induced differences), as the parser produces it:
// translation alone, and translation plus the first solution by smallest-domain search.

#include "bridges/AlgParams.hpp"
#include "bridges/RawGFCSolver.hpp"
#include "language/RawParser.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace TavLanguage;
using namespace TavBridges;

namespace {

std::string Queens(int n) {
    const std::string last = std::to_string(n - 1);
    return "problem: queens { domains { intdom rows = [0, " + last + "]; } variables { intvar q[" +
           std::to_string(n) + "] :: rows; } constraints { alldifferent(q); forall(i in [0.." + last +
           "], j in [0.." + last + "], i < j) { q[i] - q[j] <> j - i; q[j] - q[i] <> j - i; } } }";
}

std::unique_ptr<RawCSP> Parse(int n) {
    auto problem = std::make_unique<RawCSP>();
    if (!ParseCSPText(Queens(n), nullptr, problem.get()).IsOk()) return nullptr;
    return problem;
}

AlgParams SmallestDomain() {
    AlgParams params = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
    params.SetParameter(1, 2);
    params.SetParameter(2, 0);
    params.SetParameter(3, 0);
    return params;
}

void BM_GFCTranslateQueens(benchmark::State& state) {
    auto problem = Parse(static_cast<int>(state.range(0)));
    if (!problem) {
        state.SkipWithError("parse failed");
        return;
    }
    const AlgParams params = SmallestDomain();
    for (auto _ : state) {
        RawGFCSolver solver(problem.get(), &params);
        benchmark::DoNotOptimize(&solver);
    }
}
BENCHMARK(BM_GFCTranslateQueens)->Arg(20)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_GFCFirstSolutionQueens(benchmark::State& state) {
    auto problem = Parse(static_cast<int>(state.range(0)));
    if (!problem) {
        state.SkipWithError("parse failed");
        return;
    }
    const AlgParams params = SmallestDomain();
    for (auto _ : state) {
        RawGFCSolver solver(problem.get(), &params);
        if (!solver.Solve()) state.SkipWithError("no solution");
    }
}
BENCHMARK(BM_GFCFirstSolutionQueens)->Arg(20)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace
