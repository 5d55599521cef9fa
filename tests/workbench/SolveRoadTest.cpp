// The document's solve road with the real bridges: problem text, parse, the bridge of each
// setting, the run thread, stop and time-out, the description text beside a running solve,
// and many start/stop cycles in a row.

#include "ExampleDocs.hpp"
#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawGenericSolver.hpp"
#include "localsearch/GGLS.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/SolverRun.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <sstream>

using namespace TavLanguage;
using namespace TavBridges;
using namespace TavWorkbench;

namespace {

struct Fixture {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc{&messages, folder.Path()};
    Fixture() { doc.OnNewDocument(); }
};

// The queens of solution `k` from the store, checked by hand: one per row and diagonal.
bool IsQueensSolution(const CSolutionArray& store, int n, int k) {
    std::vector<int> q;
    for (int i = 0; i < n; ++i)
        q.push_back(std::stoi(store[i]->GetValues().at(static_cast<std::size_t>(k))));
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (q[i] == q[j] || q[i] - q[j] == j - i || q[j] - q[i] == j - i) return false;
    return true;
}

struct CountingEvents : SolveEvents {
    int progressEvents = 0;
    int finishedEvents = 0;
    void progress(int) override { ++progressEvents; }
    void finished(int) override { ++finishedEvents; }
    void engineStarted(int) override {}
    void engineSolved(int) override {}
};

// Every event with its count, in the order delivered; the engine events reach the document as
// the windows pass them on.
struct RecordingEvents : SolveEvents {
    explicit RecordingEvents(CTavDoc& doc) : m_doc(doc) {}
    std::vector<int> progressCounts;
    std::vector<int> finishedCounts;
    std::vector<int> startedPositions;
    void progress(int found) override { progressCounts.push_back(found); }
    void finished(int found) override { finishedCounts.push_back(found); }
    void engineStarted(int position) override {
        startedPositions.push_back(position);
        m_doc.EngineStarted(position);
    }
    void engineSolved(int position) override { m_doc.EngineSolved(position); }

private:
    CTavDoc& m_doc;
};

// Watches the searches of the real bridges the document builds through their step hooks, so
// that a test acts in the middle of a search without a clock: WaitForSteps returns once the
// running search has made so many more hook calls (or its run has ended).
class SearchProgress {
public:
    explicit SearchProgress(CTavDoc& doc) {
        doc.SetBridgeFactory([this](RawCSP* problem, const AlgParams* params, int kind) {
            auto bridge = CTavDoc::MakeBridge(problem, params, kind);
            if (auto* complete = dynamic_cast<RawGFCSolver*>(bridge.get()); complete != nullptr)
                complete->SetStepHook(kEvery, [this] { Step(); });
            if (auto* local = dynamic_cast<RawGenericSolver*>(bridge.get()); local != nullptr)
                local->GetEngine().SetStepHook([this](std::uint64_t) { Step(); }, kEvery);
            return bridge;
        });
    }

    void WaitForSteps(CTavDoc& doc, std::uint64_t more) {
        std::unique_lock lock(m_mutex);
        const std::uint64_t target = m_steps + more;
        // The poll only notices a run that ended first; the steps decide when the wait is over.
        while (m_steps < target && !doc.GetRun()->HasEnded())
            m_stepped.wait_for(lock, std::chrono::milliseconds(20));
    }

private:
    static constexpr std::int64_t kEvery = 20;

