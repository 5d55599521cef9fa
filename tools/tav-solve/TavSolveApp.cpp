#include "tools/tav-solve/TavSolveApp.hpp"

#include "bridges/GenExtDesc.hpp"
#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawLPSolver.hpp"
#include "platform/FatalError.hpp"
#include "tools/tav-solve/SolutionWriter.hpp"
#include "tools/tav-solve/SolveOptions.hpp"
#include "tools/tav-solve/SolveRun.hpp"
#include "tools/tav-solve/SolverFactory.hpp"

#include <exception>
#include <memory>
#include <ostream>

namespace TavSolve {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitProblem = 1;
constexpr int kExitUsage = 2;

// The parser's message without the trailing line break, so each error is one line.
std::string OneLine(const std::string& text) {
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

} // namespace

int RunTavSolve(const std::vector<std::string>& args, const ProblemReader& reader, std::ostream& out,
                std::ostream& err) {
    SolveOptions options;
    try {
        options = ParseOptions(args);
    } catch (const UsageError& e) {
        err << "tav-solve: " << e.what() << "\n" << UsageLine() << "\n";
        return kExitUsage;
    }
    if (options.help) {
        out << UsageLine() << "\n";
        return kExitOk;
    }

    RawCSP problem;
    try {
        const ParserErr parsed = reader(options.file, problem);
        if (!parsed.IsOk()) {
            err << options.file << ": " << OneLine(parsed.Message()) << "\n";
            return kExitProblem;
        }
    } catch (const ParserErr& e) {
        err << options.file << ": " << OneLine(e.Message()) << "\n";
        return kExitProblem;
    } catch (const std::exception& e) {
        err << options.file << ": " << OneLine(e.what()) << "\n";
        return kExitProblem;
    }

    if (options.describe) {
        try {
            out << GenExtDesc::Describe(problem) << std::flush;
        } catch (const GenExtDesc::Unexpressible& e) {
            err << options.file << ": " << OneLine(e.what()) << "\n";
            return kExitProblem;
        }
        return kExitOk;
    }

    const SolverChoice solver = ResolveSolver(options.solver, problem);
    std::unique_ptr<RawSolver> bridge;
    try {
        bridge = MakeSolver(solver, problem, ParamsFor(solver, options.params));
    } catch (const SolverUnavailable& e) {
        err << "tav-solve: " << e.what() << "\n";
        return kExitUsage;
    } catch (const Platform::ParameterError& e) {
        err << "tav-solve: solver '" << SolverName(solver)
            << "' rejects its parameters: " << OneLine(e.what()) << "\n";
        return kExitUsage;
    } catch (const Platform::FatalError& e) {
        err << "tav-solve: solver '" << SolverName(solver)
            << "' cannot take this problem: " << OneLine(e.what()) << "\n";
        return kExitProblem;
    } catch (const ParserErr& e) {
        err << "tav-solve: solver '" << SolverName(solver)
            << "' cannot take this problem: " << OneLine(e.Message()) << "\n";
        return kExitProblem;
    } catch (const std::exception& e) {
        err << "tav-solve: solver '" << SolverName(solver)
            << "' cannot take this problem: " << OneLine(e.what()) << "\n";
        return kExitProblem;
    }

    RunResult result;
    try {
        result = RunSolver(*bridge, options.solutions, options.timeLimitSeconds,
                           [&](const RawSolution& solution, int k) {
                               out << FormatSolution(solution, k) << "\n" << std::flush;
                           });
    } catch (const Platform::FatalError& e) {
        err << "tav-solve: solver '" << SolverName(solver) << "' failed: " << OneLine(e.what()) << "\n";
        return kExitProblem;
    } catch (const ParserErr& e) {
        err << "tav-solve: solver '" << SolverName(solver) << "' failed: " << OneLine(e.Message()) << "\n";
        return kExitProblem;
    } catch (const std::exception& e) {
        err << "tav-solve: solver '" << SolverName(solver) << "' failed: " << OneLine(e.what()) << "\n";
        return kExitProblem;
    }
    out << "solutions: " << result.found << "\n" << std::flush;
    if (result.timedOut) err << "Timed out - increase search time if desired\n";
    // The count above would otherwise read as the whole search space.
    if (const auto* gfc = dynamic_cast<const RawGFCSolver*>(bridge.get());
        gfc != nullptr && gfc->StoppedByThrashing())
        err << "Search stopped by the thrashing check; set --param 2=0 for a complete search\n";
    // Linear programming says why it has no solution (infeasible, unbounded, ...).
    if (const auto* lp = dynamic_cast<const RawLPSolver*>(bridge.get());
        lp != nullptr && result.found == 0 && !lp->message().empty())
        err << OneLine(lp->message()) << "\n";
    if (options.stats) bridge->PrintStatistics(err) << std::flush;
    return kExitOk;
}

} // namespace TavSolve
