#include "bridges/RawGenericSolver.hpp"
#include "bridges/RawEvaluator.hpp"
#include "bridges/TranslationError.hpp"

#include "BridgeCases.hpp"
#include "BruteForce.hpp"
#include "ExhaustiveEngine.hpp"
#include "platform/FatalError.hpp"
#include "platform/MessageSink.hpp"

#include "localsearch/ClassWideValues.hpp"
#include "localsearch/Con.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/SetVar.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <climits>
#include <future>
#include <sstream>
#include <thread>

using namespace TavLanguage;
using namespace TavBridges;
using namespace RawBuild;
using namespace BridgeCases;

namespace {

const AlgParams kParams = AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch);

} // namespace

TEST(RawGenericSolver, TranslatedModelAcceptsExactlyTheOracleSolutions) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        Problem p;
        Vars v = Declare(p);
        c.build(p, v);
        const BruteForce::Oracle oracle = BruteForce::Solve(p.csp);
        RawGenericSolver solver(&p.csp, &kParams, Exhaustive());
        TavBridges::RawEvaluator evaluator(p.csp);
        std::set<std::string> found;
        while (found.size() <= oracle.solutions.size() + 3 && solver.Solve()) {
            const RawSolution& s = solver.GetSolutions().Last();
            TavBridges::RawEvaluation e = evaluator.Evaluate(s);
            EXPECT_TRUE(e.feasible) << (e.faults.empty() ? "" : e.faults[0]);
            EXPECT_TRUE(found.insert(BruteForce::SolutionKey(p.csp, s)).second);
        }
        EXPECT_EQ(found, oracle.solutions);
        EXPECT_FALSE(solver.IsSolved());
        EXPECT_TRUE(solver.IsFinished());
    }
}

TEST(RawGenericSolver, CostHasTheObjectiveSignAndSoftCostTheBrokenWeights) {
    for (bool maximise : {false, true}) {
        SCOPED_TRACE(maximise ? "max" : "min");
        Problem p;
        Vars v = Declare(p);
        p.Post(Con(RawType::NotEqual, v.x, v.y));
        E f = Op(RawType::Minus, Op(RawType::Times, Int(2), v.x), v.y);
        if (maximise)
            p.Maximise(f);
        else
            p.Minimise(f);
        p.Soft(Con(RawType::Equal, v.x, Int(0)), 3);
        p.Soft(Con(RawType::Greater, v.y, v.x), 5);
        RawGenericSolver solver(&p.csp, &kParams, Exhaustive());
        TavBridges::RawEvaluator evaluator(p.csp);
        for (int i = 0; i < 40 && solver.Solve(); ++i) {
            const RawSolution& s = solver.GetSolutions().Last();
            TavBridges::RawEvaluation e = evaluator.Evaluate(s);
            ASSERT_TRUE(e.feasible);
            ASSERT_TRUE(s.GetCost().GetValue());
            EXPECT_EQ(s.GetCost().GetValue()->GetInt(), static_cast<int>(e.objective));
            ASSERT_TRUE(s.GetSoftCost().GetValue());
            EXPECT_EQ(s.GetSoftCost().GetValue()->GetInt(), e.softCost);
        }
    }
    // Without objective and soft constraints the labels keep their defaults.
    Problem p;
    Declare(p);
    RawGenericSolver solver(&p.csp, &kParams, Exhaustive());
    ASSERT_TRUE(solver.Solve());
    EXPECT_EQ(solver.GetSolutions().Last().GetCost().GetName(), "nocost");
    EXPECT_EQ(solver.GetSolutions().Last().GetSoftCost().GetName(), "nosoftcost");
}

TEST(RawGenericSolver, ConjunctionsArePostedAsTheirConjunctsAndSoftOnesStayWhole) {
    Problem p;
    auto d = p.IntRange("d", 0, 5);
    std::vector<E> vars;
    for (const char* name : {"a", "b", "c", "e"})
        vars.push_back(p.IntVar(name, d));
    p.BoolVar("p");
    p.BoolVar("q");
    p.Post(Con(RawType::AllDifferent, Arr(vars)));      // 6 not-equals
    p.Post(Con(RawType::AllDifferent, Arr({vars[0]}))); // nothing
    p.Post(Con(RawType::And, Con(RawType::And, Lt(vars[0], vars[1]), Lt(vars[1], vars[2])),
               Lt(vars[2], vars[3])));                                        // 3
    p.Post(Con(RawType::Or, Lt(vars[0], vars[1]), Lt(vars[1], vars[2])));     // 1
    p.Soft(Con(RawType::And, Lt(vars[0], vars[1]), Lt(vars[1], vars[2])), 3); // 1 soft
    RawGenericSolver solver(&p.csp, &kParams, Exhaustive());
    GLSLib::GLSCSP* csp = solver.GetEngine().GetCSP();
    int hard = 0;
    int soft = 0;
    for (GLSLib::Con* c : csp->GetConstraints()) {
        EXPECT_FALSE(c->IsConjunction() && c->IsHard());
        (c->IsHard() ? hard : soft)++;
    }
    EXPECT_EQ(hard, 6 + 0 + 3 + 1);
    EXPECT_EQ(soft, 1);
    // Both booleans share one 0..1 domain, after the integer variables.
    ASSERT_EQ(solver.GetIntVariables().size(), 6u);
    EXPECT_EQ(solver.GetIntVariables()[4]->GetDomain(), solver.GetIntVariables()[5]->GetDomain());
    EXPECT_EQ(solver.GetIntVariables()[4]->GetDomain()->Size(), 2);
    EXPECT_EQ(csp->GetVariables().size(), 6u);
}

