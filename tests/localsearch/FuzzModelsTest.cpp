// Models that random testing of the solvers found faults with, each built in code as the
// bridges build it, and the engines' answers on them checked independently.

#include "EngineProblems.hpp"

#include "localsearch/IntListDom.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/cons/GreaterThan.hpp"
#include "localsearch/expr/Maximum.hpp"
#include "localsearch/expr/TimesOp.hpp"
#include "localsearch/ga/GGA_ND.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "localsearch/glsnds/GLS_NDS.hpp"
#include "localsearch/logic/And.hpp"
#include "localsearch/search/SearchTables.hpp"
#include "localsearch/tabu/TABU.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace GLSLib;
using namespace GLSLibTest;

namespace {

// intdom d = [-3, -2]; intvar v0, v1, v2, v3 :: d;
// Maximum([v2, v1]) <> v2;  (v0 < Sum([v3, v0, v2, v1])) And (2 <= v3);  3 <= 3 + v1;
// Minimise(3).   No assignment satisfies it (v3 <= -2 < 2).
void BuildUnsatisfiable(GLSCSP& p) {
    auto* d = new IntRangeDom("d", -3, -2);
    p.AddIntDomain(d);
    IntVar* v0 = AddVar(p, "v0", d);
    IntVar* v1 = AddVar(p, "v1", d);
    IntVar* v2 = AddVar(p, "v2", d);
    IntVar* v3 = AddVar(p, "v3", d);
    auto* objective = new Minimise(new IntVal(3));
    objective->Post();
    p.SetObjective(objective);
    Post(p, new NotEquals(new Maximum({v2, v1}), v2));
    Post(p, new And(std::vector<Con*>{new GreaterThan(new Sum({v3, v0, v2, v1}), v0),
                                      new GreaterThanEquals(v3, new IntVal(2))}));
    Post(p, new GreaterThanEquals(new PlusOp(new IntVal(3), v1), new IntVal(3)));
}

} // namespace

TEST(FuzzModels, UnsatisfiableOptimisationKeepsItsTablesExactAndStops) {
    // Penalties grow without end here; row sums that wrapped at 32 bits once made "improving"
    // moves go round for ever inside one list step, which looked at the stop request only when
    // no improving move was left. With the external program's lambda (10) the run must end at
    // the stop; with a huge lambda the sums pass 2^31 at once, under the invariant checker.
    for (int lambda : {10, 1000000}) {
        SCOPED_TRACE(lambda);
        GGLS_ND engine;
        const int params[] = {lambda, 0, 1, 1, 2334, 2}; // the external program's defaults
        for (int id = 1; id <= 6; ++id)
            engine.SetParameter(id, params[id - 1]);
        engine.SetInvariantChecks(true);
        GLSCSP& p = *engine.GetCSP();
        BuildUnsatisfiable(p);
        auto* stop = new StopAfter(p.GetVariables()[0], 100000);
        stop->SetEngine(&engine);
        Post(p, stop);
        EXPECT_FALSE(engine.Solve());
        EXPECT_FALSE(engine.IsSolved());
        Score largest = 0;
        for (IntVar* v : p.GetVariables())
            for (int k = 0; k < v->DomainSize(); ++k)
                largest = std::max(largest, engine.GetTables().ValueTable().Get(v->GetId(), k));
        if (lambda > 10) {
            EXPECT_GT(largest, Score{INT_MAX});
        }
    }
}

namespace {

struct EngineKind {
    const char* name;
    std::function<std::unique_ptr<GGLS>()> make;
};

const std::vector<EngineKind>& EngineKinds() {
    static const std::vector<EngineKind> kinds = {
        {"gls", []() -> std::unique_ptr<GGLS> { return std::make_unique<GGLS_ND>(); }},
        {"gls2", []() -> std::unique_ptr<GGLS> { return std::make_unique<GLS_NDS>(); }},
        {"tabu", []() -> std::unique_ptr<GGLS> { return std::make_unique<TABU>(); }},
        {"ga",
         [] {
             auto e = std::make_unique<GGA_ND>();
             e->SetParameter(1, 20);
             e->SetParameter(4, 20);
             return std::unique_ptr<GGLS>(std::move(e));
         }},
    };
    return kinds;
}

// Runs every engine on the problem that build makes for a number of steps; no run may report
// a solution (the problems have none).
void ExpectNoSolution(const std::function<void(GLSCSP&)>& build) {
    for (const EngineKind& kind : EngineKinds()) {
        SCOPED_TRACE(kind.name);
        std::unique_ptr<GGLS> engine = kind.make();
        GLSCSP& p = *engine->GetCSP();
        build(p);
        GGLS& e = *engine;
        engine->SetStepHook([&e](std::uint64_t) { e.Stop(); }, kind.name == std::string("ga") ? 2 : 4);
        EXPECT_FALSE(engine->Solve()) << "reported " << ::testing::PrintToString(Values(p));
        EXPECT_FALSE(engine->IsSolved());
    }
}

} // namespace

TEST(FuzzModels, AProductThatWrapsRoundIsNoSolution) {
    // 100000 x 100000 = 1410065408 only modulo 2^32.
    ExpectNoSolution([](GLSCSP& p) {
        IntVar* x = AddVar(p, "x", new IntRangeDom("d", 0, 100000));
        IntVar* y = AddVar(p, "y", new IntRangeDom("b", 0, 1));
        (void)y;
        Post(p, new Equals(new TimesOp(x, x), new IntVal(1410065408)));
    });
}

TEST(FuzzModels, ASumNearTwoToThe31IsNeverNegative) {
    ExpectNoSolution([](GLSCSP& p) {
        auto* d = new IntRangeDom("d", INT_MAX - 100, INT_MAX);
        IntVar* x = AddVar(p, "x", d);
        IntVar* y = AddVar(p, "y", d);
        Post(p, new GreaterThan(new IntVal(0), new PlusOp(x, y))); // x + y < 0
    });
}

TEST(FuzzModels, DomainsTooLargeToHoldAreRefusedAtOnce) {
    for (int hi : {INT_MAX, 10000000, IntDom::kMaxSize}) {
        SCOPED_TRACE(hi);
        GLSCSP p;
        try {
            new IntRangeDom("big", 0, hi);
            ADD_FAILURE() << "accepted";
        } catch (const ModelError& e) {
            EXPECT_NE(std::string(e.what()).find("Domain too large big"), std::string::npos) << e.what();
        }
    }
    GLSCSP p;
    EXPECT_EQ((new IntRangeDom("largest", 1, IntDom::kMaxSize))->Size(), IntDom::kMaxSize);
    EXPECT_THROW(new IntListDom("list", std::vector<int>(IntDom::kMaxSize + 1, 0)), ModelError);
    // Domains each within the limit, but more values in all than the tables may hold: every
    // engine refuses before it builds anything.
    for (const EngineKind& kind : EngineKinds()) {
        SCOPED_TRACE(kind.name);
        std::unique_ptr<GGLS> engine = kind.make();
        auto* d = new IntRangeDom("d", 1, IntDom::kMaxSize);
        for (int i = 0; i <= static_cast<int>(SearchTables::kMaxValueCells / IntDom::kMaxSize); ++i)
            AddVar(*engine->GetCSP(), "v", d);
        try {
            (void)engine->Solve();
            ADD_FAILURE() << "solved";
        } catch (const ModelError& e) {
            EXPECT_NE(std::string(e.what()).find("Problem too large"), std::string::npos) << e.what();
        }
    }
}
