#pragma once
// The whole tav-solve program behind its main: options, reading the problem, choosing and
// running the solver, printing solutions, statistics and exit codes.
// Exit codes: 0 ran (also when no solution exists), 1 the problem could not be read or the
// solver could not take it, 2 bad options or an unavailable solver.

#include "language/ParserErr.hpp"
#include "language/raw/RawCSP.hpp"

#include <atomic>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace TavSolve {

// Reads a problem file into an empty raw problem; returns the first error (code 0: success).
using ProblemReader =
    std::function<TavLanguage::ParserErr(const std::string& file, TavLanguage::RawCSP& problem)>;
// The same, watching the run's stop request (set at the time limit): once it is set, the reader
// may throw Platform::Cancelled, and the run ends as timed out with no solution.
using StoppableReader = std::function<TavLanguage::ParserErr(
    const std::string& file, TavLanguage::RawCSP& problem, const std::atomic<bool>& stop)>;

// Runs tav-solve with the arguments after the program name; returns the exit code. The time
// limit covers reading the problem, building the solver's model and the search.
int RunTavSolve(const std::vector<std::string>& args, const StoppableReader& reader, std::ostream& out,
                std::ostream& err);
// The same with a reader that does not watch the stop request (the limit still ends building
// and search).
int RunTavSolve(const std::vector<std::string>& args, const ProblemReader& reader, std::ostream& out,
                std::ostream& err);

} // namespace TavSolve
