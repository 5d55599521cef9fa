#pragma once
// Command line of tav-solve: which solver, how many solutions, the time limit, parameter
// overrides and whether to print statistics.

#include "platform/Error.hpp"

#include <map>
#include <string>
#include <vector>

namespace TavSolve {

// The solver a run uses; Auto picks linear programming for problems with real variables and
// complete search otherwise. Ext goes the external solver program's way: through the problem
// description text, solved by guided local search with that program's settings.
enum class SolverChoice { Auto, Gfc, Gls, Ga, Tabu, Gls2, Lp, Ext, Expert };

struct SolveOptions {
    std::string file;
    SolverChoice solver = SolverChoice::Auto;
    // Number of solutions wanted; -1 asks for all.
    int solutions = 1;
    // Wall-clock limit of the whole run, in seconds.
    double timeLimitSeconds = 300.0;
    // Parameter overrides by id, applied over the chosen solver's default block.
    std::map<int, int> params;
    bool stats = false;
    // Print the problem description text for external solvers instead of solving.
    bool describe = false;
    // Print the problem text of a document instead of solving.
    bool text = false;
    bool help = false;
    bool version = false;
};

// A command line that cannot be understood; what() says why.
class UsageError : public Platform::Error {
public:
    explicit UsageError(const std::string& text) : Platform::Error(Platform::ErrorCode::kUsage, text) {}
};

// The synopsis printed with every usage error.
const char* UsageLine();
// The text of --help after the synopsis: what each option does, each solver's parameter ids
// with their defaults, the output, the status line and the exit codes.
std::string HelpText();

// Reads the arguments after the program name. Throws UsageError.
SolveOptions ParseOptions(const std::vector<std::string>& args);

// The name of a solver choice as written on the command line ("gfc", "gls", ...).
std::string SolverName(SolverChoice choice);

} // namespace TavSolve
