#include "bridges/GenExtDesc.hpp"
#include "platform/Cancelled.hpp"
#include "tools/tav-solve/SolutionWriter.hpp"
#include "tools/tav-solve/SolveOptions.hpp"
#include "tools/tav-solve/SolveRun.hpp"
#include "tools/tav-solve/SolverFactory.hpp"
#include "tools/tav-solve/TavSolveApp.hpp"

#include "language/RawParser.hpp"
#include "localsearch/Obj.hpp"
#include "tests/bridges/BruteForce.hpp"
#include "tests/bridges/RawBuild.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

using namespace TavLanguage;
using namespace TavBridges;
using namespace TavSolve;
using namespace RawBuild;

TEST(TavSolveOptions, DefaultsAndEveryOption) {
    SolveOptions o = ParseOptions({"p.csp"});
    EXPECT_EQ(o.file, "p.csp");
    EXPECT_EQ(o.solver, SolverChoice::Auto);
    EXPECT_EQ(o.solutions, 1);
    EXPECT_EQ(o.timeLimitSeconds, 300.0);
    EXPECT_TRUE(o.params.empty());
    EXPECT_FALSE(o.stats);

    o = ParseOptions({"--solver", "gls2", "--solutions=all", "p.csp", "--time-limit", "2.5", "--param",
                      "5=42", "--param=1=0", "--stats"});
    EXPECT_EQ(o.solver, SolverChoice::Gls2);
    EXPECT_EQ(o.solutions, -1);
    EXPECT_EQ(o.timeLimitSeconds, 2.5);
    EXPECT_EQ(o.params, (std::map<int, int>{{1, 0}, {5, 42}}));
    EXPECT_TRUE(o.stats);
    EXPECT_EQ(ParseOptions({"--solutions", "92", "q.csp"}).solutions, 92);
    EXPECT_TRUE(ParseOptions({"--help"}).help);
    EXPECT_TRUE(ParseOptions({"--version"}).version);
    EXPECT_EQ(ParseOptions({"--solver", "ext", "p.csp"}).solver, SolverChoice::Ext);
    EXPECT_TRUE(ParseOptions({"--describe", "p.csp"}).describe);
    // "-" is standard input; "--" ends the options.
    EXPECT_EQ(ParseOptions({"-", "--stats"}).file, "-");
    o = ParseOptions({"--stats", "--", "--odd.csp"});
    EXPECT_EQ(o.file, "--odd.csp");
    EXPECT_TRUE(o.stats);
}

TEST(TavSolveOptions, BadCommandLinesAreUsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"a.csp", "b.csp"},
        {"a.csp", "--solver", "cplex"},
        {"a.csp", "--solver"},
        {"a.csp", "--solutions", "0"},
        {"a.csp", "--solutions", "3x"},
        {"a.csp", "--solutions", "99999999999"},
        {"a.csp", "--time-limit", "-1"},
        {"a.csp", "--time-limit", "nan"},
        {"a.csp", "--time-limit", ""},
        {"a.csp", "--param", "3"},
        {"a.csp", "--param", "0=1"},
        {"a.csp", "--param", "15=1"},
        {"a.csp", "--param", "x=1"},
        {"a.csp", "--stats=yes"},
        {"a.csp", "--verbose"},
        {"--", "a.csp", "--stats"},
        {"--"},
    };
    for (const auto& args : bad) {
        std::string line;
        for (const auto& a : args)
            line += a + " ";
        EXPECT_THROW(ParseOptions(args), UsageError) << line;
    }
}

TEST(TavSolveOutput, SolutionLinesShowEveryValueKindCostAndSoftCost) {
    RawSolution s(1);
    s.AddLabel(RawLabel("x", Int(-3)));
    s.AddLabel(RawLabel("b", E(new RawBool(true))));
    s.AddLabel(RawLabel("r", Flt(2.0 / 3.0)));
    s.AddLabel(RawLabel("c", Str("red")));
    s.AddLabel(RawLabel("s", SetOf({1, 2, 3})));
    s.AddLabel(RawLabel("e", SetOf({})));
    EXPECT_EQ(FormatSolution(s, 4), "solution 4: x=-3 b=1 r=0.6666666667 c=red s={1,2,3} e={}");
    s.SetCost(Int(17));
    s.SetSoftCost(Int(0));
    EXPECT_EQ(FormatSolution(s, 1),
              "solution 1: x=-3 b=1 r=0.6666666667 c=red s={1,2,3} e={} cost=17 soft=0");
}

