#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawEvaluator.hpp"
#include "bridges/TranslationError.hpp"

#include "BridgeCases.hpp"
#include "BruteForce.hpp"
#include "RawBuild.hpp"
#include "language/Bug.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawOp.hpp"
#include "platform/FatalError.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;
using namespace RawBuild;
using namespace BridgeCases;

namespace {

AlgParams Natural() {
    AlgParams params = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
    params.SetParameter(1, 0);
    params.SetParameter(2, 0); // no thrashing stop: the search must be complete
    params.SetParameter(3, 0);
    return params;
}

// Every solution the bridge gives, checked one by one against the evaluator.
std::set<std::string> AllSolutions(RawCSP& problem, const AlgParams& params, std::size_t cap) {
    RawGFCSolver solver(&problem, &params);
    TavBridges::RawEvaluator evaluator(problem);
    std::set<std::string> keys;
    while (keys.size() <= cap && solver.Solve()) {
        EXPECT_TRUE(solver.IsSolved());
        const RawSolution& s = solver.GetSolutions().Last();
        TavBridges::RawEvaluation e = evaluator.Evaluate(s);
        EXPECT_TRUE(e.feasible) << (e.faults.empty() ? "" : e.faults[0]);
        EXPECT_TRUE(keys.insert(BruteForce::SolutionKey(problem, s)).second) << "repeated solution";
    }
    EXPECT_TRUE(solver.IsFinished());
    return keys;
}

} // namespace

TEST(RawGFCSolver, FindsExactlyTheSolutionsOfTheBruteForceOracle) {
    int index = 0;
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        // Natural and smallest-domain ordering take turns over the cases.
        const int ordering = (index++ % 2 == 0) ? 0 : 2;
        Problem p;
        Vars v = Declare(p);
        c.build(p, v);
        const BruteForce::Oracle oracle = BruteForce::Solve(p.csp);
        AlgParams params = Natural();
        params.SetParameter(1, ordering);
        const std::set<std::string> found = AllSolutions(p.csp, params, oracle.solutions.size() + 3);
        EXPECT_EQ(found, oracle.solutions) << "ordering " << ordering;
    }
}

TEST(RawGFCSolver, BackjumpingFindsTheSameSolutions) {
    Problem p;
    Vars v = Declare(p);
    Cases()[1].build(p, v);
    AlgParams params = Natural();
    params.SetParameter(3, 1);
    const BruteForce::Oracle oracle = BruteForce::Solve(p.csp);
    EXPECT_EQ(AllSolutions(p.csp, params, oracle.solutions.size() + 3), oracle.solutions);
}