    void Step() {
        {
            std::lock_guard lock(m_mutex);
            ++m_steps;
        }
        m_stepped.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_stepped;
    std::uint64_t m_steps = 0;
};

} // namespace

TEST(SolveRoad, CompleteSearchFindsQueens) {
    Fixture f;
    ExampleDocs::Queens(f.doc.GetModel(), 8);
    HeadlessSolveDriver driver(f.doc);
    auto outcome = driver.Run(1);
    ASSERT_TRUE(outcome.started);
    EXPECT_EQ(outcome.found, 1);
    ASSERT_EQ(f.doc.GetSolutions().GetSize(), 8);
    EXPECT_TRUE(IsQueensSolution(f.doc.GetSolutions(), 8, 0));
    EXPECT_EQ(f.doc.GetRequestedCount(), 1);
    EXPECT_NE(f.doc.GetStatisticsText().find("Algorithm: GFC"), std::string::npos);

    f.doc.GetParameterBlock(0).SetParameter(2, 0); // no thrashing stop: the whole search
    outcome = driver.Run(-1);
    EXPECT_EQ(outcome.found, 92);
    std::set<std::string> distinct;
    for (int k = 0; k < 92; ++k) {
        ASSERT_TRUE(IsQueensSolution(f.doc.GetSolutions(), 8, k)) << k;
        std::string key;
        for (int i = 0; i < 8; ++i)
            key += f.doc.GetSolutions()[i]->GetValues()[static_cast<std::size_t>(k)];
        distinct.insert(key);
    }
    EXPECT_EQ(distinct.size(), 92u);
}

TEST(SolveRoad, RealVariablesTakeTheLinearProgrammingBridgeWhateverTheSetting) {
    for (int setting : {0, 3, 10}) {
        Fixture f;
        ExampleDocs::Production(f.doc.GetModel());
        f.doc.SetSolverSetting(static_cast<SolverSetting>(setting));
        HeadlessSolveDriver driver(f.doc);
        EXPECT_EQ(driver.Run(1).found, 1) << setting;
        EXPECT_EQ(f.doc.GetSolutions().GetValue("x", 0), "3") << setting;
        EXPECT_EQ(f.doc.GetSolutions().GetValue("y", 0), "1.5") << setting;
        EXPECT_EQ(f.doc.GetSolutions().GetValue("Cost", 0), "21") << setting;
    }
}

TEST(SolveRoad, AProblemThatDoesNotParseStartsNothing) {
    Fixture f;
    ExampleDocs::Tiny(f.doc.GetModel());
    f.doc.GetConstraints().Add(std::make_unique<CConstraint>("bad", "v < ;"));
    HeadlessSolveDriver driver(f.doc);
    EXPECT_FALSE(driver.Run(1).started);
    EXPECT_EQ(f.messages.Shown(), (std::vector<std::string>{"Parser Failed"}));
    EXPECT_FALSE(f.doc.GetLastParseError().empty());
    EXPECT_EQ(f.doc.GetRawProblem(), nullptr);
    EXPECT_FALSE(f.doc.IsSolving());
    f.doc.GetConstraints().RemoveAt(1);
    EXPECT_EQ(driver.Run(1).found, 1);
    EXPECT_EQ(f.doc.GetSolutions().GetValue("v", 0), "3");
}

TEST(SolveRoad, ATimeLimitThatRunsOutBeforeTheSolversAreBuiltEndsTheSolveThere) {
    for (SolverSetting setting :
         {SolverSetting::CompleteSearch, SolverSetting::GuidedLocalSearch, SolverSetting::Expert}) {
        SCOPED_TRACE(static_cast<int>(setting));
        Fixture f;
        ExampleDocs::Queens(f.doc.GetModel(), 8);
        f.doc.SetSolverSetting(setting);
        f.doc.SetSearchTimeLimit(std::chrono::milliseconds(0)); // over before the problem is read
        HeadlessSolveDriver driver(f.doc);
        const auto outcome = driver.Run(1);
        EXPECT_TRUE(outcome.started);
        EXPECT_TRUE(outcome.timedOut);
        EXPECT_EQ(outcome.found, 0);
        EXPECT_EQ(outcome.finishedEvents, 0);
        EXPECT_FALSE(f.doc.IsSolving());
        EXPECT_EQ(f.doc.GetRawProblem(), nullptr);
        EXPECT_EQ(f.doc.GetSolver(), nullptr);
        // Nothing is left that keeps the next solve from starting.
        f.doc.SetSearchTimeLimit(CTavDoc::kDefaultTimeLimit);
        HeadlessSolveDriver again(f.doc);
        again.SetClock([] { return HeadlessSolveDriver::Clock::time_point(); });
        EXPECT_EQ(again.Run(1).found, 1);
        EXPECT_TRUE(IsQueensSolution(f.doc.GetSolutions(), 8, 0));
    }
}

TEST(SolveRoad, TimeOutAsksFirstAndKeepsWhatWasFound) {
    Fixture f;
    ExampleDocs::Knapsack(f.doc.GetModel());
    f.doc.SetSolverSetting(SolverSetting::GuidedLocalSearch); // an optimisation runs until stopped
    constexpr int kLimit = 50;
    f.doc.SetSearchTimeLimit(std::chrono::milliseconds(kLimit));
    // The driver's clock moves only with the search: the limit runs out once the engine has a
    // best assignment, and after the first question it runs on by a millisecond every hundred
    // steps (or at once, should no best ever come, so that the test fails instead of hanging).
    std::atomic<std::int64_t> clock{0};
    f.doc.SetBridgeFactory([&](RawCSP* problem, const AlgParams* params, int kind) {
        auto bridge = CTavDoc::MakeBridge(problem, params, kind);
        GLSLib::GGLS& engine = dynamic_cast<RawGenericSolver&>(*bridge).GetEngine();
        engine.SetNewBestCallback([&](int) {
            std::int64_t start = 0;
            clock.compare_exchange_strong(start, kLimit);
        });
        engine.SetStepHook(
            [&](std::uint64_t steps) {
                if (!f.messages.Asked().empty()) {
                    clock += 1;
                } else if (steps >= 10'000'000) {
                    clock += kLimit;
                }
            },
            100);
        return bridge;
    });
    f.messages.Answer(false);
    HeadlessSolveDriver driver(f.doc);
    driver.SetClock(
        [&] { return HeadlessSolveDriver::Clock::time_point(std::chrono::milliseconds(clock.load())); });
    const auto outcome = driver.Run(1);
    EXPECT_TRUE(outcome.timedOut);
    EXPECT_EQ(outcome.finishedEvents, 1);
    EXPECT_EQ(f.messages.Asked(), (std::vector<std::string>{"Stop Solving?", "Stop Solving?"}));
    const auto shown = f.messages.Shown();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Timed out - increase search time if desired"),
              shown.end());
    EXPECT_FALSE(f.doc.GetSolutions().GetValue("Cost", 0).empty()) << "the best assignment found is kept";
    EXPECT_FALSE(f.doc.IsSolving());
    f.doc.SetBridgeFactory({});
    f.doc.SetSolverSetting(SolverSetting::CompleteSearch);
    // The time limit covers reading and building too: the 50 ms above must not cut this one short.
    f.doc.SetSearchTimeLimit(CTavDoc::kDefaultTimeLimit);
    HeadlessSolveDriver again(f.doc);
    EXPECT_EQ(again.Run(1).found, 1);
    EXPECT_EQ(f.doc.GetSolutions().GetValue("Cost", 0), "51");
}

