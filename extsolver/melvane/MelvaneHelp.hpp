#pragma once
// What each field and button of melvane's dialog is for, as What's This tells it; the dialog's
// section of the user's guide is "melvane".

#include "help/FieldLine.hpp"

namespace Melvane {

inline constexpr const char* kHelpSection = "melvane";

inline constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"serverName", "The computer the Tav workbench runs on."},
    {"port", "The workbench's port, 0 to 9999 (5000 unless the workbench says otherwise)."},
    {"solverName", "The name under which Melvane announces itself to the workbench."},
    {"solutions", "How many runs one solve makes; each run looks for one solution."},
    {"timeLimit", "The most seconds each run may take (5 at first); a solve then sends what it found."},
    {"lambda", "The weight of guided local search's penalties."},
    {"seed", "The seed of the random choices: the same seed gives the same solve."},
    {"optimise", "How much the optimisation target weighs against the constraints."},
    {"learning", "With a target, penalises every local minimum, not only those that break constraints."},
    {"delta", "Keeps the cost of every move in tables, updated after each move."},
    {"approx",
     "Leaves constraints satisfied at the start out of the reckoning at first: faster on big problems."},
    {"log", "What happened: connections, problems received, the best costs found and the solutions."},
    {"connect", "Connects to the workbench (or disconnects from it)."},
    {"master", "Switches between Master (you press Read, Solve and Send) and Slave (the workbench leads)."},
    {"read", "Asks the workbench for its current problem."},
    {"solve", "Solves the problem received with the fields as they stand."},
    {"stop", "Stops the running solve; what it found is kept (and sent, in the Slave role)."},
    {"send", "Sends the solutions of the last solve to the workbench."},
};

} // namespace Melvane