TEST(RawGFCSolver, OptimisesWithObjectiveAndSoftCostAsTheOracle) {
    struct Opt {
        const char* name;
        bool maximise;
        bool objective;
        bool soft;
    };
    for (const Opt& o : {Opt{"min", false, true, false}, Opt{"max", true, true, false},
                         Opt{"min with soft", false, true, true}, Opt{"max with soft", true, true, true},
                         Opt{"soft only", false, false, true}}) {
        SCOPED_TRACE(o.name);
        Problem p;
        Vars v = Declare(p);
        p.Post(Con(RawType::NotEqual, v.x, v.y));
        E f = Op(RawType::Minus, Op(RawType::Times, Int(2), v.x), v.y);
        if (o.objective) {
            if (o.maximise)
                p.Maximise(f);
            else
                p.Minimise(f);
        }
        if (o.soft) {
            p.Soft(Con(RawType::Equal, v.x, Int(0)), 3);
            p.Soft(Con(RawType::Greater, v.y, v.x), 2);
        }
        // The oracle's best of what complete search minimises: objective plus soft cost, or soft
        // cost minus objective for a maximisation.
        const BruteForce::Oracle oracle = BruteForce::Solve(p.csp);
        double best = 1e18;
        for (const auto& [key, e] : oracle.evaluations) {
            const double inner = (o.maximise ? -e.objective : e.objective) + static_cast<double>(e.softCost);
            best = std::min(best, o.objective ? inner : static_cast<double>(e.softCost));
        }

        const AlgParams params = Natural();
        RawGFCSolver solver(&p.csp, &params);
        ASSERT_TRUE(solver.Solve());
        const RawSolution& s = solver.GetSolutions().Last();
        TavBridges::RawEvaluation e = TavBridges::RawEvaluator(p.csp).Evaluate(s);
        ASSERT_TRUE(e.feasible);
        const double inner = (o.maximise ? -e.objective : e.objective) + static_cast<double>(e.softCost);
        EXPECT_EQ(o.objective ? inner : static_cast<double>(e.softCost), best);
        if (o.objective) {
            ASSERT_TRUE(s.GetCost().GetValue());
            EXPECT_EQ(s.GetCost().GetName(), "cost");
            // Reported as the objective's own value; the soft cost has its own label.
            EXPECT_EQ(s.GetCost().GetValue()->GetInt(), static_cast<int>(e.objective));
        } else {
            EXPECT_EQ(s.GetCost().GetName(), "nocost");
        }
        if (o.soft) {
            ASSERT_TRUE(s.GetSoftCost().GetValue());
            EXPECT_EQ(s.GetSoftCost().GetValue()->GetInt(), e.softCost);
        } else {
            EXPECT_EQ(s.GetSoftCost().GetName(), "nosoftcost");
        }
        EXPECT_FALSE(solver.Solve()) << "the best solution comes in one call";
        EXPECT_FALSE(solver.IsSolved());
        EXPECT_EQ(solver.GetSolutions().GetCount(), 1);
    }
}

TEST(RawGFCSolver, LabelsFollowTheRawVariableOrderWithBooleansAsIntegers) {
    Problem p;
    auto d = p.IntRange("d", 1, 5);
    auto colours = p.StrDom("colours", {"red", "green"});
    auto sd = p.SetDom("sd", {4, 2});
    p.IntVar("x", d);
    p.BoolVar("b");
    p.SetVar("s", sd);
    p.Var(RawType::StrVar, "c", colours);
    p.Post(Con(RawType::Equal, p.csp.FindVariable("x"), Int(3)));
    p.Post(Con(RawType::Equal, p.csp.FindVariable("b"), Int(1)));
    p.Post(Con(RawType::Equal, Op(RawType::Cardinality, p.csp.FindVariable("s")), Int(2)));
    p.Post(Con(RawType::Equal, p.csp.FindVariable("c"), Str("green")));
    const AlgParams params = Natural();
    RawGFCSolver solver(&p.csp, &params);
    ASSERT_TRUE(solver.Solve());
    const RawSolution& s = solver.GetSolutions().Last();
    ASSERT_EQ(s.GetSize(), 4);
    EXPECT_EQ(s.GetLabel(0).GetName(), "x");
    EXPECT_EQ(s.GetLabel(0).GetValue()->GetInt(), 3);
    EXPECT_EQ(s.GetLabel(1).GetName(), "b");
    EXPECT_EQ(s.GetLabel(1).GetValue()->GetInt(), 1);
    EXPECT_EQ(s.GetLabel(2).GetName(), "s");
    EXPECT_EQ(BruteForce::ValueKey(*s.GetLabel(2).GetValue()), "{2,4}");
    EXPECT_EQ(s.GetLabel(3).GetName(), "c");
    EXPECT_EQ(s.GetLabel(3).GetValue()->GetStr(), "green");
    std::ostringstream stats;
    solver.PrintStatistics(stats);
    EXPECT_EQ(stats.str().rfind("Algorithm: GFC", 0), 0u) << stats.str();
}

TEST(RawGFCSolver, AConstantWhereAVariableIsNeededBecomesATemporaryOverItsOwnDomain) {
    Problem p;
    Vars v = Declare(p);
    const std::size_t domains = p.csp.GetDomains().size();
    p.Post(Con(RawType::Element, {v.x, Ints({1, 2, 3}), Int(2)}));
    const AlgParams params = Natural();
    RawGFCSolver solver(&p.csp, &params);
    ASSERT_EQ(p.csp.GetDomains().size(), domains + 1);
    EXPECT_EQ(p.csp.GetDomains().back()->GetName(), "__tmpDom__0");
    ASSERT_TRUE(solver.Solve());
    EXPECT_EQ(solver.GetSolutions().Last().FindLabel("x")->GetValue()->GetInt(), 1);
    EXPECT_EQ(solver.GetSolutions().Last().FindLabel("__tmpVar__0"), nullptr);
}

