// Parse speed of the modelling language.
// - Declarations: a problem of n variable declarations and n constraint statements; the time per
//   parse should grow linearly with n (reported as the fitted complexity).
// - Queens: N-queens for n = 100, 200, 400 (about 15,000, 60,000 and 240,000 raw constraints);
//   reports the heap held by the parsed problem and the process's peak resident size.

#include "language/RawParser.hpp"

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sstream>
#include <sys/resource.h>

using namespace TavLanguage;

namespace {

std::string Declarations(int n) {
    std::ostringstream text;
    text << "problem:big {\ndomains { intdom d = [0, 9]; }\nvariables {\n";
    for (int i = 0; i < n; ++i)
        text << "intvar v" << i << " :: d;\n";
    text << "}\nconstraints {\n";
    for (int i = 0; i + 1 < n; ++i)
        text << "v" << i << " <> v" << i + 1 << ";\n";
    text << "}\n}\n";
    return text.str();
}

std::string Queens(int n) {
    return "Problem:test\n{\nData\n{\nQueens := " + std::to_string(n) +
           ";\n}\nDomains\n{\nIntDom Column=[0,Queens-1];\n}\nVariables\n{\nIntVar Row[Queens]::Column;\n}\n"
           "Constraints\n{\nForall (i in [0 .. Queens - 1], j in [0 .. Queens - 1] , i < j)\n{\n"
           "Row[i] <> Row[j];\nRow[i] - Row[j] <> i - j;\nRow[i] - Row[j] <> j - i;\n}\n}\n}\n";
}

double HeapMegabytes() {
    return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ParseDeclarations(benchmark::State& state) {
    const std::string text = Declarations(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RawCSP problem;
        const ParserErr err = ParseCSPText(text, nullptr, &problem);
        if (!err.IsOk()) state.SkipWithError(err.Message().c_str());
        benchmark::DoNotOptimize(problem.GetConstraints().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseDeclarations)
    ->Arg(25000)
    ->Arg(50000)
    ->Arg(100000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_ParseQueens(benchmark::State& state) {
    const std::string text = Queens(static_cast<int>(state.range(0)));
    double heap = 0;
    std::size_t constraints = 0;
    for (auto _ : state) {
        const double before = HeapMegabytes();
        RawCSP problem;
        const ParserErr err = ParseCSPText(text, nullptr, &problem);
        if (!err.IsOk()) state.SkipWithError(err.Message().c_str());
        heap = HeapMegabytes() - before;
        constraints = problem.GetConstraints().size();
    }
    state.counters["constraints"] = static_cast<double>(constraints);
    state.counters["problem_heap_MB"] = heap;
    state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_ParseQueens)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

} // namespace
