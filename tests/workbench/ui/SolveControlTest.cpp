// The main frame's solve session with scripted solvers: the time limit's "Stop Solving?"
// question answered No then Yes, a run that ends while the question is open, a time-out that
// falls due while Tools/Stop asks, and thousands of solutions arriving at once.

#include "../FakeSolver.hpp"
#include "FrameFixture.hpp"

#include "workbench/SolveSession.hpp"
#include "workbench/SolverRun.hpp"

#include <QTableView>

#include <gtest/gtest.h>

using namespace TavLanguage;
using namespace TavBridges;
using namespace TavWorkbench;
using namespace TavWorkbench::Ui;

namespace {

constexpr const char* kTimedOut = "Timed out - increase search time if desired";

// A one-variable problem whose solves go to scripted solvers.
struct ScriptedFixture : FrameFixture {
    std::vector<FakeSolver::Step> script;
    FakeSolver* solver = nullptr;

    explicit ScriptedFixture(std::vector<FakeSolver::Step> steps, std::set<CommandId> served = {})
        : FrameFixture(std::move(served)), script(std::move(steps)) {
        ExampleDocs::Tiny(doc->GetModel());
        frame->TreeView().BuildTree(frame->Title());
        doc->SetBridgeFactory([this](RawCSP* problem, const AlgParams*, int) {
            auto made = std::make_unique<FakeSolver>(problem, script);
            solver = made.get();
            return made;
        });
    }
};

int Count(const std::vector<std::string>& texts, const std::string& text) {
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

} // namespace

TEST(SolveControl, TimeOutAnsweredNoGoesOnAndYesStops) {
    ScriptedFixture f({FakeSolver::Step::Block});
    f.doc->SetSearchTimeLimit(std::chrono::milliseconds(20));
    f.prompts.answers = {false, true};
    bool solvingAtSecondQuestion = false;
    f.prompts.whileAsking = [&](const std::string&) {
        if (f.prompts.asked.size() == 2) solvingAtSecondQuestion = f.doc->IsSolving();
    };
    ASSERT_TRUE(f.frame->OnCommand(CommandId::FirstSolution));
    EXPECT_TRUE(f.Session().IsTimeLimitRunning());
    EXPECT_TRUE(f.Session().IsStatisticsTimerRunning());
    ASSERT_TRUE(WaitFor([&] { return f.prompts.asked.size() == 2 && !f.doc->IsSolving(); }));
    EXPECT_TRUE(solvingAtSecondQuestion);
    EXPECT_EQ(f.prompts.asked, (std::vector<std::string>{"Stop Solving?", "Stop Solving?"}));
    EXPECT_EQ(Count(f.prompts.shown, kTimedOut), 1);
    // The ended run's last events arrive and stop every timer.
    ASSERT_TRUE(WaitFor([&] { return !f.Session().IsStatisticsTimerRunning(); }));
    EXPECT_FALSE(f.Session().IsTimeLimitRunning());
    EXPECT_EQ(f.prompts.maxDepth, 1);
}

TEST(SolveControl, ARunThatEndsUnderTheQuestionIsEndedOnce) {
    ScriptedFixture f({FakeSolver::Step::Block});
    f.doc->SetSearchTimeLimit(std::chrono::milliseconds(20));
    f.prompts.answers = {true};
    f.prompts.whileAsking = [&](const std::string&) {
        // The search gives up while the box is open, and the box's event loop runs on.
        f.solver->Stop();
        ASSERT_TRUE(f.doc->GetRun()->WaitEnded(std::chrono::seconds(30)));
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        EXPECT_TRUE(f.doc->IsSolving()) << "the run's end waits for the answer";
    };
    ASSERT_TRUE(f.frame->OnCommand(CommandId::FirstSolution));
    ASSERT_TRUE(WaitFor([&] { return !f.prompts.asked.empty() && !f.doc->IsSolving(); }));
    ASSERT_TRUE(WaitFor([&] { return !f.Session().IsStatisticsTimerRunning(); }));
    EXPECT_EQ(f.prompts.asked.size(), 1u);
    EXPECT_EQ(Count(f.prompts.shown, kTimedOut), 1);
    EXPECT_EQ(Count(f.prompts.shown, "No Solution found"), 1);
    EXPECT_FALSE(f.Session().IsTimeLimitRunning());
    // A new solve starts cleanly afterwards.
    f.script = {FakeSolver::Step::Find};
    ASSERT_TRUE(f.frame->OnCommand(CommandId::FirstSolution));
    ASSERT_TRUE(f.WaitUntilSolved());
    const auto lock = f.doc->LockSolutions();
    EXPECT_EQ(f.doc->GetSolutions().GetSize(), 1);
}

TEST(SolveControl, ATimeOutWaitsForTheStopQuestion) {
    ScriptedFixture f({FakeSolver::Step::Block});
    f.doc->SetSearchTimeLimit(std::chrono::milliseconds(20));
    f.prompts.answers = {false, true};
    ASSERT_TRUE(f.frame->OnCommand(CommandId::FirstSolution));
    f.prompts.whileAsking = [&](const std::string&) {
        if (f.prompts.asked.size() == 1) {
            // The time limit runs out while Tools/Stop asks: no second box over the first.
            ASSERT_TRUE(WaitFor([&] { return !f.Session().IsTimeLimitRunning(); }));
            for (int i = 0; i < 20; ++i)
                QCoreApplication::processEvents();
        }
    };
    ASSERT_TRUE(f.frame->OnCommand(CommandId::StopSolving));
    ASSERT_TRUE(WaitFor([&] { return !f.doc->IsSolving(); }));
    EXPECT_EQ(f.prompts.asked, (std::vector<std::string>{"Stop Solving?", "Stop Solving?"}));
    EXPECT_EQ(f.prompts.maxDepth, 1);
    EXPECT_EQ(Count(f.prompts.shown, kTimedOut), 1);
}

TEST(SolveControl, StopAnsweredYesEndsTheSolve) {
    ScriptedFixture f({FakeSolver::Step::Block});
    ASSERT_TRUE(f.frame->OnCommand(CommandId::AllSolutions));
    f.frame->UpdateCommandStates();
    EXPECT_TRUE(f.frame->Action(CommandId::StopSolving)->isEnabled());
    EXPECT_FALSE(f.frame->Action(CommandId::FirstSolution)->isEnabled());
    ASSERT_TRUE(f.frame->OnCommand(CommandId::StopSolving));
    EXPECT_FALSE(f.doc->IsSolving());
    ASSERT_TRUE(WaitFor([&] { return !f.Session().IsStatisticsTimerRunning(); }));
    EXPECT_FALSE(f.frame->OnCommand(CommandId::StopSolving));
    EXPECT_EQ(Count(f.prompts.shown, kTimedOut), 0);
}

// While a run goes on the status bar names its solver and counts its solutions and seconds;
// at its end it says how it ended.
TEST(SolveControl, TheStatusBarFollowsTheRun) {
    ScriptedFixture f({FakeSolver::Step::Find, FakeSolver::Step::Find, FakeSolver::Step::Block});
    f.doc->SetSolverSetting(SolverSetting::TabuSearch);
    ASSERT_TRUE(f.frame->OnCommand(CommandId::AllSolutions));
    const auto starts = [&](const std::string& prefix) {
        return f.frame->StatusText(0).rfind(prefix, 0) == 0;
    };
    EXPECT_TRUE(starts("Solving with tabu search: ")) << f.frame->StatusText(0);
    ASSERT_TRUE(WaitFor([&] { return starts("Solving with tabu search: 2 solutions so far, "); }))
        << f.frame->StatusText(0);
    EXPECT_EQ(f.frame->StatusText(0).back(), 's');
    ASSERT_TRUE(f.frame->OnCommand(CommandId::StopSolving));
    ASSERT_TRUE(WaitFor([&] { return starts("Stopped: 2 solutions in "); })) << f.frame->StatusText(0);
    EXPECT_NE(f.frame->StatusText(0).find("(tabu search)"), std::string::npos) << f.frame->StatusText(0);
}

TEST(SolveControl, ThousandsOfSolutionsArriveCoalesced) {
    ScriptedFixture f({FakeSolver::Step::Find}, {CommandId::NumberOfSolutions});
    f.provider->solutionCount = 5000;
    ASSERT_TRUE(f.frame->OnCommand(CommandId::NumberOfSolutions));
    ASSERT_NE(f.doc->GetRun(), nullptr);
    // The run ends before the window handles a single event.
    ASSERT_TRUE(f.doc->GetRun()->WaitEnded(std::chrono::seconds(60)));
    const int before = f.frame->Pump().Deliveries();
    ASSERT_TRUE(f.WaitUntilSolved());
    EXPECT_LE(f.frame->Pump().Deliveries() - before, 2);
    const QAbstractItemModel* grid = f.Results().Table()->model();
    ASSERT_EQ(grid->columnCount(), 5000);
    for (int c = 0; c < 5000; c += 499)
        EXPECT_EQ(grid->index(0, c).data().toString().toInt(), c + 1) << "solution " << c + 1;
    EXPECT_EQ(grid->headerData(4999, Qt::Horizontal).toString(), "Solution 5000");
}