TEST(RawGFCSolver, UntranslatableProblemsAreErrorsAndLeaveNoBridgeBehind) {
    const AlgParams params = Natural();
    {
        // An integer variable whose domain the problem does not hold.
        Problem p;
        auto stray = MakeR<RawDom>(RawType::IntDom, "stray", Ints({1, 2}));
        p.IntVar("x", stray);
        EXPECT_THROW(RawGFCSolver(&p.csp, &params), TranslationError);
    }
    {
        // A real constant where a variable is needed.
        Problem p;
        Vars v = Declare(p);
        p.Post(Con(RawType::Element, {v.x, Ints({1, 2}), Flt(2.5)}));
        EXPECT_THROW(RawGFCSolver(&p.csp, &params), Bug);
    }
    {
        // Real variables are linear programming's.
        Problem p;
        Declare(p);
        p.csp.AddVariable(MakeR<RawVar>(RawType::FltVar, "r", nullptr));
        EXPECT_THROW(RawGFCSolver(&p.csp, &params), TranslationError);
    }
    {
        AlgParams bad = Natural();
        bad.SetParameter(1, 3);
        Problem p;
        Declare(p);
        EXPECT_THROW(RawGFCSolver(&p.csp, &bad), Platform::ParameterError);
    }
    // After the failures a bridge can still be built.
    Problem p;
    Declare(p);
    RawGFCSolver first(&p.csp, &params);
    EXPECT_TRUE(first.Solve());
}

TEST(RawGFCSolver, BridgesAliveTogetherOnSeveralThreadsGiveTheAnswersTheyGiveAlone) {
    // Several complete-search bridges at once, as an Expert solve and a description rendered
    // meanwhile need: each has its own domain specs, ids and random sequence, so building one
    // while another is solved, and solving both at once, changes nothing, in whatever order the
    // solutions come.
    for (const int ordering : {0, 1}) {
        SCOPED_TRACE(ordering == 0 ? "natural ordering" : "random ordering");
        AlgParams params = Natural();
        params.SetParameter(1, ordering);
        const auto all = [&](RawGFCSolver& solver, RawCSP& problem) {
            std::vector<std::string> keys;
            while (solver.Solve())
                keys.push_back(BruteForce::SolutionKey(problem, solver.GetSolutions().Last()));
            return keys;
        };
        std::vector<std::vector<std::string>> alone;
        std::vector<Problem> problems(Cases().size());
        for (std::size_t i = 0; i < Cases().size(); ++i) {
            Vars v = Declare(problems[i]);
            Cases()[i].build(problems[i], v);
            RawGFCSolver solver(&problems[i].csp, &params);
            alone.push_back(all(solver, problems[i].csp));
        }
        // Every bridge built first on this thread, all alive together, then each solved on a
        // thread of its own while the others run.
        std::vector<std::unique_ptr<RawGFCSolver>> bridges;
        for (Problem& p : problems)
            bridges.push_back(std::make_unique<RawGFCSolver>(&p.csp, &params));
        std::vector<std::vector<std::string>> together(problems.size());
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < problems.size(); ++i)
            threads.emplace_back([&, i] { together[i] = all(*bridges[i], problems[i].csp); });
        for (std::thread& t : threads)
            t.join();
        for (std::size_t i = 0; i < problems.size(); ++i)
            EXPECT_EQ(together[i], alone[i]) << Cases()[i].name;
    }
}

