// Counting every n-queens solution with the complete search, on the model the workbench's
// queens template produces: rows pairwise different, and for each pair of rows the induced
// difference Row[i] - Row[j] avoids i - j and j - i. Reports search nodes per second (decision
// and induced labellings) and checks the solution count.

#include "complete/CSP.hpp"
#include "complete/GFC.hpp"
#include "complete/GFCStats.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/constraints/AllDifferent.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "complete/induced/MinusOp.hpp"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace GFCLib;

namespace {

const int kSolutions[] = {1, 0, 0, 2, 10, 4, 40, 92, 352, 724, 2680, 14200, 73712};

void Post(CSP* csp, Constraint* c) {
    csp->GetConstraints().push_back(c);
    c->Attach();
}

// globalRows: the rows differ by one AllDifferent instead of pairwise disequalities.
CSP* BuildQueens(int n, bool globalRows) {
    auto* csp = new CSP();
    IntDomainSpec::CreateRange("Column", 0, n - 1);
    std::vector<IntVar*> rows;
    for (int i = 0; i < n; ++i) {
        rows.push_back(new IntVar(("Row" + std::to_string(i)).c_str(), "Column"));
        csp->AddVariable(rows.back());
    }
    if (globalRows) {
        auto* all = new AllDifferent();
        all->Init(rows);
        Post(csp, all);
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            if (!globalRows) Post(csp, new NotEqual(rows[i], rows[j]));
            auto* diff = new MinusOp();
            diff->ComputeDomain(rows[i], rows[j]);
            csp->AddVariable(diff);
            for (int d : {i - j, j - i}) {
                auto* c = new Value(d);
                csp->GetValues().push_back(c);
                Post(csp, new NotEqual(diff, c));
            }
        }
    return csp;
}

void CountQueens(benchmark::State& state, int ordering, bool globalRows) {
    const int n = static_cast<int>(state.range(0));
    double nodes = 0;
    long long solutions = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ReleaseGlobals();
        CSP* csp = BuildQueens(n, globalRows);
        GFCStats stats;
        auto* search = new GFC(csp, &stats, false);
        search->SetParameter(1, ordering);
        state.ResumeTiming();
        solutions = 0;
        while (search->FindNextSolution())
            ++solutions;
        state.PauseTiming();
        nodes += static_cast<double>(stats.GetNodes()) + stats.GetInducedNodes();
        delete search;
        delete csp;
        ReleaseGlobals();
        state.ResumeTiming();
    }
    if (solutions != kSolutions[n - 1]) state.SkipWithError("wrong number of solutions");
    state.counters["solutions"] = static_cast<double>(solutions);
    state.counters["nodes/s"] = benchmark::Counter(nodes, benchmark::Counter::kIsRate);
}

void BM_QueensNatural(benchmark::State& state) { CountQueens(state, 0, false); }
void BM_QueensSmallestDomain(benchmark::State& state) { CountQueens(state, 2, false); }
void BM_QueensAllDifferentRows(benchmark::State& state) { CountQueens(state, 2, true); }

} // namespace

BENCHMARK(BM_QueensNatural)->DenseRange(8, 12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueensSmallestDomain)->DenseRange(8, 12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueensAllDifferentRows)->DenseRange(8, 12)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