TEST(TavSolveParams, DefaultBlockOfTheChosenSolverWithOverrides) {
    // Complete search on problem files never stops early by itself.
    EXPECT_EQ(ParamsFor(SolverChoice::Gfc, {}), CompleteSearchDefaults());
    EXPECT_EQ(CompleteSearchDefaults().GetParameter(2), 0);
    EXPECT_EQ(ParamsFor(SolverChoice::Gfc, {{2, 1}}).GetParameter(2), 1);
    EXPECT_EQ(ParamsFor(SolverChoice::Gls2, {}), AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch));
    EXPECT_EQ(ParamsFor(SolverChoice::Ga, {}), AlgParams::Defaults(AlgParams::Family::GeneticAlgorithm));
    AlgParams tabu = ParamsFor(SolverChoice::Tabu, {{2, 9}, {14, -1}});
    EXPECT_EQ(tabu.GetParameter(1), 5);
    EXPECT_EQ(tabu.GetParameter(2), 9);
    EXPECT_EQ(tabu.GetParameter(14), -1);

    Problem p;
    p.IntVar("x", p.IntRange("d", 0, 1));
    EXPECT_EQ(ResolveSolver(SolverChoice::Auto, p.csp), SolverChoice::Gfc);
    EXPECT_EQ(ResolveSolver(SolverChoice::Tabu, p.csp), SolverChoice::Tabu);
    p.csp.AddVariable(MakeR<RawVar>(RawType::FltVar, "r", nullptr));
    EXPECT_EQ(ResolveSolver(SolverChoice::Auto, p.csp), SolverChoice::Lp);
}

namespace {

// A solver that yields `available` solutions x = 1, 2, ... and then none; with `hang` its
// Solve after the last solution runs until it is stopped.
class ScriptedSolver : public RawSolver {
public:
    ScriptedSolver(RawCSP* problem, int available, bool hang, int delayMs = 0)
        : RawSolver(problem), m_available(available), m_hang(hang), m_delayMs(delayMs) {}
    void Stop() override {
        m_stop = true;
        m_stop.notify_all();
    }
    bool Solve() override {
        m_stop = false; // like the engines, a new run forgets an earlier stop request
        if (m_next > m_available) {
            if (m_hang) m_stop.wait(false); // until stopped
            return false;
        }
        // Paces the solutions so that a limit that wrongly fired at once would cut the run.
        std::this_thread::sleep_for(std::chrono::milliseconds(m_delayMs));
        RawSolution& s = m_solutions.AddSolution();
        s.AddLabel(RawLabel("x", Int(m_next++)));
        return true;
    }
    std::ostream& PrintStatistics(std::ostream& out) override { return out << "Algorithm: scripted\n"; }

private:
    int m_available;
    bool m_hang;
    int m_delayMs;
    int m_next = 1;
    std::atomic<bool> m_stop{false};
};

} // namespace

TEST(TavSolveRun, StopsAtTheCountAtExhaustionAndAtTheTimeLimit) {
    RawCSP problem;
    {
        ScriptedSolver solver(&problem, 5, false);
        std::vector<int> seen;
        RunResult r = RunSolver(solver, 3, 60.0, [&](const RawSolution&, int k) { seen.push_back(k); });
        EXPECT_EQ(r.found, 3);
        EXPECT_FALSE(r.timedOut);
        EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    }
    {
        // A limit too large for the clock is no limit, not an immediate time-out.
        ScriptedSolver solver(&problem, 5, false, 20);
        RunResult r = RunSolver(solver, -1, 1e308, [](const RawSolution&, int) {});
        EXPECT_EQ(r.found, 5);
        EXPECT_FALSE(r.timedOut);
    }
    {
        ScriptedSolver solver(&problem, 2, true);
        const auto start = std::chrono::steady_clock::now();
        RunResult r = RunSolver(solver, -1, 0.2, [](const RawSolution&, int) {});
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(r.found, 2);
        EXPECT_TRUE(r.timedOut);
        EXPECT_GE(seconds, 0.2);
        EXPECT_EQ(solver.GetSolutions().GetCount(), 2);
    }
}