TEST(RawGFCSolver, IntegerAggregatesOverSetsAreRefused) {
    // The library would take the sets and count or add nothing, so the solutions would be wrong.
    const AlgParams params = Natural();
    struct Aggregate {
        const char* name;
        std::function<E(E list)> make;
    };
    const std::vector<Aggregate> aggregates = {
        {"Count", [](E list) { return Op(RawType::Count, list, Ints({1})); }},
        {"Sum", [](E list) { return E(new RawOp(RawType::Sum, list)); }},
        {"ScalProd",
         [](E list) {
             return Op(RawType::ScalProd, list, Ints({1, 2}));
         }},
        {"Minimum", [](E list) { return E(new RawOp(RawType::Minimum, list)); }},
        {"Maximum", [](E list) { return E(new RawOp(RawType::Maximum, list)); }},
    };
    for (const auto& aggregate : aggregates) {
        SCOPED_TRACE(aggregate.name);
        Problem p;
        E x = p.IntVar("x", p.IntRange("d", 0, 3));
        E s = p.SetVar("s", p.SetDom("sd", {1, 2, 3}));
        p.Post(Con(RawType::LessEqual, aggregate.make(Arr({x, s})), Int(1)));
        try {
            RawGFCSolver solver(&p.csp, &params);
            ADD_FAILURE() << "a set in the list was accepted";
        } catch (const TranslationError& e) {
            EXPECT_NE(std::string(e.what()).find("Complete search cannot handle the expression s"),
                      std::string::npos)
                << e.what();
        }
        // A set constant is refused alike; a list of integers is taken.
        Problem constant;
        E y = constant.IntVar("y", constant.IntRange("d", 0, 3));
        constant.Post(Con(RawType::LessEqual, aggregate.make(Arr({y, SetOf({1})})), Int(1)));
        EXPECT_THROW(RawGFCSolver(&constant.csp, &params), TranslationError);
        Problem integers;
        E a = integers.IntVar("a", integers.IntRange("d", 0, 3));
        E b = integers.IntVar("b", integers.IntRange("d2", 0, 3));
        integers.Post(Con(RawType::LessEqual, aggregate.make(Arr({a, b})), Int(1)));
        RawGFCSolver solver(&integers.csp, &params);
        EXPECT_TRUE(solver.Solve());
    }
}

TEST(RawGFCSolver, ThrashingStopIsReported) {
    // Eight queens with the default thrashing factor stops after a few of the 92 solutions.
    auto queens = [](Problem& p) {
        auto d = p.IntRange("d", 1, 8);
        std::vector<E> q;
        for (int i = 0; i < 8; ++i)
            q.push_back(p.IntVar("q" + std::to_string(i), d));
        for (int i = 0; i < 8; ++i)
            for (int j = i + 1; j < 8; ++j) {
                p.Post(Con(RawType::NotEqual, q[i], q[j]));
                p.Post(Con(RawType::NotEqual, Op(RawType::Minus, q[i], q[j]), Int(j - i)));
                p.Post(Con(RawType::NotEqual, Op(RawType::Minus, q[j], q[i]), Int(j - i)));
            }
    };
    for (int factor : {0, 1}) {
        SCOPED_TRACE(factor);
        Problem p;
        queens(p);
        AlgParams params = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
        params.SetParameter(2, factor);
        RawGFCSolver solver(&p.csp, &params);
        int found = 0;
        while (solver.Solve())
            ++found;
        EXPECT_EQ(solver.StoppedByThrashing(), factor != 0);
        if (factor == 0)
            EXPECT_EQ(found, 92);
        else
            EXPECT_LT(found, 92);
    }
}

TEST(RawGFCSolver, StopFromAnotherThreadEndsALongSearch) {
    // Thirteen pairwise different variables over twelve values: no solution, and forward checking
    // alone needs far longer than the test waits to find that out.
    Problem p;
    auto d = p.IntRange("d", 0, 11);
    std::vector<E> vars;
    for (int i = 0; i < 13; ++i)
        vars.push_back(p.IntVar("v" + std::to_string(i), d));
    for (std::size_t i = 0; i < vars.size(); ++i)
        for (std::size_t j = i + 1; j < vars.size(); ++j)
            p.Post(Con(RawType::NotEqual, vars[i], vars[j]));
    const AlgParams params = Natural();
    RawGFCSolver solver(&p.csp, &params);
    // The search tells the other thread once it is under way; that thread then stops it.
    std::promise<void> running;
    bool told = false;
    solver.SetStepHook(1, [&] {
        if (told) return;
        told = true;
        running.set_value();
    });
    std::atomic<bool> stopped{false};
    std::thread stopper([&] {
        running.get_future().wait();
        stopped = true;
        solver.Stop();
    });
    EXPECT_FALSE(solver.Solve());
    EXPECT_TRUE(stopped) << "the search ended before it was stopped";
    stopper.join();
    EXPECT_TRUE(solver.IsFinished());
    EXPECT_FALSE(solver.IsSolved());
}

