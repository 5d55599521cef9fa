#pragma once
// One row of the Expert table: an engine's name and record (runs started, solutions found),
// and during an Expert solve the engine itself.

#include "language/raw/RawSolver.hpp"

#include <memory>
#include <string>

namespace TavWorkbench {

struct ExpertEntry {
    // Null until an Expert solve builds the engine; deleted when the solve ends.
    std::unique_ptr<TavLanguage::RawSolver> solver;
    std::string name;
    int runs = 1;
    int successes = 1;
};

} // namespace TavWorkbench
