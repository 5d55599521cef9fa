// The run thread and its events, with scripted bridges: the single and the sequence loops,
// coalesced progress, exactly one finished event per run, stop and engine skips, the Expert
// statistics kept through the run's own sequence, and the solution store's columns.

#include "ExampleDocs.hpp"
#include "FakeSolver.hpp"
#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include "language/raw/RawRange.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/SolverRun.hpp"

#include <gtest/gtest.h>

#include <map>

using namespace TavLanguage;
using namespace TavBridges;
using namespace TavWorkbench;
using Step = FakeSolver::Step;

namespace {

constexpr auto kWait = std::chrono::milliseconds(50);

// Counts the events it receives and does nothing else.
struct CountingEvents : SolveEvents {
    std::vector<int> progressCounts;
    std::vector<int> finishedCounts;
    std::vector<std::pair<char, int>> engineEvents;
    void progress(int found) override { progressCounts.push_back(found); }
    void finished(int found) override { finishedCounts.push_back(found); }
    void engineStarted(int position) override { engineEvents.emplace_back('S', position); }
    void engineSolved(int position) override { engineEvents.emplace_back('V', position); }
};

// A document over a scratch settings folder whose bridges are scripted fakes, one script per
// bridge kind (0 complete search, 1..4 local search, -1 linear programming).
class FakeDoc {
public:
    explicit FakeDoc(std::map<int, std::vector<Step>> scripts, const std::string& expertFile = "")
        : m_scripts(std::move(scripts)) {
        if (!expertFile.empty()) m_folder.Write("expert.dat", expertFile);
        doc = std::make_unique<CTavDoc>(&messages, m_folder.Path());
        doc->OnNewDocument();
        ExampleDocs::Tiny(doc->GetModel());
        doc->SetBridgeFactory([this](RawCSP* problem, const AlgParams* params, int kind) {
            auto& counters = counts[kind];
            if (!counters) counters = std::make_shared<FakeSolver::Counters>();
            auto fake = std::make_unique<FakeSolver>(problem, m_scripts[kind], counters);
            fake->withCost = withCost;
            built[kind] = fake.get();
            paramsOf[kind] = params;
            return fake;
        });
    }

    RecordingMessages messages;
    std::unique_ptr<CTavDoc> doc;
    // The fakes of the current solve (deleted with it) and what every fake of a kind did.
    std::map<int, FakeSolver*> built;
    std::map<int, std::shared_ptr<FakeSolver::Counters>> counts;
    std::size_t Calls(int kind) { return counts[kind] ? counts[kind]->calls.load() : 0; }
    std::size_t Finds(int kind) { return counts[kind] ? counts[kind]->finds.load() : 0; }
    std::map<int, const AlgParams*> paramsOf;
    bool withCost = false;

private:
    TempFolder m_folder;
    std::map<int, std::vector<Step>> m_scripts;
};

// Delivers events until the finished event arrived.
void DeliverUntilFinished(CTavDoc& doc, const CountingEvents& events) {
    while (events.finishedCounts.empty())
        doc.WaitForEvents(kWait);
}

} // namespace