TEST(TavSolveRun, TheTimeLimitAlsoEndsTheBuildingOfTheSolver) {
    // A builder that only ends when the run's stop request is set, as a bridge's translation
    // of a huge model does.
    const SolverBuilder endless = [](BridgeContext context) -> std::unique_ptr<RawSolver> {
        while (!context.IsStopRequested())
            std::this_thread::yield();
        throw Platform::Cancelled();
    };
    const BuiltRun run = BuildAndRun(endless, -1, 0.05, [](const RawSolution&, int) {});
    EXPECT_TRUE(run.result.timedOut);
    EXPECT_EQ(run.result.found, 0);
    EXPECT_FALSE(run.solver);

    // A builder that finishes in time: the run goes on with what it built.
    RawCSP problem;
    const BuiltRun built = BuildAndRun(
        [&](BridgeContext) -> std::unique_ptr<RawSolver> {
            return std::make_unique<ScriptedSolver>(&problem, 2, false);
        },
        -1, 60.0, [](const RawSolution&, int) {});
    EXPECT_FALSE(built.result.timedOut);
    EXPECT_EQ(built.result.found, 2);
    ASSERT_TRUE(built.solver);
}

namespace {

// A variable that sets a stop request when a bridge reads its name, and a constant that does
// when a bridge reads its value: as a time limit that runs out while the model is built.
class StoppingVar : public RawVar {
public:
    StoppingVar(std::string name, RPtr<RawDom> domain, std::atomic<bool>& stop)
        : RawVar(RawType::IntVar, std::move(name), std::move(domain)), m_stop(stop) {}
    std::string GetName() const override {
        m_stop = true;
        return RawVar::GetName();
    }

private:
    std::atomic<bool>& m_stop;
};

class StoppingInt : public RawInt {
public:
    StoppingInt(int value, std::atomic<bool>& stop) : RawInt(value), m_stop(stop) {}
    int GetInt() const override {
        m_stop = true;
        return RawInt::GetInt();
    }

private:
    std::atomic<bool>& m_stop;
};

// Each Solve appends three solutions x = 1, 2, 3, then 4, 5, 6, ...: it tells the first two
// through the run's hook as it goes (as an optimising local search tells each new best) and
// the third only by returning.
class BurstSolver : public RawSolver {
public:
    BurstSolver(RawCSP* problem, std::function<void(const RawSolution&)> tell)
        : RawSolver(problem), m_tell(std::move(tell)) {}
    void Stop() override {}
    bool Solve() override {
        for (int i = 0; i < 3; ++i) {
            RawSolution& s = m_solutions.AddSolution();
            s.AddLabel(RawLabel("x", Int(m_next++)));
            if (i < 2) m_tell(s);
        }
        SetEnd(SolveEnd::Solution);
        return true;
    }
    std::ostream& PrintStatistics(std::ostream& out) override { return out; }

private:
    std::function<void(const RawSolution&)> m_tell;
    int m_next = 1;
};

} // namespace

TEST(TavSolveRun, AStopBeforeOrWhileTheModelIsBuiltEndsEverySolverWithNoSolution) {
    enum class When { Before, Variables, Constraints };
    const std::pair<When, const char*> moments[] = {{When::Before, "before building"},
                                                    {When::Variables, "while translating the variables"},
                                                    {When::Constraints, "while translating the constraints"}};
    for (SolverChoice solver : {SolverChoice::Gfc, SolverChoice::Gls, SolverChoice::Ga, SolverChoice::Tabu,
                                SolverChoice::Gls2, SolverChoice::Ext}) {
        for (const auto& [when, what] : moments) {
            SCOPED_TRACE(SolverName(solver) + " stopped " + what);
            std::atomic<bool> stop{when == When::Before};
            // x < y < 3 and y <> 0 over 0..3: solutions exist, so none reported means stopped.
            Problem p;
            auto d = p.IntRange("d", 0, 3);
            const RPtr<RawVar> x(when == When::Variables ? new StoppingVar("x", d, stop)
                                                         : new RawVar(RawType::IntVar, "x", d));
            p.csp.AddVariable(x);
            E y = p.IntVar("y", d);
            p.Post(Con(RawType::Less, x, y));
            p.Post(Con(RawType::Less, y, when == When::Constraints ? E(new StoppingInt(3, stop)) : Int(3)));
            p.Post(Con(RawType::NotEqual, y, Int(0)));
            const AlgParams params = ParamsFor(solver, {});
            // The test's flag stands for the run's, which its time limit sets.
            const BuiltRun run = BuildAndRun(
                [&](BridgeContext context) {
                    context.stop = &stop;
                    return MakeSolver(solver, p.csp, params, context);
                },
                -1, 60.0, [](const RawSolution&, int) { ADD_FAILURE() << "a solution was reported"; });
            EXPECT_TRUE(stop.load());
            EXPECT_EQ(run.result.found, 0);
            EXPECT_EQ(run.result.end, SolveEnd::None);
            EXPECT_FALSE(run.solver);
            EXPECT_EQ(GLSLib::Obj::RegistrySize(), 0u) << "the model built so far is freed";
        }
    }
}

