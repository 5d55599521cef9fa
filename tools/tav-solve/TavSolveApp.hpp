#pragma once
// The whole tav-solve program behind its main: options, reading the problem, choosing and
// running the solver, printing solutions, the status line, statistics and exit codes.

#include "language/ParserErr.hpp"
#include "language/raw/RawCSP.hpp"

#include <atomic>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace TavSolve {

// Exit codes: the run ended normally, whatever it found; the problem could not be read or the
// solver could not take it; bad options or an unavailable solver; an interrupt (SIGINT or
// SIGTERM) ended the run.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblem = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInterrupted = 130;

// Reads a problem file into an empty raw problem; returns the first error (code 0: success).
using ProblemReader =
    std::function<TavLanguage::ParserErr(const std::string& file, TavLanguage::RawCSP& problem)>;
// The same, watching the run's stop request (set at the time limit): once it is set, the reader
// may throw Platform::Cancelled, and the run ends as timed out with no solution.
using StoppableReader = std::function<TavLanguage::ParserErr(
    const std::string& file, TavLanguage::RawCSP& problem, const std::atomic<bool>& stop)>;

// Runs tav-solve with the arguments after the program name; returns the exit code. The time
// limit covers reading the problem, building the solver's model and the search. `interrupt`
// (may be null; a signal handler sets it) ends the run as the time limit does, with what it
// found so far, and the exit code kExitInterrupted. The file "-" is the reader's to read
// (standard input); messages call it "<stdin>".
int RunTavSolve(const std::vector<std::string>& args, const StoppableReader& reader, std::ostream& out,
                std::ostream& err, const std::atomic<bool>* interrupt = nullptr);
// The same with a reader that does not watch the stop request (the limit still ends building
// and search).
int RunTavSolve(const std::vector<std::string>& args, const ProblemReader& reader, std::ostream& out,
                std::ostream& err, const std::atomic<bool>* interrupt = nullptr);

} // namespace TavSolve