TEST(SingleRun, ProgressIsCoalescedAndFinishedComesOnce) {
    FakeDoc fake({{0, {Step::Find, Step::Find, Step::Find, Step::Fail}}});
    CountingEvents events;
    ASSERT_TRUE(fake.doc->StartSolve(&events, -1));
    // Nothing is delivered until asked: wait for the thread, then take everything at once.
    while (fake.Calls(0) < 4)
        std::this_thread::yield();
    fake.doc->EndSolve(true);
    EXPECT_EQ(fake.doc->DeliverEvents(), 2);
    EXPECT_EQ(events.progressCounts, (std::vector<int>{3}));
    EXPECT_EQ(events.finishedCounts, (std::vector<int>{3}));
    EXPECT_EQ(fake.doc->DeliverEvents(), 0);
    EXPECT_EQ(fake.doc->GetSolutions().GetSize(), 1);
    EXPECT_EQ(fake.doc->GetSolutions()[0]->GetValues(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(SingleRun, RequestedCountsEndTheLoop) {
    struct Case {
        int requested;
        int finished;
        std::size_t calls;
    };
    for (const Case c : {Case{0, 0, 0}, Case{1, 1, 1}, Case{2, 2, 2}, Case{-1, 3, 4}}) {
        FakeDoc fake({{0, {Step::Find, Step::Find, Step::Find, Step::Fail}}});
        HeadlessSolveDriver driver(*fake.doc);
        const auto outcome = driver.Run(c.requested);
        ASSERT_TRUE(outcome.started);
        EXPECT_EQ(outcome.found, c.finished) << c.requested;
        EXPECT_EQ(outcome.finishedEvents, 1) << c.requested;
        EXPECT_EQ(fake.Calls(0), c.calls) << c.requested;
        EXPECT_FALSE(fake.doc->IsSolving());
        const auto shown = fake.messages.Shown();
        EXPECT_EQ(std::count(shown.begin(), shown.end(), "No Solution found"), c.finished == 0 ? 1 : 0);
    }
}

TEST(SingleRun, AStoppedSearchKeepsTheSolutionItReturns) {
    FakeDoc fake({{0, {Step::Find, Step::BlockThenFind}}});
    CountingEvents events;
    ASSERT_TRUE(fake.doc->StartSolve(&events, -1));
    while (fake.Calls(0) < 2)
        std::this_thread::yield();
    fake.doc->OnStopSolving();
    EXPECT_EQ(fake.messages.Asked(), (std::vector<std::string>{"Stop Solving?"}));
    EXPECT_FALSE(fake.doc->IsSolving());
    DeliverUntilFinished(*fake.doc, events);
    EXPECT_EQ(events.progressCounts.back(), 2); // found + 1
    EXPECT_EQ(events.finishedCounts, (std::vector<int>{1}));
    EXPECT_EQ(fake.doc->GetSolutions()[0]->GetCount(), 2);
    EXPECT_EQ(fake.doc->GetStatisticsText(), "Algorithm: Fake\r\n");
    // Answered No, a stop changes nothing.
    ASSERT_TRUE(fake.doc->StartSolve(&events, -1));
    fake.messages.Answer(false);
    fake.doc->OnStopSolving();
    EXPECT_TRUE(fake.doc->IsSolving());
    fake.doc->EndSolve(false);
}

TEST(SingleRun, ASearchThatThrowsStillFinishesOnceAndSaysWhy) {
    FakeDoc fake({{0, {Step::Throw}}});
    HeadlessSolveDriver driver(*fake.doc);
    const auto outcome = driver.Run(1);
    EXPECT_EQ(outcome.finishedEvents, 1);
    EXPECT_EQ(outcome.found, 0);
    const auto shown = fake.messages.Shown();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "the fake search failed"), shown.end());
    EXPECT_TRUE(driver.Run(1).started) << "the document solves again";
}

TEST(SingleRun, EventsOfAnEndedRunReachItsReceiverBeforeTheNextRunStarts) {
    FakeDoc fake({{0, {Step::Block}}});
    CountingEvents first;
    CountingEvents second;
    ASSERT_TRUE(fake.doc->StartSolve(&first, 1));
    ASSERT_TRUE(fake.doc->StartSolve(&second, 1)); // ends the first one itself
    EXPECT_EQ(first.finishedCounts, (std::vector<int>{0}));
    EXPECT_TRUE(second.finishedCounts.empty());
    fake.doc->EndSolve(false);
    fake.doc->DeliverEvents();
    fake.doc->DeliverEvents();
    EXPECT_EQ(first.finishedCounts.size(), 1u);
    EXPECT_EQ(second.finishedCounts.size(), 1u);
}

TEST(SolutionStore, EveryLabelKeepsItsColumn) {
    FakeDoc fake({{0, {Step::Find, Step::Find, Step::Fail}}});
    fake.withCost = true;
    // A bridge whose solutions carry a kind that is no solution value (a range, shown as written)
    // between two values.
    fake.doc->SetBridgeFactory([](RawCSP* problem, const AlgParams*, int) {
        struct Odd : FakeSolver {
            using FakeSolver::FakeSolver;
            bool Solve() override {
                if (Calls() >= 2) return false;
                FakeSolver::Solve();
                RawSolution& s = m_solutions.AddSolution();
                s.AddLabel(RawLabel("x", RPtr<RawExpr>(new RawInt(1))));
                s.AddLabel(RawLabel("odd", RPtr<RawExpr>(new RawRange(0, 3))));
                s.AddLabel(RawLabel("y", RPtr<RawExpr>(new RawInt(2))));
                s.SetCost(RPtr<RawExpr>(new RawInt(5)));
                s.SetSoftCost(RPtr<RawExpr>(new RawInt(6)));
                return true;
            }
        };
        return std::make_unique<Odd>(problem, std::vector<Step>{Step::Fail});
    });
    HeadlessSolveDriver driver(*fake.doc);
    EXPECT_EQ(driver.Run(-1).found, 2);
    const CSolutionArray& store = fake.doc->GetSolutions();
    std::vector<std::string> names;
    for (const auto& column : store) {
        names.push_back(column->GetID());
        EXPECT_EQ(column->GetCount(), 2) << column->GetID();
    }
    EXPECT_EQ(names, (std::vector<std::string>{"x", "odd", "y", "Cost", "Soft Cost"}));
    EXPECT_EQ(store.GetValue("odd", 1), "[0..3]");
    EXPECT_EQ(store.GetValue("y", 1), "2");
    EXPECT_EQ(store.GetValue("Soft Cost", 0), "6");
}

namespace {

// Expert rows 0..3 as bridge kinds 0..3; GLS is ranked first, then Tabu, then GA.
const char* const kGlsFirst = "4\n20\nGFC\t1\t1\tGLS\t1\t1\tGA\t1\t0\tTabu\t1\t0\t";

} // namespace

TEST(ExpertRun, EnginesThatAllFailStartOnceEach) {
    FakeDoc fake({{0, {Step::Fail}}, {1, {Step::Fail}}, {2, {Step::Fail}}, {3, {Step::Fail}}}, kGlsFirst);
    fake.doc->SetSolverSetting(SolverSetting::Expert);
    CountingEvents events;
    ASSERT_TRUE(fake.doc->StartSolve(&events, 1));
    EXPECT_TRUE(fake.doc->IsExpertMode());
    std::vector<std::pair<char, int>> engineEvents;
    while (events.finishedCounts.empty())
        fake.doc->WaitForEvents(kWait);
    EXPECT_EQ(events.engineEvents,
              (std::vector<std::pair<char, int>>{{'S', 0}, {'S', 1}, {'S', 2}, {'S', 3}}));
    EXPECT_EQ(events.finishedCounts, (std::vector<int>{0}));
    fake.doc->EndSolve(false);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(fake.paramsOf[row], &fake.doc->GetParameterBlock(row));
}

TEST(ExpertRun, StatisticsFollowTheRunsOwnSequenceWhileTheOrderIsRankedAgain) {
    FakeDoc fake({{0, {Step::Fail}},
                  {1, {Step::Find, Step::Find, Step::Fail}},
                  {2, {Step::Find, Step::Fail}},
                  {3, {Step::Fail}}},
                 kGlsFirst);
    fake.doc->SetSolverSetting(SolverSetting::Expert);
    std::vector<int> runsBefore;
    std::vector<int> successesBefore;
    for (const auto& entry : fake.doc->GetExpertTable()) {
        runsBefore.push_back(entry.runs);
        successesBefore.push_back(entry.successes);
    }
    HeadlessSolveDriver driver(*fake.doc);
    ASSERT_TRUE(driver.Start(-1));
    const std::vector<int> sequence = fake.doc->GetEngineOrder();
    // Rank again with other draws until the order differs from the run's own sequence.
    for (std::uint32_t seed = 1; fake.doc->GetEngineOrder() == sequence && seed < 1000; ++seed) {
        fake.doc->SeedRanking(seed);
        fake.doc->RankEngines();
    }
    while (!driver.IsFinished())
        fake.doc->WaitForEvents(kWait);
    for (int row = 0; row < 4; ++row) {
        const auto& entry = fake.doc->GetExpertTable()[static_cast<std::size_t>(row)];
        EXPECT_EQ(entry.runs - runsBefore[static_cast<std::size_t>(row)], static_cast<int>(fake.Calls(row)))
            << "row " << row;
        EXPECT_EQ(entry.successes - successesBefore[static_cast<std::size_t>(row)],
                  static_cast<int>(fake.Finds(row)))
            << "row " << row;
    }
    EXPECT_EQ(driver.GetOutcome().found, 3);
    EXPECT_EQ(driver.GetOutcome().enginesSolved, 3);
    EXPECT_TRUE(fake.doc->GetExpertTable()[1].solver == nullptr) << "engines are released with the solve";
}

TEST(ExpertRun, EndingTheSolveStopsTheEngineThatRuns) {
    FakeDoc fake({{0, {Step::Block}}, {1, {Step::Block}}, {2, {Step::Block}}, {3, {Step::Block}}}, kGlsFirst);
    fake.doc->SetSolverSetting(SolverSetting::Expert);
    CountingEvents events;
    ASSERT_TRUE(fake.doc->StartSolve(&events, 1));
    while (fake.Calls(0) == 0)
        std::this_thread::yield();
    // No engine event was delivered, so the document knows no current engine: every engine of
    // the sequence is stopped.
    fake.doc->EndSolve(false);
    EXPECT_FALSE(fake.doc->IsSolving());
    fake.doc->DeliverEvents();
    EXPECT_TRUE(events.engineEvents.empty()) << "engine events of an ended run are dropped";
    EXPECT_EQ(events.finishedCounts, (std::vector<int>{0}));
}

TEST(ExpertRun, SkippingAnEngineHandsOverToTheNext) {
    FakeDoc fake({{0, {Step::Block}}, {1, {Step::Find}}, {2, {Step::Fail}}, {3, {Step::Fail}}}, kGlsFirst);
    fake.doc->SetSolverSetting(SolverSetting::Expert);
    HeadlessSolveDriver driver(*fake.doc);
    ASSERT_TRUE(driver.Start(1));
    while (driver.GetOutcome().enginesStarted == 0)
        fake.doc->WaitForEvents(kWait);
    EXPECT_EQ(fake.doc->GetSolver(), fake.built[0]);
    fake.doc->SkipEngine();
    while (!driver.IsFinished())
        fake.doc->WaitForEvents(kWait);
    EXPECT_EQ(driver.GetOutcome().found, 1);
    EXPECT_EQ(fake.doc->GetSolutions().GetValue("x", 0), "1");
    EXPECT_EQ(fake.Calls(1), 1u);
}

TEST(NoSolve, StopTimeOutStatisticsAndSkipDoNothing) {
    FakeDoc fake({{0, {Step::Find}}});
    fake.doc->OnStopSolving();
    EXPECT_TRUE(fake.doc->OnSolveTimeout());
    fake.doc->ShowStatistics();
    fake.doc->SkipEngine();
    fake.doc->EngineStarted(0);
    fake.doc->EngineSolved(0);
    fake.doc->EndSolve(true);
    EXPECT_TRUE(fake.messages.Asked().empty());
    EXPECT_TRUE(fake.messages.Shown().empty());
    const auto& table = fake.doc->GetExpertTable();
    EXPECT_EQ(table[0].runs, 1) << "no run took place";
    EXPECT_EQ(fake.doc->DeliverEvents(), 0);
}

TEST(Statistics, SingleRunsCountForTheirEngineOnly) {
    FakeDoc fake({{0, {Step::Find}}, {1, {Step::Fail}}, {4, {Step::Find}}});
    HeadlessSolveDriver driver(*fake.doc);
    driver.Run(1);
    EXPECT_EQ(fake.doc->GetExpertTable()[0].runs, 2);
    EXPECT_EQ(fake.doc->GetExpertTable()[0].successes, 2);
    fake.doc->SetSolverSetting(static_cast<SolverSetting>(1));
    driver.Run(1);
    EXPECT_EQ(fake.doc->GetExpertTable()[1].runs, 2);
    EXPECT_EQ(fake.doc->GetExpertTable()[1].successes, 1);
    fake.doc->SetSolverSetting(static_cast<SolverSetting>(4));
    driver.Run(1);
    EXPECT_EQ(fake.paramsOf[4], &fake.doc->GetParameterBlock(1)) << "setting 4 uses block 1";
    // Clearing the document counts no run that did not take place.
    fake.doc->DeleteContents();
    EXPECT_EQ(fake.doc->GetExpertTable()[1].runs, 2);
    for (int setting : {5, 9, -3}) {
        fake.doc->SetSolverSetting(static_cast<SolverSetting>(setting));
        fake.counts.clear();
        fake.doc->OnNewDocument();
        ExampleDocs::Tiny(fake.doc->GetModel());
        fake.doc->SetSolverSetting(static_cast<SolverSetting>(setting));
        driver.Run(1);
        EXPECT_EQ(fake.Calls(0), 1u) << "setting " << setting << " solves as 0";
        EXPECT_EQ(fake.doc->GetEngineKind(), 0);
    }
}
