#pragma once
// What the user is told about the last solve: which solver ran, how many solutions it left in
// the results, how long it took and why it ended. The document keeps one, from StartSolve until
// the next; the windows read it while the run goes on and once it has ended.

#include <chrono>
#include <string>

namespace TavWorkbench {

// Why a run ended.
enum class RunEnd {
    // It has not ended yet.
    Running,
    // It found the solutions asked for, or the search had no more.
    Complete,
    // The complete search's thrashing check ended it: the search space was not exhausted.
    Thrashing,
    // The user stopped it (Tools/Stop).
    Stopped,
    // The search time limit ran out and the user chose to stop.
    TimedOut,
};

struct RunReport {
    // The solver in plain words ("complete search", "tabu search", ...); empty before any run.
    std::string solver;
    // Solutions in the results once the run has ended.
    int found = 0;
    RunEnd end = RunEnd::Running;
    // From the start to the end of the run (set when it ends).
    std::chrono::steady_clock::duration elapsed{};
};

} // namespace TavWorkbench
