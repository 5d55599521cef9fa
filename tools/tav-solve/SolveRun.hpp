#pragma once
// Drives a solver bridge as the workbench's run thread does: one Solve per wanted solution,
// until the count is reached, the search is exhausted or the time limit stops it. At the time
// limit the run's stop request is set and the bridge is asked to stop, and what was found so
// far is kept. The limit also covers building the bridge, when the run builds it.

#include "language/raw/RawSolver.hpp"

#include <atomic>
#include <functional>
#include <memory>

namespace TavSolve {

struct RunResult {
    int found = 0;
    bool timedOut = false;
};

using SolutionSink = std::function<void(const TavLanguage::RawSolution&, int)>;

// Runs `solver` for `wanted` solutions (-1: all) within `timeLimitSeconds` of wall-clock time;
// `onSolution` sees each new solution with its number (1, 2, ...) as soon as it is found.
RunResult RunSolver(TavLanguage::RawSolver& solver, int wanted, double timeLimitSeconds,
                    const SolutionSink& onSolution);

// Builds the solver with the run's stop request (set at the time limit), then runs it as
// RunSolver does, all within the one limit.
using SolverBuilder = std::function<std::unique_ptr<TavLanguage::RawSolver>(const std::atomic<bool>& stop)>;

struct BuiltRun {
    // The run's stop request, which the solver may keep reading: it outlives the solver.
    std::unique_ptr<std::atomic<bool>> stop;
    // Null when the time limit ended the building (the builder threw Platform::Cancelled).
    std::unique_ptr<TavLanguage::RawSolver> solver;
    RunResult result;
};

// Throws what the builder and the solver throw, except Platform::Cancelled from the builder.
BuiltRun BuildAndRun(const SolverBuilder& build, int wanted, double timeLimitSeconds,
                     const SolutionSink& onSolution);

} // namespace TavSolve