TEST(TavSolveRun, SolutionsToldDuringASolveAreHandedOnOnceInTheirOrder) {
    RawCSP problem;
    std::vector<std::string> seen;
    const BuiltRun run = BuildAndRun(
        [&](BridgeContext context) -> std::unique_ptr<RawSolver> {
            return std::make_unique<BurstSolver>(&problem, context.onSolution);
        },
        4, 60.0, [&](const RawSolution& s, int k) { seen.push_back(FormatSolution(s, k)); });
    // The count is reached within the second Solve, which is not cut short.
    EXPECT_EQ(run.result.found, 6);
    EXPECT_EQ(run.result.end, SolveEnd::Solution);
    EXPECT_EQ(seen, (std::vector<std::string>{"solution 1: x=1", "solution 2: x=2", "solution 3: x=3",
                                              "solution 4: x=4", "solution 5: x=5", "solution 6: x=6"}));
}

TEST(TavSolveRun, AnInterruptEndsTheRunAsTheTimeLimitDoesAndIsToldApart) {
    RawCSP problem;
    ScriptedSolver solver(&problem, 1, true);
    std::atomic<bool> interrupt{false};
    // Set as a signal handler sets it: nobody is woken.
    std::thread later([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        interrupt = true;
    });
    const RunResult r = RunSolver(
        solver, -1, 60.0, [](const RawSolution&, int) {}, &interrupt);
    later.join();
    EXPECT_EQ(r.found, 1);
    EXPECT_TRUE(r.interrupted);
    EXPECT_FALSE(r.timedOut);
}

TEST(TavSolveRun, TheStatusSaysWhatTheRunProved) {
    struct Case {
        SolveEnd end;
        int found;
        bool optimising;
        bool cutShort;
        RunStatus status;
    };
    const Case cases[] = {
        {SolveEnd::Optimum, 1, true, false, RunStatus::Optimal},
        {SolveEnd::Exhausted, 2, true, false, RunStatus::Optimal}, // the optimum, then nothing more
        {SolveEnd::Exhausted, 92, false, false, RunStatus::All},
        {SolveEnd::Exhausted, 0, false, false, RunStatus::Unsatisfiable},
        {SolveEnd::Exhausted, 0, true, false, RunStatus::Unsatisfiable},
        {SolveEnd::Unbounded, 0, true, false, RunStatus::Unbounded},
        {SolveEnd::Solution, 1, false, false, RunStatus::Satisfied},
        {SolveEnd::Solution, 3, true, false, RunStatus::Satisfied}, // a local search's best so far
        {SolveEnd::GaveUp, 5, false, false, RunStatus::Satisfied},
        {SolveEnd::GaveUp, 0, false, false, RunStatus::Unknown},
        {SolveEnd::Stopped, 0, false, false, RunStatus::Unknown},
        {SolveEnd::Thrashing, 6, false, false, RunStatus::Unknown},
        {SolveEnd::None, 0, false, false, RunStatus::Unknown},
        // The time limit or an interrupt proves nothing, whatever the last search said.
        {SolveEnd::Exhausted, 0, false, true, RunStatus::Unknown},
        {SolveEnd::Optimum, 1, true, true, RunStatus::Unknown},
        {SolveEnd::Solution, 1, false, true, RunStatus::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        EXPECT_EQ(StatusOf(c.end, c.found, c.optimising, c.cutShort), c.status);
    }
    EXPECT_EQ(StatusLine(RunStatus::Optimal), "status: optimal");
    EXPECT_EQ(StatusLine(RunStatus::All), "status: all");
    EXPECT_EQ(StatusLine(RunStatus::Satisfied), "status: satisfied");
    EXPECT_EQ(StatusLine(RunStatus::Unsatisfiable), "status: unsatisfiable");
    EXPECT_EQ(StatusLine(RunStatus::Unbounded), "status: unbounded");
    EXPECT_EQ(StatusLine(RunStatus::Unknown), "status: unknown");
}

namespace {

struct AppRun {
    int code;
    std::string out;
    std::string err;
};

AppRun Tav(const std::vector<std::string>& args, const ProblemReader& reader) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunTavSolve(args, reader, out, err);
    return {code, out.str(), err.str()};
}

} // namespace