TEST(RawGenericSolver, ParametersOneToFourteenReachTheEngineInOrder) {
    Problem p;
    Declare(p);
    auto engine = std::make_unique<ExhaustiveEngine>();
    ExhaustiveEngine* probe = engine.get();
    AlgParams params;
    for (int id = 0; id < AlgParams::kCount; ++id)
        params.SetParameter(id, 100 + id);
    RawGenericSolver solver(&p.csp, &params, std::move(engine));
    solver.SetParameters(&params);
    ASSERT_EQ(probe->m_params.size(), 28u);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(probe->m_params[static_cast<std::size_t>(i)].first, i % 14 + 1);
        EXPECT_EQ(probe->m_params[static_cast<std::size_t>(i)].second, 100 + i % 14 + 1);
    }
}

TEST(RawGenericSolver, UntranslatableProblemsAreErrorsAndFreeTheModel) {
    Platform::MessageCapture notices; // the string domain's notice is not the test's output
    struct Bad {
        const char* name;
        std::function<void(Problem&)> build;
    };
    const std::vector<Bad> bad = {
        {"variable over a missing domain",
         [](Problem& p) {
             p.IntVar("x", MakeR<RawDom>(RawType::IntDom, "stray", Ints({1, 2})));
         }},
        {"string variable", [](Problem& p) { p.Var(RawType::StrVar, "c", p.StrDom("colours", {"red"})); }},
        {"real variable",
         [](Problem& p) { p.csp.AddVariable(MakeR<RawVar>(RawType::FltVar, "r", nullptr)); }},
        {"circuit",
         [](Problem& p) {
             auto d = p.IntRange("d", 0, 2);
             p.Post(Con(RawType::Circuit, Arr({p.IntVar("x", d), p.IntVar("y", d)})));
         }},
        {"list of non-constants as values",
         [](Problem& p) {
             auto d = p.IntRange("d", 0, 2);
             E x = p.IntVar("x", d);
             p.Post(Con(RawType::Element, {x, Arr({x}), x}));
         }},
    };
    for (const Bad& b : bad) {
        Problem p;
        b.build(p);
        EXPECT_THROW(RawGenericSolver(&p.csp, &kParams, Exhaustive()), TranslationError) << b.name;
        EXPECT_EQ(GLSLib::Obj::RegistrySize(), 0u) << b.name;
    }
    Problem p;
    Declare(p);
    for (int type : {0, 5})
        EXPECT_THROW(RawGenericSolver(&p.csp, &kParams, type), Platform::ParameterError) << type;
    // The failures left nothing behind, and bridges live side by side.
    RawGenericSolver first(&p.csp, &kParams, Exhaustive());
    RawGenericSolver second(&p.csp, &kParams, Exhaustive());
    EXPECT_TRUE(first.Solve());
    EXPECT_TRUE(second.Solve());
}

TEST(RawGenericSolver, BridgesSideBySideOnTwoThreadsGiveTheAnswersOfOneAlone) {
    // As an Expert solve keeps them: built one after another on one thread, solved on others.
    Problem p;
    auto d = p.IntRange("d", 0, 7);
    std::vector<E> q, up, down;
    for (int i = 0; i < 8; ++i) {
        q.push_back(p.IntVar("q" + std::to_string(i), d));
        up.push_back(Op(RawType::Plus, q.back(), Int(i)));
        down.push_back(Op(RawType::Minus, q.back(), Int(i)));
    }
    for (const auto& list : {q, up, down})
        p.Post(Con(RawType::AllDifferent, Arr(list)));
    for (int type = 1; type <= 4; ++type) {
        SCOPED_TRACE(type);
        AlgParams params = AlgParams::Defaults(type == 2   ? AlgParams::Family::GeneticAlgorithm
                                               : type == 3 ? AlgParams::Family::TabuSearch
                                                           : AlgParams::Family::GuidedLocalSearch);
        const auto [alone, first, second] = BruteForce::RunKeysAloneAndSideBySide(
            p.csp, [&] { return std::make_unique<RawGenericSolver>(&p.csp, &params, type); }, 3);
        ASSERT_FALSE(alone.empty());
        EXPECT_EQ(first, alone);
        EXPECT_EQ(second, alone);
    }
}

