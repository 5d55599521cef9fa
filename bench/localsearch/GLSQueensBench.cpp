// Guided local search on n queens (pairwise <> over rows and both diagonals): time to the
// first solution from a random start (set-up of the tables included) and moves per second,
// for both engines, with delta update on and off, with and without approximate evaluation.
// Arguments: n, delta update, approximate evaluation.

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "localsearch/glsnds/GLS_NDS.hpp"

#include <benchmark/benchmark.h>

#include <memory>

#include <sstream>
#include <string>
#include <vector>

using namespace GLSLib;

namespace {

void BuildQueens(GLSCSP& p, int n) {
    std::vector<IntVar*> q;
    for (int i = 0; i < n; ++i) {
        q.push_back(new IntVar(("q" + std::to_string(i)).c_str(), new IntRangeDom("d", 0, n - 1)));
        p.AddVariable(q.back());
    }
    auto post = [&](Con* c) {
        c->Post();
        p.AddConstraint(c);
    };
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            IntVar* a = q[static_cast<unsigned>(i)];
            IntVar* b = q[static_cast<unsigned>(j)];
            post(new NotEquals(a, b));
            post(new NotEquals(new PlusOp(a, new IntVal(i)), new PlusOp(b, new IntVal(j))));
            post(new NotEquals(new MinusOp(a, new IntVal(i)), new MinusOp(b, new IntVal(j))));
        }
}

// The moves counter of the statistics' one-line record (its fifth field).
double Moves(const GLSStats& stats) {
    std::ostringstream os;
    stats.WriteRecord(os);
    std::istringstream in(os.str());
    double field = 0;
    for (int i = 0; i < 5; ++i)
        in >> field;
    return field;
}

template <class Engine> void QueensFirstSolution(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    double moves = 0;
    int seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto engine = std::make_unique<Engine>();
        engine->SetParameter(2, static_cast<int>(state.range(2)));
        engine->SetParameter(4, static_cast<int>(state.range(1)));
        engine->SetParameter(5, seed++);
        BuildQueens(*engine->GetCSP(), n);
        state.ResumeTiming();
        const bool solved = engine->Solve();
        state.PauseTiming();
        if (!solved) state.SkipWithError("no solution");
        moves += Moves(engine->GetStats());
        engine.reset();
        state.ResumeTiming();
    }
    state.counters["moves"] = benchmark::Counter(moves, benchmark::Counter::kAvgIterations);
    state.counters["moves_per_s"] = benchmark::Counter(moves, benchmark::Counter::kIsRate);
}

void QueensArguments(benchmark::internal::Benchmark* b) {
    for (int n : {8, 16, 32, 64, 128, 200, 256}) {
        // Every constraint considered: the move-list descent (delta update on) and the
        // variable sweep (delta update off).
        b->Args({n, 1, 0});
        b->Args({n, 0, 0});
        // Approximate evaluation (the default) leads the sweep through many rounds of
        // newly considered constraints on this model: kept to the smaller boards.
        if (n <= 64) {
            b->Args({n, 1, 1});
            b->Args({n, 0, 1});
        }
    }
    b->ArgNames({"n", "delta", "approx"})->Unit(benchmark::kMillisecond)->Iterations(1);
}

BENCHMARK_TEMPLATE(QueensFirstSolution, GGLS_ND)->Apply(QueensArguments);
BENCHMARK_TEMPLATE(QueensFirstSolution, GLS_NDS)->Apply(QueensArguments);

} // namespace
