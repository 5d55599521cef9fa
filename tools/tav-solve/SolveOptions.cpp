#include "tools/tav-solve/SolveOptions.hpp"

#include "bridges/AlgParams.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iterator>

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
    {"--help", &SolveOptions::help},         {"-h", &SolveOptions::help},
    {"--stats", &SolveOptions::stats},       {"--describe", &SolveOptions::describe},
    {"--text", &SolveOptions::text},
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
    return "usage: tav-solve FILE [--solver gfc|gls|ga|tabu|gls2|lp|ext|auto] [--solutions N|all] "
           "[--time-limit SECONDS] [--param ID=VALUE]... [--stats] [--describe]\n"
           "       tav-solve DOC.tav [--solver gfc|gls|ga|tabu|gls2|expert] [--solutions N|all] "
           "[--time-limit SECONDS] [--stats] [--describe|--text]";
}

std::string SolverName(SolverChoice choice) {
    for (const NamedSolver& s : kSolvers)
        if (s.choice == choice) return s.name;
    return "?";
}

SolveOptions ParseOptions(const std::vector<std::string>& args) {
    SolveOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool inlineValue = false;
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
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else {
            if (haveFile) throw UsageError("more than one problem file: " + options.file + ", " + arg);
            options.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile && !options.help) throw UsageError("no problem file given");
    return options;
}

} // namespace TavSolve