TEST(TavSolveApp, ExitCodesForUsageParseErrorsAndUnavailableSolvers) {
    const ProblemReader ok = [](const std::string&, RawCSP&) { return ParserErr(); };
    AppRun usage = Tav({"--solver", "x", "f.csp"}, ok);
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.err.find("usage: tav-solve FILE"), std::string::npos) << usage.err;
    EXPECT_EQ(usage.out, "");

    AppRun help = Tav({"--help"}, ok);
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("usage:"), std::string::npos);
    // Each solver's parameters with their defaults, the time limit's default, the status lines.
    for (const char* text : {"      gfc (tav-solve's own defaults", "1  variable ordering",
                             "2  thrashing factor: 0 no thrashing stop, "
                             "else the search may stop early (default 0)",
                             "      tabu\n", "      ga\n", "      gls, gls2\n", "(default 300)",
                             "status: unbounded", "130 interrupted"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text << "\n" << help.out;
    AppRun version = Tav({"--version"}, ok);
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind("tav-solve ", 0), 0u) << version.out;

    const ProblemReader fails = [](const std::string&, RawCSP&) {
        ParserErr e;
        e.Set(1);
        return e;
    };
    AppRun parse = Tav({"missing.csp"}, fails);
    EXPECT_EQ(parse.code, 1);
    EXPECT_EQ(parse.err, "missing.csp: Can't open CSP File\n");
    EXPECT_EQ(parse.out, "");
}

TEST(TavSolveApp, TheTimeLimitCoversReadingTheProblem) {
    // A reader that only ends when the run's stop request is set, as the parser does on a huge
    // problem: the run ends at its limit with no solution, as a timed-out search does.
    const StoppableReader endless = [](const std::string&, RawCSP&,
                                       const std::atomic<bool>& stop) -> ParserErr {
        while (!stop.load())
            std::this_thread::yield();
        throw Platform::Cancelled();
    };
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunTavSolve({"f.csp", "--time-limit", "0.05"}, endless, out, err), 0);
    EXPECT_EQ(out.str(), "solutions: 0\nstatus: unknown\n");
    EXPECT_EQ(err.str(), "Timed out - increase search time if desired\n");
}