TEST(SolveRoad, DescriptionIsRenderedBesideARunningSolve) {
    Fixture f;
    std::ostringstream none;
    std::string why;
    EXPECT_FALSE(f.doc.RenderDescription(none, &why));
    ExampleDocs::Knapsack(f.doc.GetModel());
    f.doc.SetSolverSetting(SolverSetting::GuidedLocalSearch);
    CountingEvents events;
    ASSERT_TRUE(f.doc.StartSolve(&events, 1));
    const RawCSP* running = f.doc.GetRawProblem();
    std::ostringstream text;
    ASSERT_TRUE(f.doc.RenderDescription(text, &why)) << why;
    EXPECT_EQ(text.str().rfind("<D>", 0), 0u);
    EXPECT_NE(text.str().find("<END>"), std::string::npos);
    EXPECT_EQ(f.doc.GetRawProblem(), running);
    EXPECT_TRUE(f.doc.IsSolving());
    f.doc.OnStopSolving();
    while (events.finishedEvents == 0)
        f.doc.WaitForEvents(std::chrono::milliseconds(50));
    EXPECT_EQ(events.finishedEvents, 1);
}

TEST(SolveRoad, TwoHundredStartStopCyclesInARow) {
    Fixture f;
    ExampleDocs::Queens(f.doc.GetModel(), 10);
    f.doc.GetParameterBlock(0).SetParameter(2, 0); // no thrashing stop: the whole search
    SearchProgress search(f.doc);
    RecordingEvents events(f.doc);
    const SolverSetting settings[] = {SolverSetting::CompleteSearch, SolverSetting::GuidedLocalSearch,
                                      SolverSetting::Expert};
    for (int cycle = 0; cycle < 200; ++cycle) {
        const SolverSetting setting = settings[cycle % 3];
        const int how = cycle % 4;
        f.doc.SetSolverSetting(setting);
        events.progressCounts.clear();
        events.startedPositions.clear();
        ASSERT_TRUE(f.doc.StartSolve(&events, -1)) << cycle;
        switch (how) {
        case 0: // at once, perhaps before the first step
            break;
        case 1: // in the middle of a search
            search.WaitForSteps(f.doc, 3);
            break;
        case 2: // once a solution has been reported
            while (events.progressCounts.empty() || events.progressCounts.back() == 0) {
                if (f.doc.GetRun()->HasEnded() && f.doc.DeliverEvents() == 0) break;
                f.doc.WaitForEvents(std::chrono::milliseconds(20));
            }
            break;
        case 3: // an Expert run skips its engine, and is stopped in the next one
            search.WaitForSteps(f.doc, 3);
            if (setting != SolverSetting::Expert) break;
            while (events.startedPositions.empty() && !f.doc.GetRun()->HasEnded())
                f.doc.WaitForEvents(std::chrono::milliseconds(20));
            f.doc.SkipEngine();
            while (events.startedPositions.back() == 0)
                f.doc.WaitForEvents(std::chrono::milliseconds(20));
            search.WaitForSteps(f.doc, 3);
            break;
        }
        if (cycle % 2 == 0) {
            f.doc.OnStopSolving();
        } else {
            f.doc.EndSolve(false);
        }
        ASSERT_FALSE(f.doc.IsSolving()) << cycle;
        while (events.finishedCounts.size() < static_cast<std::size_t>(cycle) + 1)
            f.doc.WaitForEvents(std::chrono::milliseconds(20));
        ASSERT_EQ(events.finishedCounts.size(), static_cast<std::size_t>(cycle) + 1) << cycle;
        // What the run recorded is kept, and every solution is one.
        const CSolutionArray& store = f.doc.GetSolutions();
        const int kept = store.GetSize() == 0 ? 0 : store[0]->GetCount();
        ASSERT_GE(kept, events.finishedCounts.back()) << cycle;
        for (int k = 0; k < kept; ++k)
            ASSERT_TRUE(IsQueensSolution(store, 10, k)) << "cycle " << cycle << ", solution " << k;
    }
    EXPECT_EQ(f.messages.Asked().size(), 100u);
    f.doc.SetSolverSetting(SolverSetting::CompleteSearch);
    HeadlessSolveDriver driver(f.doc);
    EXPECT_EQ(driver.Run(1).found, 1);
    EXPECT_TRUE(IsQueensSolution(f.doc.GetSolutions(), 10, 0));
}

TEST(SolveRoad, ExpertSolvesQueensCompleteSearchFirst) {
    Fixture f;
    ExampleDocs::Queens(f.doc.GetModel(), 8);
    f.doc.SetSolverSetting(SolverSetting::Expert);
    HeadlessSolveDriver driver(f.doc);
    // Time stands still: no engine's slice runs out, however slow the machine.
    driver.SetClock([] { return HeadlessSolveDriver::Clock::time_point(); });
    const auto outcome = driver.Run(1);
    EXPECT_EQ(outcome.found, 1);
    EXPECT_EQ(outcome.enginesStarted, 1) << "complete search runs first and finds it";
    EXPECT_TRUE(IsQueensSolution(f.doc.GetSolutions(), 8, 0));
    EXPECT_EQ(f.doc.GetExpertTable()[0].successes, 2);
}
