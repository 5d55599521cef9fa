#include "tools/tav-solve/SolveOptions.hpp"

#include "bridges/AlgParams.hpp"
#include "tools/tav-solve/SolverFactory.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <vector>

using namespace TavBridges;

namespace TavSolve {

namespace {

struct NamedSolver {
    const char* name;
    SolverChoice choice;
};

constexpr NamedSolver kSolvers[] = {
    {"auto", SolverChoice::Auto}, {"gfc", SolverChoice::Gfc},   {"gls", SolverChoice::Gls},
    {"ga", SolverChoice::Ga},     {"tabu", SolverChoice::Tabu}, {"gls2", SolverChoice::Gls2},
    {"lp", SolverChoice::Lp},     {"ext", SolverChoice::Ext},   {"expert", SolverChoice::Expert},
};

// Options that only switch something on.
struct NamedFlag {
    const char* name;
    bool SolveOptions::*member;
};

constexpr NamedFlag kFlags[] = {
    {"--help", &SolveOptions::help},   {"-h", &SolveOptions::help},
    {"--stats", &SolveOptions::stats}, {"--describe", &SolveOptions::describe},
    {"--text", &SolveOptions::text},   {"--version", &SolveOptions::version},
};

// A whole decimal integer in int range, or false.
bool ToInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

const char* UsageLine() {
    return "usage: tav-solve FILE|- [--solver gfc|gls|ga|tabu|gls2|lp|ext|auto] [--solutions N|all]\n"
           "                 [--time-limit SECONDS] [--param ID=VALUE]... [--stats] [--describe]\n"
           "       tav-solve DOC.tav [--solver gfc|gls|ga|tabu|gls2|expert] [--solutions N|all]\n"
           "                 [--time-limit SECONDS] [--stats] [--describe|--text]";
}

namespace {

// What each parameter id means to the solvers that read it (ids not listed are not used).
struct ParamMeaning {
    int id;
    const char* meaning;
};
struct SolverParams {
    const char* names;
    SolverChoice defaults;
    std::vector<ParamMeaning> meanings;
};

const std::vector<SolverParams>& ParamTable() {
    static const std::vector<SolverParams> table = {
        {"gfc (tav-solve's own defaults, the fastest measured; documents' come from Params.ini)",
         SolverChoice::Gfc,
         {{1, "variable ordering: 0 natural, 1 random, 2 smallest domain"},
          {2, "thrashing factor: 0 no thrashing stop, else the search may stop early"},
          {3, "backtracking: 0 chronological, 1 backjumping (with natural ordering)"}}},
        {"gls, gls2",
         SolverChoice::Gls,
         {{1, "lambda, the weight of the penalties"},
          {2, "approximate evaluation: 0 off, 1 on"},
          {3, "learning: 0 off, 1 on"},
          {4, "delta update: 0 off, 1 on"},
          {5, "random seed"},
          {6, "objective weight"}}},
        {"ext",
         SolverChoice::Ext,
         {{1, "lambda"},
          {2, "approximate evaluation"},
          {3, "learning"},
          {4, "delta update"},
          {5, "random seed"},
          {6, "objective weight"}}},
        {"tabu",
         SolverChoice::Tabu,
         {{1, "random part of the tabu tenure (at least 1)"},
          {2, "fixed part of the tabu tenure"},
          {3, "approximate evaluation: 0 off, 1 on"},
          {4, "objective weight"}}},
        {"ga",
         SolverChoice::Ga,
         {{1, "population size (3 to 1000)"},
          {2, "crossover rate in % (kept, not used)"},
          {3, "mutation rate in %"},
          {4, "selection pool in % of the population"},
          {5, "generations of a run"},
          {6, "stall interval (generations without progress before penalties rise)"},
          {7, "feature cost"},
          {8, "lambda"},
          {9, "objective weight"}}},
    };
    return table;
}

} // namespace

std::string HelpText() {
    std::string text =
        "Solves a problem in Tav's modelling language (FILE, or - for standard input) or a workbench\n"
        "document (DOC.tav).\n"
        "\n"
        "  --solver NAME      auto (the default): lp when the problem has real variables, else gfc;\n"
        "                     gfc complete search, gls guided local search, gls2 its graph-based form,\n"
        "                     tabu tabu search, ga the genetic algorithm, lp the simplex, ext guided\n"
        "                     local search over the description external solvers get; expert (documents)\n"
        "                     complete search, then the local searches in turn\n"
        "  --solutions N|all  how many solutions to find (default 1); with an objective complete search\n"
        "                     gives the proved best, local search each better solution as it finds it\n"
        "  --time-limit S     seconds for the whole run, reading included (default 300)\n"
        "  --param ID=VALUE   a parameter of the chosen solver (problem files; documents take theirs\n"
        "                     from Params.ini in the working directory, as the workbench does):\n";
    for (const SolverParams& solver : ParamTable()) {
        const AlgParams defaults = ParamsFor(solver.defaults, {});
        text += "      " + std::string(solver.names) + "\n";
        for (const ParamMeaning& meaning : solver.meanings)
            text += "        " + std::to_string(meaning.id) + "  " + meaning.meaning + " (default " +
                    std::to_string(defaults.GetParameter(meaning.id)) + ")\n";
    }
    text += "  --stats            the solver's statistics, on standard error\n"
            "  --describe         print the problem description text external solvers get\n"
            "  --text             (documents) print the problem text the document writes\n"
            "  --help, --version  this text, the version\n"
            "  --                 ends the options (a file whose name starts with -)\n"
            "\n"
            "Each solution is a line \"solution K: NAME=VALUE ... cost=C soft=S\", printed as it is found;\n"
            "then \"solutions: N\" and the status line:\n"
            "  status: optimal        the best solution was found and proved best\n"
            "  status: all            every solution was listed\n"
            "  status: satisfied      solutions were found; the search did not go on to the end\n"
            "  status: unsatisfiable  there is no solution (proved)\n"
            "  status: unbounded      the objective has no bound\n"
            "  status: unknown        the time limit, the thrashing check or an interrupt ended the run\n"
            "Exit codes: 0 the run ended (whatever it found), 1 the problem cannot be read or the solver\n"
            "cannot take it, 2 bad options, 130 interrupted (SIGINT or SIGTERM).\n";
    return text;
}

std::string SolverName(SolverChoice choice) {
    for (const NamedSolver& s : kSolvers)
        if (s.choice == choice) return s.name;
    return "?";
}

SolveOptions ParseOptions(const std::vector<std::string>& args) {
    SolveOptions options;
    bool haveFile = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool inlineValue = false;
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "-" is standard input; after "--" every argument is a file, whatever its name.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (haveFile) throw UsageError("more than one problem file: " + options.file + ", " + arg);
            options.file = arg;
            haveFile = true;
            continue;
        }
        if (arg.rfind("--", 0) == 0) {
            const auto eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                inlineValue = true;
            }
        }
        auto takeValue = [&]() {
            if (inlineValue) return value;
            if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
            return args[++i];
        };
        auto noValue = [&]() {
            if (inlineValue) throw UsageError("option " + arg + " takes no value");
        };