TEST(TavSolveApp, AProblemTheSolverCannotTakeExitsWithOneAndSaysWhy) {
    // Real variables belong to linear programming; complete search refuses them by name.
    const ProblemReader reals = [](const std::string&, RawCSP& csp) {
        Problem p(csp);
        p.IntVar("x", p.IntRange("d", 0, 3));
        csp.AddVariable(MakeR<RawVar>(RawType::FltVar, "r", nullptr));
        return ParserErr();
    };
    AppRun run = Tav({"f.csp", "--solver", "gfc"}, reals);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("solver 'gfc' cannot take this problem"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    // The same problem in code, solved: every line as documented, then the count.
    const ProblemReader small = [](const std::string&, RawCSP& csp) {
        Problem p(csp);
        E x = p.IntVar("x", p.IntRange("d", 0, 3));
        p.Post(Con(RawType::Greater, x, Int(1)));
        return ParserErr();
    };
    AppRun all = Tav({"f.csp", "--solutions", "all"}, small);
    EXPECT_EQ(all.code, 0);
    EXPECT_EQ(all.out, "solution 1: x=2\nsolution 2: x=3\nsolutions: 2\nstatus: all\n");
}

TEST(TavSolveApp, ExamplesEndToEndThrashingNoteAndSetsInACount) {
    const ProblemReader parse = [](const std::string& file, RawCSP& csp) {
        return ParseCSPFile(std::string(TAV_EXAMPLES_DIR) + "/" + file, nullptr, &csp);
    };
    auto lines = [](const std::string& text, const std::string& start) {
        int n = 0;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            n += line.rfind(start, 0) == 0 ? 1 : 0;
        return n;
    };
    // Complete search lists every solution at its defaults.
    AppRun complete = Tav({"queens.csp", "--solver", "gfc", "--solutions", "all"}, parse);
    EXPECT_EQ(complete.code, 0);
    EXPECT_EQ(lines(complete.out, "solution "), 92);
    EXPECT_NE(complete.out.find("\nsolutions: 92\nstatus: all\n"), std::string::npos) << complete.out;
    EXPECT_EQ(complete.err, "");

    // The workbench's thrashing factor ends eight queens early: the count is not all there is,
    // and the status does not claim it.
    AppRun early = Tav({"queens.csp", "--solver", "gfc", "--solutions", "all", "--param", "1=1", "--param",
                        "2=1", "--param", "3=1"},
                       parse);
    EXPECT_EQ(early.code, 0);
    EXPECT_EQ(lines(early.out, "solution "), 7);
    EXPECT_NE(early.out.find("\nsolutions: 7\nstatus: unknown\n"), std::string::npos) << early.out;
    EXPECT_EQ(early.err, "Search stopped by the thrashing check; set --param 2=0 for a complete search\n");

    // A count over set variables: refused by both kinds of search, never answered wrongly.
    for (const char* solver : {"gfc", "gls"}) {
        SCOPED_TRACE(solver);
        AppRun sets = Tav({"nurses-sets.csp", "--solver", solver}, parse);
        EXPECT_EQ(sets.code, 1);
        EXPECT_EQ(sets.out, "");
        EXPECT_NE(sets.err.find("search cannot handle the expression shift1[0]"), std::string::npos)
            << sets.err;
    }
}

namespace {

std::string Example(const std::string& name) {
    return std::string(TAV_EXAMPLES_DIR) + "/" + name;
}

int RunTool(const std::vector<std::string>& args, std::string& out, std::string& err) {
    const ProblemReader reader = [](const std::string& file, RawCSP& problem) {
        return ParseCSPFile(file, nullptr, &problem);
    };
    AppRun run = Tav(args, reader);
    out = run.out;
    err = run.err;
    return run.code;
}

} // namespace

TEST(TavSolveApp, DescribesAndSolvesTheExternalWay) {
    std::string out, err;
    ASSERT_EQ(RunTool({"--describe", Example("queens8.csp")}, out, err), 0) << err;
    RawCSP queens;
    ASSERT_TRUE(ParseCSPFile(Example("queens8.csp"), nullptr, &queens).IsOk());
    EXPECT_EQ(out, GenExtDesc::Describe(queens));

    EXPECT_EQ(RunTool({"--describe", Example("diet.csp")}, out, err), 1);
    EXPECT_NE(err.find("real variables"), std::string::npos) << err;

    // Each further solution is a new one: the found ones are forbidden in the rebuilt model.
    ASSERT_EQ(RunTool({"--solver", "ext", "--solutions", "3", "--time-limit", "20", Example("queens8.csp")},
                      out, err),
              0)
        << err;
    EXPECT_NE(out.find("solutions: 3"), std::string::npos) << out;
    std::set<std::string> assignments;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("solution ", 0) == 0) assignments.insert(line.substr(line.find(':')));
    EXPECT_EQ(assignments.size(), 3u) << out;

    // What the text cannot state is refused before any search.
    EXPECT_EQ(RunTool({"--solver", "ext", Example("transport.csp")}, out, err), 1);
    EXPECT_NE(err.find("cannot take this problem"), std::string::npos) << err;
}

namespace {

// The last value of `name=` in the text ("" when none).
std::string LastValue(const std::string& text, const std::string& name) {
    const auto at = text.rfind(" " + name + "=");
    if (at == std::string::npos) return {};
    const auto start = at + name.size() + 2;
    return text.substr(start, text.find_first_of(" \n", start) - start);
}

std::string StatusOfOutput(const std::string& out) {
    const auto at = out.rfind("status: ");
    return at == std::string::npos ? std::string() : out.substr(at + 8, out.find('\n', at) - at - 8);
}

} // namespace