TEST(RawGenericSolver, DestroyingTheBridgeEmptiesTheRegistryAndAFreshOneStartsFromScratch) {
    for (int round = 0; round < 2; ++round) {
        Problem p;
        Vars v = Declare(p);
        Cases()[1].build(p, v);
        {
            RawGenericSolver solver(&p.csp, &kParams, Exhaustive());
            EXPECT_GT(GLSLib::Obj::RegistrySize(), 0u);
            ASSERT_TRUE(solver.Solve());
            EXPECT_EQ(solver.GetSolutions().GetCount(), 1);
        }
        EXPECT_EQ(GLSLib::Obj::RegistrySize(), 0u);
    }
}

TEST(RawGenericSolver, ASecondSolveInTheProcessBehavesLikeTheFirst) {
    // Each bridge's problem starts from fresh values (ids, best objective, weights), whatever
    // the process-wide default state holds, so one seed gives one run however many came before.
    std::vector<std::string> runs;
    for (int round = 0; round < 3; ++round) {
        Problem p;
        auto d = p.IntRange("d", 0, 9);
        std::vector<E> vars;
        for (int i = 0; i < 6; ++i)
            vars.push_back(p.IntVar("v" + std::to_string(i), d));
        p.Post(Con(RawType::AllDifferent, Arr(vars)));
        p.Minimise(Op(RawType::Sum, Arr(vars)));
        if (round == 1) GLSLib::ClassWide().bestObjective = -1000; // left behind by someone else
        AlgParams params = AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch);
        RawGenericSolver solver(&p.csp, &params, 1);
        // The run stops at the step where it first holds the optimum.
        GLSLib::GGLS& engine = solver.GetEngine();
        engine.SetStepHook(
            [&](std::uint64_t) {
                if (engine.GetCost() == 0 + 1 + 2 + 3 + 4 + 5) solver.Stop();
            },
            1);
        ASSERT_TRUE(solver.Solve());
        const RawSolution& s = solver.GetSolutions().Last();
        EXPECT_TRUE(TavBridges::RawEvaluator(p.csp).Evaluate(s).feasible);
        EXPECT_EQ(s.GetCost().GetValue()->GetInt(), 0 + 1 + 2 + 3 + 4 + 5);
        runs.push_back(BruteForce::SolutionKey(p.csp, s));
    }
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_EQ(runs[0], runs[2]);
}

TEST(RawGenericSolver, EachEngineHonoursAStopFromAnotherThread) {
    // An optimisation the engines search until stopped. The engine waits in its step hook until
    // the other thread has asked it to stop, so the request always lands mid-run.
    Problem p;
    auto d = p.IntRange("d", 0, 30);
    std::vector<E> vars;
    for (int i = 0; i < 12; ++i)
        vars.push_back(p.IntVar("v" + std::to_string(i), d));
    p.Post(Con(RawType::AllDifferent, Arr(vars)));
    p.Minimise(Op(RawType::Sum, Arr(vars)));
    for (int type = 1; type <= 4; ++type) {
        SCOPED_TRACE(type);
        AlgParams params = AlgParams::Defaults(type == 2   ? AlgParams::Family::GeneticAlgorithm
                                               : type == 3 ? AlgParams::Family::TabuSearch
                                                           : AlgParams::Family::GuidedLocalSearch);
        RawGenericSolver solver(&p.csp, &params, type);
        std::promise<void> running;
        std::promise<void> stopRequested;
        std::uint64_t stepsAtStop = 0;
        std::uint64_t lastStep = 0;
        solver.GetEngine().SetStepHook(
            [&](std::uint64_t steps) {
                lastStep = steps;
                if (stepsAtStop != 0) return;
                stepsAtStop = steps;
                running.set_value();
                stopRequested.get_future().wait();
            },
            1);
        std::thread stopper([&] {
            running.get_future().wait();
            solver.Stop();
            stopRequested.set_value();
        });
        (void)solver.Solve();
        stopper.join();
        ASSERT_NE(stepsAtStop, 0u) << "the run ended before its first step";
        // The stop is honoured at the next checks, not at the end of a long stretch of steps.
        EXPECT_LE(lastStep - stepsAtStop, 1000u);
    }
}

TEST(RawGenericSolver, NoticesGoToTheProgramsCallbackAndNotToTheMessageSink) {
    Problem p;
    p.IntRange("d", 0, 1);
    p.csp.AddDomain(MakeR<RawDom>(RawType::StrDom, "names", Arr({Str("a")})));
    std::vector<std::string> notices;
    BridgeContext context;
    context.diagnostics = [&](const std::string& text) { notices.push_back(text); };
    Platform::MessageCapture sink;
    { RawGenericSolver solver(&p.csp, &kParams, std::make_unique<ExhaustiveEngine>(), context); }
    EXPECT_EQ(notices, std::vector<std::string>{"No support for this domain type"});
    EXPECT_TRUE(sink.Messages().empty());
}
