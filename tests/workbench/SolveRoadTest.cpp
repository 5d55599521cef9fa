// The document's solve road with the real bridges: problem text, parse, the bridge of each
// setting, the run thread, stop and time-out, the description text beside a running solve,
// and many start/stop cycles in a row.

#include "ExampleDocs.hpp"
#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

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
        f.doc.SetSolverSetting(setting);
        HeadlessSolveDriver driver(f.doc);
        EXPECT_EQ(driver.Run(1).found, 1) << setting;
        EXPECT_EQ(f.doc.GetSolutions().GetValue("x", 0), "3.000000") << setting;
        EXPECT_EQ(f.doc.GetSolutions().GetValue("y", 0), "1.500000") << setting;
        EXPECT_EQ(f.doc.GetSolutions().GetValue("Cost", 0), "21.000000") << setting;
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

TEST(SolveRoad, TimeOutAsksFirstAndKeepsWhatWasFound) {
    Fixture f;
    ExampleDocs::Knapsack(f.doc.GetModel());
    f.doc.SetSolverSetting(CTavDoc::kGuidedLocalSearch); // an optimisation runs until stopped
    f.doc.SetSearchTimeLimit(50);
    f.messages.Answer(false);
    HeadlessSolveDriver driver(f.doc);
    const auto outcome = driver.Run(1);
    EXPECT_TRUE(outcome.timedOut);
    EXPECT_EQ(outcome.finishedEvents, 1);
    EXPECT_EQ(f.messages.Asked(), (std::vector<std::string>{"Stop Solving", "Stop Solving"}));
    const auto shown = f.messages.Shown();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "Timed out - increase search time if desired"),
              shown.end());
    EXPECT_FALSE(f.doc.GetSolutions().GetValue("Cost", 0).empty()) << "the best assignment found is kept";
    EXPECT_FALSE(f.doc.IsSolving());
    f.doc.SetSolverSetting(CTavDoc::kCompleteSearch);
    EXPECT_EQ(driver.Run(1).found, 1);
    EXPECT_EQ(f.doc.GetSolutions().GetValue("Cost", 0), "51");
}

TEST(SolveRoad, DescriptionIsRenderedBesideARunningSolve) {
    Fixture f;
    std::ostringstream none;
    std::string why;
    EXPECT_FALSE(f.doc.RenderDescription(none, &why));
    ExampleDocs::Knapsack(f.doc.GetModel());
    f.doc.SetSolverSetting(CTavDoc::kGuidedLocalSearch);
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
    f.doc.GetParameterBlock(0).SetParameter(2, 0);
    f.doc.GetOptimisation() = {}; // satisfaction: all solutions take a while
    CountingEvents events;
    for (int cycle = 0; cycle < 200; ++cycle) {
        f.doc.SetSolverSetting(cycle % 3 == 2 ? CTavDoc::kGuidedLocalSearch : CTavDoc::kCompleteSearch);
        ASSERT_TRUE(f.doc.StartSolve(&events, -1)) << cycle;
        if (cycle % 4 == 1) f.doc.WaitForEvents(std::chrono::milliseconds(1));
        if (cycle % 2 == 0) {
            f.doc.OnStopSolving();
        } else {
            f.doc.EndSolve(false);
        }
        while (events.finishedEvents < cycle + 1)
            f.doc.WaitForEvents(std::chrono::milliseconds(50));
        ASSERT_EQ(events.finishedEvents, cycle + 1) << cycle;
        ASSERT_FALSE(f.doc.IsSolving());
    }
    f.doc.SetSolverSetting(CTavDoc::kCompleteSearch);
    HeadlessSolveDriver driver(f.doc);
    EXPECT_EQ(driver.Run(1).found, 1);
    EXPECT_TRUE(IsQueensSolution(f.doc.GetSolutions(), 10, 0));
}

TEST(SolveRoad, ExpertSolvesQueensCompleteSearchFirst) {
    Fixture f;
    ExampleDocs::Queens(f.doc.GetModel(), 8);
    f.doc.SetSolverSetting(CTavDoc::kExpert);
    HeadlessSolveDriver driver(f.doc);
    const auto outcome = driver.Run(1);
    EXPECT_EQ(outcome.found, 1);
    EXPECT_EQ(outcome.enginesStarted, 1) << "complete search runs first and finds it";
    EXPECT_TRUE(IsQueensSolution(f.doc.GetSolutions(), 8, 0));
    EXPECT_EQ(f.doc.GetExpertTable()[0].successes, 2);
}