TEST(TavSolveApp, TheExamplesWithNoOptionsGiveCompleteAnswers) {
    // What tav-solve FILE says with no options (and with --solutions all where every solution is
    // wanted), against the brute-force oracle where the problem is small enough to enumerate and
    // against the answers the examples state otherwise.
    struct Case {
        const char* example;
        bool all;           // also run with --solutions all
        const char* status; // with no options
        bool oracle;        // small enough for the brute-force oracle
        int count;          // with --solutions all (-1: the oracle's count)
        const char* cost;   // the last solution's cost ("": none to check)
    };
    const Case cases[] = {
        {"bins.csp", false, "satisfied", false, 0, ""},
        {"bins-sets.csp", false, "satisfied", false, 0, ""},
        {"colouring-none.csp", true, "unsatisfiable", true, -1, ""},
        {"features.csp", false, "optimal", true, 0, ""},
        {"knapsack.csp", false, "optimal", true, 0, "51"},
        {"logic.csp", true, "satisfied", true, -1, ""},
        {"meetings-soft.csp", false, "optimal", true, 0, "4"},
        {"nurses-none.csp", true, "unsatisfiable", false, 0, ""},
        {"queens.csp", true, "satisfied", false, 92, ""},
        {"queens8.csp", true, "satisfied", false, 92, ""},
        {"salesman.csp", false, "satisfied", false, 0, ""},
        {"sendmore.csp", true, "satisfied", false, 1, ""},
        {"teams-sets.csp", true, "satisfied", true, -1, ""},
        {"production.csp", false, "optimal", false, 0, "21"},
        {"diet.csp", false, "optimal", false, 0, ""},
        {"transport.csp", false, "optimal", false, 0, ""},
        {"lp-assign.csp", false, "optimal", false, 0, ""},
        {"lp-cycling.csp", false, "optimal", false, 0, ""},
        {"lp-equality.csp", false, "optimal", false, 0, ""},
        {"lp-max.csp", false, "optimal", false, 0, ""},
        {"lp-min.csp", false, "optimal", false, 0, ""},
        {"lp-transport.csp", false, "optimal", false, 0, ""},
        {"lp-infeasible.csp", false, "unsatisfiable", false, 0, ""},
        {"lp-unbounded.csp", false, "unbounded", false, 0, ""},
    };
    std::string out, err;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        ASSERT_EQ(RunTool({Example(c.example)}, out, err), 0) << err;
        EXPECT_EQ(StatusOfOutput(out), c.status) << out;
        if (*c.cost != '\0') {
            EXPECT_EQ(LastValue(out, "cost"), c.cost) << out;
        }
        BruteForce::Oracle oracle;
        RawCSP problem;
        if (c.oracle) {
            ASSERT_TRUE(ParseCSPFile(Example(c.example), nullptr, &problem).IsOk());
            oracle = BruteForce::Solve(problem);
        }
        if (c.oracle && std::string(c.status) == "optimal") {
            // The best objective plus soft cost there is, against the printed one.
            const RPtr<RawOpt>& objective = problem.GetObjective();
            const double sign = objective && !objective->IsMinimise() ? -1.0 : 1.0;
            double best = 1e300;
            for (const auto& [key, e] : oracle.evaluations)
                best = std::min(best, sign * e.objective + static_cast<double>(e.softCost));
            const std::string soft = LastValue(out, "soft");
            const double printed =
                sign * std::stod(LastValue(out, "cost").empty() ? "0" : LastValue(out, "cost")) +
                (soft.empty() ? 0.0 : std::stod(soft));
            EXPECT_EQ(printed, best) << out;
        }
        if (!c.all) continue;
        ASSERT_EQ(RunTool({Example(c.example), "--solutions", "all"}, out, err), 0) << err;
        const int count = c.oracle ? static_cast<int>(oracle.solutions.size()) : c.count;
        EXPECT_NE(out.find("solutions: " + std::to_string(count) + "\n"), std::string::npos) << out;
        EXPECT_EQ(StatusOfOutput(out), count == 0 ? "unsatisfiable" : "all") << out;
    }
    // Every example is here, but the one no search takes (a count over set variables, refused
    // by name in ExamplesEndToEndThrashingNoteAndSetsInACount).
    std::set<std::string> listed = {"nurses-sets.csp"};
    for (const Case& c : cases)
        listed.insert(c.example);
    for (const auto& entry : std::filesystem::directory_iterator(TAV_EXAMPLES_DIR)) {
        if (entry.path().extension() == ".csp") {
            EXPECT_EQ(listed.count(entry.path().filename().string()), 1u) << entry.path();
        }
    }
}