TEST(RawGFCSolver, AStopBeforeTheSearchIsSetUpEndsTheSolveAsStopped) {
    // Ten thousand variables: the search sets them up in its first Solve, which a stop already
    // requested ends at once, with nothing found and nothing proved (not "no solution").
    Problem p;
    auto d = p.IntRange("d", 0, 9);
    std::vector<E> x;
    for (int i = 0; i < 10000; ++i)
        x.push_back(p.IntVar("x" + std::to_string(i), d));
    p.Post(Con(RawType::NotEqual, x[0], x[1]));
    const AlgParams params = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
    RawGFCSolver solver(&p.csp, &params);
    solver.Stop();
    for (int call = 0; call < 2; ++call) {
        EXPECT_FALSE(solver.Solve());
        EXPECT_EQ(solver.GetEnd(), SolveEnd::Stopped);
        EXPECT_FALSE(solver.IsSolved());
        EXPECT_EQ(solver.GetSolutions().GetCount(), 0);
    }
}

TEST(RawGFCSolver, AReferenceApartFromTheDeclarationFindsTheVariableByName) {
    // The reader refers to a variable by its declaration's node; a node made apart, of the same
    // name, means the same variable, and one of no declared name is refused.
    Problem p;
    auto d = p.IntRange("d", 0, 1);
    const E x = p.IntVar("x", d);
    p.IntVar("y", d);
    p.Post(Con(RawType::NotEqual, x, MakeR<RawVar>(RawType::IntVar, "y", d)));
    const AlgParams params = Natural();
    EXPECT_EQ(AllSolutions(p.csp, params, 10).size(), 2u);
    p.Post(Con(RawType::NotEqual, x, MakeR<RawVar>(RawType::IntVar, "w", d)));
    EXPECT_THROW(RawGFCSolver(&p.csp, &params), TranslationError);
}

namespace {

// A random small problem over integer variables: linear comparisons with arithmetic on both
// sides (sums, differences, products with constants, unary minus, Sum, ScalProd), products of
// two variables, alldifferent over expressions, and perhaps an objective. Built from one seed.
struct RandomProblem {
    Problem p;
    std::vector<E> vars;
    std::vector<std::pair<int, int>> ranges;

    explicit RandomProblem(unsigned seed) {
        std::mt19937 rng(seed);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const int n = pick(3, 5);
        for (int i = 0; i < n; ++i) {
            const int lo = pick(-2, 1);
            const int hi = lo + pick(1, 4);
            ranges.emplace_back(lo, hi);
            vars.push_back(p.IntVar("v" + std::to_string(i), p.IntRange("d" + std::to_string(i), lo, hi)));
        }
        const auto var = [&] { return vars[static_cast<std::size_t>(pick(0, n - 1))]; };
        // A term: a variable, maybe scaled, shifted or negated, now and then a product.
        const auto term = [&]() -> E {
            switch (pick(0, 5)) {
            case 0:
                return Op(RawType::Times, Int(pick(-3, 3)), var());
            case 1:
                return Op(RawType::Plus, var(), Int(pick(-2, 2)));
            case 2:
                return Op(RawType::Minus, var());
            case 3:
                return Op(RawType::Times, var(), var());
            default:
                return var();
            }
        };
        const auto side = [&]() -> E {
            switch (pick(0, 4)) {
            case 0:
                return Int(pick(-3, 3));
            case 1:
                return term();
            case 2:
                return Op(RawType::Minus, term(), term());
            case 3:
                return E(new RawOp(RawType::Sum, Arr({term(), term(), var()})));
            default:
                return Op(RawType::ScalProd, Arr({var(), var()}), Ints({pick(-3, 3), pick(-3, 3)}));
            }
        };
        const RawType comparisons[] = {RawType::Equal,     RawType::NotEqual, RawType::Less,
                                       RawType::LessEqual, RawType::Greater,  RawType::GreaterEqual};
        const int constraints = pick(1, 3);
        for (int k = 0; k < constraints; ++k)
            p.Post(Con(comparisons[pick(0, 5)], side(), side()));
        if (pick(0, 2) == 0)
            p.Post(Con(RawType::AllDifferent,
                       Arr({Op(RawType::Plus, vars[0], Int(1)), Op(RawType::Minus, vars[1]),
                            vars[static_cast<std::size_t>(n - 1)]})));
        switch (pick(0, 2)) {
        case 0:
            p.Minimise(side());
            break;
        case 1:
            p.Maximise(side());
            break;
        default:
            break;
        }
    }

