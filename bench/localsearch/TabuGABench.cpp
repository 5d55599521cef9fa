// Tabu search and the genetic algorithm on n-queens and on graph colouring, in the local
// search benchmark program: time to the first solution (the model built outside the timing),
// and tabu iterations per second.

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/ga/GGA_ND.hpp"
#include "localsearch/tabu/TABU.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <utility>
#include <vector>

using namespace GLSLib;

namespace {

void Post(GLSCSP& p, Con* c) {
    c->Post();
    p.AddConstraint(c);
}

void BuildQueens(GLSCSP& p, int n) {
    auto* d = new IntRangeDom("rows", 0, n - 1);
    std::vector<IntVar*> q;
    for (int i = 0; i < n; ++i) {
        q.push_back(new IntVar("q", d));
        p.AddVariable(q.back());
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            Post(p, new NotEquals(q[i], q[j]));
            Post(p, new NotEquals(new PlusOp(q[i], new IntVal(i)), new PlusOp(q[j], new IntVal(j))));
            Post(p, new NotEquals(new PlusOp(q[i], new IntVal(-i)), new PlusOp(q[j], new IntVal(-j))));
        }
}

// A graph on n vertices with a hidden 3-colouring: each edge joins two vertices of different
// hidden colours; 3n/2 edges (average degree 3), fixed seed.
std::vector<std::pair<int, int>> PlantedGraph(int n) {
    std::mt19937 rng(1234u + static_cast<unsigned>(n));
    std::vector<int> hidden(static_cast<unsigned>(n));
    for (int& h : hidden)
        h = static_cast<int>(rng() % 3);
    std::vector<std::pair<int, int>> edges;
    while (static_cast<int>(edges.size()) < 3 * n / 2) {
        const int a = static_cast<int>(rng() % static_cast<unsigned>(n));
        const int b = static_cast<int>(rng() % static_cast<unsigned>(n));
        if (hidden[static_cast<unsigned>(a)] != hidden[static_cast<unsigned>(b)]) edges.emplace_back(a, b);
    }
    return edges;
}

void BuildColouring(GLSCSP& p, int n) {
    auto* d = new IntRangeDom("colours", 1, 3);
    std::vector<IntVar*> c;
    for (int i = 0; i < n; ++i) {
        c.push_back(new IntVar("c", d));
        p.AddVariable(c.back());
    }
    for (const auto& e : PlantedGraph(n))
        Post(p, new NotEquals(c[static_cast<unsigned>(e.first)], c[static_cast<unsigned>(e.second)]));
}

enum class Problem { Queens, Colouring };

void Build(GLSCSP& p, Problem problem, int n) {
    if (problem == Problem::Queens)
        BuildQueens(p, n);
    else
        BuildColouring(p, n);
}

void TabuFirstSolution(benchmark::State& state, Problem problem) {
    const int n = static_cast<int>(state.range(0));
    std::uint64_t iterations = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto engine = std::make_unique<TABU>();
        engine->GetCSP()->Random().Seed(seed++);
        Build(*engine->GetCSP(), problem, n);
        state.ResumeTiming();
        if (!engine->Solve()) state.SkipWithError("no solution");
        iterations += engine->GetStats().GetIterations();
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
    state.counters["iterations/s"] =
        benchmark::Counter(static_cast<double>(iterations), benchmark::Counter::kIsRate);
    state.counters["iterations"] =
        benchmark::Counter(static_cast<double>(iterations), benchmark::Counter::kAvgIterations);
}

void GAFirstSolution(benchmark::State& state, Problem problem) {
    const int n = static_cast<int>(state.range(0));
    double generations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto engine = std::make_unique<GGA_ND>();
        engine->SetParameter(1, 100);
        engine->SetParameter(4, 20);
        Build(*engine->GetCSP(), problem, n);
        state.ResumeTiming();
        if (!engine->Solve()) state.SkipWithError("no solution");
        const GAstats& stats = engine->GetStats();
        generations +=
            static_cast<double>(stats.GetRestarts()) * (engine->GetCSP()->Values().gaMaxGenerations + 1) +
            stats.GetGeneration() + 1;
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
    state.counters["generations"] = benchmark::Counter(generations, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK_CAPTURE(TabuFirstSolution, queens, Problem::Queens)
    ->RangeMultiplier(2)
    ->Range(8, 256)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TabuFirstSolution, colouring, Problem::Colouring)
    ->RangeMultiplier(2)
    ->Range(25, 200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GAFirstSolution, queens, Problem::Queens)
    ->DenseRange(6, 10, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GAFirstSolution, colouring, Problem::Colouring)
    ->RangeMultiplier(2)
    ->Range(10, 40)
    ->Unit(benchmark::kMillisecond);
