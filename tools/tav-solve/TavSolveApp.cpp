#include "tools/tav-solve/TavSolveApp.hpp"

#include "bridges/GenExtDesc.hpp"
#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawLPSolver.hpp"
#include "platform/FatalError.hpp"
#include "platform/Version.hpp"
#include "tools/tav-solve/DocumentSolve.hpp"
#include "tools/tav-solve/SolutionWriter.hpp"
#include "tools/tav-solve/SolveOptions.hpp"
#include "tools/tav-solve/SolveRun.hpp"
#include "tools/tav-solve/SolverFactory.hpp"

#include <exception>
#include <memory>
#include <ostream>

using namespace TavLanguage;
using namespace TavBridges;

namespace TavSolve {

namespace {

// The parser's message without the trailing line break, so each error is one line.
std::string OneLine(const std::string& text) {
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

} // namespace

namespace {

// The problem's name in messages: "-" is standard input.
std::string ShownName(const std::string& file) {
    return file == "-" ? "<stdin>" : file;
}

// How far a run got; an error is worded by the stage it ended.
enum class Stage { Options, Reading, Describing, Building, Solving };

// The one place where a run's error becomes a message and an exit code.
int ReportError(const Platform::Error& error, Stage stage, const SolveOptions& options, SolverChoice solver,
                std::ostream& err) {
    const std::string text = OneLine(error.Text());
    const std::string name = "tav-solve: solver '" + SolverName(solver) + "'";
    switch (stage) {
    case Stage::Options:
        err << "tav-solve: " << text << "\n" << UsageLine() << "\n";
        return kExitUsage;
    case Stage::Reading:
    case Stage::Describing:
        // A problem's error at its place in the file, as compilers write them.
        if (const auto* parse = dynamic_cast<const ParserErr*>(&error); parse != nullptr)
            err << parse->PositionedMessage(ShownName(options.file)) << "\n";
        else
            err << ShownName(options.file) << ": " << text << "\n";
        return kExitProblem;
    case Stage::Building:
        if (error.GetCode() == Platform::ErrorCode::kUsage) {
            err << "tav-solve: " << text << "\n";
            return kExitUsage;
        }
        if (error.GetCode() == Platform::ErrorCode::kParameter) {
            err << name << " rejects its parameters: " << text << "\n";
            return kExitUsage;
        }
        err << name << " cannot take this problem: " << text << "\n";
        return kExitProblem;
    case Stage::Solving:
        break;
    }
    err << name << " failed: " << text << "\n";
    return kExitProblem;
}

} // namespace

int RunTavSolve(const std::vector<std::string>& args, const ProblemReader& reader, std::ostream& out,
                std::ostream& err, const std::atomic<bool>* interrupt) {
    const StoppableReader stoppable = [&reader](const std::string& file, RawCSP& problem,
                                                const std::atomic<bool>&) { return reader(file, problem); };
    return RunTavSolve(args, stoppable, out, err, interrupt);
}

int RunTavSolve(const std::vector<std::string>& args, const StoppableReader& reader, std::ostream& out,
                std::ostream& err, const std::atomic<bool>* interrupt) {
    Stage stage = Stage::Options;
    SolveOptions options;
    SolverChoice solver = SolverChoice::Auto;
    try {
        options = ParseOptions(args);
        if (options.help) {
            out << UsageLine() << "\n\n" << HelpText();
            return kExitOk;
        }
        if (options.version) {
            out << "tav-solve " << Platform::kVersion << "\n";
            return kExitOk;
        }
        if (IsDocumentFile(options.file)) return RunDocument(options, out, err, interrupt);
        if (options.text || options.solver == SolverChoice::Expert)
            throw UsageError("--text and --solver expert are for documents (FILE.tav)");

        // Outlives the solver, which refers to it.
        RawCSP problem;
        const auto read = [&](const std::atomic<bool>& stop) {
            stage = Stage::Reading;
            const ParserErr parsed = reader(options.file, problem, stop);
            if (!parsed.IsOk()) throw parsed;
        };
        if (options.describe) {
            const std::atomic<bool> never{false};
            read(never);
            stage = Stage::Describing;
            out << GenExtDesc::Describe(problem) << std::flush;
            return kExitOk;
        }

        // The time limit runs from here: reading the problem and building the solver's model
        // count too.
        const SolverBuilder build = [&](BridgeContext context) {
            read(*context.stop);
            stage = Stage::Building;
            solver = ResolveSolver(options.solver, problem);
            const AlgParams params = ParamsFor(solver, options.params);
            context.diagnostics = [&err](const std::string& text) {
                err << OneLine(text) << "\n" << std::flush;
            };
            std::unique_ptr<RawSolver> bridge = MakeSolver(solver, problem, params, context);
            stage = Stage::Solving;
            return bridge;
        };
        const BuiltRun run = BuildAndRun(
            build, options.solutions, options.timeLimitSeconds,
            [&](const RawSolution& solution, int k) {
                out << FormatSolution(solution, k) << "\n" << std::flush;
            },
            interrupt);
        const RunResult& result = run.result;
        const RunStatus status =
            StatusOf(result.end, result.found, IsOptimising(problem), result.timedOut || result.interrupted);
        out << "solutions: " << result.found << "\n" << StatusLine(status) << "\n" << std::flush;
        if (result.timedOut) err << "Timed out - increase search time if desired\n";
        if (result.end == SolveEnd::Thrashing)
            err << "Search stopped by the thrashing check; set --param 2=0 for a complete search\n";
        // Linear programming says why it has no solution (infeasible, unbounded, ...).
        if (const auto* lp = dynamic_cast<const RawLPSolver*>(run.solver.get());
            lp != nullptr && result.found == 0 && !lp->message().empty())
            err << OneLine(lp->message()) << "\n";
        if (options.stats && run.solver) run.solver->PrintStatistics(err) << std::flush;
        return result.interrupted ? kExitInterrupted : kExitOk;
    } catch (const Platform::Error& e) {
        return ReportError(e, stage, options, solver, err);
    } catch (const std::exception& e) {
        // Out of memory and the like: worded as the library errors of the same stage.
        return ReportError(Platform::InternalError(e.what()), stage, options, solver, err);
    }
}

} // namespace TavSolve