    // The keys of every solution in lexicographic order of the variables' values: the order in
    // which natural ordering labels them.
    std::vector<std::string> Lexicographic(std::vector<TavBridges::RawEvaluation>* evaluations) const {
        TavBridges::RawEvaluator evaluator(p.csp);
        std::vector<std::string> keys;
        std::vector<int> at;
        for (const auto& r : ranges)
            at.push_back(r.first);
        while (true) {
            RawSolution s(1);
            for (std::size_t i = 0; i < vars.size(); ++i)
                s.AddLabel(RawLabel(vars[i]->GetName(), Int(at[i])));
            const TavBridges::RawEvaluation e = evaluator.Evaluate(s);
            if (e.feasible) {
                keys.push_back(BruteForce::SolutionKey(p.csp, s));
                if (evaluations != nullptr) evaluations->push_back(e);
            }
            std::size_t k = vars.size();
            while (k-- > 0) {
                if (++at[k] <= ranges[k].second) break;
                at[k] = ranges[k].first;
            }
            if (k == static_cast<std::size_t>(-1)) break;
        }
        return keys;
    }
};

} // namespace

TEST(RawGFCSolver, RandomArithmeticGivesTheOraclesSolutionsInLexicographicOrder) {
    // Natural ordering labels the variables in order and their values upwards, so the solutions
    // must come exactly in lexicographic order, with chronological backtracking and with
    // backjumping; with an objective the one answer is the first optimal assignment in that order.
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        RandomProblem r(seed);
        std::vector<TavBridges::RawEvaluation> evaluations;
        const std::vector<std::string> expected = r.Lexicographic(&evaluations);
        const RPtr<RawOpt>& objective = r.p.csp.GetObjective();
        for (int backtrack : {0, 1}) {
            AlgParams params = Natural();
            params.SetParameter(3, backtrack);
            RawGFCSolver solver(&r.p.csp, &params);
            std::vector<std::string> found;
            while (found.size() <= expected.size() && solver.Solve())
                found.push_back(BruteForce::SolutionKey(r.p.csp, solver.GetSolutions().Last()));
            if (!objective) {
                EXPECT_EQ(found, expected) << "backtrack " << backtrack;
                continue;
            }
            if (expected.empty()) {
                EXPECT_TRUE(found.empty());
                continue;
            }
            const bool maximise = objective->GetType() == RawType::Maximise;
            std::size_t best = 0;
            for (std::size_t i = 1; i < evaluations.size(); ++i)
                if (maximise ? evaluations[i].objective > evaluations[best].objective
                             : evaluations[i].objective < evaluations[best].objective)
                    best = i;
            ASSERT_EQ(found.size(), 1u) << "backtrack " << backtrack;
            EXPECT_EQ(found[0], expected[best]) << "backtrack " << backtrack;
            EXPECT_EQ(solver.GetSolutions().Last().GetCost().GetValue()->GetInt(),
                      static_cast<int>(evaluations[best].objective));
        }
    }
}

