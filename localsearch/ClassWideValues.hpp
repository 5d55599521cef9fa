#pragma once
// Every class-wide and module-wide value of the local search library, kept in one place so
// that building a new problem can put the per-problem ones back to their starting values and
// one solve never depends on what an earlier one left behind.

#include <climits>

namespace GLSLib {

class GGLS;

// Process-wide tuning values and counters. One model is built and searched at a time.
struct ClassWideValues {
    // Weight of every hard constraint's penalty feature (engines raise it during set-up).
    int constraintWeight = 1000;
    // Weight of penalties in guided local search (solver parameter 1).
    int lambda = 1;
    // Weight W of the objective's violation (solver parameter 6 of the engines).
    int objectiveWeight = 1;
    // Best objective value seen by Minimise; INT_MAX until a value has been seen.
    int bestObjective = INT_MAX;
    // The engine whose numeric features are being created; null when none is running.
    GGLS* currentEngine = nullptr;
    // Next id of a variable, a constraint and a feature.
    int variableCount = 0;
    int constraintCount = 0;
    int featureCount = 0;
    // Engine-wide settings that every engine of one kind shares belong here as well.
};

// The single instance.
ClassWideValues& ClassWide();

// Called when a new problem is built: restarts the id counters, forgets the best objective
// value and the running engine, and restores the constraint weight. The solver parameters
// (lambda, objective weight) are left as set, since callers may set them before the problem.
void ResetForNewProblem();

// Restores every value to its program-start setting, parameters included.
void ResetAllClassWideValues();

} // namespace GLSLib