        const auto flag = std::find_if(std::begin(kFlags), std::end(kFlags),
                                       [&](const NamedFlag& f) { return arg == f.name; });
        if (flag != std::end(kFlags)) {
            noValue();
            options.*(flag->member) = true;
        } else if (arg == "--solver") {
            const std::string name = takeValue();
            bool known = false;
            for (const NamedSolver& s : kSolvers) {
                if (name == s.name) {
                    options.solver = s.choice;
                    known = true;
                }
            }
            if (!known) throw UsageError("unknown solver '" + name + "'");
        } else if (arg == "--solutions") {
            const std::string count = takeValue();
            if (count == "all") {
                options.solutions = -1;
            } else if (!ToInt(count, options.solutions) || options.solutions < 1) {
                throw UsageError("--solutions wants a positive number or 'all', not '" + count + "'");
            }
        } else if (arg == "--time-limit") {
            const std::string seconds = takeValue();
            char* end = nullptr;
            errno = 0;
            const double parsed = seconds.empty() ? -1.0 : std::strtod(seconds.c_str(), &end);
            if (seconds.empty() || errno != 0 || *end != '\0' || !std::isfinite(parsed) || parsed <= 0.0)
                throw UsageError("--time-limit wants a positive number of seconds, not '" + seconds + "'");
            options.timeLimitSeconds = parsed;
        } else if (arg == "--param") {
            const std::string assignment = takeValue();
            const auto eq = assignment.find('=');
            int id = 0;
            int paramValue = 0;
            if (eq == std::string::npos || !ToInt(assignment.substr(0, eq), id) ||
                !ToInt(assignment.substr(eq + 1), paramValue))
                throw UsageError("--param wants ID=VALUE with two integers, not '" + assignment + "'");
            if (id < 1 || id >= AlgParams::kCount)
                throw UsageError("--param id " + std::to_string(id) + " is outside 1.." +
                                 std::to_string(AlgParams::kCount - 1));
            options.params[id] = paramValue;
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    if (!haveFile && !options.help && !options.version) throw UsageError("no problem file given");
    return options;
}

} // namespace TavSolve
