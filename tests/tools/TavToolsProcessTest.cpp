// tav-solve and tav-parse run as a script runs them, each in its own process: the status line
// that ends every run, what precedes it, the exit code, an interrupt in the middle of a run, and
// the position of an error in a broken problem.

#include "ToolProcess.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

std::string Example(const std::string& name) {
    return std::string(TAV_EXAMPLES_DIR) + "/" + name;
}

std::string Data(const std::string& name) {
    return std::string(TAV_TOOLS_DATA_DIR) + "/" + name;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(TavSolveProcess, EveryRunEndsWithItsStatusLineAndExitCode) {
    struct Row {
        const char* name;
        std::vector<std::string> arguments;
        // The whole of standard output, as a regular expression.
        std::string out;
        int code;
        // Text that standard error must hold (empty: anything).
        std::string err;
        ToolProcess::Signal signal{};
        std::string input{};
    };
    const std::string anySolutions = "(solution [0-9]+: [^\n]*\n)+solutions: [1-9][0-9]*\n";
    const Row rows[] = {
        {"satisfiable",
         {Example("sendmore.csp")},
         "solution 1: s=9 e=5 n=6 d=7 m=1 o=0 r=8 y=2\nsolutions: 1\nstatus: satisfied\n",
         0,
         ""},
        {"every solution",
         {Example("queens8.csp"), "--solutions", "all"},
         "(solution [0-9]+: [^\n]*\n){92}solutions: 92\nstatus: all\n",
         0,
         ""},
        {"optimisation",
         {Example("knapsack.csp")},
         "solution 1: x\\[0\\]=0 x\\[1\\]=1 x\\[2\\]=1 x\\[3\\]=1 x\\[4\\]=0 x\\[5\\]=0 cost=51\n"
         "solutions: 1\nstatus: optimal\n",
         0,
         ""},
        {"no solution", {Example("colouring-none.csp")}, "solutions: 0\nstatus: unsatisfiable\n", 0, ""},
        {"unbounded LP",
         {Example("lp-unbounded.csp")},
         "solutions: 0\nstatus: unbounded\n",
         0,
         "Solution Unbounded"},
        {"infeasible LP",
         {Example("lp-infeasible.csp")},
         "solutions: 0\nstatus: unsatisfiable\n",
         0,
         "No Solution Found"},
        {"time-out",
         {Data("unsat-minimise.csp"), "--solver", "gls", "--time-limit", "0.1"},
         "solutions: 0\nstatus: unknown\n",
         0,
         "Timed out - increase search time if desired"},
        // A local search that would run for a minute, interrupted once it has printed a solution:
        // what it found, the status and the statistics come out before it ends.
        {"interrupt",
         {Example("knapsack.csp"), "--solver", "gls", "--time-limit", "60", "--stats"},
         anySolutions + "status: unknown\n",
         130,
         "Algorithm: GLS",
         {"solution 1:", SIGINT}},
        {"interrupted document",
         {Example("queens8.tav"), "--solver", "gls", "--solutions", "all", "--time-limit", "60"},
         anySolutions + "status: unknown\n",
         130,
         "",
         {"solution 1:", SIGTERM}},
        {"standard input",
         {"-"},
         "solution 1: s=9 e=5 n=6 d=7 m=1 o=0 r=8 y=2\nsolutions: 1\nstatus: satisfied\n",
         0,
         "",
         {},
         ReadFile(Example("sendmore.csp"))},
        {"bad option", {Example("sendmore.csp"), "--solutions", "none"}, "", 2, "usage: tav-solve"},
        {"unreadable", {Example("none.csp")}, "", 1, "none.csp: Can't open CSP File"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> command = {TAV_SOLVE_PROGRAM};
        command.insert(command.end(), row.arguments.begin(), row.arguments.end());
        const ToolProcess::Result run = ToolProcess::Run(command, row.input, row.signal);
        EXPECT_EQ(run.code, row.code) << run.out << run.err;
        EXPECT_TRUE(std::regex_match(run.out, std::regex(row.out))) << run.out;
        EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
    }
}

TEST(TavToolsProcess, ErrorsInAProblemAreWrittenAtTheirPlace) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tav-broken-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    struct Broken {
        const char* file;
        const char* text;
        // Standard error after the file's path.
        const char* message;
    };
    const Broken problems[] = {
        {"character.csp",
         "problem: p\n{\n  domains { intdom d = [0, 3]; }\n  variables { intvar x :: d; }\n"
         "  constraints { x > 1 $ 2; }\n}\n",
         ":5:23: Syntax error (line 5)\n"},
        {"semicolon.csp",
         "problem: p\n{\n  domains { intdom d = [0, 3]; }\n  variables { intvar x :: d }\n"
         "  constraints { x > 1; }\n}\n",
         ":4:29: Syntax error (line 4)\n"},
        {"literal.csp", "problem: p\n{\n  domains { intdom d = [0, 99999999999]; }\n}\n",
         ":3:28: Syntax error (line 3)\n"},
        {"unknown.csp",
         "problem: p\n{\n  domains { intdom d = [0, 3]; }\n  variables { intvar x :: d; }\n"
         "  constraints\n  {\n    y > 1;\n  }\n}\n",
         ":7: Variable or Index y not found (line 7)\n"},
        {"end.csp", "problem: p\n{\n  domains { intdom d = [0, 3]; }\n", ":4: Syntax error (line 4)\n"},
    };
    for (const Broken& problem : problems) {
        SCOPED_TRACE(problem.file);
        const std::string path = (folder / problem.file).string();
        std::ofstream(path, std::ios::binary) << problem.text;
        for (const char* program : {TAV_PARSE_PROGRAM, TAV_SOLVE_PROGRAM}) {
            SCOPED_TRACE(program);
            const ToolProcess::Result run = ToolProcess::Run({program, path});
            EXPECT_EQ(run.code, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, path + problem.message);
        }
        // The same text on standard input is "<stdin>".
        const ToolProcess::Result piped = ToolProcess::Run({TAV_PARSE_PROGRAM, "-"}, problem.text);
        EXPECT_EQ(piped.err, std::string("<stdin>") + problem.message);
    }
    std::filesystem::remove_all(folder);

    // A well-formed problem: the parser's word on standard output, nothing on standard error.
    const ToolProcess::Result fine = ToolProcess::Run({TAV_PARSE_PROGRAM, Example("queens8.csp")});
    EXPECT_EQ(fine.code, 0);
    EXPECT_EQ(fine.out, "Parsed CSP file successfully\n");
    EXPECT_EQ(fine.err, "");
}

TEST(TavToolsProcess, HelpVersionAndBadOptions) {
    for (const char* program : {TAV_PARSE_PROGRAM, TAV_SOLVE_PROGRAM}) {
        SCOPED_TRACE(program);
        const ToolProcess::Result help = ToolProcess::Run({program, "--help"});
        EXPECT_EQ(help.code, 0);
        EXPECT_EQ(help.out.rfind("usage: ", 0), 0u) << help.out;
        const ToolProcess::Result version = ToolProcess::Run({program, "--version"});
        EXPECT_EQ(version.code, 0);
        EXPECT_TRUE(std::regex_match(version.out, std::regex("tav-(parse|solve) [0-9]+\\.[0-9]+.*\n")))
            << version.out;
        const ToolProcess::Result bad = ToolProcess::Run({program, "--frobnicate", Example("queens8.csp")});
        EXPECT_EQ(bad.code, 2);
        EXPECT_EQ(bad.out, "");
        EXPECT_NE(bad.err.find("--frobnicate"), std::string::npos) << bad.err;
    }
    // "--" ends the options: what follows is a file name, whatever it looks like.
    const ToolProcess::Result ended = ToolProcess::Run({TAV_PARSE_PROGRAM, "--", "--help"});
    EXPECT_EQ(ended.code, 1);
    EXPECT_EQ(ended.err, "--help: Can't open CSP File\n");
}
