// Assignments with propagation per second on models over 1,000 variables: a sum, a scalar
// product, a sequence and an all-different constraint, alone and together.

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThanEquals.hpp"
#include "localsearch/cons/Sequence.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/ScalProd.hpp"
#include "localsearch/expr/Sum.hpp"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace GLSLib;

namespace {

constexpr int kVariables = 1000;

enum Parts { kSum = 1, kScalProd = 2, kSequence = 4, kAllDifferent = 8 };

// Builds the model, assigns every variable, initialises the constraints, then times Assign
// over a precomputed stream of random (variable, value index) moves.
void RunAssignments(benchmark::State& state, int parts) {
    GLSCSP problem; // owns the objects made below
    std::mt19937 rng(12345);
    auto* domain = new IntRangeDom("d", 0, kVariables - 1);
    std::vector<IntVar*> vars;
    std::vector<IntObj*> args;
    for (int i = 0; i < kVariables; ++i) {
        vars.push_back(new IntVar("x", domain));
        vars.back()->SetValueIndex(static_cast<int>(rng() % kVariables));
        args.push_back(vars.back());
    }
    std::vector<Con*> constraints;
    if (parts & kSum)
        constraints.push_back(new Equals(new Sum(args), new IntVal(kVariables * (kVariables - 1) / 2)));
    if (parts & kScalProd) {
        std::vector<int> coefficients(kVariables);
        for (int& c : coefficients)
            c = static_cast<int>(rng() % 21) - 10;
        constraints.push_back(new GreaterThanEquals(new ScalProd(args, coefficients), new IntVal(0)));
    }
    if (parts & kSequence) {
        std::vector<int> list(kVariables);
        for (int i = 0; i < kVariables; ++i)
            list[static_cast<unsigned>(i)] = i / 2;
        constraints.push_back(new Sequence(args, list));
    }
    if (parts & kAllDifferent) constraints.push_back(new AllDifferent(args));
    for (Con* c : constraints) {
        c->Post();
        c->Initialise();
    }
    std::vector<std::pair<IntVar*, int>> moves(1 << 16);
    for (auto& move : moves)
        move = {vars[rng() % kVariables], static_cast<int>(rng() % kVariables)};
    std::size_t next = 0;
    for (auto _ : state) {
        const auto& move = moves[next];
        next = (next + 1) & (moves.size() - 1);
        move.first->Assign(move.second);
        benchmark::DoNotOptimize(constraints.front()->GetViolation());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_AssignSum(benchmark::State& state) {
    RunAssignments(state, kSum);
}
void BM_AssignScalProd(benchmark::State& state) {
    RunAssignments(state, kScalProd);
}
void BM_AssignSequence(benchmark::State& state) {
    RunAssignments(state, kSequence);
}
void BM_AssignAllDifferent(benchmark::State& state) {
    RunAssignments(state, kAllDifferent);
}
void BM_AssignAllFour(benchmark::State& state) {
    RunAssignments(state, kSum | kScalProd | kSequence | kAllDifferent);
}

BENCHMARK(BM_AssignSum);
BENCHMARK(BM_AssignScalProd);
BENCHMARK(BM_AssignSequence);
BENCHMARK(BM_AssignAllDifferent);
BENCHMARK(BM_AssignAllFour);

} // namespace

BENCHMARK_MAIN();