TEST(RawGFCSolver, RandomKnapsacksReachTheirOptimum) {
    // Maximise the value taken within a capacity: the new best bounds prune the items through
    // the objective's linear form, and the answer is the optimum a table of sub-capacities gives.
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 rng(seed);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const int n = pick(6, 14);
        std::vector<int> weights, values;
        int total = 0;
        for (int i = 0; i < n; ++i) {
            weights.push_back(pick(1, 20));
            values.push_back(pick(1, 30));
            total += weights.back();
        }
        const int capacity = pick(total / 4, total / 2);
        Problem p;
        auto take = p.IntRange("take", 0, 1);
        std::vector<E> x;
        for (int i = 0; i < n; ++i)
            x.push_back(p.IntVar("x" + std::to_string(i), take));
        const auto list = [](const std::vector<int>& v) {
            std::vector<E> e;
            for (int k : v)
                e.push_back(Int(k));
            return Arr(e);
        };
        p.Post(Con(RawType::LessEqual, Op(RawType::ScalProd, Arr(x), list(weights)), Int(capacity)));
        p.Maximise(Op(RawType::ScalProd, Arr(x), list(values)));
        std::vector<int> best(static_cast<std::size_t>(capacity) + 1, 0);
        for (int i = 0; i < n; ++i)
            for (int c = capacity; c >= weights[static_cast<std::size_t>(i)]; --c)
                best[static_cast<std::size_t>(c)] =
                    std::max(best[static_cast<std::size_t>(c)],
                             best[static_cast<std::size_t>(c - weights[static_cast<std::size_t>(i)])] +
                                 values[static_cast<std::size_t>(i)]);
        for (int ordering : {0, 2}) {
            AlgParams params = Natural();
            params.SetParameter(1, ordering);
            RawGFCSolver solver(&p.csp, &params);
            ASSERT_TRUE(solver.Solve());
            const RawSolution& s = solver.GetSolutions().Last();
            const TavBridges::RawEvaluation e = TavBridges::RawEvaluator(p.csp).Evaluate(s);
            EXPECT_TRUE(e.feasible);
            EXPECT_EQ(static_cast<int>(e.objective), best[static_cast<std::size_t>(capacity)])
                << "ordering " << ordering;
            EXPECT_EQ(s.GetCost().GetValue()->GetInt(), best[static_cast<std::size_t>(capacity)]);
        }
    }
}

// Products and elements over wide domains narrow by their bounds: each problem's solutions
// come at once at every setting (a value by value walk took minutes on these).
TEST(RawGFCSolver, ProductsAndElementsOverWideDomainsGiveTheirSolutions) {
    struct Wide {
        const char* text;
        std::vector<std::string> solutions;
    };
    const Wide cases[] = {
        {"problem: p { domains { intdom d = [-100000, 5]; } variables { intvar a, b :: d; } "
         "constraints { a * b = -6; a < b; } }",
         {"a=-2;b=3;", "a=-3;b=2;", "a=-6;b=1;"}},
        {"problem: p { data { Tab := [3, 1, 4, 1, 5, 9, 2, 6]; } "
         "domains { intdom big = [0, 2147483647]; intdom positions = [0, 7]; } "
         "variables { intvar v :: big; intvar k :: positions; } constraints { v = Tab[k]; } }",
         {"v=1;k=1;", "v=1;k=3;", "v=2;k=6;", "v=3;k=0;", "v=4;k=2;", "v=5;k=4;", "v=6;k=7;", "v=9;k=5;"}},
    };
    for (const Wide& c : cases) {
        SCOPED_TRACE(c.text);
        for (int mode = 0; mode < 3; ++mode) {
            RawCSP problem;
            const ParserErr parsed = ParseCSPText(c.text, nullptr, &problem);
            ASSERT_TRUE(parsed.IsOk()) << parsed.Message();
            AlgParams params = Natural();
            params.SetParameter(1, mode == 2 ? 2 : 0);
            params.SetParameter(3, mode == 1 ? 1 : 0);
            const std::set<std::string> found = AllSolutions(problem, params, c.solutions.size() + 2);
            EXPECT_EQ(found, std::set<std::string>(c.solutions.begin(), c.solutions.end()))
                << "mode " << mode;
        }
    }
}
