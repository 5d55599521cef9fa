// Several engines alive at once, searching on one thread or on several: each problem keeps its
// own objects, values and random sequence, so every engine gives the answers it gives alone.

#include "EngineProblems.hpp"

#include "localsearch/Obj.hpp"
#include "localsearch/ga/GGA_ND.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "localsearch/glsnds/GLS_NDS.hpp"
#include "localsearch/tabu/TABU.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace GLSLib;
using namespace GLSLibTest;

namespace {

struct Kind {
    const char* name;
    std::function<std::unique_ptr<GGLS>()> make;
};

// Each engine with settings that differ from the starting values, so that a value leaking
// from one problem into another changes the runs.
const std::vector<Kind>& Kinds() {
    static const std::vector<Kind> kinds = {
        {"guided local search",
         [] {
             auto e = std::make_unique<GGLS_ND>();
             e->SetParameter(1, 3);
             e->SetParameter(2, 0);
             e->SetParameter(5, 17);
             return std::unique_ptr<GGLS>(std::move(e));
         }},
        {"graph-based guided local search",
         [] {
             auto e = std::make_unique<GLS_NDS>();
             e->SetParameter(1, 2);
             e->SetParameter(5, 5);
             return std::unique_ptr<GGLS>(std::move(e));
         }},
        {"tabu search",
         [] {
             auto e = std::make_unique<TABU>();
             e->SetParameter(1, 7);
             e->SetParameter(2, 3);
             return std::unique_ptr<GGLS>(std::move(e));
         }},
        {"genetic algorithm",
         [] {
             auto e = std::make_unique<GGA_ND>();
             e->SetParameter(1, 60);
             e->SetParameter(4, 10);
             e->SetParameter(3, 10);
             return std::unique_ptr<GGLS>(std::move(e));
         }},
    };
    return kinds;
}

// Runs of one engine: every solution's values, and its cost after the last run.
struct Outcome {
    std::vector<std::vector<int>> solutions;
    int cost = 0;
    bool operator==(const Outcome&) const = default;
};

// Builds the engine's problem (on the calling thread, as a bridge would).
std::unique_ptr<GGLS> Build(const Kind& kind, bool optimise) {
    std::unique_ptr<GGLS> engine = kind.make();
    if (optimise)
        SmallOptimum::Build(*engine->GetCSP());
    else
        BuildQueens(*engine->GetCSP(), 8);
    return engine;
}

// Three satisfaction runs, or one optimisation run stopped at its first best of the optimum.
Outcome RunEngine(GGLS& engine, bool optimise) {
    Outcome out;
    if (optimise) {
        // The least objective value plus soft cost, by brute force.
        int optimum = INT_MAX;
        for (int x = 0; x <= 5; ++x)
            for (int y = 0; y <= 5; ++y)
                for (int z = 0; z <= 5; ++z)
                    if (SmallOptimum::Feasible({x, y, z}))
                        optimum = std::min(optimum, SmallOptimum::Objective({x, y, z}) +
                                                        SmallOptimum::SoftCost({x, y, z}));
        engine.SetNewBestCallback([&engine, optimum](int total) {
            if (total <= optimum) engine.Stop();
        });
    }
    for (int run = 0; run < (optimise ? 1 : 3); ++run) {
        if (!engine.Solve()) break;
        out.solutions.push_back(Values(*engine.GetCSP()));
    }
    out.cost = engine.GetCost();
    return out;
}

} // namespace

TEST(ConcurrentEngines, TwoEnginesOnTwoThreadsGiveTheAnswersOfOneAlone) {
    for (const Kind& kind : Kinds())
        for (bool optimise : {false, true}) {
            // Only the guided local searches tell of each new best, which ends the run here.
            if (optimise && std::string(kind.name).find("guided") == std::string::npos) continue;
            SCOPED_TRACE(std::string(kind.name) + (optimise ? ", optimisation" : ", queens"));
            Outcome alone;
            {
                std::unique_ptr<GGLS> engine = Build(kind, optimise);
                alone = RunEngine(*engine, optimise);
            }
            ASSERT_FALSE(alone.solutions.empty());
            for (const std::vector<int>& v : alone.solutions)
                EXPECT_TRUE(optimise ? SmallOptimum::Feasible(v) : IsQueensSolution(v));
            EXPECT_EQ(Obj::RegistrySize(), 0u);

            // Both built on this thread, both alive, then searched at the same time.
            std::unique_ptr<GGLS> first = Build(kind, optimise);
            std::unique_ptr<GGLS> second = Build(kind, optimise);
            const std::size_t live = Obj::RegistrySize();
            Outcome a, b;
            std::thread ta([&] { a = RunEngine(*first, optimise); });
            std::thread tb([&] { b = RunEngine(*second, optimise); });
            ta.join();
            tb.join();
            EXPECT_EQ(a, alone);
            EXPECT_EQ(b, alone);
            // Destroying one frees its own model only; the other searches on unchanged.
            const std::size_t learnt = Obj::RegistrySize() - live;
            first.reset();
            EXPECT_EQ(Obj::RegistrySize(), (live + learnt) / 2);
            second.reset();
            EXPECT_EQ(Obj::RegistrySize(), 0u);
        }
}

TEST(ConcurrentEngines, AProblemDestroyedOnAnotherThreadLeavesTheBuilderClean) {
    // Built here, searched and destroyed on a worker, as a solve thread may do.
    std::unique_ptr<GGLS> engine = Build(Kinds()[0], false);
    std::thread worker([&engine] {
        (void)RunEngine(*engine, false);
        engine.reset();
    });
    worker.join();
    EXPECT_EQ(Obj::RegistrySize(), 0u);
    // Objects made on this thread now belong to a fresh problem, not to the dead one.
    GLSCSP problem;
    BuildQueens(problem, 4);
    EXPECT_GT(Obj::RegistrySize(), 0u);
    EXPECT_EQ(problem.GetVariables().front()->GetId(), 0);
}
