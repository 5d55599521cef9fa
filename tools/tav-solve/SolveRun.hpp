#pragma once
// Drives a solver bridge as the workbench's run thread does: one Solve per wanted solution,
// until the count is reached, the search is exhausted or the time limit stops it. At the time
// limit the bridge is asked to stop, and what was found so far is kept.

#include "language/raw/RawSolver.hpp"

#include <functional>

namespace TavSolve {

struct RunResult {
    int found = 0;
    bool timedOut = false;
};

// Runs `solver` for `wanted` solutions (-1: all) within `timeLimitSeconds` of wall-clock time;
// `onSolution` sees each new solution with its number (1, 2, ...) as soon as it is found.
RunResult RunSolver(RawSolver& solver, int wanted, double timeLimitSeconds,
                    const std::function<void(const RawSolution&, int)>& onSolution);

} // namespace TavSolve
