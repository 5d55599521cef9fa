// Set-up and first solution of models that are large in one direction: a count over many
// variables (Count(x, [1]) <= 4 over x[N] in 1 .. 4) and one value of a huge range (x = 1 with x
// in 0 .. 2147483647). Each iteration builds the problem and finds the first solution under the
// workbench's default block (natural ordering with backjumping, thrashing factor 1). Reports the
// process's peak resident memory, which only grows: run one benchmark per process to read it.

#include "complete/CSP.hpp"
#include "complete/GFC.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/Registry.hpp"
#include "complete/constraints/Equal.hpp"
#include "complete/constraints/LessThanEq.hpp"
#include "complete/induced/CountOp.hpp"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <string>
#include <vector>

using namespace GFCLib;

namespace {

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Post(CSP& csp, Constraint* c) {
    csp.GetConstraints().push_back(c);
    c->Attach();
}

Value* Const(CSP& csp, int v) {
    auto* c = new Value(v);
    csp.GetValues().push_back(c);
    return c;
}

bool SolveWithDefaults(CSP& csp) {
    GFC search(&csp, nullptr, false);
    search.SetParameter(1, 1);
    search.SetParameter(2, 1);
    search.SetParameter(3, 1);
    return search.FindNextSolution();
}

void BM_CountOverMany(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Registry registry;
        Registry::Scope scope(registry);
        auto csp = std::make_unique<CSP>();
        IntDomainSpec::CreateRange("d", 1, 4);
        std::vector<IntVar*> x;
        for (int i = 0; i < n; ++i) {
            x.push_back(new IntVar(("x" + std::to_string(i)).c_str(), "d"));
            csp->AddVariable(x.back());
        }
        auto* count = new CountOp(x, {Value(1)});
        csp->AddVariable(count);
        Post(*csp, new LessThanEq(count, Const(*csp, 4)));
        if (!SolveWithDefaults(*csp)) state.SkipWithError("no solution");
    }
    state.counters["peak MB"] = PeakMegabytes();
}

void BM_ValueOfHugeRange(benchmark::State& state) {
    const int hi = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Registry registry;
        Registry::Scope scope(registry);
        auto csp = std::make_unique<CSP>();
        IntDomainSpec::CreateRange("d", 0, hi);
        auto* x = new IntVar("x", "d");
        csp->AddVariable(x);
        Post(*csp, new Equal(x, Const(*csp, 1)));
        if (!SolveWithDefaults(*csp) || x->GetInt() != 1) state.SkipWithError("wrong answer");
    }
    state.counters["peak MB"] = PeakMegabytes();
}

} // namespace

BENCHMARK(BM_CountOverMany)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValueOfHugeRange)->Arg(10000000)->Arg(2147483647)->Unit(benchmark::kMicrosecond);
