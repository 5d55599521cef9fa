#pragma once
// Drives a solver bridge as the workbench's run thread does: one Solve per wanted solution,
// until the count is reached, the search is exhausted, the time limit or an interrupt stops it.
// At the time limit (or the interrupt) the run's stop request is set and the bridge is asked to
// stop, and what was found so far is kept. The limit also covers building the bridge, when the
// run builds it. Every solution is handed on once, as soon as the run hears of it (a bridge may
// report solutions during a Solve). The run's status sums up what it proved.

#include "bridges/BridgeContext.hpp"
#include "language/raw/RawSolver.hpp"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace TavSolve {

struct RunResult {
    int found = 0;
    // The time limit ended the run.
    bool timedOut = false;
    // The interrupt request ended the run.
    bool interrupted = false;
    // How the last Solve ended (None when no Solve ran).
    TavLanguage::SolveEnd end = TavLanguage::SolveEnd::None;
};

// Sees each new solution with its number (1, 2, ...), on the thread that runs the solver.
using SolutionSink = std::function<void(const TavLanguage::RawSolution&, int)>;

// Runs `solver` for `wanted` solutions (-1: all) within `timeLimitSeconds` of wall-clock time.
// `interrupt` (may be null; set from anywhere, a signal handler included) stops the run as the
// time limit does; it is looked at every 50 ms.
RunResult RunSolver(TavLanguage::RawSolver& solver, int wanted, double timeLimitSeconds,
                    const SolutionSink& onSolution, const std::atomic<bool>* interrupt = nullptr);

// Builds the solver over the context it is given: the run's stop request (set at the time limit
// or the interrupt) and where the bridge reports solutions; the builder adds what else it needs.
using SolverBuilder =
    std::function<std::unique_ptr<TavLanguage::RawSolver>(TavBridges::BridgeContext context)>;

struct BuiltRun {
    // The run's stop request, which the solver may keep reading: it outlives the solver.
    std::unique_ptr<std::atomic<bool>> stop;
    // Null when the time limit or the interrupt ended the building (the builder threw
    // Platform::Cancelled).
    std::unique_ptr<TavLanguage::RawSolver> solver;
    RunResult result;
};

// Builds the solver, then runs it as RunSolver does, all within the one limit. Throws what the
// builder and the solver throw, except Platform::Cancelled from the builder.
BuiltRun BuildAndRun(const SolverBuilder& build, int wanted, double timeLimitSeconds,
                     const SolutionSink& onSolution, const std::atomic<bool>* interrupt = nullptr);

// What a run proved, as its status line tells a script.
enum class RunStatus {
    Optimal,       // the best solution of an objective (or soft cost) was found and proved best
    All,           // every solution was listed
    Satisfied,     // solutions were found; the search did not go on to the end
    Unsatisfiable, // the search proved that there is no solution
    Unbounded,     // the objective has no bound
    Unknown,       // the time limit, the thrashing check or a stop ended it: nothing proved
};

// True when the problem has an objective (or a real one) or soft constraints: the best
// solution is sought.
bool IsOptimising(const TavLanguage::RawCSP& problem);
// The status of a run that ended so: `optimising` when the problem has an objective or soft
// constraints, `cutShort` when the time limit or an interrupt ended it.
RunStatus StatusOf(TavLanguage::SolveEnd end, int found, bool optimising, bool cutShort);
// "status: optimal", "status: all", ... (no line break).
std::string StatusLine(RunStatus status);

} // namespace TavSolve
