#pragma once
// What starts a solve: the solver setting, the search time limit, the number of solutions and
// each Expert engine's turn. The document keeps them; a solve session takes a copy at its start.

#include <chrono>

namespace TavWorkbench {

// The solver a solve runs. A single-engine setting's value is also its bridge kind and its
// parameter block of "Params.ini" (the second guided local search reads block 1); the values
// are the ones the workbench has always used and never change.
enum class SolverSetting : int {
    CompleteSearch = 0,
    GuidedLocalSearch = 1,
    GeneticAlgorithm = 2,
    TabuSearch = 3,
    GuidedLocalSearch2 = 4,
    // Complete search first, then the three local searches the Expert ranking orders.
    Expert = 10,
};

struct SolveSettings {
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{300000};

    SolverSetting setting = SolverSetting::CompleteSearch;
    // When the search has run this long the user is asked whether to stop it.
    std::chrono::milliseconds timeLimit = kDefaultTimeLimit;
    // Solutions wanted; -1 asks for all.
    int solutions = 1;
    // How long each engine of an Expert solve searches before the next one takes over.
    std::chrono::seconds engineInterval{20};
};

} // namespace TavWorkbench
